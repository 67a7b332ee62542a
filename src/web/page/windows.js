// The forms' windows, drawn in the page as a desktop draws them: a caption bar with a close box
// and a menu bar for a bordered form, its client area with the pictures and labels in drawing
// order. A form's description gives its design with the members of its dump, and the units it is
// laid out in: twips to a CSS pixel, the default font size. The client area is then scaled to
// make the window as large as the screen allows.
import { MenuBar } from './menu.js';

const FINGER = 44;  // the least size of a target on a touch screen, in CSS pixels

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
  scale = 1;  // of the client area
  #hit_areas = new Map();  // control name -> its finger-sized target
  #boxes = new Map();  // control name -> where it is drawn: left, top, width, height, visibility

  constructor(description, events) {
    this.name = description.form;
    this.description = description;
    this.frame = element('section', 'window');
    this.frame.dataset.form = this.name;
    this.frame.setAttribute('aria-label', description.Caption);
    this.frame.hidden = true;
    this.centred = description.StartUpPosition === 'center screen';
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
    // Just under its control, over everything drawn before it.
    for (const control of description.controls.filter((described) => described.clickable)) {
      const area = document.createElement('div');
      area.className = 'hit-area';
      area.dataset.hitFor = control.name;
      this.controls.get(control.name).before(area);
      this.#hit_areas.set(control.name, area);
    }
    // A click goes to the topmost control under the pointer, as on the desktop.
    this.client.addEventListener('click', (event) => {
      const name = event.target.closest('[data-control]')?.dataset.control ?? event.target.dataset.hitFor;
      if (name) events.click(this.name, name);
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
      const box = { left, top, width: this.pixels(properties.Left + properties.Width) - left,
        height: this.pixels(properties.Top + properties.Height) - top,
        visibility: properties.Visible === false ? 'hidden' : '' };
      for (const side of ['left', 'top', 'width', 'height']) drawn.style[side] = `${box[side]}px`;
      drawn.style.visibility = box.visibility;
      if ('Caption' in properties && drawn.textContent !== properties.Caption) {
        drawn.textContent = properties.Caption;
      }
      this.#boxes.set(name, box);
    }
    this.#place_hit_areas();
  }

  // Scales the client area; the bars keep their size in CSS pixels.
  set_scale(scale) {
    this.scale = scale;
    this.client.style.zoom = scale;
    this.#place_hit_areas();
  }

  // Each target is centred on its control, at least a finger's size on the screen, and moved
  // inside the client area where it would stick out.
  #place_hit_areas() {
    const least = FINGER / this.scale;
    const inside = (start, size, room) => Math.min(Math.max(start, 0), room - size);
    for (const [name, area] of this.#hit_areas) {
      const box = this.#boxes.get(name);
      if (!box) continue;
      const width = Math.max(box.width, least);
      const height = Math.max(box.height, least);
      const room = { width: this.pixels(this.description.ClientWidth),
        height: this.pixels(this.description.ClientHeight) };
      area.style.left = `${inside(box.left + (box.width - width) / 2, width, room.width)}px`;
      area.style.top = `${inside(box.top + (box.height - height) / 2, height, room.height)}px`;
      area.style.width = `${width}px`;
      area.style.height = `${height}px`;
      area.style.visibility = box.visibility;
    }
  }
}

// The windows of the loaded forms on the page's screen, as on a desktop: the most recently shown
// on top, laid out to fit the screen.
export class Desktop {
  active = null;  // the window that takes the keys: the most recently shown
  #windows = new Map();
  #stack = 0;
  #next_default_place = 0;
  #scale = 1;  // of the last centred window, which the windows opened over it keep

  constructor(root, events) {
    this.root = root;
    this.events = events;
    // The screen changes size with the window, the phone's orientation and the bar below it.
    new ResizeObserver(() => this.layout()).observe(root);
  }

  add(description) {
    const added = new FormWindow(description, this.events);
    this.#windows.set(added.name, added);
    this.root.append(added.frame);
  }

  show(name) {
    const shown = this.#windows.get(name);
    shown.frame.style.zIndex = ++this.#stack;
    if (shown.frame.hidden) {
      shown.frame.hidden = false;
      shown.default_place = this.#next_default_place++;
      this.#place(shown);
      this.root.querySelector('#loading')?.remove();
    }
    this.active = shown;
  }

  remove(name) {
    const removed = this.#windows.get(name);
    if (!removed) return;
    removed.menu_bar?.close();
    removed.frame.remove();
    this.#windows.delete(name);
    if (this.active === removed) {
      this.active = [...this.#windows.values()].sort(
        (a, b) => b.frame.style.zIndex - a.frame.style.zIndex)[0] ?? null;
    }
  }

  update(dump) {
    this.#windows.get(dump.form)?.update(dump);
  }

  clear() {
    for (const name of [...this.#windows.keys()]) this.remove(name);
  }

  layout() {
    const shown = [...this.#windows.values()].filter((form_window) => !form_window.frame.hidden);
    for (const form_window of shown.sort((a, b) => a.frame.style.zIndex - b.frame.style.zIndex)) {
      this.#place(form_window);
    }
  }

  // A centred window is scaled to fill the screen and centred. The others keep the scale of the
  // last centred window, as far as they fit, and go where a window system puts new windows, near
  // the top left; on a touch screen they are centred too.
  #place(form_window) {
    const { frame, client } = form_window;
    const touch = matchMedia('(hover: none) and (pointer: coarse)').matches;
    const centred = form_window.centred;
    const corner = centred || touch ? null : { left: 16 + 24 * form_window.default_place, top: 16 };
    form_window.set_scale(1);
    const bars = { width: frame.offsetWidth - client.offsetWidth, height: frame.offsetHeight - client.offsetHeight };
    const room = this.root.getBoundingClientRect();
    const margin = parseFloat(getComputedStyle(this.root).getPropertyValue('--margin')) || 0;
    const fit = Math.min(
      (room.width - 2 * margin - (corner?.left ?? 0) - bars.width) / client.offsetWidth,
      (room.height - 2 * margin - (corner?.top ?? 0) - bars.height) / client.offsetHeight);
    if (centred) this.#scale = fit;
    form_window.set_scale(Math.max(0.1, centred ? fit : Math.min(fit, this.#scale)));
    const left = corner ? margin + corner.left : (room.width - frame.offsetWidth) / 2;
    const top = corner ? margin + corner.top : (room.height - frame.offsetHeight) / 2;
    frame.style.left = `${Math.max(0, Math.round(left))}px`;
    frame.style.top = `${Math.max(0, Math.round(top))}px`;
  }

  // Where a message box goes: on the active window's client area, scaled as it is.
  box_place() {
    if (!this.active) return { rect: this.root.getBoundingClientRect(), scale: 1 };
    return { rect: this.active.client.getBoundingClientRect(), scale: this.active.scale };
  }
}
