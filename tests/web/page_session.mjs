// The game's page in Debian's Chromium, driven by Playwright, with the page's clock under the
// test's control: performance.now(), timers and animation frames move only when told, so the
// game's virtual time can be stepped exactly, as the headless driver steps it.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

export const site_dir = process.env.TOTECHITA_SITE_DIR;
export const artifacts_dir = process.env.TOTECHITA_ARTIFACTS_DIR;
export const whole_game_script = process.env.TOTECHITA_WHOLE_GAME_SCRIPT;
export const DESKTOP = { viewport: { width: 1280, height: 800 } };
export const phone = (width, height) => ({ viewport: { width, height }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
const FINGER = 44;  // CSS pixels each way of the least target a finger must hit

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.woff2': 'font/woff2',
  '.txt': 'text/plain; charset=utf-8', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

// The site on a free port of 127.0.0.1, as a static web server would serve it. `overrides` maps
// a file's path (`/sw.js`) to the text served instead of the file, as a new build would.
async function serve_site() {
  const overrides = new Map();
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    try {
      const file = path.endsWith('/') ? `${path}index.html` : path;
      const body = overrides.get(file) ?? readFileSync(join(site_dir, file));
      response.writeHead(200, { 'Content-Type': TYPES[extname(path) || '.html'] }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, overrides, close: () => server.close() };
}

export const game_started = (page) => page.waitForFunction(() => window.totechita?.transcript.length > 0);
export const screenshot = (page, name) => page.screenshot({ path: join(artifacts_dir, `${name}.png`) });

// The site served and Chromium launched (with the flags this machine's closed network needs) once
// for a file of tests.
export function page_sessions() {
  const sessions = {};
  before(async () => {
    sessions.site = await serve_site();
    sessions.browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync'] });
  });
  after(async () => {
    await sessions.browser.close();
    sessions.site.close();
  });
  sessions.open = (options) => GamePage.open(sessions.browser, sessions.site.url, options);
  return sessions;
}

const KEY_WORDS = { 37: 'Left', 38: 'Up', 39: 'Right', 40: 'Down', 13: 'Enter', 8: 'Backspace' };

export class GamePage {
  // A page of the game at virtual time 0: the title has just been shown, nothing drawn yet.
  // `init`: a function run in the page before its own scripts (a fake controller, say);
  // `address`: what follows the site's address (a link's fragment, say); `started`: whether the
  // page is to start a game or a watching, which open() then waits for.
  static async open(browser, site_url,
    { seed = 1, address = `?seed=${seed}`, context_options = {}, init, started = true } = {}) {
    const context = await browser.newContext({ viewport: { width: 800, height: 600 }, ...context_options });
    const page = await context.newPage();
    if (init) await page.addInitScript(init);
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    await page.clock.install({ time: 0 });
    await page.clock.pauseAt(1000);
    await page.goto(`${site_url}${address}`);
    if (started) await game_started(page);
    // `now`: virtual milliseconds since the title was shown.
    return Object.assign(new GamePage(), { page, errors, touch: context_options.hasTouch === true, now: 0 });
  }

  // A key of the script language (Left, Enter, ...): pressed on the keyboard, or on a touch
  // screen tapped on its on-screen key.
  async press(word) {
    if (!this.touch) return this.page.keyboard.press(['Left', 'Up', 'Right', 'Down'].includes(word) ? `Arrow${word}` : word);
    // The keys stay where they are for a page's life; a tap at the key's middle is what a finger does.
    this.key_centres ??= new Map();
    if (!this.key_centres.has(word)) {
      const box = await this.page.locator(`#touch-keys [data-key="${word}"]`).boundingBox();
      this.key_centres.set(word, [box.x + box.width / 2, box.y + box.height / 2]);
    }
    return this.page.touchscreen.tap(...this.key_centres.get(word));
  }

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

  // A loaded form's controls as the driver's `dump` prints them: {Label9: {Caption: '1', ...}}.
  async controls(form = 'Form2') {
    return (await this.page.evaluate(() => totechita.state())).forms.find((state) => state.form === form).controls;
  }

  window(form) {
    return this.page.locator(`.window[data-form="${form}"]`);
  }

  screenshot(name) {
    return screenshot(this.page, name);
  }

  // Every test's page ends without an error of its own or in its console.
  close() {
    assert.deepEqual(this.errors, []);
    return this.page.context().close();
  }
}

export const boxes = async (locator) => Promise.all((await locator.all()).map((each) => each.boundingBox()));

export function assert_finger_sized(found, what) {
  const small = found.filter((box) => box.width < FINGER - 0.5 || box.height < FINGER - 0.5);
  assert.deepEqual(small, [], `${what}: smaller than a finger`);
}

// The clock of an event line: "t=1500 show Form2" -> 1500.
export const time_of = (line) => Number(/^t=(\d+)/.exec(line)[1]);

// What a script driver (the native one unless told) prints for a script, and its exit status.
export function run_driver(script_path, command = [process.env.TOTECHITA_NATIVE_SCRIPT_DRIVER]) {
  const run = spawnSync(command[0], [...command.slice(1), script_path], { encoding: 'utf8' });
  return { lines: run.stdout.split('\n').filter(Boolean), status: run.status, errors: run.stderr };
}

// Plays the whole-game script of the headless driver (README, "The script driver") in the page
// as a player would: keys pressed, controls, menus and close boxes clicked (or tapped), waits on
// the page's clock. The game's module answers `print`, `expect`, `until` and `dump` itself; its
// event lines, with those answers between them, make the transcript the driver prints.
export class ScriptPlayer {
  // `driver_lines`: what the driver printed. It closes a message box at once; here each wait
  // stops at its boxes' times for the page's box with the same text, closed so that no time
  // passes meanwhile. `box_answers`: for each box in order, an async function of the dialog that
  // looks at it and closes it. `after`: a command's text -> a screenshot [name, virtual ms after
  // the command], or an async function of the game page called after it, at its first occurrence.
  // Each must have come by the end of the play.
  constructor(game_page, driver_lines = [], { box_answers = [], after = new Map() } = {}) {
    this.game = game_page;
    this.boxes = driver_lines.filter((line) => / msgbox /.test(line))
      .map((line) => ({ at: time_of(line), text: line.replace(/^t=\d+ msgbox /, '') }));
    this.box_answers = [...box_answers];
    this.after = new Map(after);
    this.planned_shots = [];
    this.lines = [];
    this.events_seen = 0;
  }

  // The whole-game script, read by the game's own parser, played to its end or up to its first
  // command written `to` (`through` it, if asked); gives the transcript.
  async play({ to, through = false } = {}) {
    const read = await this.game.page.evaluate((script) => totechita.script(script), readFileSync(whole_game_script, 'utf8'));
    assert.equal(read.error, undefined);
    const at = to ? read.commands.findIndex((command) => command.text.trim() === to) : read.commands.length;
    assert.ok(at >= 0, `the whole game has no command ${to}`);
    for (const command of read.commands.slice(0, through ? at + 1 : at)) {
      try {
        await this.#perform(command);
        await this.#collect_events();
      } catch (error) {
        error.message = `line ${command.line}: ${error.message}`;
        throw error;
      }
      const then = this.after.get(command.text.trim());
      this.after.delete(command.text.trim());
      if (typeof then === 'function') await then(this.game);
      else if (then) this.planned_shots.push({ name: then[0], at: this.game.now + then[1] });
    }
    assert.deepEqual([...this.after.keys(), ...this.box_answers.map(() => 'a box\'s answer')], [], 'never came');
    return this.lines;
  }

  async #perform(command) {
    switch (command.verb) {
      case 'seed': return assert.equal(new URL(this.game.page.url()).searchParams.get('seed'), `${command.seed}`);
      case 'wait': return this.#advance(command.ms);
      case 'until': return this.#until(command);
      case 'key': {
        for (let i = 0; i < command.count; ++i) await this.game.press(KEY_WORDS[command.code]);
        return;
      }
      case 'click': {
        const form = await this.game.page.evaluate(() => totechita.state().active);
        return this.game.activate(this.game.window(form).locator(`[data-control="${command.control}"]`));
      }
      case 'menu': return this.#choose(command.item);
      case 'close': return this.game.activate(this.game.window(command.form).locator('.close-box'));
      case 'print':
      case 'expect':
      case 'dump': {
        const answer = await this.game.page.evaluate((text) => totechita.query(text), command.text);
        if (answer.failure) throw new Error(answer.failure);
        this.lines.push(...(answer.output ?? '').split('\n').filter(Boolean));
        return;
      }
      default: throw new Error(`${command.verb} cannot be played in the page`);
    }
  }

  // Moves the page's clock on, answering message boxes when they open and taking screenshots.
  async #advance(milliseconds) {
    const end = this.game.now + milliseconds;
    while (this.game.now < end) {
      const stop = Math.min(...[end, this.boxes[0]?.at, ...this.planned_shots.map((shot) => shot.at)]
        .filter((time) => time > this.game.now));
      await this.game.run_for(stop - this.game.now);
      if (this.boxes[0]?.at === stop) {
        await this.#collect_events();
        await this.#answer_message_box(this.boxes.shift().text, this.box_answers.shift());
      }
      const due = this.planned_shots.filter((shot) => shot.at === stop);
      this.planned_shots = this.planned_shots.filter((shot) => shot.at !== stop);
      for (const shot of due) await this.game.screenshot(shot.name);
    }
  }

  // The open message box, saying `text`, closed by `answer` (OK clicked or tapped).
  async #answer_message_box(text, answer = (box) => this.game.activate(box.getByRole('button', { name: 'OK' }))) {
    const dialog = this.game.page.locator('#message-box');
    const open = () => dialog.evaluate((box) => box.open);
    if (!(await open())) throw new Error(`no message box open at t=${this.game.now}`);
    assert.equal(await dialog.locator('.message').textContent(), text);
    await answer(dialog);
    assert.equal(await open(), false, `${text} stayed open`);
  }

  // `until` asks again after each wake-up of the game that the page has planned, as the driver
  // looks after each tick that can change something; without input nothing changes between.
  async #until(command) {
    for (let waited = 0; ; ) {
      await this.#collect_events();
      const answer = await this.game.page.evaluate((text) => totechita.query(text), command.text);
      if (answer.reached) return;
      if (!('reached' in answer) || waited >= command.ms) throw new Error(answer.failure);
      const wake = await this.game.page.evaluate(() => totechita.next_wake_in);
      const next = Math.min(Math.max(1, Math.ceil(wake ?? command.ms)), command.ms - waited);
      await this.#advance(next);
      waited += next;
    }
  }

  // Clicks through the menu bar of the active window: each menu that leads to the item, then it.
  async #choose(key) {
    const bar = this.game.window(await this.game.page.evaluate(() => totechita.state().active)).locator('.menu-bar');
    const path = await bar.evaluate((menu_bar, wanted) => {
      let item = [...menu_bar.querySelectorAll('button[data-item]')]
        .find((button) => button.dataset.item === wanted || button.textContent === wanted);
      const chain = [];
      for (; item; item = item.closest('[role=menu]')?.previousElementSibling) chain.unshift(item.dataset.item);
      return chain;
    }, key);
    if (path.length === 0) throw new Error(`the menu bar has no command ${key}`);
    for (const name of path) await this.game.activate(bar.locator(`button[data-item="${name}"]`));
  }

  async #collect_events() {
    const events = await this.game.transcript();
    this.lines.push(...events.slice(this.events_seen));
    this.events_seen = events.length;
  }
}
