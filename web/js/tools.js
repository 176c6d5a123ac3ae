// The graphics tool bar: each tool asks what it needs in a small box, then
// the core keys the command into the Go List or changes the working area.
// A box the core refused opens again with what was typed, after its warning.
import { ask, choice, form, choosePicture } from './dialogs.js';
import { DEFAULT_FACE, FACES, cssFamily } from './fonts.js';
import { texts } from './texts.js';

const SHAPES = 1;
const STAMPS = 2;
const PENS = 3;
const KEY = { penUp: 37, flipZarnik: 38, flipStamp: 40 };
const ANSWER = { yes: 0, cancel: 2 };
const THUMB = 56;
const PREVIEW_ROBOT = 40;
const PREVIEW_GREY = '#c0c0c0';
// Weights as the desktop's font chooser stores them.
const REGULAR = 400;
const BOLD = 700;
// A new text's size and place, as the desktop's boxes start: 18 points
// (a height of 24 pixels at 96 per inch), below the robot.
const DEFAULT_POINTS = 18;
const PLACE_BELOW = 4;

function field(label, value, attrs = {}) {
  const wrap = document.createElement('label');
  const name = document.createElement('span');
  name.textContent = label;
  const input = document.createElement(attrs.multiline ? 'textarea' : 'input');
  if (!attrs.multiline) input.type = attrs.type || 'text';
  if (attrs.maxLength) input.maxLength = attrs.maxLength;
  if (attrs.numeric) input.inputMode = 'decimal';
  input.value = value;
  wrap.append(name, input);
  if (attrs.unit) {
    const unit = document.createElement('span');
    unit.className = 'unit';
    unit.textContent = attrs.unit;
    wrap.append(unit);
  }
  return { wrap, input };
}

// Switches in a row, as the desktop's font chooser has them: each gives
// whether it is on.
function switches(label, names) {
  const wrap = document.createElement('div');
  wrap.className = 'switches';
  wrap.setAttribute('role', 'group');
  const name = document.createElement('span');
  name.textContent = label;
  wrap.setAttribute('aria-label', label);
  const row = document.createElement('div');
  const boxes = names.map((text) => {
    const box = document.createElement('input');
    box.type = 'checkbox';
    const item = document.createElement('label');
    item.append(box, text);
    row.append(item);
    return box;
  });
  wrap.append(name, row);
  return { wrap, inputs: boxes, value: () => boxes.map((b) => b.checked) };
}

// The text as it will be next to the robot, the two shown at the size the
// desktop's box shows them (the robot 40 pixels, the text's height in
// pixels at that size).
function textPreview(sprite) {
  const wrap = document.createElement('div');
  wrap.className = 'text-preview';
  const caption = document.createElement('span');
  caption.textContent = texts.textPreview;
  const box = document.createElement('div');
  box.className = 'preview-box';
  const words = document.createElement('div');
  words.className = 'preview-words';
  box.append(words);
  const robot = document.createElement('figure');
  const robotCaption = document.createElement('figcaption');
  robotCaption.textContent = texts.robotPreview;
  const picture = document.createElement('canvas');
  picture.width = picture.height = PREVIEW_ROBOT;
  if (sprite) picture.getContext('2d').drawImage(sprite, 0, 0, PREVIEW_ROBOT, PREVIEW_ROBOT);
  picture.setAttribute('aria-hidden', 'true');
  robot.append(robotCaption, picture);
  wrap.append(caption, box, robot);
  const show = (t) => {
    const style = words.style;
    words.textContent = t.words;
    style.fontFamily = cssFamily(t.face);
    style.fontSize = `${Math.round((t.points * 96) / 72)}px`;
    style.fontWeight = t.bold ? '700' : '400';
    style.fontStyle = t.italic ? 'italic' : 'normal';
    style.textDecorationLine = [t.underline && 'underline', t.strike && 'line-through'].filter(Boolean).join(' ') || 'none';
    style.color = t.colour;
    // Grey words on the grey box would not be seen.
    box.classList.toggle('dark', t.colour.toLowerCase() === PREVIEW_GREY);
  };
  return { wrap, show };
}

