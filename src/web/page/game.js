// The game's WebAssembly module and the page's side of its clock. The page plays a game or
// watches a recording, one at a time.
//
// Playing, the module asks for a wake-up at its next due tick and for an animation frame when a
// window shows something new; the page wakes it then, or at once with input, and draws in that
// frame, or just before a message box opens (see web_game.hpp). Watching, the module runs the
// recording itself and sleeps between its instants (web_watch.hpp), handing the page the windows
// to draw with each sleep; the page ends a sleep early with the player's input or to stop. While
// the module is suspended, inside a message box or a sleep, nothing calls it.
import load_module from './totechita.js';

// How the page ends a sleep of the watching (web_watch.cpp).
const TIME_PASSED = 0;
const PLAYER_INPUT = 1;
const STOP = 2;
const LONGEST_TIMEOUT = 2 ** 31 - 1;  // a longer setTimeout fires at once

export class Game {
  transcript = [];  // the events as the script driver prints them: "t=1500 show Form2"
  counters = { wakes: 0, frames: 0 };
  next_wake = null;  // the performance.now() of the planned wake-up, if any
  running = false;
  watching = false;  // a recording is being watched: the module is its until it is over
  inputs_since_saved = 0;  // of the game played
  max_script_bytes = 0;  // the most a script may hold: more of a file or a link is not read

  #module = null;
  #desktop;
  #message_box;
  #on_end;
  #on_watch_played = () => {};
  #wake_timer = null;
  #frame_requested = false;
  #suspended = false;
  #watch = null;  // the watching's sleep, queued input and the time the page was hidden
  #watch_over = null;  // the watching's end, a promise

  constructor(desktop, message_box, on_end) {
    this.#desktop = desktop;
    this.#message_box = message_box;
    this.#on_end = on_end;
    document.addEventListener('visibilitychange', () => this.#visibility_changed());
  }

  async load() {
    this.#module = await load_module({ page: this.#page_side() });
    this.max_script_bytes = this.#module.ccall('web_max_script_bytes', 'number', [], []);
  }

  get loaded() {
    return this.#module !== null;
  }

  // Whether the module is inside a message box.
  get suspended() {
    return this.#suspended;
  }

  // Whether the module is inside a message box, or watching.
  get busy() {
    return this.#suspended || this.watching;
  }

  // A new game, once a watching (if one goes on) is over.
  start(seed) {
    if (this.watching) return this.stop_watching().then(() => this.start(seed));
    this.#desktop.clear();
    this.transcript.length = 0;
    this.running = true;
    this.inputs_since_saved = 0;
    this.#call('web_start', ['number'], [seed]);
    return Promise.resolve();
  }

  // A recording's text, as bytes, checked by the module's reader: its first problem, or ''.
  // The text stays with the module for watch().
  check(bytes) {
    if (this.busy) throw new Error('the module is busy');
    const size = Math.min(bytes.length, this.max_script_bytes + 1);
    const buffer = this.#module.ccall('web_script_buffer', 'number', ['number'], [size]);
    this.#module.HEAPU8.set(bytes.subarray(0, size), buffer);
    return this.#module.ccall('web_check', 'string', [], []);
  }

  // Watches the recording last checked; `on_played` hears when all of it has been played (the
  // game then goes on at its pace). Resolves once the watching is over: with why the recording
  // could not be played to its end, or ''.
  async watch(on_played) {
    if (this.watching) await this.stop_watching();  // otherwise at once: the text checked is the one watched
    clearTimeout(this.#wake_timer);
    this.#desktop.clear();
    this.transcript.length = 0;
    this.running = true;
    this.watching = true;
    this.inputs_since_saved = 0;
    this.#on_watch_played = on_played;
    this.#watch = { wake: null, timer: null, inputs: [], stop: false, hidden_since: null, hidden_for: 0 };
    if (document.hidden) this.#watch.hidden_since = performance.now();
    this.#watch_over = this.#module.ccall('web_watch', 'string', [], [], { async: true });
    try {
      return await this.#watch_over;
    } finally {
      // Nothing moves the watched game on once its watching is over.
      this.running = false;
      this.watching = false;
      this.#watch = null;
    }
  }

  // Ends a watching, if one goes on, closing its message box, and waits until it is over.
  async stop_watching() {
    if (!this.watching) return;
    this.#watch.stop = true;
    this.#message_box.close();
    this.#wake_watching();
    await this.#watch_over;
  }

  // Input reaches the game as a line of the script language, which the module reads: a key-down
  // by the language's word for the key (Left, Enter, ...), a click or a menu command on the
  // active form, a form's close box.
  key(word) {
    this.#input(`key ${word}`);
  }

  click(control) {
    this.#input(`click ${control}`);
  }

  choose(item) {
    this.#input(`menu ${item}`);
  }

  close(form) {
    this.#input(`close ${form}`);
  }

  // The game played so far as a script, written up to what the windows show ({text, stopped}:
  // why the recording stopped short, or ''); null while the module is busy.
  recording() {
    if (!this.loaded || this.busy) return null;
    return {
      text: this.#module.ccall('web_recording', 'string', [], []),
      stopped: this.#module.ccall('web_recording_stopped', 'string', [], []),
    };
  }

  // Every loaded form as the script driver's `dump` prints it, and the active form's name.
  state() {
    if (this.busy) throw new Error('the module is busy');
    return JSON.parse(this.#module.ccall('web_state', 'string', [], []));
  }

  // A script read by the game's own parser: {commands: [...]} or {error: {line, problem}}.
  script(text) {
    if (this.busy) throw new Error('the module is busy');
    return JSON.parse(this.#module.ccall('web_script', 'string', ['string'], [text]));
  }

  // What one line of print, expect, until or dump answers on the game as it is now.
  query(line) {
    if (this.busy) throw new Error('the module is busy');
    return JSON.parse(this.#module.ccall('web_query', 'string', ['string'], [line]));
  }

  #input(line) {
    if (!this.running) return;
    if (this.watching) {
      this.#watch.inputs.push(line);
      this.#wake_watching();
    } else if (!this.#suspended && this.#module.ccall('web_input', 'number', ['string'], [line])) {
      this.inputs_since_saved++;
    }
  }

  #call(name, types, args) {
    this.#module.ccall(name, null, types, args);
  }

  #wake() {
    this.#wake_timer = null;
    if (this.busy) return;
    this.counters.wakes++;
    this.#call('web_wake', [], []);
  }

  // A hidden page runs nothing; back in view, the game catches up (a long absence is jumped
  // over, as after a stall), and a watching goes on where it was.
  #visibility_changed() {
    const watch = this.#watch;
    if (watch && document.hidden) {
      clearTimeout(watch.timer);
      watch.hidden_since = performance.now();
    } else if (watch) {
      watch.hidden_for += performance.now() - (watch.hidden_since ?? performance.now());
      watch.hidden_since = null;
      watch.wake?.({ code: TIME_PASSED });
    } else if (document.hidden) {
      clearTimeout(this.#wake_timer);
      this.#wake_timer = null;
    } else if (this.running && !this.#suspended) {
      this.#wake();
    }
  }

  #draw() {
    this.#frame_requested = false;
    if (this.busy || !this.running) return;
    this.counters.frames++;
    for (const dump of JSON.parse(this.#module.ccall('web_frame', 'string', [], []))) {
      this.#desktop.update(dump);
    }
  }

  // The watching's clock: real milliseconds, without the time the page was hidden.
  #watch_clock() {
    const { hidden_since, hidden_for } = this.#watch;
    return performance.now() - hidden_for - (hidden_since === null ? 0 : performance.now() - hidden_since);
  }

  #watch_sleep(delay, windows) {
    if (windows.length > 0) this.counters.frames++;
    for (const dump of windows) this.#desktop.update(dump);
    const watch = this.#watch;
    return new Promise((resolve) => {
      watch.wake = (woken) => {
        clearTimeout(watch.timer);
        watch.wake = null;
        resolve(woken);
      };
      if (watch.stop || watch.inputs.length > 0) {
        this.#wake_watching();
      } else if (!document.hidden) {
        watch.timer = setTimeout(() => watch.wake({ code: TIME_PASSED }), Math.min(delay, LONGEST_TIMEOUT));
      }
    });
  }

