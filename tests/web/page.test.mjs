// The page's own drawing, sound and storage under Node, against stand-ins
// for the browser's canvas, audio and storage that record what they are
// asked to do.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

// The scripts of a built site when given (a mutation run changes those),
// else the page's sources.
const scripts = process.env.ZF_PAGE_JS
  ? pathToFileURL(`${process.env.ZF_PAGE_JS}/`)
  : new URL('../../web/js/', import.meta.url);
const load = (name) => import(new URL(name, scripts).href);
const { paintDisplayList, PictureCache, makeMeasurer } = await load('paint.js');
const { Speaker } = await load('sound.js');
const storage = await load('storage.js');
const paintbox = await load('paintbox.js');
const { FloorPointer } = await load('drag.js');
const files = await load('files.js');

// A 2D context that logs every call and every state it is given, and
// measures each character as 10 px wide.
function recordingContext() {
  const log = [];
  const state = {};
  return new Proxy(state, {
    get(target, name) {
      if (name === 'log') return log;
      if (name === 'measureText')
        return (text) => ({ width: 10 * text.length, fontBoundingBoxAscent: 8, fontBoundingBoxDescent: 2 });
      if (name in target) return target[name];
      return (...args) => log.push(`${String(name)}(${args.map((a) => JSON.stringify(a)).join(',')})`);
    },
    set(target, name, value) {
      target[name] = value;
      log.push(`${String(name)}=${JSON.stringify(value)}`);
      return true;
    },
  });
}

function canvas() {
  const ctx = recordingContext();
  return { width: 0, height: 0, ctx, getContext: () => ctx, putImageData: () => {} };
}

globalThis.ImageData = class {
  constructor(data, w, h) {
    Object.assign(this, { data, w, h });
  }
};
globalThis.document = { createElement: () => canvas() };

test('a display list is painted as the desktop paints it', () => {
  const c = canvas();
  const line = { op: 'line', x1: 1, y1: 2, x2: 7, y2: 2, colour: '#ff0000', style: 'solid' };
  paintDisplayList(
    c,
    {
      width: 120,
      height: 40,
      ops: [
        { op: 'rect', x: 0, y: 0, w: 20, h: 10, colour: '#0000ff', width: 2, style: 'dot', ground: '#ffffff', ends: 'round' },
        { ...line, width: 1 },
        { ...line, width: 2 },
        { op: 'polygon', points: [1, 1], fill: '#00ff00', colour: '#000000', width: 1 },
        { op: 'polygon', points: [9, 9, 9, 19], fill: null, colour: '#000000', width: 1 },
        { op: 'polygon', points: [0, 0, 4, 0, 4, 3], fill: '#00ff00', colour: '#000000', width: 0 },
        { op: 'image', src: 'art:x', x: 3, y: 4, w: 2, h: 2, blend: 'multiply' },
        { op: 'unknown' },
        {
          op: 'text', x: 0, y: 0, text: 'Hi', colour: '#111111', background: '#eeeeee', centreIn: [0, 0, 100, 20],
          font: { family: 'Comic Sans', px: 16, weight: 700, italic: true, underline: true },
        },
      ],
    },
    { picture: (...args) => (args[0] === 'art:x' ? 'PICTURE' : null) },
  );
  assert.deepEqual([c.width, c.height], [120, 40]);
  const log = c.ctx.log;
  const from = (call) => log.slice(log.indexOf(call));
  assert.equal(log.filter((l) => l === 'save()').length, 8, 'an op of no kind is not painted');
  assert.equal(log.filter((l) => l === 'restore()').length, 8);
  assert.ok(!log.includes('moveTo(1,1)'), 'nor a polygon of one point');
  // A polygon of two points is a line; one of no pen width is filled only.
  assert.deepEqual(from('moveTo(9,9)').slice(0, 4), ['moveTo(9,9)', 'lineTo(9,19)', 'closePath()', 'lineWidth=1']);
  assert.deepEqual(from('moveTo(0,0)').slice(0, 7), [
    'moveTo(0,0)', 'lineTo(4,0)', 'lineTo(4,3)', 'closePath()', 'fillStyle="#00ff00"', 'fill()', 'restore()',
  ]);
  assert.ok(log.includes('imageSmoothingEnabled=false'));
  // A dotted pen of width 2 paints its ground whole, then dots of 2 and gaps of 4, with round ends.
  assert.deepEqual(
    log.slice(log.indexOf('rect(1,1,18,8)')).slice(0, 9),
    ['rect(1,1,18,8)', 'lineWidth=2', 'lineCap="round"', 'lineJoin="round"', 'strokeStyle="#ffffff"', 'setLineDash([])',
      'stroke()', 'strokeStyle="#0000ff"', 'setLineDash([2,4])'],
  );
  // Odd widths on pixel centres, even widths on pixel edges; square ends unless asked.
  assert.deepEqual(from('moveTo(1.5,2.5)').slice(0, 4), ['moveTo(1.5,2.5)', 'lineTo(7.5,2.5)', 'lineWidth=1', 'lineCap="butt"']);
  assert.ok(log.includes('moveTo(1,2)') && log.includes('lineTo(7,2)'));
  assert.deepEqual(from('globalCompositeOperation="multiply"').slice(0, 2), ['globalCompositeOperation="multiply"', 'drawImage("PICTURE",3,4)']);
  // Centred by its measured width, on its ground, then underlined.
  const font = log.find((l) => l.startsWith('font='));
  assert.match(font, /^font="italic 700 16px .*Comic Sans.*sans-serif"$/);
  assert.deepEqual(from(font).slice(1), [
    'fillStyle="#eeeeee"', 'fillRect(40,5,20,10)', 'fillStyle="#111111"', 'fillText("Hi",40,13)', 'fillRect(40,14,20,1)', 'restore()',
  ]);
});

