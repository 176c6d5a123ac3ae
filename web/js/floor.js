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
    this.lastPaintMs = performance.now() - started;
    this.slowestPaintMs = Math.max(this.slowestPaintMs, this.lastPaintMs);
  }
}
