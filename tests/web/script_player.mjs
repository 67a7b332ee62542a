// Plays a script of the headless driver (README, "The script driver") in the page, as a player
// would: `key` as key presses, `click` as a mouse click on the control, `menu` as clicks through
// the menu bar, `close` as a click on the close box, `wait` and `until` on the page's clock. The
// page's own event lines, with `print` and `dump` answered between them, make the transcript to
// compare with the driver's output. Values are read from the page's state, the driver's `dump`.
import { spawnSync } from 'node:child_process';

const KEY_WORDS = { 37: 'Left', 38: 'Up', 39: 'Right', 40: 'Down', 13: 'Enter', 8: 'Backspace' };

export function parse_script(text) {
  return text.split('\n').map((line, index) => ({
    line: index + 1,
    words: [...line.matchAll(/"([^"]*)"|(\S+)/g)].map((match) => match[1] ?? match[2]),
  })).filter(({ words }) => words.length > 0 && !words[0].startsWith('#'));
}

// What a script driver prints for a script, and its exit status.
export function run_driver(command, script_path) {
  const run = spawnSync(command[0], [...command.slice(1), script_path], { encoding: 'utf8' });
  return { lines: run.stdout.split('\n').filter(Boolean), status: run.status, errors: run.stderr };
}

class ScriptFailure extends Error {}

export class ScriptPlayer {
  // `message_boxes`: the times at which the driver showed its boxes. The driver closes a box at
  // once; here each wait stops at those times to press OK, so that no time passes meanwhile.
  // `snapshots`: a command's text -> [name, virtual ms after it]; `box_answers`: for each
  // message box in order, an async function of the page and the open dialog that looks at it
  // and closes it (by default OK is clicked, or tapped); `checks`: a command's text -> an async
  // function of the page, called after it. Each is used at the command's first occurrence;
  // `unused()` names those whose command never came.
  constructor(game_page, message_boxes, { snapshots = new Map(), box_answers = [], checks = new Map() } = {}) {
    this.game = game_page;
    this.boxes = [...message_boxes];
    this.snapshots = new Map(snapshots);
    this.checks = new Map(checks);
    this.box_answers = [...box_answers];
    this.planned_shots = [];
    this.lines = [];
    this.seen_boxes = [];
    this.events_seen = 0;
  }

  async play(commands) {
    for (const { line, words } of commands) {
      try {
        if (this.#ended() && words[0] !== 'seed') throw new ScriptFailure('the program has already ended');
        await this.#perform(words);
        await this.#collect_events();
      } catch (error) {
        if (!(error instanceof ScriptFailure)) throw error;
        throw new Error(`line ${line}: ${error.message}`);
      }
      const text = words.join(' ');
      await this.checks.get(text)?.(this.game);
      this.checks.delete(text);
      const shot = this.snapshots.get(text);
      if (shot) this.planned_shots.push({ name: shot[0], at: this.game.now + shot[1] });
      this.snapshots.delete(text);
    }
    return this.lines;
  }

  async #perform([command, ...args]) {
    switch (command) {
      case 'seed': return;  // the page was opened with it
      case 'wait': return this.#advance(Number(args[0]));
      case 'until': return this.#until(args);
      case 'key':
        for (let i = 0; i < Number(args[1] ?? 1); ++i) await this.game.press(KEY_WORDS[args[0]] ?? args[0]);
        return;
      case 'click': {
        const form = (await this.game.state()).active;
        return this.game.activate(this.game.window(form).locator(`[data-control="${args[0]}"]`));
      }
      case 'menu': return this.#choose(args[0]);
      case 'close': return this.game.activate(this.game.window(args[0]).locator('.close-box'));
      case 'print': {
        const [name, value] = await this.#read(args[0]);
        this.lines.push(`${name}=${value}`);
        return;
      }
      case 'expect': {
        const [name, value] = await this.#read(args[0]);
        if (!matches(value, args[1])) throw new ScriptFailure(`expect ${name}: got ${value}, expected ${args[1]}`);
        return;
      }
      case 'dump':
        for (const form of (await this.game.state()).forms) {
          if (!args[0] || form.form === args[0]) this.lines.push(JSON.stringify(form));
        }
        return;
      default: throw new ScriptFailure(`${command} cannot be played in the page`);
    }
  }

  unused() {
    return [...this.checks.keys(), ...this.snapshots.keys()];
  }

