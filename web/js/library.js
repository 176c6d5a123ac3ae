// The Graphics Library: a panel beside the working area with the project's
// robot shapes, stamps and pens. In drag mode a picture dragged onto the
// working area (mouse, pen or finger) acts there; in click mode a click
// adds the picture's command to the Go Program. The core decides both.
import { warn } from './dialogs.js';
import { PaintBox, indexesOfImage } from './paintbox.js';
import { keepPictures } from './lesson.js';
import { texts } from './texts.js';

const SHAPES = 1;
const STAMPS = 2;
const PENS = 3;
const THUMB = 52;
// A press that moves this far (CSS pixels) is a drag, not a click.
const DRAG_SLOP = 5;
// Pictures from disk larger than this a side are scaled down: a stamp or a
// shape is shown a step across, and a photograph would only weigh.
const MAX_ADDED_SIDE = 400;

function button(text, action, attrs = {}) {
  const b = document.createElement('button');
  b.type = 'button';
  b.textContent = text;
  Object.assign(b, attrs);
  b.addEventListener('click', action);
  return b;
}

export class LibraryPanel {
  constructor(panel, page) {
    this.panel = panel;
    this.page = page;
    this.s = page.s;
    this.category = STAMPS;
    this.mode = 'drag';
    // The picture Edit opens, by category.
    this.selected = { [SHAPES]: '', [STAMPS]: '', [PENS]: '' };
    this.press = null;
    this.paintBox = new PaintBox(page);
    this.build();
    window.addEventListener('resize', () => this.isOpen && this.place());
  }

  build() {
    const p = this.panel;
    const head = document.createElement('div');
    head.className = 'library-head';
    this.caption = document.createElement('h2');
    this.caption.id = 'library-caption';
    p.setAttribute('aria-labelledby', this.caption.id);
    const close = button(texts.close, () => this.close(), { className: 'library-close' });
    head.append(this.caption, close);

    const modes = document.createElement('div');
    modes.className = 'library-modes';
    modes.setAttribute('role', 'group');
    modes.setAttribute('aria-label', texts.libraryMode);
    this.modeButtons = {
      drag: button(texts.libraryDragMode, () => this.setMode('drag'), { title: texts.libraryDragTip, id: 'library-drag' }),
      click: button(texts.libraryClickMode, () => this.setMode('click'), { title: texts.libraryClickTip, id: 'library-click' }),
    };
    modes.append(this.modeButtons.drag, this.modeButtons.click);

    const tabs = document.createElement('div');
    tabs.className = 'library-tabs';
    tabs.setAttribute('role', 'tablist');
    this.tabs = [
      [SHAPES, texts.libraryShapes],
      [STAMPS, texts.libraryStamps],
      [PENS, texts.libraryPens],
    ].map(([category, label]) => {
      const t = button(label, () => this.show(category), { id: `library-tab-${category}` });
      t.setAttribute('role', 'tab');
      t.dataset.category = String(category);
      return t;
    });
    tabs.append(...this.tabs);
    tabs.addEventListener('keydown', (e) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[e.key];
      if (!step) return;
      // The tabs' own arrows, never keyed into the program as well.
      e.preventDefault();
      const i = (this.tabs.findIndex((t) => Number(t.dataset.category) === this.category) + step + 3) % 3;
      this.show(Number(this.tabs[i].dataset.category));
      this.tabs[i].focus();
    });

    this.grid = document.createElement('div');
    this.grid.className = 'library-grid';
    this.grid.id = 'library-grid';
    this.grid.setAttribute('role', 'tabpanel');
    this.empty = document.createElement('p');
    this.empty.className = 'library-empty';
    this.empty.textContent = texts.noPictures;

    const options = document.createElement('div');
    options.className = 'library-options';
    this.fileInput = document.createElement('input');
    this.fileInput.type = 'file';
    this.fileInput.accept = '.bmp,.png,.gif,.jpg,.jpeg,.webp,image/*';
    this.fileInput.hidden = true;
    this.fileInput.addEventListener('change', () => this.addFiles([...this.fileInput.files]));
    this.addButton = button(texts.libraryAdd, () => this.fileInput.click(), { id: 'library-add' });
    this.createButton = button(texts.libraryCreate, () => this.create(), { id: 'library-create' });
    this.editButton = button(texts.libraryEdit, () => this.edit(), { id: 'library-edit' });
    options.append(this.addButton, this.createButton, this.editButton, this.fileInput);

