// The forms' windows, drawn in the page as a desktop draws them: a caption bar with a close box
// and a menu bar for a bordered form, its client area with the pictures and labels in drawing
// order. A form's description gives its design with the members of its dump, and the units it
// is laid out in: twips to a CSS pixel, the default font size.
import { MenuBar } from './menu.js';

function element(tag, class_name, parent) {
  const made = document.createElement(tag);
  if (class_name) made.className = class_name;
  parent?.append(made);
  return made;
}

// One control of a form: an <img> for a picture, a <div> for a label.
function make_control(control, client, default_points) {
  if (control.Picture !== undefined) {
    const picture = element('img', 'control picture', client);
    picture.src = `pictures/${control.Picture}.svg`;
    picture.alt = '';
    picture.draggable = false;
    picture.setAttribute('elementtiming', control.Picture);
    return picture;
  }
  const label = element('div', 'control label', client);
  label.style.color = control.ForeColor;
  label.style.background = control.BackColor;
  label.style.fontSize = `${((control.FontSize || default_points) * 96) / 72}px`;
  return label;
}

export class FormWindow {
  constructor(description, events) {
    this.name = description.form;
    this.description = description;
    this.frame = element('section', 'window');
    this.frame.dataset.form = this.name;
    this.frame.setAttribute('aria-label', description.Caption);
    this.frame.hidden = true;
    this.pixels = (twips) => Math.round(twips / description.TwipsPerPixel);
    if (description.BorderStyle === 'none') {
      this.frame.classList.add('borderless');
    } else {
      this.#add_caption_bar(description.Caption, () => events.close(this.name));
    }
    if (description.menu.length > 0) {
      this.menu_bar = new MenuBar(description.menu, (item) => events.choose(this.name, item));
      this.frame.append(this.menu_bar.element);
    }
    this.client = element('div', 'client', this.frame);
    this.client.style.width = `${this.pixels(description.ClientWidth)}px`;
    this.client.style.height = `${this.pixels(description.ClientHeight)}px`;
    if (description.BackColor) this.client.style.background = description.BackColor;
    this.controls = new Map();
    for (const control of description.controls) {
      const made = make_control(control, this.client, description.DefaultFontSize);
      made.dataset.control = control.name;
      this.controls.set(control.name, made);
    }
    // A click goes to the topmost control under the pointer, as on the desktop.
    this.client.addEventListener('click', (event) => {
      const control = event.target.closest('[data-control]');
      if (control) events.click(this.name, control.dataset.control);
    });
  }

  #add_caption_bar(caption, close) {
    const bar = element('header', 'caption-bar', this.frame);
    const icon = element('img', 'icon', bar);
    icon.src = 'pictures/icon.svg';
    icon.alt = '';
    element('span', 'caption', bar).textContent = caption;
    const close_box = element('button', 'close-box', bar);
    close_box.type = 'button';
    close_box.title = '閉じる';
    close_box.setAttribute('aria-label', '閉じる');
    close_box.textContent = '×';
    close_box.addEventListener('click', close);
  }

  // A form's state as the game's dump gives it: positions in twips, captions, visibility.
  update(dump) {
    for (const [name, properties] of Object.entries(dump.controls)) {
      const drawn = this.controls.get(name);
      if (!drawn) continue;
      const left = this.pixels(properties.Left);
      const top = this.pixels(properties.Top);
      drawn.style.left = `${left}px`;
      drawn.style.top = `${top}px`;
      drawn.style.width = `${this.pixels(properties.Left + properties.Width) - left}px`;
      drawn.style.height = `${this.pixels(properties.Top + properties.Height) - top}px`;
      if ('Visible' in properties) drawn.style.visibility = properties.Visible ? '' : 'hidden';
      if ('Caption' in properties && drawn.textContent !== properties.Caption) {
        drawn.textContent = properties.Caption;
      }
    }
  }
}

// The windows of the loaded forms, the most recently shown on top, laid out to fit the screen.
export class Screen {
  #windows = new Map();
  #stack = 0;
  #next_default_place = 0;

  constructor(root, events) {
    this.root = root;
    this.events = events;
    addEventListener('resize', () => this.layout());
  }

  add(description) {
    const window = new FormWindow(description, this.events);
    this.#windows.set(window.name, window);
    this.root.append(window.frame);
  }

  show(name) {
    const window = this.#windows.get(name);
    window.frame.style.zIndex = ++this.#stack;
    if (window.frame.hidden) {
      window.frame.hidden = false;
      window.default_place = this.#next_default_place++;
      this.#place(window);
    }
    this.active = window;
  }

  remove(name) {
    const window = this.#windows.get(name);
    if (!window) return;
    window.frame.remove();
    this.#windows.delete(name);
    if (this.active === window) {
      this.active = [...this.#windows.values()].sort(
        (a, b) => b.frame.style.zIndex - a.frame.style.zIndex)[0];
    }
  }

  update(dump) {
    this.#windows.get(dump.form)?.update(dump);
  }

  clear() {
    for (const name of [...this.#windows.keys()]) this.remove(name);
  }

  layout() {
    for (const window of this.#windows.values()) if (!window.frame.hidden) this.#place(window);
  }

  // Centred forms are centred; the others go where a window system puts new windows, near the
  // top left. On a touch screen every window is scaled to the screen's width (sharp: the page
  // is laid out anew at that size) above the on-screen keys; elsewhere only shrunk to fit.
  #place(window) {
    const frame = window.frame;
    frame.style.zoom = 1;
    const width = frame.offsetWidth;
    const height = frame.offsetHeight;
    const room = this.root.getBoundingClientRect();
    const touch = matchMedia('(hover: none) and (pointer: coarse)').matches;
    const fit = Math.min(room.width / width, room.height / height);
    const zoom = touch ? fit : Math.min(1, fit);
    frame.style.zoom = zoom;
    const centred = touch || window.description.StartUpPosition === 'center screen';
    const left = centred ? (room.width - width * zoom) / 2 : 16 + 24 * window.default_place;
    const top = touch ? 0 : centred ? (room.height - height * zoom) / 2 : 16;
    frame.style.left = `${Math.max(0, Math.round(left / zoom))}px`;
    frame.style.top = `${Math.max(0, Math.round(top / zoom))}px`;
  }
}