export class ToolBar {
  constructor(bar, page) {
    this.page = page;
    this.s = page.s;
    this.bar = bar;
    this.clearing = false;
    document.addEventListener('keydown', (e) => {
      if (e.key !== 'Escape' || !this.clearing || document.querySelector('dialog[open]')) return;
      e.preventDefault();
      this.armClear(false);
    });
    // In groups as the desktop's tool pages have them: the robot, its pen,
    // stamps and texts, the working area.
    const groups = [
      ['zarnikTools', [
        ['position', () => this.position()],
        ['heading', () => this.heading()],
        ['shape', () => this.picture(SHAPES, texts.shapeCaption)],
        ['flipZarnik', () => this.key(KEY.flipZarnik)],
      ]],
      ['penTools', [
        ['pen', () => this.picture(PENS, texts.penCaption)],
        ['penUp', () => this.key(KEY.penUp)],
      ]],
      ['stampTools', [
        ['stamp', () => this.picture(STAMPS, texts.stampCaption)],
        ['flipStamp', () => this.key(KEY.flipStamp)],
        ['text', () => this.text()],
        ['clearObject', () => this.armClear(!this.clearing)],
      ]],
      ['areaTools', [
        ['areaSize', () => this.areaSize()],
        ['background', () => this.background()],
      ]],
    ];
    bar.replaceChildren(
      ...groups.map(([name, tools]) => {
        const group = document.createElement('div');
        group.setAttribute('role', 'group');
        group.setAttribute('aria-label', texts[name]);
        group.append(
          ...tools.map(([id, action]) => {
            const b = document.createElement('button');
            b.type = 'button';
            b.id = `tool-${id}`;
            b.textContent = texts.tools[id];
            b.title = texts.toolTips[id];
            if (id === 'clearObject') b.setAttribute('aria-pressed', 'false');
            b.addEventListener('click', () => {
              // Any other tool puts Clear One Object down, as on the desktop's bar.
              if (id !== 'clearObject') this.armClear(false);
              action();
            });
            return b;
          }),
        );
        return group;
      }),
    );
  }

  // Clear One Object: the next press on the working area clears the stamp
  // or text there through the core; the button again, or Esc, puts it down.
  armClear(on) {
    this.clearing = on;
    this.bar.querySelector('#tool-clearObject').setAttribute('aria-pressed', String(on));
    this.page.pointer.takeNextPress(
      on
        ? (at) => {
            this.armClear(false);
            this.page.act(() => this.s.clearObjectAt(at.x, at.y));
          }
        : null,
    );
  }

  // Shows the box until the core takes what it holds or the child cancels.
  async repeat(caption, fields, apply) {
    for (;;) {
      if (!(await form(caption, fields.map((f) => f.wrap)))) return;
      const before = this.page.warned;
      await apply(fields.map((f) => (f.value ? f.value() : f.input?.value)));
      // A run refuses every change: the box is not offered again then.
      if (this.page.warned === before || this.page.running) return;
    }
  }

  key(code) {
    this.page.keyed(() => this.s.keyTool(code));
  }

  position() {
    const boxes = JSON.parse(this.s.positionBoxes());
    const fields = ['up', 'right', 'down', 'left'].map((side) =>
      field(texts[side], boxes[side], { numeric: true, maxLength: 5, unit: texts.steps }),
    );
    // Typing in a box empties the one opposite, which would otherwise win.
    fields.forEach((f, i) => f.input.addEventListener('input', () => (fields[(i + 2) % 4].input.value = '')));
    return this.repeat(texts.positionCaption, fields, ([up, right, down, left]) =>
      this.page.keyed(() => this.s.keyPosition(up, right, down, left)),
    );
  }

  heading() {
    const { heading } = JSON.parse(this.s.robot());
    const clockwise = String(Math.round(heading));
    const fields = [
      field(texts.clockwise, clockwise, { numeric: true, maxLength: 3, unit: texts.degrees }),
      field(texts.anticlockwise, String(this.s.oppositeHeading(clockwise)), {
        numeric: true,
        maxLength: 3,
        unit: texts.degrees,
      }),
    ];
    const [a, b] = fields.map((f) => f.input);
    a.addEventListener('input', () => (b.value = String(this.s.oppositeHeading(a.value))));
    b.addEventListener('input', () => (a.value = String(this.s.oppositeHeading(b.value))));
    return this.repeat(texts.headingCaption, fields, ([degrees]) =>
      this.page.keyed(() => this.s.keyHeading(degrees)),
    );
  }

