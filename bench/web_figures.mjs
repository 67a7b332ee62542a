// The web page's figures for docs/performance.md, measured in Debian's Chromium on the real
// clock against the site served as `make serve-web` serves it:
//
//     node bench/web_figures.mjs build/web      (or: make bench-web)
//
// - what a visitor downloads: every file of the site but the font's licence texts, compressed
//   as a web server would send it (gzip level 6, and Brotli for a server that keeps .br files);
// - navigation to the title's first frame (its picture painted, by Element Timing), 10 visits
//   with an empty cache, median and range;
// - the idle board for 30 s, from one second after it shows: wake-ups and animation frames,
//   as the page counts them;
// - Enter to the bomb on screen: from the key's event to the animation frame that draws it,
//   10 bombs crafted and dropped by a small autopilot that walks over the ingredients.
import { spawn } from 'node:child_process';
import { readdirSync, readFileSync, statSync } from 'node:fs';
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

async function serve() {
  const port = await free_port();
  const server = spawn('/usr/bin/python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1'],
    { cwd: site, stdio: 'ignore' });
  for (let i = 0; i < 50; ++i) {
    try {
      await fetch(`http://127.0.0.1:${port}/`);
      return { url: `http://127.0.0.1:${port}/`, stop: () => server.kill() };
    } catch {
      await sleep(100);
    }
  }
  throw new Error('the web server did not start');
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

async function idle_board(browser, url) {
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForFunction(() => totechita.transcript.some((line) => line.endsWith('show Form2')));
  await sleep(1000);
  const before = await page.evaluate(() => ({ ...totechita.counters }));
  await sleep(30000);
  const after = await page.evaluate(() => ({ ...totechita.counters }));
  await page.close();
  return { wakes: after.wakes - before.wakes, frames: after.frames - before.frames };
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

async function enter_to_bomb(browser, url, bombs) {
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForFunction(() => totechita.transcript.some((line) => line.endsWith('show Form2')));
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
const server = await serve();
try {
  const sizes = download_sizes();
  console.log(`Download: ${sizes.count} files of ${relative('.', site)}, ${(sizes.raw / 1000).toFixed(1)} kB raw, ` +
    `${(sizes.gzip / 1000).toFixed(1)} kB gzip, ${(sizes.brotli / 1000).toFixed(1)} kB Brotli`);
  const frames = [];
  for (let i = 0; i < 10; ++i) frames.push(await title_first_frame(browser, server.url));
  console.log(`Title's first frame: median ${median(frames).toFixed(0)} ms ` +
    `(${Math.min(...frames).toFixed(0)}-${Math.max(...frames).toFixed(0)})`);
  const idle = await idle_board(browser, server.url);
  console.log(`Idle board, 30 s: ${idle.wakes} wake-ups (${(idle.wakes / 30).toFixed(2)}/s), ${idle.frames} frames`);
  const delays = await enter_to_bomb(browser, server.url, 10);
  console.log(`Enter to the bomb on screen: median ${median(delays).toFixed(1)} ms, ` +
    `max ${Math.max(...delays).toFixed(1)} ms (${delays.map((d) => d.toFixed(1)).join(', ')})`);
} finally {
  server.stop();
  await browser.close();
}
