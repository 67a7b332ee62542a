// The bar under the game: a line of controls for a first visit, until the player hides it, and
// a fullscreen button where the browser allows it. The line names the controller's buttons
// while a controller is connected.
const HINT_HIDDEN = 'totechita.controls-hint-hidden';

function remembered(key) {
  try {
    return localStorage.getItem(key) !== null;
  } catch {
    return false;  // storage refused: the line shows again next time
  }
}

function remember(key) {
  try {
    localStorage.setItem(key, '1');
  } catch {
    // storage refused: hidden for this visit only
  }
}

export function set_up_page_bar(bar) {
  const hint = bar.querySelector('#controls-hint');
  hint.hidden = remembered(HINT_HIDDEN);
  hint.querySelector('.hide-hint').addEventListener('click', () => {
    hint.hidden = true;
    remember(HINT_HIDDEN);
  });
  const fullscreen = bar.querySelector('#fullscreen');
  fullscreen.hidden = !document.fullscreenEnabled;
  fullscreen.addEventListener('click', () => {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().catch(() => {});
  });
  bar.classList.add('ready');
  return {
    controller_connected: (connected) => bar.classList.toggle('controller', connected),
  };
}