  // Moves the page's clock on, answering message boxes when they open and taking screenshots.
  async #advance(milliseconds) {
    const end = this.game.now + milliseconds;
    while (this.game.now < end) {
      const stops = [end, this.boxes[0], ...this.planned_shots.map((shot) => shot.at)]
        .filter((time) => time !== undefined && time > this.game.now);
      const stop = Math.min(...stops);
      await this.game.run_for(stop - this.game.now);
      if (this.boxes[0] === stop) {
        this.boxes.shift();
        await this.#collect_events();
        const box = await this.game.answer_message_box(this.box_answers.shift());
        if (!box) throw new ScriptFailure(`no message box open at t=${stop}`);
        this.seen_boxes.push(box);
      }
      for (const shot of this.planned_shots.filter((planned) => planned.at === stop)) {
        await this.game.screenshot(shot.name);
      }
      this.planned_shots = this.planned_shots.filter((planned) => planned.at !== stop);
    }
  }

  // `until` looks again after each wake-up of the game that the page has planned, as the driver
  // looks after each tick that can change something; without input nothing changes between.
  async #until([ref, value, limit]) {
    const most = Number(ref === 'end' ? value : limit);
    for (let waited = 0; ; ) {
      await this.#collect_events();
      if (ref === 'end' ? this.#ended() : !this.#ended() && await this.#reached(ref, value)) return;
      if (waited >= most || this.#ended()) throw new ScriptFailure(`until: ${ref} not reached`);
      const wake = await this.game.page.evaluate(() => totechita.next_wake_in);
      const next = Math.min(Math.max(1, Math.ceil(wake ?? most)), most - waited);
      await this.#advance(next);
      waited += next;
    }
  }

  async #reached(ref, value) {
    const parts = ref.split('.');
    if (parts.length === 3 && !(await this.game.state()).forms.some((form) => form.form === parts[0])) {
      return false;  // a control of a form still to come is waited for
    }
    return matches((await this.#read(ref))[1], value);
  }

  // Clicks through the menu bar of the active window: each menu that leads to the item, then it.
  async #choose(key) {
    const form = (await this.game.state()).active;
    const path = await this.game.window(form).evaluate((window, wanted) => {
      const item = [...window.querySelectorAll('.menu-bar button[data-item]')]
        .find((button) => button.dataset.item === wanted || button.textContent === wanted);
      const chain = [];
      for (let menu = item?.closest('[role=menu]'); menu; menu = menu.parentElement.closest('[role=menu]')) {
        chain.unshift(menu.previousElementSibling.dataset.item);
      }
      return item ? [...chain, item.dataset.item] : null;
    }, key);
    if (!path) throw new ScriptFailure(`${form}'s menu bar has no command ${key}`);
    for (const name of path) {
      await this.game.activate(this.game.window(form).locator(`.menu-bar button[data-item="${name}"]`));
    }
  }

  // FORM.CONTROL.PROPERTY, CONTROL.PROPERTY of the active form, or FORM.Loaded / FORM.Caption.
  async #read(ref) {
    const state = await this.game.state();
    const parts = ref.split('.');
    const form_of = (name) => state.forms.find((form) => form.form === name);
    if (parts.length === 2 && /^Form\d+$/.test(parts[0]) && ['Loaded', 'Caption'].includes(parts[1])) {
      const form = form_of(parts[0]);
      return [ref, parts[1] === 'Loaded' ? String(Boolean(form)) : form.Caption];
    }
    const [form_name, control, property] = parts.length === 3 ? parts : [state.active, ...parts];
    const value = form_of(form_name)?.controls[control]?.[property];
    if (value === undefined) throw new ScriptFailure(`cannot read ${ref}`);
    return [`${form_name}.${control}.${property}`, String(value)];
  }

  async #collect_events() {
    const events = await this.game.transcript();
    this.lines.push(...events.slice(this.events_seen));
    this.events_seen = events.length;
  }

  #ended() {
    return this.lines.some((line) => / end$/.test(line));
  }
}

// As the driver compares: the same text, or for a number the same number ("4000", "4000.0").
function matches(actual, expected) {
  return actual === expected ||
    (/^-?\d+(\.\d*)?$/.test(actual) && /^-?(\d+\.?\d*|\.\d+)$/.test(expected) && Number(actual) === Number(expected));
}