  #wake_watching() {
    const watch = this.#watch;
    if (!watch?.wake) return;
    if (watch.stop) watch.wake({ code: STOP });
    else if (watch.inputs.length > 0) watch.wake({ code: PLAYER_INPUT, input: watch.inputs.shift() });
  }

  // What the module calls.
  #page_side() {
    return {
      line: (text) => this.transcript.push(text),
      plan_wake: (delay) => {
        clearTimeout(this.#wake_timer);
        this.next_wake = delay < 0 ? null : performance.now() + delay;
        this.#wake_timer = delay < 0 || document.hidden ? null : setTimeout(() => this.#wake(), delay);
      },
      request_frame: () => {
        if (this.#frame_requested) return;
        this.#frame_requested = true;
        requestAnimationFrame(() => this.#draw());
      },
      form_loaded: (description) => this.#desktop.add(description),
      form_shown: (name) => this.#desktop.show(name),
      form_unloaded: (name) => this.#desktop.remove(name),
      // The handler that opened the box stops here until OK; every window is drawn as it is
      // now, with what the handler changed before the box. A watched recording's box closes by
      // itself after `reading_time` milliseconds.
      message_box: async (prompt, title, windows, reading_time) => {
        if (this.#watch?.stop) return;  // a watching stopped goes through its last boxes unseen
        for (const dump of windows) this.#desktop.update(dump);
        this.#suspended = true;
        const closed = this.#message_box.show(prompt, title);
        const timer = reading_time >= 0 ? setTimeout(() => this.#message_box.close(), reading_time) : null;
        try {
          await closed;
        } finally {
          clearTimeout(timer);
          this.#suspended = false;
        }
      },
      program_ended: (status) => {
        this.running = false;
        clearTimeout(this.#wake_timer);
        this.#desktop.clear();
        this.#on_end(status);
      },
      watch_clock: () => this.#watch_clock(),
      watch_sleep: (delay, windows) => this.#watch_sleep(delay, windows),
      watch_played: () => this.#on_watch_played(),
    };
  }
}
