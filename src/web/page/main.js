// The page: the game's windows, its message box, the keys (keyboard, on-screen keys, controller),
// the bar below, the notices when the program has ended or could not load, the recordings (a game
// saved, shared as a link, or watched), and the service worker that keeps the site for playing
// offline. `?seed=N` starts the game's random source at N, to play a game again; `#watch=...`
// (recording_link.js) watches the recording it holds.
import { watch_controllers } from './controller.js';
import { Game } from './game.js';
import { key_router, route_keyboard, wire_touch_keys } from './keys.js';
import { MessageBox } from './message_box.js';
import { set_up_page_bar } from './page_bar.js';
import { file_bytes, file_name, save_file, wire_recording_controls } from './recording_controls.js';
import { LinkProblem, holds_recording, link_for, recording_in } from './recording_link.js';
import { Desktop } from './windows.js';

// The board's font, fetched while the title shows.
document.fonts.load('12px "Totechita Gothic"');

const ended = document.getElementById('program-ended');
const failed = document.getElementById('load-failed');
const problem = document.getElementById('watch-problem');
const watching_line = document.getElementById('watching');
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
  watching_line.hidden = true;
  ended.hidden = false;
  ended.querySelector('button').focus();
});
const route = key_router(game, desktop, message_box);
route_keyboard(route, game, desktop, message_box);
wire_touch_keys(document.getElementById('touch-keys'), game);
const bar = set_up_page_bar(document.getElementById('page-bar'));
watch_controllers(route, bar.controller_connected);

let watched = null;  // the recording watched, {bytes, name}, while the page shows it
let started_at = new Date();  // of the game played

function new_game() {
  ended.hidden = true;
  problem.hidden = true;
  watching_line.hidden = true;
  watched = null;
  started_at = new Date();
  if (holds_recording(location.hash)) history.replaceState(null, '', location.pathname + location.search);
  return game.start(seed());
}

// Over the game if it goes on; otherwise the notice offers a new one.
function show_problem(headline, detail) {
  ended.hidden = true;
  problem.querySelector('.headline').textContent = headline;
  problem.querySelector('.detail').textContent = detail;
  const button = problem.querySelector('button');
  button.textContent = game.running ? '閉じる' : '遊ぶ';
  button.dataset.starts = game.running ? '' : 'yes';
  problem.hidden = false;
  button.focus();
}

// The game played, written up to what the windows show, or the recording watched.
function recording_to_share() {
  if (watched) return watched;
  const recording = game.recording();
  if (!recording) return null;  // a message box is open
  if (!recording.text) {
    say('保存するゲームがありません。');
    return null;
  }
  if (recording.stopped) say(`リプレイはここまでです（${recording.stopped}）。`);
  return { bytes: new TextEncoder().encode(recording.text), name: file_name(started_at) };
}

function save() {
  const recording = recording_to_share();
  if (!recording) return;
  save_file(recording.bytes, recording.name);
  if (!watched) game.inputs_since_saved = 0;
}

async function copy_link() {
  const recording = recording_to_share();
  if (!recording) return;
  let link;
  try {
    link = await link_for(recording.bytes);
  } catch (error) {
    if (!(error instanceof LinkProblem)) throw error;
    return say(error.message);
  }
  try {
    await navigator.clipboard.writeText(link);
    say('リンクをコピーしました。');
  } catch {
    prompt('このリンクをコピーしてください。', link);  // no clipboard outside a secure context
  }
  if (!watched) game.inputs_since_saved = 0;
}

// Checks the recording with the module's reader, then watches it in place of what was shown;
// a game played and not saved since its last input is given up only when the player says so.
async function watch(bytes, name, headline) {
  if (!game.loaded || (game.suspended && !game.watching)) return;  // the game's message box first
  await game.stop_watching();
  const trouble = bytes.length === 0 ? 'なにもありません。' : game.check(bytes);
  if (trouble) return show_problem(headline, trouble);
  if (game.inputs_since_saved > 0 && !confirm('このゲームは保存されていません。やめてリプレイを開きますか?')) return;
  ended.hidden = true;
  problem.hidden = true;
  watched = { bytes, name };
  watching_line.textContent = 'リプレイ中';
  watching_line.hidden = false;
  const failure = await game.watch(() => { watching_line.textContent = 'リプレイは終わりました'; });
  watching_line.hidden = true;
  if (failure) show_problem('リプレイはここで終わりました。', failure);
}

async function watch_file(file) {
  await watch(await file_bytes(file, game.max_script_bytes), file.name, 'このリプレイは開けません。');
}

async function watch_link() {
  const headline = 'このリンクのリプレイは開けません。';
  try {
    await watch(await recording_in(location.hash, game.max_script_bytes), file_name(new Date()), headline);
  } catch (error) {
    if (!(error instanceof LinkProblem)) throw error;
    show_problem(headline, error.message);
  }
}

const say = wire_recording_controls({ save, copy_link, open: watch_file });
ended.querySelector('button').addEventListener('click', new_game);
problem.querySelector('button').addEventListener('click', (event) => {
  problem.hidden = true;
  if (event.currentTarget.dataset.starts) new_game();
});
failed.querySelector('button').addEventListener('click', () => location.reload());
addEventListener('hashchange', () => holds_recording(location.hash) && watch_link());

// For looking into a game from the browser's console: the events so far, how often the page
// woke the game and drew, in how many milliseconds it wakes it next, every form's state, and the
// game's own reading of a script and answers to its print, expect, until and dump lines.
window.totechita = {
  get transcript() { return game.transcript; },
  get counters() { return game.counters; },
  get next_wake_in() { return game.next_wake === null ? null : game.next_wake - performance.now(); },
  get watching() { return game.watching; },
  state: () => game.state(),
  script: (text) => game.script(text),
  query: (line) => game.query(line),
};

try {
  await game.load();
  if (holds_recording(location.hash)) watch_link();
  else new_game();
  // Once the game runs, the site is kept for the next visit, offline too (sw.js). A page that
  // cannot have a service worker (not a secure context) simply plays online.
  navigator.serviceWorker?.register('sw.js').catch(() => {});
} catch (error) {
  failed.hidden = false;
  failed.querySelector('button').focus();
  throw error;
}