    p.replaceChildren(head, modes, tabs, this.grid, this.empty, options);
    // Picture files dropped on the panel are added as Add adds them.
    p.addEventListener('dragover', (e) => {
      if (!e.dataTransfer?.types.includes('Files')) return;
      e.preventDefault();
      e.dataTransfer.dropEffect = 'copy';
      p.classList.add('taking');
    });
    p.addEventListener('dragleave', (e) => {
      if (!p.contains(e.relatedTarget)) p.classList.remove('taking');
    });
    p.addEventListener('drop', (e) => {
      p.classList.remove('taking');
      if (!e.dataTransfer?.files.length) return;
      e.preventDefault();
      this.addFiles([...e.dataTransfer.files]);
    });
    p.addEventListener('keydown', (e) => {
      if (e.key === 'Escape' && !document.querySelector('dialog[open]')) {
        e.preventDefault();
        this.close();
      }
    });
  }

  get isOpen() {
    return !this.panel.hidden;
  }

  open(mode = this.mode) {
    this.place();
    this.panel.hidden = false;
    this.page.libraryToggled?.(true);
    this.setMode(mode);
    this.tabs.find((t) => Number(t.dataset.category) === this.category)?.focus();
  }

  // Just under the top bar, however many rows it takes.
  place() {
    const bar = document.querySelector('header');
    if (!bar) return;
    const top = Math.round(bar.getBoundingClientRect().bottom + 8);
    this.panel.style.top = `${top}px`;
    this.panel.style.maxHeight = `calc(100dvh - ${top + 12}px)`;
  }

  close() {
    this.panel.hidden = true;
    this.page.libraryToggled?.(false);
  }

  setMode(mode) {
    this.mode = mode;
    for (const [m, b] of Object.entries(this.modeButtons)) b.setAttribute('aria-pressed', String(m === mode));
    this.caption.textContent = mode === 'drag' ? texts.libraryDragCaption : texts.libraryClickCaption;
    this.panel.dataset.mode = mode;
    this.show(this.category);
  }

  // A category's pictures as the core lists them, afresh.
  show(category) {
    this.category = category;
    for (const t of this.tabs) {
      const on = Number(t.dataset.category) === category;
      t.setAttribute('aria-selected', String(on));
      t.tabIndex = on ? 0 : -1;
    }
    this.grid.setAttribute('aria-labelledby', `library-tab-${category}`);
    const pictures = JSON.parse(this.s.pictures(category));
    if (!pictures.some((p) => p.name === this.selected[category])) this.selected[category] = '';
    this.grid.replaceChildren(...pictures.map((p) => this.cell(p)));
    this.empty.hidden = pictures.length > 0;
    // Pens have no template to start from; Edit opens the picture chosen
    // for the working area, as the desktop's library does in drag mode.
    this.createButton.disabled = category === PENS;
    this.updateEdit();
  }

  updateEdit() {
    this.editButton.disabled = this.mode !== 'drag' || !this.selected[this.category];
    for (const b of this.grid.children) b.setAttribute('aria-pressed', String(b.value === this.selected[this.category]));
  }

  cell(picture) {
    const b = document.createElement('button');
    b.type = 'button';
    b.value = picture.name;
    b.className = 'library-picture';
    const label = picture.name.replace(/\.bmp$/i, '').toLowerCase();
    b.setAttribute('aria-label', label);
    b.title = picture.name;
    const thumb = this.page.pictures.picture(picture.src, THUMB, THUMB);
    if (thumb) {
      const c = document.createElement('canvas');
      c.width = c.height = THUMB;
      c.getContext('2d').drawImage(thumb, 0, 0);
      c.setAttribute('aria-hidden', 'true');
      b.append(c);
    }
    const name = document.createElement('span');
    name.textContent = label;
    b.append(name);
    b.addEventListener('pointerdown', (e) => this.down(e, b));
    b.addEventListener('pointermove', (e) => this.move(e));
    b.addEventListener('pointerup', (e) => this.up(e));
    b.addEventListener('pointercancel', () => this.endDrag());
    b.addEventListener('click', (e) => this.clicked(e, b.value));
    return b;
  }

  // A click (or Enter) on a picture: click mode keys its command; drag mode
  // chooses it for Edit, and from the keyboard, which cannot drag, lets it
  // go on the robot.
  clicked(e, name) {
    if (this.dragged) {
      this.dragged = false;
      return;
    }
    this.selected[this.category] = name;
    this.updateEdit();
    if (this.mode === 'click') {
      this.page.keyed(() => this.s.keyPicture(this.category, name));
    } else if (e.detail === 0) {
      this.page.act(() => this.s.dropPictureOnRobot(this.category, name));
    }
  }

  down(e, b) {
    if (this.mode !== 'drag' || !e.isPrimary || e.button !== 0) return;
    this.dragged = false;
    this.press = { id: e.pointerId, x: e.clientX, y: e.clientY, name: b.value, from: b, ghost: null };
    b.setPointerCapture(e.pointerId);
  }

  move(e) {
    const p = this.press;
    if (!p || e.pointerId !== p.id) return;
    if (!p.ghost) {
      if (Math.hypot(e.clientX - p.x, e.clientY - p.y) < DRAG_SLOP) return;
      p.ghost = this.ghost(p.from);
    }
    p.ghost.style.transform = `translate(${e.clientX}px, ${e.clientY}px)`;
    const over = this.overFloor(e);
    p.ghost.classList.toggle('over', over);
    // The button holds the pointer, so its cursor is the one shown.
    p.from.style.cursor = over ? 'copy' : 'no-drop';
  }

  up(e) {
    const p = this.press;
    if (!p || e.pointerId !== p.id) return;
    const dropped = !!p.ghost;
    this.endDrag();
    if (!dropped) return;
    // The click that follows is the drag's own, not a choice.
    this.dragged = true;
    setTimeout(() => (this.dragged = false), 0);
    this.selected[this.category] = p.name;
    this.updateEdit();
    if (!this.overFloor(e)) return;
    const at = this.page.floor.pointAt(e);
    if (at) this.page.act(() => this.s.dropPicture(this.category, p.name, at.x, at.y));
  }

  endDrag() {
    if (!this.press) return;
    this.press.ghost?.remove();
    this.press.from.style.cursor = '';
    this.press = null;
  }

  // The picture under the pointer while it is dragged; it never takes the
  // pointer itself, so the working area below is found.
  ghost(from) {
    const g = document.createElement('div');
    g.className = 'library-ghost';
    g.setAttribute('aria-hidden', 'true');
    const c = from.querySelector('canvas');
    if (c) {
      const copy = c.cloneNode();
      copy.getContext('2d').drawImage(c, 0, 0);
      g.append(copy);
    }
    document.body.append(g);
    return g;
  }

  overFloor(e) {
    return document.elementFromPoint(e.clientX, e.clientY) === this.page.floor.canvas;
  }

  // Added pictures are written into the project's folder of the category,
  // beside its own: a bitmap the core reads as it is, anything else made
  // into the sixteen colours here first.
  async addFiles(files) {
    this.fileInput.value = '';
    let last = '';
    for (const file of files) {
      const bytes = new Uint8Array(await file.arrayBuffer());
      let name = bytes[0] === 0x42 && bytes[1] === 0x4d ? this.s.addPicture(this.category, file.name, bytes) : '';
      if (!name) name = await this.addImage(file);
      if (name) last = name;
      else await warn(texts.product, `${texts.libraryNotAdded} ${file.name}`);
    }
    this.page.drain();
    if (last) {
      this.selected[this.category] = last;
      this.keepPictures();
    }
    this.show(this.category);
  }

  async addImage(file) {
    let image;
    try {
      image = await createImageBitmap(file);
    } catch {
      return '';
    }
    const scale = Math.min(1, MAX_ADDED_SIDE / Math.max(image.width, image.height));
    const w = Math.max(1, Math.round(image.width * scale));
    const h = Math.max(1, Math.round(image.height * scale));
    const canvas = document.createElement('canvas');
    canvas.width = w;
    canvas.height = h;
    const ctx = canvas.getContext('2d', { willReadFrequently: true });
    ctx.drawImage(image, 0, 0, w, h);
    image.close?.();
    const indexes = indexesOfImage(ctx.getImageData(0, 0, w, h).data, this.paintBox.colours());
    return this.s.addPixels(this.category, file.name, w, h, indexes);
  }

  keepPictures() {
    if (!keepPictures(this.s)) warn(texts.product, texts.picturesNotKept);
    this.page.drain();
  }

  create() {
    const picture = this.s.newPicture(this.category);
    if (picture) this.paint(picture, true);
  }

  edit() {
    const picture = this.s.openPicture(this.category, this.selected[this.category]);
    if (picture) this.paint(picture, false);
  }

  async paint(picture, isNew) {
    const category = this.category;
    const saved = await this.paintBox.open(picture, isNew, (indexes) =>
      this.page.act(() => this.s.savePicture(category, picture.name, picture.width, picture.height, indexes)),
    );
    if (!saved) return;
    this.keepPictures();
    // The working area and the lists may show the picture: every picture
    // is made afresh, the thumbnails too.
    this.page.repaintAll();
    this.selected[category] = picture.name;
    this.show(category);
  }
}
