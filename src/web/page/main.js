// The page: the game's windows, its message box, the keys, and the notice when the program has
// ended. `?seed=N` starts the game's random source at N, to play a game again.
import { Game } from './game.js';
import { route_keys, wire_touch_keys } from './keys.js';
import { MessageBox } from './message_box.js';
import { Screen } from './windows.js';

const ended = document.getElementById('program-ended');
const message_box = new MessageBox(document.getElementById('message-box'));
let game = null;
const screen = new Screen(document.getElementById('screen'), {
  close: (form) => game.close(form),
  choose: (form, item) => game.choose(item),
  click: (form, control) => game.click(control),
});

function seed() {
  const given = new URLSearchParams(location.search).get('seed');
  return /^\d+$/.test(given ?? '') ? Number(given) : Math.floor(Math.random() * 2 ** 32);
}

game = new Game(screen, message_box, () => {
  ended.hidden = false;
  ended.querySelector('button').focus();
});
route_keys(game, screen, message_box);
wire_touch_keys(document.getElementById('touch-keys'), game);
ended.querySelector('button').addEventListener('click', () => {
  ended.hidden = true;
  game.start(seed());
});

// For looking into a game from the browser's console: the events so far, how often the page
// woke the game and drew, in how many milliseconds it wakes it next, every form's state, and the
// game's own reading of a script and answers to its print, expect, until and dump lines.
window.totechita = {
  get transcript() { return game.transcript; },
  get counters() { return game.counters; },
  get next_wake_in() { return game.next_wake === null ? null : game.next_wake - performance.now(); },
  state: () => game.state(),
  script: (text) => game.script(text),
  query: (line) => game.query(line),
};

await game.load();
game.start(seed());