test('pictures are decoded once for each size and side, and the robot at its own size', () => {
  const asked = [];
  let bytes = (w, h) => new Uint8Array(w * h * 4);
  const session = {
    pictureRgba: (src, w, h, flipX, flipY) => (asked.push([src, w, h, flipX, flipY]), bytes(w, h)),
    spriteRgba: () => new Uint8Array(3 * 3 * 4),
  };
  const cache = new PictureCache(session);
  const a = cache.picture('file:a.bmp', 2, 2);
  assert.equal(cache.picture('file:a.bmp', 2, 2), a);
  assert.notEqual(cache.picture('file:a.bmp', 2, 2, true), a);
  cache.picture('file:a.bmp', 2, 2, false, 1);
  assert.deepEqual(asked.map((x) => x.slice(3)), [[false, false], [true, false], [false, true]]);
  assert.deepEqual([cache.sprite().width, cache.sprite().height], [3, 3]);
  // A full cache starts again, and so does a cleared one.
  for (let i = 0; i < 400; ++i) cache.picture('file:c.bmp', 1, i + 1);
  cache.picture('file:a.bmp', 2, 2);
  assert.equal(asked.length, 404);
  cache.picture('file:a.bmp', 2, 2);
  cache.clear();
  cache.picture('file:a.bmp', 2, 2);
  assert.equal(asked.length, 405);
  // Bytes that do not fill the picture are no picture, never a torn one.
  bytes = () => new Uint8Array(5);
  assert.equal(cache.picture('file:b.bmp', 2, 2), null);
  bytes = () => new Uint8Array(0);
  assert.equal(cache.picture('file:b.bmp', 0, 2), null);
  assert.equal(cache.picture('file:b.bmp', 2, 0), null);
});

test('text is measured in the font the core names', () => {
  const seen = [];
  globalThis.OffscreenCanvas = class {
    getContext() {
      return {
        set font(f) {
          seen.push(f);
        },
        measureText: (t) => ({ width: 7 * t.length }),
      };
    }
  };
  const measure = makeMeasurer();
  delete globalThis.OffscreenCanvas;
  const font = { family: 'Georgia', px: 10, weight: 700, italic: true };
  assert.deepEqual(measure(JSON.stringify(font), 'abc'), [21, 10, 8]);
  // The very font the text is then painted in, or the core's layout is off.
  const c = canvas();
  paintDisplayList(c, { width: 1, height: 1, ops: [{ op: 'text', x: 0, y: 0, text: 'abc', colour: '#000000', font }] }, {});
  assert.deepEqual(seen, [JSON.parse(c.ctx.log.find((l) => l.startsWith('font=')).slice(5))]);
});

