// Paints the core's display lists on a canvas. Coordinates are device
// pixels: the core lays out for the canvas's real size, so pictures are
// drawn one to one and never smoothed.

import { cssFamily } from './fonts.js';

// Dash patterns in pen widths, as the desktop's painter draws them.
const dashes = { solid: [], dash: [4, 2], dot: [1, 2] };
const caps = { round: 'round' };
const joins = { round: 'round', miter: 'miter' };

// The same font string paints and measures, so the core's layout holds.
function fontOf(f) {
  const style = f.italic ? 'italic ' : '';
  return `${style}${f.weight || 400} ${f.px}px ${cssFamily(f.family)}`;
}

// The core measures text through this: [width, height, ascent].
export function makeMeasurer() {
  const canvas = typeof OffscreenCanvas === 'function' ? new OffscreenCanvas(1, 1) : document.createElement('canvas');
  const ctx = canvas.getContext('2d');
  return (fontJson, text) => {
    const f = JSON.parse(fontJson);
    ctx.font = fontOf(f);
    const m = ctx.measureText(text);
    const ascent = m.fontBoundingBoxAscent ?? f.px * 0.8;
    const descent = m.fontBoundingBoxDescent ?? f.px * 0.2;
    return [m.width, ascent + descent, ascent];
  };
}

function rgbaCanvas(bytes, w, h) {
  if (!bytes || bytes.length !== w * h * 4 || w <= 0 || h <= 0) return null;
  const c = document.createElement('canvas');
  c.width = w;
  c.height = h;
  c.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(bytes), w, h), 0, 0);
  return c;
}

// Pictures decoded by the core, kept by what they were asked with.
export class PictureCache {
  constructor(session) {
    this.session = session;
    this.pictures = new Map();
  }

  picture(src, w, h, flipX, flipY) {
    const key = `${src}|${w}|${h}|${flipX ? 1 : 0}|${flipY ? 1 : 0}`;
    if (!this.pictures.has(key)) {
      if (this.pictures.size > 400) this.pictures.clear();
      this.pictures.set(key, rgbaCanvas(this.session.pictureRgba(src, w, h, !!flipX, !!flipY), w, h));
    }
    return this.pictures.get(key);
  }

  // The robot's picture at its own size, whatever the square it is shown in.
  sprite() {
    const bytes = this.session.spriteRgba();
    const side = Math.round(Math.sqrt(bytes.length / 4));
    return rgbaCanvas(bytes, side, side);
  }

  clear() {
    this.pictures.clear();
  }
}

// A dotted or dashed pen on a ground first paints the gaps in the ground.
function stroke(ctx, op, ground) {
  if (!op.colour || !(op.width > 0)) return;
  const unit = Math.max(1, op.width);
  ctx.lineWidth = op.width;
  ctx.lineCap = caps[op.ends] || 'butt';
  ctx.lineJoin = joins[op.ends] || 'bevel';
  if (ground) {
    ctx.strokeStyle = ground;
    ctx.setLineDash([]);
    ctx.stroke();
  }
  ctx.strokeStyle = op.colour;
  ctx.setLineDash((dashes[op.style] || []).map((d) => d * unit));
  ctx.stroke();
}

function paintText(ctx, op) {
  const f = op.font;
  ctx.font = fontOf(f);
  const m = ctx.measureText(op.text);
  const ascent = m.fontBoundingBoxAscent ?? f.px * 0.8;
  const height = ascent + (m.fontBoundingBoxDescent ?? f.px * 0.2);
  let x = op.x;
  let top = op.y;
  let baseline = op.baseline ?? op.y + ascent;
  // A key's label is centred in its box by this canvas's own measure.
  if (op.centreIn) {
    const [bx, by, bw, bh] = op.centreIn;
    x = bx + (bw - m.width) / 2;
    top = by + (bh - height) / 2;
    baseline = top + ascent;
  }
  if (op.background) {
    ctx.fillStyle = op.background;
    ctx.fillRect(x, top, m.width, height);
  }
  ctx.fillStyle = op.colour;
  ctx.fillText(op.text, x, baseline);
  const lines = [];
  if (f.underline) lines.push(baseline + Math.max(1, f.px / 12));
  if (f.strike) lines.push(baseline - f.px * 0.3);
  for (const y of lines) ctx.fillRect(x, Math.round(y), m.width, Math.max(1, Math.round(f.px / 16)));
}

const painters = {
  fill(ctx, op) {
    ctx.fillStyle = op.colour;
    ctx.fillRect(op.x, op.y, op.w, op.h);
  },
  rect(ctx, op) {
    ctx.beginPath();
    const inset = op.width / 2;
    ctx.rect(op.x + inset, op.y + inset, op.w - op.width, op.h - op.width);
    stroke(ctx, op, op.ground);
  },
  line(ctx, op) {
    ctx.beginPath();
    // Half-pixel centres keep odd-width lines sharp.
    const half = op.width % 2 === 1 ? 0.5 : 0;
    ctx.moveTo(op.x1 + half, op.y1 + half);
    ctx.lineTo(op.x2 + half, op.y2 + half);
    stroke(ctx, op);
  },
  polygon(ctx, op) {
    const p = op.points;
    if (p.length < 4) return;
    ctx.beginPath();
    ctx.moveTo(p[0], p[1]);
    for (let i = 2; i < p.length; i += 2) ctx.lineTo(p[i], p[i + 1]);
    ctx.closePath();
    if (op.fill) {
      ctx.fillStyle = op.fill;
      ctx.fill();
    }
    stroke(ctx, op);
  },
  ellipse(ctx, op) {
    ctx.beginPath();
    ctx.ellipse(op.x + op.w / 2, op.y + op.h / 2, Math.abs(op.w / 2), Math.abs(op.h / 2), 0, 0, 2 * Math.PI);
    if (op.fill) {
      ctx.fillStyle = op.fill;
      ctx.fill();
    }
    stroke(ctx, op);
  },
  text: paintText,
  image(ctx, op, pictures) {
    const picture = pictures.picture(op.src, op.w, op.h, op.flipX, op.flipY);
    if (op.blend === 'multiply') ctx.globalCompositeOperation = 'multiply';
    if (picture) ctx.drawImage(picture, op.x, op.y);
  },
  robot(ctx, op, pictures) {
    const sprite = pictures.sprite();
    if (sprite) ctx.drawImage(sprite, op.x, op.y, op.side, op.side);
  },
};

// Paints one display list; the canvas is sized to the list.
export function paintDisplayList(canvas, list, pictures) {
  if (canvas.width !== list.width) canvas.width = list.width;
  if (canvas.height !== list.height) canvas.height = list.height;
  const ctx = canvas.getContext('2d');
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  ctx.imageSmoothingEnabled = false;
  ctx.clearRect(0, 0, canvas.width, canvas.height);
  ctx.textBaseline = 'alphabetic';
  for (const op of list.ops) {
    const paint = painters[op.op];
    if (!paint) continue;
    ctx.save();
    paint(ctx, op, pictures);
    ctx.restore();
  }
}
