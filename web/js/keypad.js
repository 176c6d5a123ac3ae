// The robot's keypad as real buttons on a drawing of the robot's top.
// Positions are in the keypad's grid of 146 x 76 units.
import { keyNames } from './texts.js';

const W = 146;
const H = 76;
const SVG = 'http://www.w3.org/2000/svg';
const DIGIT0 = 240;

const small = 12.4;
const keys = [
  { code: 16, x: 17, y: 36, w: 24, h: small, label: 'CM', colour: 'red' },
  { code: 17, x: 129, y: 36, w: 24, h: small, label: 'GO', colour: 'green' },
  ...[1, 2, 3, 4, 5, 6, 7, 8, 9].map((d, i) => ({ code: DIGIT0 + d, x: 10 + 14 * i, y: 52, label: String(d), colour: 'yellow' })),
  { code: DIGIT0, x: 136, y: 52, label: '0', colour: 'yellow' },
  { code: 5, x: 10, y: 66, label: 'P', colour: 'cyan' },
  { code: 4, x: 24, y: 66, label: 'R', colour: 'cyan' },
  { code: 11, x: 38, y: 66, label: '[ ]', colour: 'cyan' },
  { code: 7, x: 52, y: 66, label: 'W', colour: 'cyan' },
  { code: 18, x: 73, y: 66, label: 'CE', colour: 'red' },
  { code: 6, x: 94, y: 66, label: '', colour: 'magenta', note: true },
  { code: 9, x: 108, y: 66, label: 'S', colour: 'magenta' },
  { code: 10, x: 122, y: 66, label: 'T', colour: 'magenta' },
  { code: 8, x: 136, y: 66, label: 'M', colour: 'magenta' },
];

// The arrows round the robot's eye: outline points in units, and the box
// their button takes.
const up = [[0, 0], [8.25, 5.5], [3.5, 5.5], [3.5, 11], [-3.5, 11], [-3.5, 5.5], [-8.25, 5.5]];
const arrows = [
  { code: 0, x: 72.9, y: 8.5, points: up },
  { code: 1, x: 72.9, y: 40, points: up.map(([x, y]) => [x, 11 - y]) },
  { code: 3, x: 89, y: 25, points: up.map(([x, y]) => [5.5 - y, x]) },
  { code: 2, x: 57, y: 25, points: up.map(([x, y]) => [y - 5.5, x]) },
];
for (const a of arrows) {
  const xs = a.points.map((p) => p[0]);
  const ys = a.points.map((p) => p[1]);
  const [x0, x1, y0, y1] = [Math.min(...xs), Math.max(...xs), Math.min(...ys), Math.max(...ys)];
  a.w = x1 - x0 + 3;
  a.h = y1 - y0 + 3;
  a.points = a.points.map(([x, y]) => [x - x0 + 1.5, y - y0 + 1.5]);
}

function svg(name, attrs, parent) {
  const e = document.createElementNS(SVG, name);
  for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, v);
  if (parent) parent.append(e);
  return e;
}

function place(el, x, y, w, h) {
  el.style.left = `${((x - w / 2) / W) * 100}%`;
  el.style.top = `${((y - h / 2) / H) * 100}%`;
  el.style.width = `${(w / W) * 100}%`;
  el.style.height = `${(h / H) * 100}%`;
}

function body(parent) {
  const s = svg('svg', { viewBox: `0 0 ${W} ${H}`, class: 'keypad-body', 'aria-hidden': 'true' }, parent);
  svg('path', { class: 'shell', d: 'M0 35.7 a10.7 10.7 0 0 1 10.7 -10.7 H48 A25 25 0 0 1 98 25 H135.3 a10.7 10.7 0 0 1 10.7 10.7 V65.3 a10.7 10.7 0 0 1 -10.7 10.7 H10.7 a10.7 10.7 0 0 1 -10.7 -10.7 Z' }, s);
  svg('circle', { class: 'eye', cx: 73, cy: 25, r: 9 }, s);
  svg('circle', { class: 'pupil', cx: 73, cy: 25, r: 3.2 }, s);
}

function noteIcon(button) {
  const s = svg('svg', { viewBox: '0 0 10 10', class: 'note', 'aria-hidden': 'true' }, button);
  svg('ellipse', { cx: 3.6, cy: 7.6, rx: 2, ry: 1.5, transform: 'rotate(-20 3.6 7.6)' }, s);
  svg('path', { d: 'M5.2 7.4 V1.2 q2.6 1 3 3.2 q-1.2 -1.2 -2.2 -1.3 V7.4 Z' }, s);
}

function arrowIcon(button, a) {
  const s = svg('svg', { viewBox: `0 0 ${a.w} ${a.h}`, 'aria-hidden': 'true' }, button);
  svg('polygon', { points: a.points.map((p) => p.join(',')).join(' ') }, s);
}

// The key nearest to `from` in an arrow's direction, or `from` at the edge.
function neighbour(all, from, dx, dy) {
  let best = from;
  let bestCost = Infinity;
  for (const other of all) {
    const along = (other.x - from.x) * dx + (other.y - from.y) * dy;
    const across = Math.abs((other.x - from.x) * dy) + Math.abs((other.y - from.y) * dx);
    if (along < 1) continue;
    const cost = along + 2 * across;
    if (cost < bestCost) {
      best = other;
      bestCost = cost;
    }
  }
  return best;
}

const directions = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };

// Builds the keypad in `root`; `press(code)` is called for each key pressed.
export function buildKeypad(root, press) {
  body(root);
  const all = [];
  for (const a of arrows) all.push({ ...a, colour: 'cyan', arrow: true });
  all.push(...keys.map((k) => ({ w: small, h: small, ...k })));
  for (const k of all) {
    const b = document.createElement('button');
    b.type = 'button';
    b.className = `key ${k.colour}${k.arrow ? ' arrow' : ''}`;
    b.dataset.code = k.code;
    b.setAttribute('aria-label', keyNames[k.code] ?? k.label);
    if (k.arrow) arrowIcon(b, k);
    else if (k.note) noteIcon(b);
    else b.append(Object.assign(document.createElement('span'), { textContent: k.label }));
    place(b, k.x, k.y, k.w, k.h);
    // A press keys at once, as the robot's keys do; a click from the
    // keyboard (Enter, Space) has no pointer before it and shows detail 0.
    b.addEventListener('pointerdown', (e) => {
      if (e.button !== 0) return;
      // Focused before the key acts, so that a box the key opens keeps the
      // focus and gives it back to this key.
      e.preventDefault();
      b.focus({ focusVisible: false });
      press(k.code);
    });
    b.addEventListener('click', (e) => {
      if (e.detail === 0) press(k.code);
    });
    b.addEventListener('keydown', (e) => {
      const d = directions[e.key];
      if (!d || e.ctrlKey || e.altKey || e.metaKey) return;
      e.preventDefault();
      e.stopPropagation();
      const next = neighbour(all, k, d[0], d[1]);
      root.querySelector(`[data-code="${next.code}"]`).focus();
    });
    k.button = b;
    root.append(b);
  }
  const prompt = document.createElement('div');
  prompt.className = 'cm-prompt';
  prompt.setAttribute('role', 'status');
  prompt.hidden = true;
  root.append(prompt);
  return {
    showPrompt(text) {
      prompt.textContent = text || '';
      prompt.hidden = !text;
    },
    flash(code) {
      const b = root.querySelector(`[data-code="${code}"]`);
      if (!b) return;
      b.classList.remove('flash');
      void b.offsetWidth;
      b.classList.add('flash');
    },
  };
}
