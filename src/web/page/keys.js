// The keys, from the keyboard, the on-screen keys and a controller, named by KeyboardEvent.key.
// The arrow keys, Enter (on the main keyboard or the keypad) and Backspace reach the game with
// the key codes a desktop gives them, and never scroll the page or go back in its history. An
// open message box takes Enter, Space and Escape; an open menu takes every key; Enter and Space
// press a page control that has the keyboard's focus. The game knows its keys by the script
// language's words; its module knows their codes.
const GAME_KEYS = new Map([
  ['ArrowLeft', 'Left'], ['ArrowUp', 'Up'], ['ArrowRight', 'Right'], ['ArrowDown', 'Down'],
  ['Enter', 'Enter'], ['Backspace', 'Backspace'],
]);
const CLOSE_BOX = new Set(['Enter', ' ', 'Escape']);
const PRESS = new Set(['Enter', ' ']);

// A held key repeats after this delay, at this interval (milliseconds), as a keyboard's does.
export const REPEAT_DELAY = 400;
export const REPEAT_INTERVAL = 80;

// The page control (a button outside the game's client areas) that Enter and Space would press:
// while the game runs, only one that the keyboard reached, since a mouse click leaves its focus
// on the button it clicked.
function focused_control(running) {
  const focused = document.activeElement;
  if (!focused?.matches('button') || focused.closest('.client')) return null;
  return !running || focused.matches(':focus-visible') ? focused : null;
}

// Where each key goes. `route(key)` says whether something took it.
export function key_router(game, desktop, message_box) {
  return (key) => {
    if (message_box.is_open) {
      if (CLOSE_BOX.has(key)) message_box.close();
      return CLOSE_BOX.has(key);
    }
    const menu_bar = game.running ? desktop.active?.menu_bar : undefined;
    if (menu_bar?.is_open) {
      menu_bar.key_down(key);
      return true;
    }
    const control = focused_control(game.running);
    if (control && PRESS.has(key)) {
      control.click();
      return true;
    }
    if (!game.running) return false;
    if (key === 'F10' && menu_bar) {
      menu_bar.open_from_keyboard();
      return true;
    }
    if (!GAME_KEYS.has(key)) return false;
    game.key(GAME_KEYS.get(key));
    return true;
  };
}

export function route_keyboard(route, game, desktop, message_box) {
  let alt_alone = false;
  addEventListener('keydown', (event) => {
    alt_alone = event.key === 'Alt';
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    if (route(event.key)) event.preventDefault();
  }, { capture: true });
  // Alt pressed and released alone opens the menu bar, or closes it, as on a desktop.
  addEventListener('keyup', (event) => {
    const menu_bar = desktop.active?.menu_bar;
    if (event.key !== 'Alt' || !alt_alone || !game.running || message_box.is_open || !menu_bar) return;
    event.preventDefault();
    if (menu_bar.is_open) menu_bar.close();
    else menu_bar.open_from_keyboard();
  }, { capture: true });
}

// The on-screen keys of a touch screen: a key-down when pressed, repeated while held, as a held
// key repeats.
export function wire_touch_keys(pad, game) {
  for (const button of pad.querySelectorAll('button[data-key]')) {
    const word = button.dataset.key;
    let repeat = null;
    const stop = () => {
      clearTimeout(repeat);
      repeat = null;
    };
    const press = (delay) => {
      game.key(word);
      repeat = setTimeout(() => press(REPEAT_INTERVAL), delay);
    };
    button.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      button.setPointerCapture(event.pointerId);
      stop();
      press(REPEAT_DELAY);
    });
    for (const end of ['pointerup', 'pointercancel', 'lostpointercapture']) {
      button.addEventListener(end, stop);
    }
    // Pressed from the keyboard (Tab, then Enter or Space), a key is one key-down.
    button.addEventListener('click', (event) => {
      if (event.detail === 0) game.key(word);
    });
  }
}
