// The web page's figures for docs/performance.md, measured in Debian's Chromium on the real
// clock against the site served as `make serve-web` serves it, each beside an empty page served
// the same way (a blank page of the site's background colour):
//
//     node bench/web_figures.mjs build/web      (or: make bench-web)
//
// - a first visit: every response the server sent in full while a fresh browser loaded the page
//   and its service worker kept the site, compressed as a web server would send it (gzip level
//   6; Brotli for a server that keeps .br files); and, as an upper bound, every file of the site
//   but the font's licence texts;
// - navigation to the first paint: the title's picture painted (Element Timing) against the
//   empty page's first paint, 30 visits of each in turns with an empty cache, medians (Chromium
//   reports paint times in steps of 4 ms, and single visits spread over tens of milliseconds);
// - the idle board for 30 s, from one second after it shows: the CPU time of all of Chromium's
//   processes against the same 30 s on the empty page, and the wake-ups and animation frames the
//   page counts; three rounds of each in turns, summed (Chromium counts CPU time in steps of
//   10 ms, and an empty page spends about 100 ms in 30 s); then one round once a key has been
//   pressed, when the page listens for controllers (and Chromium polls the input devices);
// - Enter to the bomb on screen: from the key's event to the animation frame that draws it,
//   10 bombs crafted and dropped by a small autopilot that walks over the ingredients.
import { spawn } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createServer } from 'node:net';
import { join, relative } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';

const site = process.argv[2] ?? 'build/web';
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function files(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? files(path) : [path];
  });
}

function download_sizes() {
  const sizes = { raw: 0, gzip: 0, brotli: 0, count: 0 };
  for (const path of files(site).filter((file) => !file.endsWith('.txt'))) {
    const body = readFileSync(path);
    sizes.raw += body.length;
    sizes.gzip += gzipSync(body, { level: 6 }).length;
    sizes.brotli += brotliCompressSync(body, {
      params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
    sizes.count++;
  }
  return sizes;
}

async function free_port() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// Python's web server on `dir`; `sent` lists the paths it answered with a whole file (200), as
// its log says.
async function serve(dir) {
  const port = await free_port();
  const server = spawn('/usr/bin/python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1'],
    { cwd: dir, stdio: ['ignore', 'ignore', 'pipe'] });
  const sent = [];
  server.stderr.setEncoding('utf8').on('data', (text) => {
    for (const [, path] of text.matchAll(/"GET ([^ ?]+)\S* HTTP\/[\d.]+" 200 /g)) sent.push(path);
  });
  for (let i = 0; i < 50; ++i) {
    try {
      await fetch(`http://127.0.0.1:${port}/`);
      sent.length = 0;
      return { url: `http://127.0.0.1:${port}/`, sent, stop: () => server.kill() };
    } catch {
      await sleep(100);
    }
  }
  throw new Error('the web server did not start');
}

function empty_site() {
  const dir = mkdtempSync(join(tmpdir(), 'totechita-empty-'));
  writeFileSync(join(dir, 'index.html'), '<!doctype html><html lang="ja"><head><meta charset="utf-8">' +
    '<title>empty</title></head><body style="margin:0;background:#3b6e8f"></body></html>\n');
  return dir;
}

const gzip_size = (path) => gzipSync(readFileSync(path), { level: 6 }).length;

// What a first visit downloads, the service worker's keeping of the site included.
async function first_visit(browser, server) {
  const context = await browser.newContext();
  const page = await context.newPage();
  server.sent.length = 0;
  await page.goto(server.url);
  await page.evaluate(() => new Promise((resolve) => {
    if (navigator.serviceWorker.controller) resolve();
    navigator.serviceWorker.addEventListener('controllerchange', resolve);
  }));
  await sleep(2000);
  await context.close();
  const paths = server.sent.map((path) => join(site, path.endsWith('/') ? `${path}index.html` : path));
  return { files: paths.length, gzip: paths.reduce((sum, path) => sum + gzip_size(path), 0) };
}

async function empty_first_paint(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  const painted = await page.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((list) => {
      const paint = list.getEntries().find((entry) => entry.name === 'first-paint');
      if (paint) resolve(paint.startTime);
    }).observe({ type: 'paint', buffered: true });
  }));
  await context.close();
  return painted;
}

