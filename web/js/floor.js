// The working area: the core lays it out for the box's real pixels and the
// page paints what it says.
import { paintDisplayList } from './paint.js';

export class FloorView {
  constructor(box, canvas, session, pictures) {
    this.box = box;
    this.canvas = canvas;
    this.session = session;
    this.pictures = pictures;
    this.lastPaintMs = 0;
    this.slowestPaintMs = 0;
    // Where the core put the working area in its list, in canvas pixels.
    this.area = { x: 0, y: 0, w: 0, h: 0 };
    this.display = null;
  }

  paint() {
    const dpr = window.devicePixelRatio || 1;
    const w = Math.max(1, Math.floor(this.box.clientWidth * dpr));
    const h = Math.max(1, Math.floor(this.box.clientHeight * dpr));
    const started = performance.now();
    const display = JSON.parse(this.session.floor(w, h, true));
    paintDisplayList(this.canvas, display, this.pictures);
    this.canvas.style.width = `${display.width / dpr}px`;
    this.canvas.style.height = `${display.height / dpr}px`;
    if (display.area) this.area = display.area;
    this.display = display;
    this.lastPaintMs = performance.now() - started;
    this.slowestPaintMs = Math.max(this.slowestPaintMs, this.lastPaintMs);
  }

  // A pointer's place in the working area's pixels: the canvas shows the
  // list one to one, whatever its size on the page.
  pointAt(e) {
    const r = this.canvas.getBoundingClientRect();
    if (!(r.width > 0 && r.height > 0)) return null;
    return {
      x: Math.floor(((e.clientX - r.left) * this.canvas.width) / r.width) - this.area.x,
      y: Math.floor(((e.clientY - r.top) * this.canvas.height) / r.height) - this.area.y,
    };
  }
}
