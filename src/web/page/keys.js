// Keys and the on-screen keys. The arrow keys, Enter (on the main keyboard or the keypad) and
// Backspace reach the game with the key codes a desktop gives them, and never scroll the page or
// go back in its history. While a menu is open, keys go to the menu; while a message box is
// open, to the message box. Keys are named here by the script language's words; the game's
// module knows their codes.
const KEY_WORDS = new Map([
  ['ArrowLeft', 'Left'], ['ArrowUp', 'Up'], ['ArrowRight', 'Right'], ['ArrowDown', 'Down'],
  ['Enter', 'Enter'], ['Backspace', 'Backspace'],
]);

export function route_keys(game, screen, message_box) {
  const menu_bar = () => screen.active?.menu_bar;
  let alt_alone = false;
  addEventListener('keydown', (event) => {
    alt_alone = event.key === 'Alt';
    if (message_box.is_open || !game.running) return;
    if (menu_bar()?.is_open) {
      event.preventDefault();
      menu_bar().key_down(event);
      return;
    }
    if (event.key === 'F10' && menu_bar()) {
      event.preventDefault();
      menu_bar().open_from_keyboard();
      return;
    }
    const word = KEY_WORDS.get(event.key);
    if (word === undefined || event.ctrlKey || event.metaKey || event.altKey) return;
    event.preventDefault();
    game.key(word);
  }, { capture: true });
  // Alt pressed and released alone opens the menu bar, or closes it, as on a desktop.
  addEventListener('keyup', (event) => {
    if (event.key !== 'Alt' || !alt_alone || !game.running || message_box.is_open) return;
    event.preventDefault();
    if (menu_bar()?.is_open) menu_bar().close();
    else menu_bar()?.open_from_keyboard();
  }, { capture: true });
}

// The on-screen keys of a touch screen: a key-down when pressed, repeated while held, as a held
// key repeats.
const REPEAT_DELAY = 400;
const REPEAT_INTERVAL = 80;

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
  }
}