// The CPU time (seconds) that all of the browser's processes, and its renderers alone (the pages'
// own work), spent in 30 s on a page.
async function cpu_for_30_seconds(browser, open) {
  const cdp = await browser.newBrowserCDPSession();
  const cpu = async () => {
    const { processInfo } = await cdp.send('SystemInfo.getProcessInfo');
    const sum = (processes) => processes.reduce((total, process) => total + process.cpuTime, 0);
    return { all: sum(processInfo), renderers: sum(processInfo.filter((process) => process.type === 'renderer')) };
  };
  const context = await browser.newContext();
  const page = await context.newPage();
  await open(page);
  await sleep(1000);
  const before = await cpu();
  const counted = await page.evaluate(() => window.totechita && { ...totechita.counters });
  await sleep(30000);
  const after = await cpu();
  const spent = { all: after.all - before.all, renderers: after.renderers - before.renderers };
  const counts = await page.evaluate(() => window.totechita && { ...totechita.counters });
  await context.close();
  return { spent, wakes: counts ? counts.wakes - counted.wakes : 0, frames: counts ? counts.frames - counted.frames : 0 };
}

async function title_first_frame(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  const painted = await page.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((list) => {
      const title = list.getEntries().find((entry) => entry.identifier === 'title');
      if (title) resolve(title.renderTime);
    }).observe({ type: 'element', buffered: true });
  }));
  await context.close();
  return painted;
}

// Walks the player onto a place, one key press for each 100 twips.
async function walk_to(page, [x, y]) {
  const at = await position(page, 'Text1', 'Text2');
  const keys = [[x - at[0], 'ArrowRight', 'ArrowLeft'], [y - at[1], 'ArrowDown', 'ArrowUp']];
  for (const [distance, forward, back] of keys) {
    for (let i = 0; i < Math.abs(distance) / 100; ++i) await page.keyboard.press(distance > 0 ? forward : back);
  }
}

async function position(page, x, y) {
  const controls = await page.evaluate(() => totechita.state().forms[0].controls);
  return [Number(controls[x].Text), Number(controls[y].Text)];
}

// The page records when Enter was pressed and when the bomb's picture was drawn visible.
function record_bomb_frames() {
  window.bench = { pressed: [], shown: [] };
  addEventListener('keydown', (event) => event.key === 'Enter' && bench.pressed.push(event.timeStamp));
  const bomb = document.querySelector('[data-control="Image5"]');
  let visible = false;
  new MutationObserver(() => {
    if (bomb.style.visibility !== 'hidden' && !visible) bench.shown.push(performance.now());
    visible = bomb.style.visibility !== 'hidden';
  }).observe(bomb, { attributes: true });
}

// Opens the game at `url` in `page` and waits until its board shows.
async function open_board(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => window.totechita?.transcript.some((line) => line.endsWith('show Form2')));
}

