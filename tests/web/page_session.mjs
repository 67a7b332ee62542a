// The game's page in Debian's Chromium, driven by Playwright, with the page's clock under the
// test's control: performance.now(), timers and animation frames move only when told, so the
// game's virtual time can be stepped exactly.
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { mkdirSync, readFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

export const site_dir = process.env.TOTECHITA_SITE_DIR;
export const artifacts_dir = process.env.TOTECHITA_ARTIFACTS_DIR;

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.woff2': 'font/woff2',
  '.txt': 'text/plain; charset=utf-8', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

// The site on a free port of 127.0.0.1, as a static web server would serve it. `overrides` maps
// a file's path (`/sw.js`) to the text served instead of the file, as a new build would.
export async function serve_site() {
  const overrides = new Map();
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    try {
      const file = path.endsWith('/') ? `${path}index.html` : path;
      const body = overrides.get(file) ?? readFileSync(join(site_dir, file));
      response.writeHead(200, { 'Content-Type': TYPES[extname(path) || '.html'] });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, overrides, close: () => server.close() };
}

// Debian's Chromium, with the flags this machine's closed network needs. Playwright gives it a
// fresh profile each time.
export function launch_chromium() {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// A page of the game at virtual time 0: the title has just been shown, nothing drawn yet.
// Serves the site and launches Chromium once for a file of tests; both go when its tests end.
// A game opens in the browser with `open(options)`; `read_script(text)` reads a script with the
// game's own parser (in a page of its own) and gives its commands; `whole_game()` reads the
// whole-game script so.
// The commands of a script before the first one written `text` (`through` it, if asked).
export function commands_before(commands, text, { through = false } = {}) {
  const at = commands.findIndex((command) => command.text.trim() === text);
  if (at < 0) throw new Error(`the script has no command ${text}`);
  return commands.slice(0, at + (through ? 1 : 0));
}

export function page_sessions() {
  const sessions = {};
  before(async () => {
    sessions.site = await serve_site();
    sessions.browser = await launch_chromium();
    sessions.reader = await GamePage.open(sessions.browser, sessions.site.url);
  });
  after(async () => {
    await sessions.browser.close();
    sessions.site.close();
  });
  sessions.open = (options) => GamePage.open(sessions.browser, sessions.site.url, options);
  sessions.read_script = async (text) => {
    const read = await sessions.reader.page.evaluate((script) => totechita.script(script), text);
    if (read.error) throw new Error(`line ${read.error.line}: ${read.error.problem}`);
    return read.commands;
  };
  sessions.whole_game = () => sessions.read_script(
    readFileSync(process.env.TOTECHITA_WHOLE_GAME_SCRIPT, 'utf8'));
  return sessions;
}

// The keyboard's key for each of the script language's key words.
const KEYBOARD = { Left: 'ArrowLeft', Up: 'ArrowUp', Right: 'ArrowRight', Down: 'ArrowDown',
  Enter: 'Enter', Backspace: 'Backspace' };

export class GamePage {
  // `init`: a function run in the page before its own scripts (a fake controller, say);
  // `address`: what follows the site's address (a link's fragment, say); `started`: whether the
  // page is to start a game or a watching, which open() then waits for.
  static async open(browser, site_url,
    { seed = 0, address = `?seed=${seed}`, context_options = {}, init, started = true } = {}) {
    const context = await browser.newContext({ viewport: { width: 800, height: 600 },
      ...context_options });
    const page = await context.newPage();
    if (init) await page.addInitScript(init);
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('console', (message) => {
      if (message.type() === 'error') errors.push(message.text());
    });
    await page.clock.install({ time: 0 });
    await page.clock.pauseAt(1000);
    await page.goto(`${site_url}${address}`);
    if (started) await page.waitForFunction(() => window.totechita?.transcript.length > 0);
    return new GamePage(page, errors, context_options.hasTouch === true);
  }

  constructor(page, errors, touch) {
    this.page = page;
    this.errors = errors;
    this.now = 0;  // virtual milliseconds since the title was shown
    this.touch = touch;
  }

  // A key of the script language (Left, Enter, ...): pressed on the keyboard, or on a touch
  // screen tapped on its on-screen key.
  async press(word) {
    if (!this.touch) return this.page.keyboard.press(KEYBOARD[word]);
    // The keys stay where they are for a page's life; a tap at the key's middle is what a finger does.
    this.key_centres ??= new Map();
    if (!this.key_centres.has(word)) {
      const box = await this.page.locator(`#touch-keys [data-key="${word}"]`).boundingBox();
      this.key_centres.set(word, [box.x + box.width / 2, box.y + box.height / 2]);
    }
    return this.page.touchscreen.tap(...this.key_centres.get(word));
  }

  // A click with the mouse, or a tap on a touch screen.
  activate(locator) {
    return this.touch ? locator.tap({ timeout: 2000 }) : locator.click({ timeout: 2000 });
  }

  async run_for(milliseconds) {
    await this.page.clock.runFor(milliseconds);
    this.now += milliseconds;
  }

  transcript() {
    return this.page.evaluate(() => [...totechita.transcript]);
  }

  state() {
    return this.page.evaluate(() => totechita.state());
  }

  window(form) {
    return this.page.locator(`.window[data-form="${form}"]`);
  }

  // The open message box: its title and text, then closed by `answer` (OK clicked or tapped).
  async answer_message_box(answer = (dialog) => this.activate(dialog.getByRole('button', { name: 'OK' }))) {
    const dialog = this.page.locator('#message-box');
    if (!(await dialog.evaluate((box) => box.open))) return null;
    const seen = {
      title: await dialog.locator('.caption').textContent(),
      text: await dialog.locator('.message').textContent(),
    };
    await answer(dialog);
    assert.equal(await dialog.evaluate((box) => box.open), false, `${seen.text} stayed open`);
    return seen;
  }

  async screenshot(name) {
    mkdirSync(artifacts_dir, { recursive: true });
    await this.page.screenshot({ path: join(artifacts_dir, `${name}.png`) });
  }

  close() {
    return this.page.context().close();
  }
}