  async picture(category, caption) {
    const pictures = JSON.parse(this.s.pictures(category)).map((p) => ({
      ...p,
      canvas: this.page.pictures.picture(p.src, THUMB, THUMB),
    }));
    const name = await choosePicture(caption, pictures, texts.noPictures);
    if (name) this.page.keyed(() => this.s.keyPicture(category, name));
  }

  // Every new text starts as the desktop's does, "Your Text" in black
  // Arial: the last text's choices are not carried over.
  text() {
    const fields = [
      field(texts.textWords, texts.yourText, { multiline: true }),
      choice(texts.textFont, Object.keys(FACES).map((f) => [f, f]), DEFAULT_FACE),
      choice(texts.textSize, texts.textSizes.map((p) => [String(p), p]), DEFAULT_POINTS),
      switches(texts.textStyle, [texts.bold, texts.italic, texts.underline, texts.strike]),
      field(texts.textColour, '#000000', { type: 'color' }),
      choice(texts.textPlace, texts.placements, PLACE_BELOW),
    ];
    const preview = textPreview(this.page.pictures.sprite());
    const read = () => {
      const [words, face, points, [bold, italic, underline, strike], colour, placement] = fields.map((f) =>
        f.value ? f.value() : f.input.value,
      );
      return { words, face, points: Number(points), bold, italic, underline, strike, colour, placement: Number(placement) };
    };
    for (const f of fields) for (const input of f.inputs || [f.input]) input.addEventListener('input', () => preview.show(read()));
    preview.show(read());
    const shown = [...fields.slice(0, 5), { wrap: preview.wrap }, fields[5]];
    return this.repeat(texts.textCaption, shown, () => {
      const t = read();
      const colour = parseInt(t.colour.slice(1), 16) || 0;
      const weight = t.bold ? BOLD : REGULAR;
      this.page.keyed(() =>
        this.s.keyText(t.words, colour, t.points, t.face, weight, t.italic, t.underline, t.strike, t.placement),
      );
    });
  }

  areaSize() {
    const { steps } = JSON.parse(this.s.floorSize());
    const fields = [
      field(texts.width, String(steps[0]), { numeric: true, maxLength: 2, unit: texts.steps }),
      field(texts.height, String(steps[1]), { numeric: true, maxLength: 2, unit: texts.steps }),
    ];
    return this.repeat(texts.areaSizeCaption, fields, ([w, h]) => this.resize(w, h));
  }

  // The core asks before a resize clears the working area: the child is
  // asked the same, and only a Yes resizes.
  async resize(w, h) {
    const page = this.page;
    page.tick();
    this.s.setAnswer(ANSWER.cancel);
    this.s.setAreaSize(w, h);
    this.s.setAnswer(ANSWER.yes);
    const events = JSON.parse(this.s.takeEvents());
    const question = events.questions?.[0];
    delete events.questions;
    page.drain(events);
    if (question) {
      const buttons = [
        { label: texts.yes, value: 'yes' },
        { label: texts.no, value: 'no' },
        { label: texts.cancel, value: 'cancel' },
      ];
      if ((await ask(question.caption || texts.product, question.text, buttons, 'cancel')) === 'yes')
        page.act(() => this.s.setAreaSize(w, h));
    }
    page.repaintAll();
    page.schedule();
  }

  async background() {
    const { current, pictures } = JSON.parse(this.s.backgrounds());
    const choices = [
      { name: '', label: texts.noBackground },
      ...pictures.map((p) => ({ ...p, canvas: this.page.pictures.picture(p.src, THUMB * 2, THUMB * 1.5) })),
    ];
    const name = await choosePicture(texts.backgroundCaption, choices, texts.noPictures, current, true);
    if (name === null) return;
    this.page.act(() => this.s.setBackground(name));
    this.page.repaintAll();
  }
}
