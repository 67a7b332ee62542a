// Plays a script of the headless driver (README, "The script driver") in the page, as a player
// would: `key` as key presses, `click` as a mouse click on the control, `menu` as clicks through
// the menu bar, `close` as a click on the close box, `wait` and `until` on the page's clock. The
// game's module reads the script with its own parser and answers `print`, `expect`, `until` and
// `dump` itself: what is here is only how each command becomes a real key, click or tap. The
// page's own event lines, with those answers between them, make the transcript to compare with
// the driver's output.
import { spawnSync } from 'node:child_process';

// The script language's word for each key code the game knows: the game page presses it on the
// keyboard or on the on-screen keys.
const KEY_WORDS = new Map([[37, 'Left'], [38, 'Up'], [39, 'Right'], [40, 'Down'], [13, 'Enter'],
  [8, 'Backspace']]);

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
    for (const command of commands) {
      try {
        if (this.#ended() && command.verb !== 'seed') throw new ScriptFailure('the program has already ended');
        await this.#perform(command);
        await this.#collect_events();
      } catch (error) {
        if (!(error instanceof ScriptFailure)) throw error;
        throw new Error(`line ${command.line}: ${error.message}`);
      }
      const text = command.text.trim();
      await this.checks.get(text)?.(this.game);
      this.checks.delete(text);
      const shot = this.snapshots.get(text);
      if (shot) this.planned_shots.push({ name: shot[0], at: this.game.now + shot[1] });
      this.snapshots.delete(text);
    }
    return this.lines;
  }

  async #perform(command) {
    switch (command.verb) {
      case 'seed': return;  // the page was opened with it
      case 'wait': return this.#advance(command.ms);
      case 'until': return this.#until(command);
      case 'key': {
        const word = KEY_WORDS.get(command.code);
        if (!word) throw new ScriptFailure(`no key of the keyboard has the code ${command.code}`);
        for (let i = 0; i < command.count; ++i) await this.game.press(word);
        return;
      }
      case 'click': {
        const form = (await this.game.state()).active;
        return this.game.activate(this.game.window(form).locator(`[data-control="${command.control}"]`));
      }
      case 'menu': return this.#choose(command.item);
      case 'close': return this.game.activate(this.game.window(command.form).locator('.close-box'));
      case 'print':
      case 'expect':
      case 'dump': {
        const answer = await this.#query(command.text);
        if (answer.failure) throw new ScriptFailure(answer.failure);
        this.lines.push(...(answer.output ?? '').split('\n').filter(Boolean));
        return;
      }
      default: throw new ScriptFailure(`${command.verb} cannot be played in the page`);
    }
  }

  unused() {
    return [...this.checks.keys(), ...this.snapshots.keys()];
  }

  #query(line) {
    return this.game.page.evaluate((text) => totechita.query(text), line);
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

  // `until` asks again after each wake-up of the game that the page has planned, as the driver
  // looks after each tick that can change something; without input nothing changes between.
  async #until(command) {
    for (let waited = 0; ; ) {
      await this.#collect_events();
      const answer = await this.#query(command.text);
      if (answer.reached) return;
      if (!('reached' in answer)) throw new ScriptFailure(answer.failure);
      if (waited >= command.ms || this.#ended()) throw new ScriptFailure(answer.failure);
      const wake = await this.game.page.evaluate(() => totechita.next_wake_in);
      const next = Math.min(Math.max(1, Math.ceil(wake ?? command.ms)), command.ms - waited);
      await this.#advance(next);
      waited += next;
    }
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

  async #collect_events() {
    const events = await this.game.transcript();
    this.lines.push(...events.slice(this.events_seen));
    this.events_seen = events.length;
  }

  #ended() {
    return this.lines.some((line) => / end$/.test(line));
  }
}