test('notes follow one another, rests keep their time, and no audio is no failure', () => {
  const started = [];
  globalThis.window = {};
  new Speaker().play([[440, 100]]);
  window.AudioContext = class {
    currentTime = 1;
    destination = {};
    createGain = () => ({ gain: {}, connect: (to) => to });
    createOscillator = () => {
      const o = { frequency: {}, connect: (to) => to };
      o.start = (at) => (o.at = at);
      o.stop = (at) => started.push([o.type, o.frequency.value, o.at, at]);
      return o;
    };
  };
  const speaker = new Speaker();
  speaker.play([[440, 100], [0, 50], [523, 0], [523, 100]]);
  speaker.play([[262, 200]]);
  speaker.play([]);
  const rounded = started.map(([type, f, a, b]) => [type, f, +a.toFixed(3), +b.toFixed(3)]);
  assert.deepEqual(rounded, [['square', 440, 1, 1.1], ['square', 523, 1.15, 1.25], ['square', 262, 1.25, 1.45]]);
  delete globalThis.window;
});

test('the work kept in the browser comes back byte for byte, and is set aside rather than lost', () => {
  const items = new Map();
  globalThis.localStorage = {
    getItem: (k) => (items.has(k) ? items.get(k) : null),
    setItem: (k, v) => items.set(k, String(v)),
    removeItem: (k) => items.delete(k),
  };
  assert.equal(storage.kept(), null);
  const bytes = new Uint8Array(0x8000 * 2 + 3).map((_, i) => (i * 7) & 0xff);
  assert.ok(storage.keep(bytes));
  assert.deepEqual(storage.kept(), bytes);
  storage.setAside();
  assert.equal(storage.kept(), null);
  assert.equal(items.size, 1, 'the work moved aside, not copied or lost');
  const refusing = () => {
    throw new Error('full');
  };
  // A lesson's pictures are kept beside it, or said not to be.
  assert.ok(storage.keepLesson(bytes, '/work/lessons/a/'));
  assert.deepEqual(storage.keptLesson(), { folder: '/work/lessons/a/', bytes });
  globalThis.localStorage = { getItem: refusing, setItem: refusing, removeItem: refusing };
  assert.deepEqual([storage.keep(bytes), storage.keepLesson(bytes, '/')], [false, false]);
  assert.equal(storage.kept(), null);
  storage.setAside();
  delete globalThis.localStorage;
});

test('the robot lead answers a wait of no time at once, with what it holds', async () => {
  const { SerialLine } = await load('serial.js');
  const line = new SerialLine({});
  const soon = (promise) => Promise.race([promise, new Promise((r) => setTimeout(() => r('still waiting'), 1000))]);
  assert.equal(await soon(line.wait(0)), 0);
  line.received.push(7, 8);
  assert.equal(await soon(line.wait(-1)), 2);
});

test('pictures from disk take the nearest paint colour, and only clear pixels turn transparent', () => {
  const colours = [
    { index: 0, rgb: [0, 0, 0] },
    { index: 253, rgb: [255, 0, 255] },
    { index: 255, rgb: [255, 255, 255] },
  ];
  const rgba = [
    [20, 20, 20, 255],
    [230, 240, 250, 255],
    [250, 10, 250, 255],
    [250, 10, 250, 40],
    [20, 20, 20, 255],
  ].flat();
  assert.deepEqual([...paintbox.indexesOfImage(rgba, { colours, transparent: 253 })], [0, 255, 255, 253, 0]);

  // A fill takes the area of one colour and no more, corners not counted.
  const pixels = Uint8Array.from([1, 1, 2, 1, 2, 1, 2, 1, 1]);
  paintbox.floodFill(pixels, 3, 3, 0, 0, 7);
  assert.deepEqual([...pixels], [7, 7, 2, 7, 2, 1, 2, 1, 1]);
  assert.deepEqual(paintbox.linePoints(0, 0, 3, 1), [[0, 0], [1, 0], [2, 1], [3, 1]]);
});