async function enter_to_bomb(browser, url, bombs) {
  const page = await browser.newPage();
  await open_board(page, url);
  await page.evaluate(record_bomb_frames);
  for (let dropped = 0; dropped < bombs; ++dropped) {
    for (const [x, y] of [['Text3', 'Text4'], ['Text6', 'Text8'], ['Text11', 'Text12']]) {
      await walk_to(page, await position(page, x, y));
      await sleep(30);  // the pickup timers
    }
    await page.keyboard.press('Backspace');
    await page.waitForFunction(() => {
      const controls = totechita.state().forms[0].controls;
      return controls.Label9.Caption !== '0' && controls.Label11.Caption === '1' &&
        !controls.Image5.Visible;
    }, null, { timeout: 5000 });
    await page.keyboard.press('Enter');
    await page.waitForFunction((count) => bench.shown.length === count, dropped + 1);
  }
  const { pressed, shown } = await page.evaluate(() => bench);
  await page.close();
  return shown.map((time, i) => time - pressed[i]);
}

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const server = await serve(site);
const empty = await serve(empty_site());
const ratio = (a, b) => (a / b).toFixed(2);
try {
  const sizes = download_sizes();
  const visit = await first_visit(browser, server);
  console.log(`First visit: ${visit.files} files sent whole, ${(visit.gzip / 1000).toFixed(1)} kB gzip`);
  console.log(`Every file of ${relative('.', site)}: ${sizes.count} files, ${(sizes.raw / 1000).toFixed(1)} kB raw, ` +
    `${(sizes.gzip / 1000).toFixed(1)} kB gzip, ${(sizes.brotli / 1000).toFixed(1)} kB Brotli`);
  const titles = [];
  const blanks = [];
  for (let i = 0; i < 30; ++i) {
    blanks.push(await empty_first_paint(browser, empty.url));
    titles.push(await title_first_frame(browser, server.url));
  }
  const range = (values) => `${Math.min(...values).toFixed(0)}-${Math.max(...values).toFixed(0)}`;
  console.log(`First paint: the title ${median(titles).toFixed(0)} ms (${range(titles)}), ` +
    `the empty page ${median(blanks).toFixed(0)} ms (${range(blanks)}): ${ratio(median(titles), median(blanks))} x`);
  const idle_rounds = 3;
  const board = { spent: { all: 0, renderers: 0 }, wakes: 0, frames: 0 };
  const blank = { spent: { all: 0, renderers: 0 } };
  for (let round = 0; round < idle_rounds; ++round) {
    const on_board = await cpu_for_30_seconds(browser, (page) => open_board(page, server.url));
    const on_blank = await cpu_for_30_seconds(browser, (page) => page.goto(empty.url));
    for (const kind of ['all', 'renderers']) {
      board.spent[kind] += on_board.spent[kind];
      blank.spent[kind] += on_blank.spent[kind];
    }
    board.wakes += on_board.wakes;
    board.frames += on_board.frames;
  }
  const touched = await cpu_for_30_seconds(browser, async (page) => {
    await open_board(page, server.url);
    await page.keyboard.press('Shift');
  });
  const ms = (seconds) => (seconds * 1000).toFixed(0);
  console.log(`Idle board, ${idle_rounds} x 30 s of CPU: all processes ${ms(board.spent.all)} ms, the empty page ` +
    `${ms(blank.spent.all)} ms: ${ratio(board.spent.all, blank.spent.all)} x; renderers ` +
    `${ms(board.spent.renderers)} ms, the empty page ${ms(blank.spent.renderers)} ms: ` +
    `${ratio(board.spent.renderers, blank.spent.renderers)} x; ` +
    `${board.wakes} wake-ups (${(board.wakes / (idle_rounds * 30)).toFixed(2)}/s), ${board.frames} frames`);
  console.log(`Idle board after a key, 30 s of CPU: all processes ${ms(touched.spent.all)} ms: ` +
    `${ratio(touched.spent.all * idle_rounds, blank.spent.all)} x; renderers ${ms(touched.spent.renderers)} ms: ` +
    `${ratio(touched.spent.renderers * idle_rounds, blank.spent.renderers)} x`);
  const delays = await enter_to_bomb(browser, server.url, 10);
  console.log(`Enter to the bomb on screen: median ${median(delays).toFixed(1)} ms, ` +
    `max ${Math.max(...delays).toFixed(1)} ms (${delays.map((d) => d.toFixed(1)).join(', ')})`);
} finally {
  server.stop();
  empty.stop();
  await browser.close();
}
