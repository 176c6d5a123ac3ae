// A list window (the Go List or the procedures): a canvas painted from the
// core's display list, scrolled line by line, with a text copy for screen
// readers.
import { paintDisplayList } from './paint.js';
import { texts } from './texts.js';

const GAP = 5; // between lines, as the desktop's list spaces them

export class ListView {
  constructor(root, session, list, pictures) {
    this.session = session;
    this.list = list;
    this.pictures = pictures;
    this.iconSize = 30;
    this.scroller = root.querySelector('.list-scroll');
    this.spacer = root.querySelector('.list-spacer');
    this.canvas = root.querySelector('canvas');
    this.mirror = root.querySelector('.list-mirror');
    this.scroller.addEventListener('scroll', () => this.paint());
    // A tap, not the start of a touch scroll, moves the cursor.
    this.canvas.addEventListener('click', (e) => this.click(e));
    this.onClick = () => {};
  }

  dpr() {
    return window.devicePixelRatio || 1;
  }

  deviceLineHeight() {
    return Math.round(this.iconSize * this.dpr()) + GAP;
  }

  // In CSS pixels.
  cssLineHeight() {
    return this.deviceLineHeight() / this.dpr();
  }

  firstLine() {
    return Math.floor(this.scroller.scrollTop / this.cssLineHeight() + 0.01);
  }

  setIconSize(size) {
    if (size === this.iconSize) return;
    this.iconSize = size;
    this.update();
  }

  // The list changed: a new length, the cursor kept in view, the words anew.
  update() {
    const lines = this.session.listLineCount(this.list);
    this.spacer.style.height = `${(lines + 1) * this.cssLineHeight()}px`;
    const cursor = this.session.cursorLine(this.list);
    const visible = Math.max(1, Math.floor(this.scroller.clientHeight / this.cssLineHeight()));
    const first = this.firstLine();
    if (cursor >= 0 && (cursor < first || cursor >= first + visible)) {
      this.scroller.scrollTop = Math.max(0, cursor - visible + 1) * this.cssLineHeight();
    }
    this.paint();
    this.speak(lines, cursor);
  }

  paint() {
    const dpr = this.dpr();
    const height = Math.max(1, Math.round(this.scroller.clientHeight * dpr));
    const icon = Math.round(this.iconSize * dpr);
    const display = JSON.parse(this.session.listing(this.list, icon, this.firstLine(), height));
    display.width = Math.max(display.width, Math.round(this.scroller.clientWidth * dpr));
    display.height = Math.max(display.height, height);
    paintDisplayList(this.canvas, display, this.pictures);
    this.canvas.style.width = `${display.width / dpr}px`;
    this.canvas.style.height = `${display.height / dpr}px`;
  }

  // The words of every line: the texts each line shows.
  speak(lines, cursor) {
    const dpr = this.dpr();
    const h = this.deviceLineHeight();
    const full = JSON.parse(this.session.listing(this.list, Math.round(this.iconSize * dpr), 0, Math.max(1, lines) * h));
    const words = Array.from({ length: lines }, () => []);
    for (const op of full.ops) {
      const line = Math.floor((op.y + 1) / h);
      if (op.op === 'text' && words[line]) words[line].push(op.text.trim());
    }
    const items = words.map((w, i) => {
      const text = w.filter(Boolean).join(' ');
      const li = document.createElement('li');
      li.textContent = text || texts.emptyList;
      if (i === cursor) li.setAttribute('aria-current', 'true');
      return li;
    });
    this.mirror.replaceChildren(...items);
  }

  click(e) {
    if (e.button !== 0) return;
    const rect = this.canvas.getBoundingClientRect();
    const y = (e.clientY - rect.top) * this.dpr();
    const line = this.firstLine() + Math.floor(y / this.deviceLineHeight());
    this.onClick(this.list, line);
  }
}
