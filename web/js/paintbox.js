// The paint tool: a small editor for a library picture, held as palette
// indexes. Pencil, line, fill and eraser; the sixteen colours and the
// transparent colour, which is the picture's top-left colour, as wherever
// the picture is drawn. The core writes the result.
import { texts } from './texts.js';

const TOOLS = ['pencil', 'line', 'fill', 'eraser'];
const UNDO_DEPTH = 50;
// The picture is shown this many CSS pixels across at most.
const VIEW = 360;

function rgbOf(hex) {
  const n = parseInt(hex.slice(1), 16);
  return [(n >> 16) & 255, (n >> 8) & 255, n & 255];
}

// RGBA pixels made into palette indexes: a pixel less than half opaque
// becomes the transparent colour, any other the nearest of the colours
// (never the transparent one, which would make it vanish).
export function indexesOfImage(rgba, { colours, transparent }) {
  const out = new Uint8Array(rgba.length / 4);
  const usable = colours.filter((c) => c.index !== transparent);
  let lastKey = -1;
  let lastIndex = 0;
  for (let i = 0; i < out.length; i++) {
    const [r, g, b, a] = [rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2], rgba[i * 4 + 3]];
    if (a < 128) {
      out[i] = transparent;
      continue;
    }
    const key = (r << 16) | (g << 8) | b;
    if (key !== lastKey) {
      let best = Infinity;
      for (const c of usable) {
        const d = (c.rgb[0] - r) ** 2 + (c.rgb[1] - g) ** 2 + (c.rgb[2] - b) ** 2;
        if (d < best) {
          best = d;
          lastIndex = c.index;
        }
      }
      lastKey = key;
    }
    out[i] = lastIndex;
  }
  return out;
}