test('a drag takes what the core has under the main press and lets it go where the pointer was last seen', () => {
  const calls = [];
  const on = {};
  const canvas = { style: {}, addEventListener: (name, f) => (on[name] = f), setPointerCapture: () => {} };
  // The robot covers x < 10; nothing else is on the working area.
  const under = (x) => (x < 10 ? 1 : 0);
  const s = {
    dragUnder: under,
    dragPress: (x, y) => (calls.push(['press', x, y]), under(x)),
    dragMove: (x, y) => calls.push(['move', x, y]),
    dragRelease: (x, y) => calls.push(['release', x, y]),
  };
  const page = { s, holding: false, act: (f) => f() };
  new FloorPointer(page, { canvas, pointAt: (e) => ({ x: e.clientX, y: 5 }) });
  const at = (clientX, more) => ({ clientX, isPrimary: true, button: 0, pointerId: 1, pointerType: 'mouse', preventDefault() {}, ...more });
  const cursors = [];
  const seen = () => cursors.push(canvas.style.cursor);
  // A mouse shows what it can take; a finger has no cursor to show.
  on.pointermove(at(3));
  seen();
  on.pointermove(at(20));
  seen();
  on.pointermove(at(3, { pointerType: 'touch' }));
  seen();
  on.pointerdown(at(3, { button: 2 }));
  on.pointerdown(at(3, { isPrimary: false }));
  on.pointerdown(at(20));
  on.pointerdown(at(3));
  const held = page.holding;
  seen();
  on.pointermove(at(40, { pointerId: 2 }));
  on.pointermove(at(30));
  on.pointerup(at(5));
  assert.deepEqual([held, page.holding], [true, false]);
  seen();
  // A finger the browser takes away lets go where it was last seen.
  on.pointerdown(at(3, { pointerType: 'touch' }));
  on.pointermove(at(30, { pointerType: 'touch' }));
  on.pointercancel(at(3, { pointerType: 'touch' }));
  seen();
  assert.deepEqual(cursors, ['grab', '', '', 'grabbing', 'grab', '']);
  assert.deepEqual(calls, [
    ['press', 20, 5], ['press', 3, 5], ['move', 30, 5], ['release', 5, 5], ['press', 3, 5], ['move', 30, 5], ['release', 30, 5],
  ]);
});

test('a picker the child cancels gives nothing, one the page may not use falls back to the file input, and a failed write is never saved', async () => {
  const refusal = (name) => async () => {
    throw Object.assign(new Error(name), { name });
  };
  const file = { name: 'a.gop', arrayBuffer: async () => Uint8Array.of(1, 2).buffer };
  let clicks = 0;
  const input = {
    files: [file],
    on: {},
    addEventListener(name, f) {
      this.on[name] = f;
    },
    removeEventListener() {},
    click() {
      ++clicks;
      this.on.change();
    },
  };
  globalThis.window = { showOpenFilePicker: refusal('AbortError') };
  assert.equal(await files.pickGop(input, 'Go Program'), null);
  window.showOpenFilePicker = refusal('SecurityError');
  assert.deepEqual(await files.pickGop(input, 'Go Program'), { name: 'a.gop', bytes: Uint8Array.of(1, 2) });
  assert.equal(clicks, 1);

  window.showSaveFilePicker = refusal('AbortError');
  assert.equal(await files.saveGop(Uint8Array.of(1), 'a.gop', 'Go Program'), null);
  const writable = { write: refusal('QuotaExceededError'), close: async () => {} };
  window.showSaveFilePicker = async () => ({ name: 'a.gop', createWritable: async () => writable });
  await assert.rejects(files.saveGop(Uint8Array.of(1), 'a.gop', 'Go Program'), { name: 'QuotaExceededError' });
  delete globalThis.window;
});
