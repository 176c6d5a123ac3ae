// The working area under a mouse, a pen or a finger: the core decides what
// a press takes up and where it goes; the page only passes the points on.
const NOTHING = 0;

export class FloorPointer {
  constructor(page, floor) {
    this.page = page;
    this.s = page.s;
    this.floor = floor;
    this.canvas = floor.canvas;
    // The pointer that drags, and where it was last seen.
    this.held = null;
    // A tool that takes the next press instead of a drag.
    this.tap = null;
    const c = this.canvas;
    c.addEventListener('pointerdown', (e) => this.down(e));
    c.addEventListener('pointermove', (e) => this.move(e));
    c.addEventListener('pointerup', (e) => this.up(e, this.floor.pointAt(e)));
    // A pointer the browser takes away lets go where it was last seen.
    c.addEventListener('pointercancel', (e) => this.up(e, null));
    c.addEventListener('lostpointercapture', (e) => this.up(e, null));
    c.addEventListener('pointerleave', () => this.held || this.showCursor(false));
  }

  // The next press goes to `action` with its point; null takes it back.
  takeNextPress(action) {
    this.tap = action;
    this.showCursor(false);
  }

  down(e) {
    if (this.held || !e.isPrimary || e.button !== 0) return;
    const at = this.floor.pointAt(e);
    if (!at) return;
    if (this.tap) {
      e.preventDefault();
      const tap = this.tap;
      this.tap = null;
      tap(at);
      return;
    }
    if (this.page.act(() => this.s.dragPress(at.x, at.y)) === NOTHING) return;
    e.preventDefault();
    this.held = { id: e.pointerId, last: at };
    this.page.holding = true;
    this.canvas.setPointerCapture(e.pointerId);
    this.canvas.style.cursor = 'grabbing';
  }

  move(e) {
    if (!this.held) {
      if (e.pointerType !== 'touch') this.showCursor(this.takes(e));
      return;
    }
    if (e.pointerId !== this.held.id) return;
    const at = this.floor.pointAt(e);
    if (!at) return;
    this.held.last = at;
    this.page.act(() => this.s.dragMove(at.x, at.y));
  }

  up(e, at) {
    if (!this.held || e.pointerId !== this.held.id) return;
    const to = at || this.held.last;
    this.held = null;
    this.page.holding = false;
    this.page.act(() => this.s.dragRelease(to.x, to.y));
    this.showCursor(e.pointerType !== 'touch' && this.takes(e));
  }

  takes(e) {
    const at = this.floor.pointAt(e);
    return !!at && this.s.dragUnder(at.x, at.y) !== NOTHING;
  }

  showCursor(grab) {
    this.canvas.style.cursor = this.tap ? 'crosshair' : grab ? 'grab' : '';
  }
}
