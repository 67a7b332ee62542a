// The game's message box: a modal alert dialog with the title, the message and one OK button,
// on the window under it and scaled with it: centred across, and around a third of the way down,
// so that what the message announces in the middle of the board stays in view. It resolves when the player closes it, with
// OK or, wherever the focus is, Enter, Space or Escape (the key routing calls close()): at once,
// so that a key pressed straight after OK reaches the game.
const FINGER = 44;  // the least size of OK on a touch screen, in CSS pixels

export class MessageBox {
  #resolve = null;
  #place;

  // `place()` says where the box goes: the rectangle to centre it on and the scale to draw it at.
  constructor(dialog, place) {
    this.dialog = dialog;
    this.#place = place;
    this.title = dialog.querySelector('.caption');
    this.message = dialog.querySelector('.message');
    this.ok = dialog.querySelector('button');
    this.ok.addEventListener('click', () => this.close());
    // Escape is taken by the key routing before the dialog would cancel itself.
    dialog.addEventListener('cancel', (event) => event.preventDefault());
    addEventListener('resize', () => this.is_open && this.#lay_out());
  }

  get is_open() {
    return this.dialog.open;
  }

  show(prompt, title) {
    this.title.textContent = title;
    this.message.textContent = prompt;
    this.dialog.showModal();
    this.#lay_out();
    this.ok.focus();
    return new Promise((resolve) => {
      this.#resolve = resolve;
    });
  }

  close() {
    if (!this.is_open) return;
    this.dialog.close();
    this.#resolve();
  }

  #lay_out() {
    const { rect, scale } = this.#place();
    const box = this.dialog;
    box.style.zoom = scale;
    box.style.setProperty('--box-target', `${FINGER / scale}px`);
    const width = box.offsetWidth * scale;
    const height = box.offsetHeight * scale;
    const left = Math.max(0, Math.min(rect.left + (rect.width - width) / 2, innerWidth - width));
    const top = Math.max(rect.top, Math.min(rect.top + rect.height / 3 - height / 2, innerHeight - height));
    box.style.left = `${left / scale}px`;
    box.style.top = `${top / scale}px`;
  }
}
