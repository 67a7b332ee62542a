// The game's message box: a modal dialog with the title, the message and one OK button. It
// resolves when the player closes it, with OK, Enter, Space or Escape: at once, not with the
// dialog's later "close" event, so a key pressed straight after OK reaches the game.
export class MessageBox {
  constructor(dialog) {
    this.dialog = dialog;
    this.title = dialog.querySelector('.caption');
    this.message = dialog.querySelector('.message');
  }

  get is_open() {
    return this.dialog.open;
  }

  show(prompt, title) {
    this.title.textContent = title;
    this.message.textContent = prompt;
    this.dialog.showModal();
    this.dialog.querySelector('button').focus();
    return new Promise((resolve) => {
      const closed = () => {
        this.dialog.removeEventListener('submit', closed);
        this.dialog.removeEventListener('cancel', closed);
        resolve();
      };
      this.dialog.addEventListener('submit', closed);
      this.dialog.addEventListener('cancel', closed);
    });
  }
}
