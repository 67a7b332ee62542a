// A game controller with the standard mapping, played as keys: the d-pad and the left stick are
// the arrow keys, A is Enter (a bomb, OK, a menu command), X and B are Backspace (craft; in a
// menu, back), Start opens and closes the menu (F10). A held direction repeats at the keyboard's
// pace. The controllers are read once an animation frame, only while one is connected.
//
// The page asks for controllers from the player's first input on it (a key, a touch, the mouse):
// Chromium polls the system's input devices sixty times a second for as long as a page listens for
// controllers, which would be most of what an untouched board costs.
import { REPEAT_DELAY, REPEAT_INTERVAL } from './keys.js';

const BUTTONS = [[0, 'Enter'], [1, 'Backspace'], [2, 'Backspace'], [9, 'F10'],
  [12, 'ArrowUp'], [13, 'ArrowDown'], [14, 'ArrowLeft'], [15, 'ArrowRight']];
const REPEATING = new Set(['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight']);
const STICK = 0.5;  // how far the stick must lean to count as a direction
const FIRST_INPUTS = ['keydown', 'pointerdown', 'pointermove'];

function keys_held(pads) {
  const held = new Set();
  for (const pad of pads) {
    for (const [index, key] of BUTTONS) if (pad.buttons[index]?.pressed) held.add(key);
    const [x = 0, y = 0] = pad.axes;
    if (x < -STICK) held.add('ArrowLeft');
    if (x > STICK) held.add('ArrowRight');
    if (y < -STICK) held.add('ArrowUp');
    if (y > STICK) held.add('ArrowDown');
  }
  return held;
}

// `route(key)` takes each key; `on_connection(connected)` hears when the first controller comes
// and the last goes.
export function watch_controllers(route, on_connection) {
  if (!navigator.getGamepads) return;  // not offered outside a secure context
  const next_repeat = new Map();  // held key -> when it repeats
  let polling = false;

  const poll = (now) => {
    const pads = [...navigator.getGamepads()].filter((pad) => pad?.connected && pad.mapping === 'standard');
    if (pads.length === 0) {
      polling = false;
      next_repeat.clear();
      on_connection(false);
      return;
    }
    const held = keys_held(pads);
    for (const key of next_repeat.keys()) if (!held.has(key)) next_repeat.delete(key);
    for (const key of held) {
      if (!next_repeat.has(key)) {
        next_repeat.set(key, now + REPEAT_DELAY);
        route(key);
      } else if (REPEATING.has(key) && now >= next_repeat.get(key)) {
        next_repeat.set(key, next_repeat.get(key) + REPEAT_INTERVAL);
        route(key);
      }
    }
    requestAnimationFrame(poll);
  };
  const start = () => {
    if (polling) return;
    polling = true;
    on_connection(true);
    requestAnimationFrame(poll);
  };
  const listen = () => {
    for (const type of FIRST_INPUTS) removeEventListener(type, listen, true);
    addEventListener('gamepadconnected', start);
    if ([...navigator.getGamepads()].some((pad) => pad?.connected)) start();
  };
  for (const type of FIRST_INPUTS) addEventListener(type, listen, { capture: true, passive: true });
}
