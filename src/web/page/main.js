// The page: the game's windows, its message box, the keys (keyboard, on-screen keys, controller),
// the bar below, the notices when the program has ended or could not load, and the service
// worker that keeps the site for playing offline. `?seed=N` starts the game's random source at
// N, to play a game again.
import { watch_controllers } from './controller.js';
import { Game } from './game.js';
import { key_router, route_keyboard, wire_touch_keys } from './keys.js';
import { MessageBox } from './message_box.js';
import { set_up_page_bar } from './page_bar.js';
import { Desktop } from './windows.js';

// The board's font, fetched while the title shows.
document.fonts.load('12px "Totechita Gothic"');

const ended = document.getElementById('program-ended');
const failed = document.getElementById('load-failed');
let game = null;
const desktop = new Desktop(document.getElementById('screen'), {
  close: (form) => game.close(form),
  choose: (form, item) => game.choose(item),
  click: (form, control) => game.click(control),
});
const message_box = new MessageBox(document.getElementById('message-box'), () => desktop.box_place());

function seed() {
  const given = new URLSearchParams(location.search).get('seed');
  return /^\d+$/.test(given ?? '') ? Number(given) : Math.floor(Math.random() * 2 ** 32);
}

game = new Game(desktop, message_box, () => {
  ended.hidden = false;
  ended.querySelector('button').focus();
});
const route = key_router(game, desktop, message_box);
route_keyboard(route, game, desktop, message_box);
wire_touch_keys(document.getElementById('touch-keys'), game);
const bar = set_up_page_bar(document.getElementById('page-bar'));
watch_controllers(route, bar.controller_connected);
ended.querySelector('button').addEventListener('click', () => {
  ended.hidden = true;
  game.start(seed());
});
failed.querySelector('button').addEventListener('click', () => location.reload());

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

try {
  await game.load();
  game.start(seed());
  // Once the game runs, the site is kept for the next visit, offline too (sw.js). A page that
  // cannot have a service worker (not a secure context) simply plays online.
  navigator.serviceWorker?.register('sw.js').catch(() => {});
} catch (error) {
  failed.hidden = false;
  failed.querySelector('button').focus();
  throw error;
}
