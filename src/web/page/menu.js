// A form's menu bar, used as a desktop menu bar is: a click opens a menu, pointing at a submenu
// opens it, a click on a command chooses it. From the keyboard, F10 or Alt opens the first menu
// (the page's key routing sees to that); the arrow keys move, Enter or Space chooses, Escape (or
// Backspace, a controller's B) closes one level, F10 closes them all. The entry under the pointer
// takes the focus, so that one entry of a menu is selected, whether by pointer or by key.
function item_button(item, parent) {
  const button = document.createElement('button');
  button.type = 'button';
  button.setAttribute('role', 'menuitem');
  button.textContent = item.caption;
  button.dataset.item = item.name;
  parent.append(button);
  return button;
}

export class MenuBar {
  #choose;
  #open = [];  // the open menus, outermost first: {opener, list}
  // While a menu is open, a press anywhere else closes it.
  #press_elsewhere = (event) => {
    if (!this.element.contains(event.target)) this.close();
  };

  constructor(items, choose) {
    this.#choose = choose;
    this.element = document.createElement('nav');
    this.element.className = 'menu-bar';
    this.element.setAttribute('role', 'menubar');
    for (const item of items) this.#add(item, this.element, 0);
  }

  get is_open() {
    return this.#open.length > 0;
  }

  // Opens the first menu of the bar with its first entry selected.
  open_from_keyboard() {
    const first = this.element.querySelector(':scope > .menu-entry > button');
    this.#open_menu(first, 0);
    this.#entries(this.#open[0].list)[0]?.focus();
  }

  close() {
    this.#close_from(0);
  }

  #add(item, parent, depth) {
    if (item.caption === '-') {
      const line = document.createElement('hr');
      line.setAttribute('role', 'separator');
      parent.append(line);
      return;
    }
    if (item.children.length === 0) {
      const command = item_button(item, parent);
      command.addEventListener('click', () => {
        this.close();
        this.#choose(item.name);
      });
      command.addEventListener('pointerenter', () => {
        this.#close_from(depth);
        command.focus();
      });
      return;
    }
    const entry = document.createElement('div');
    entry.className = 'menu-entry';
    parent.append(entry);
    const opener = item_button(item, entry);
    opener.setAttribute('aria-haspopup', 'menu');
    opener.setAttribute('aria-expanded', 'false');
    const list = document.createElement('div');
    list.className = depth === 0 ? 'menu' : 'menu submenu';
    list.setAttribute('role', 'menu');
    list.hidden = true;
    entry.append(list);
    for (const child of item.children) this.#add(child, list, depth + 1);
    opener.addEventListener('click', () => {
      if (depth === 0 && !list.hidden) this.close();
      else this.#open_menu(opener, depth);
    });
    opener.addEventListener('pointerenter', () => {
      if (depth === 0 && !this.is_open) return;
      this.#open_menu(opener, depth);
      if (depth > 0) opener.focus();
    });
  }

  #open_menu(opener, depth) {
    this.#close_from(depth);
    if (!this.is_open) document.addEventListener('pointerdown', this.#press_elsewhere);
    const list = opener.nextElementSibling;
    list.hidden = false;
    opener.setAttribute('aria-expanded', 'true');
    this.#open.push({ opener, list });
  }

  // Closes the menus from this depth on; a menu's parent 0 is the bar itself.
  #close_from(depth) {
    for (const { opener, list } of this.#open.splice(depth)) {
      list.hidden = true;
      opener.setAttribute('aria-expanded', 'false');
    }
    if (!this.is_open) document.removeEventListener('pointerdown', this.#press_elsewhere);
  }

  #entries(list) {
    return [...list.children].map((child) => (child.matches('button') ? child : child.firstChild))
      .filter((entry) => entry?.matches('button'));
  }

  // A key, by its KeyboardEvent.key, while a menu is open; every key stays with the menu.
  key_down(key) {
    const { opener, list } = this.#open.at(-1);
    const entries = this.#entries(list);
    const at = entries.indexOf(document.activeElement);
    const move = (step) => entries[(at + step + entries.length) % entries.length].focus();
    const focused = entries[at];
    switch (key) {
      case 'ArrowDown': move(1); break;
      case 'ArrowUp': move(at < 0 ? 0 : -1); break;
      case 'ArrowRight':
        if (focused?.getAttribute('aria-haspopup')) {
          this.#open_menu(focused, this.#open.length);
          this.#entries(this.#open.at(-1).list)[0].focus();
        }
        break;
      case 'ArrowLeft':
      case 'Escape':
      case 'Backspace':
        if (this.#open.length > 1) {
          this.#close_from(this.#open.length - 1);
          opener.focus();
        } else {
          this.close();
          document.activeElement?.blur();
        }
        break;
      case 'Enter':
      case ' ':
        focused?.click();
        if (focused?.getAttribute('aria-haspopup')) this.#entries(this.#open.at(-1).list)[0].focus();
        break;
      case 'F10':
        this.close();
        document.activeElement?.blur();
        break;
    }
  }
}
