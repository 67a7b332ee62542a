// The game's WebAssembly module and the page's side of its clock. The module asks for a wake-up
// at its next due tick and for an animation frame when a window shows something new; the page
// wakes it then, or at once with input, and draws in that frame, or just before a message box
// opens (see web_game.hpp). While a message box is open the module is suspended inside it:
// nothing calls it until OK.
import load_module from './totechita.js';

export class Game {
  transcript = [];  // the events as the script driver prints them: "t=1500 show Form2"
  counters = { wakes: 0, frames: 0 };
  next_wake = null;  // the performance.now() of the planned wake-up, if any
  running = false;

  #module = null;
  #desktop;
  #message_box;
  #on_end;
  #wake_timer = null;
  #frame_requested = false;
  #suspended = false;

  constructor(desktop, message_box, on_end) {
    this.#desktop = desktop;
    this.#message_box = message_box;
    this.#on_end = on_end;
    document.addEventListener('visibilitychange', () => this.#visibility_changed());
  }

  async load() {
    this.#module = await load_module({ page: this.#page_side() });
  }

  start(seed) {
    this.transcript.length = 0;
    this.running = true;
    this.#call('web_start', ['number'], [seed]);
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

  // Every loaded form as the script driver's `dump` prints it, and the active form's name.
  state() {
    if (this.#suspended) throw new Error('a message box is open');
    return JSON.parse(this.#module.ccall('web_state', 'string', [], []));
  }

  // A script read by the game's own parser: {commands: [...]} or {error: {line, problem}}.
  script(text) {
    return JSON.parse(this.#module.ccall('web_script', 'string', ['string'], [text]));
  }

  // What one line of print, expect, until or dump answers on the game as it is now.
  query(line) {
    if (this.#suspended) throw new Error('a message box is open');
    return JSON.parse(this.#module.ccall('web_query', 'string', ['string'], [line]));
  }

  #input(line) {
    if (this.running && !this.#suspended) this.#module.ccall('web_input', 'number', ['string'], [line]);
  }

  #call(name, types, args) {
    this.#module.ccall(name, null, types, args);
  }

  #wake() {
    this.#wake_timer = null;
    if (this.#suspended) return;
    this.counters.wakes++;
    this.#call('web_wake', [], []);
  }

  // A hidden page runs nothing; back in view, the game catches up (a long absence is jumped
  // over, as after a stall).
  #visibility_changed() {
    if (document.hidden) {
      clearTimeout(this.#wake_timer);
      this.#wake_timer = null;
    } else if (this.running && !this.#suspended) {
      this.#wake();
    }
  }

  #draw() {
    this.#frame_requested = false;
    if (this.#suspended || !this.running) return;
    this.counters.frames++;
    for (const dump of JSON.parse(this.#module.ccall('web_frame', 'string', [], []))) {
      this.#desktop.update(dump);
    }
  }

  // What the module calls.
  #page_side() {
    return {
      trace: (time, line) => this.transcript.push(`t=${time} ${line}`),
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
      // now, with what the handler changed before the box.
      message_box: async (prompt, title, windows) => {
        for (const dump of windows) this.#desktop.update(dump);
        this.#suspended = true;
        try {
          await this.#message_box.show(prompt, title);
        } finally {
          this.#suspended = false;
        }
      },
      program_ended: (status) => {
        this.running = false;
        clearTimeout(this.#wake_timer);
        this.#desktop.clear();
        this.#on_end(status);
      },
    };
  }
}