// The points of a line from one pixel to another, ends included.
export function linePoints(x0, y0, x1, y1) {
  const points = [];
  const dx = Math.abs(x1 - x0);
  const dy = -Math.abs(y1 - y0);
  const sx = x0 < x1 ? 1 : -1;
  const sy = y0 < y1 ? 1 : -1;
  let err = dx + dy;
  for (;;) {
    points.push([x0, y0]);
    if (x0 === x1 && y0 === y1) return points;
    const e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

// Fills the area of one colour around a pixel (four neighbours) in place.
export function floodFill(pixels, w, h, x, y, index) {
  const from = pixels[y * w + x];
  if (from === index) return;
  const stack = [y * w + x];
  while (stack.length) {
    const i = stack.pop();
    if (pixels[i] !== from) continue;
    pixels[i] = index;
    const px = i % w;
    if (px > 0) stack.push(i - 1);
    if (px < w - 1) stack.push(i + 1);
    if (i >= w) stack.push(i - w);
    if (i < w * (h - 1)) stack.push(i + w);
  }
}

export class PaintBox {
  constructor(page) {
    this.page = page;
    this.s = page.s;
    this.dialog = document.getElementById('paintbox');
    this.palette = null;
    this.tool = 'pencil';
    this.build();
  }

  // The application palette and the paint colours, asked of the core once.
  colours() {
    if (!this.palette) {
      const p = JSON.parse(this.s.paintPalette());
      this.palette = {
        rgb: p.palette.map(rgbOf),
        hex: p.palette,
        transparent: p.transparent,
        colours: p.colours.map((index) => ({ index, rgb: rgbOf(p.palette[index]), hex: p.palette[index] })),
      };
    }
    return this.palette;
  }

  build() {
    const d = this.dialog;
    const form = document.createElement('form');
    form.method = 'dialog';
    this.caption = document.createElement('h2');
    this.caption.id = 'paintbox-caption';
    d.setAttribute('aria-labelledby', this.caption.id);

    const tools = document.createElement('div');
    tools.className = 'paint-tools';
    tools.setAttribute('role', 'group');
    tools.setAttribute('aria-label', texts.paintTools);
    this.toolButtons = TOOLS.map((t) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.id = `paint-${t}`;
      b.textContent = texts.paint[t];
      b.addEventListener('click', () => this.setTool(t));
      return b;
    });
    this.undoButton = document.createElement('button');
    this.undoButton.type = 'button';
    this.undoButton.id = 'paint-undo';
    this.undoButton.textContent = texts.paintUndo;
    this.undoButton.addEventListener('click', () => this.undo());
    tools.append(...this.toolButtons, this.undoButton);

    this.swatches = document.createElement('div');
    this.swatches.className = 'paint-swatches';
    this.swatches.setAttribute('role', 'group');
    this.swatches.setAttribute('aria-label', texts.paintColours);

    const stage = document.createElement('div');
    stage.className = 'paint-stage';
    this.canvas = document.createElement('canvas');
    this.canvas.id = 'paint-canvas';
    this.canvas.setAttribute('role', 'img');
    this.canvas.setAttribute('aria-label', texts.paintCanvas);
    stage.append(this.canvas);
    this.canvas.addEventListener('pointerdown', (e) => this.down(e));
    this.canvas.addEventListener('pointermove', (e) => this.move(e));
    this.canvas.addEventListener('pointerup', (e) => this.up(e));
    this.canvas.addEventListener('pointercancel', (e) => this.up(e));

    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const ok = document.createElement('button');
    ok.value = 'ok';
    ok.id = 'paint-ok';
    ok.textContent = texts.ok;
    const cancel = document.createElement('button');
    cancel.value = 'cancel';
    cancel.id = 'paint-cancel';
    cancel.formNoValidate = true;
    cancel.textContent = texts.cancel;
    buttons.append(ok, cancel);
    form.append(this.caption, tools, this.swatches, stage, buttons);
    d.replaceChildren(form);
    d.addEventListener('keydown', (e) => {
      if ((e.ctrlKey || e.metaKey) && e.key === 'z') {
        e.preventDefault();
        this.undo();
      }
    });
  }

  // Edits a picture ({name, width, height, indexes}); `save` writes the
  // indexes and answers whether they were written. Gives true when saved.
  open(picture, isNew, save) {
    const { colours, transparent } = this.colours();
    this.w = picture.width;
    this.h = picture.height;
    this.pixels = new Uint8Array(picture.indexes);
    // A new picture's transparent colour is the template's; a picture's
    // own is its top-left colour.
    this.key = isNew ? transparent : this.pixels[0];
    this.pixels[0] = this.key;
    this.history = [];
    this.caption.textContent = `${isNew ? texts.paintCreate : texts.paintEdit} ${picture.name.replace(/\.bmp$/i, '').toLowerCase()}`;
    this.buildSwatches(colours);
    this.setColour(colours.find((c) => c.index !== this.key)?.index ?? 0);
    this.setTool('pencil');
    this.scale = Math.max(1, Math.floor(VIEW / Math.max(this.w, this.h)));
    this.canvas.width = this.w * this.scale;
    this.canvas.height = this.h * this.scale;
    this.updateUndo();
    this.draw();
    const before = document.activeElement;
    this.dialog.returnValue = 'cancel';
    this.dialog.showModal();
    this.toolButtons[0].focus();
    return new Promise((resolve) => {
      const closed = () => {
        if (this.dialog.returnValue === 'ok' && !save(this.pixels)) {
          // Not written (the core has said why): the drawing stays open.
          this.dialog.returnValue = 'cancel';
          this.dialog.showModal();
          return;
        }
        this.dialog.removeEventListener('close', closed);
        if (before?.isConnected) before.focus();
        resolve(this.dialog.returnValue === 'ok');
      };
      this.dialog.addEventListener('close', closed);
    });
  }

  buildSwatches(colours) {
    const swatch = (index, label, className) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.className = className;
      b.dataset.index = String(index);
      b.setAttribute('aria-label', label);
      b.title = label;
      if (className === 'swatch') b.style.background = this.palette.hex[index];
      b.addEventListener('click', () => this.setColour(index));
      return b;
    };
    const shown = colours.map((c, i) =>
      // A colour that is this picture's transparent one paints transparent.
      c.index === this.key
        ? swatch(c.index, `${texts.paintColourNames[i]} (${texts.paintTransparent})`, 'swatch transparent')
        : swatch(c.index, texts.paintColourNames[i], 'swatch'),
    );
    const clear = swatch(this.key, texts.paintTransparent, 'swatch transparent');
    clear.id = 'paint-transparent';
    this.swatches.replaceChildren(...shown, clear);
  }

  setColour(index) {
    this.colour = index;
    for (const b of this.swatches.children) b.setAttribute('aria-pressed', String(Number(b.dataset.index) === index));
  }

  setTool(tool) {
    this.tool = tool;
    for (const b of this.toolButtons) b.setAttribute('aria-pressed', String(b.id === `paint-${tool}`));
  }

  // The eraser paints the transparent colour, whatever colour is chosen.
  ink() {
    return this.tool === 'eraser' ? this.key : this.colour;
  }

  pixelAt(e) {
    const r = this.canvas.getBoundingClientRect();
    const x = Math.floor(((e.clientX - r.left) / r.width) * this.w);
    const y = Math.floor(((e.clientY - r.top) / r.height) * this.h);
    return [Math.min(this.w - 1, Math.max(0, x)), Math.min(this.h - 1, Math.max(0, y))];
  }

  remember() {
    this.history.push(this.pixels.slice());
    if (this.history.length > UNDO_DEPTH) this.history.shift();
    this.updateUndo();
  }

  undo() {
    const last = this.history.pop();
    if (!last) return;
    this.pixels = last;
    this.updateUndo();
    this.draw();
  }

  updateUndo() {
    this.undoButton.disabled = this.history.length === 0;
  }

  // The top-left pixel is never painted: wherever the picture is drawn its
  // colour is the transparent one, which would change under the child.
  plot(points, index) {
    for (const [x, y] of points) this.pixels[y * this.w + x] = index;
    this.pixels[0] = this.key;
  }

  down(e) {
    if (this.stroke || !e.isPrimary || (e.pointerType === 'mouse' && e.button !== 0)) return;
    e.preventDefault();
    const [x, y] = this.pixelAt(e);
    this.remember();
    if (this.tool === 'fill') {
      floodFill(this.pixels, this.w, this.h, x, y, this.ink());
      this.pixels[0] = this.key;
      this.draw();
      return;
    }
    this.canvas.setPointerCapture(e.pointerId);
    this.stroke = { id: e.pointerId, from: [x, y], last: [x, y], base: this.pixels.slice() };
    this.plot([[x, y]], this.ink());
    this.draw();
  }

  move(e) {
    const s = this.stroke;
    if (!s || e.pointerId !== s.id) return;
    const [x, y] = this.pixelAt(e);
    if (this.tool === 'line') {
      // The line follows the pointer from where it was pressed.
      this.pixels = s.base.slice();
      this.plot(linePoints(...s.from, x, y), this.ink());
    } else {
      this.plot(linePoints(...s.last, x, y), this.ink());
    }
    s.last = [x, y];
    this.draw();
  }

  up(e) {
    if (!this.stroke || e.pointerId !== this.stroke.id) return;
    this.move(e);
    this.stroke = null;
  }

  chequer(ctx) {
    const cell = Math.max(4, this.scale * 2);
    const tile = document.createElement('canvas');
    tile.width = tile.height = cell * 2;
    const t = tile.getContext('2d');
    t.fillStyle = '#ffffff';
    t.fillRect(0, 0, cell * 2, cell * 2);
    t.fillStyle = '#d9dee5';
    t.fillRect(cell, 0, cell, cell);
    t.fillRect(0, cell, cell, cell);
    return ctx.createPattern(tile, 'repeat');
  }

  // Transparent pixels over a chequer, every pixel a square of the scale.
  draw() {
    const { rgb } = this.palette;
    const image = new ImageData(this.w, this.h);
    const data = image.data;
    for (let i = 0; i < this.pixels.length; i++) {
      const index = this.pixels[i];
      if (index === this.key) continue;
      const [r, g, b] = rgb[index];
      data[i * 4] = r;
      data[i * 4 + 1] = g;
      data[i * 4 + 2] = b;
      data[i * 4 + 3] = 255;
    }
    const flat = document.createElement('canvas');
    flat.width = this.w;
    flat.height = this.h;
    flat.getContext('2d').putImageData(image, 0, 0);
    const ctx = this.canvas.getContext('2d');
    ctx.fillStyle = this.chequer(ctx);
    ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
    ctx.imageSmoothingEnabled = false;
    ctx.drawImage(flat, 0, 0, this.canvas.width, this.canvas.height);
  }
}
