// The browser module under Node: the page's keys, clock and files reach the
// same core as the desktop, with the same results.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { test } from 'node:test';

const modulePath = process.env.ZF_MODULE;
const examples = process.env.ZF_EXAMPLES;
// The desktop's command-line companion, where a native build made one.
const zfield = process.env.ZF_NATIVE_ZFIELD || '';

// This emscripten's loader for Node expects CommonJS names and a wasm path.
globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = dirname(modulePath);
const { default: createZarnikfield } = await import(modulePath);
// The options become the module object: each module takes its own.
// Text is measured as a page would, roughly: only the words matter here.
const options = () => ({
  locateFile: (file) => join(dirname(modulePath), file),
  measureText: (font, text) => [text.length * 8, 20, 16],
});
const core = await createZarnikfield(options());
// A reloaded page: a module of its own, with a fresh file system.
const reloaded = await createZarnikfield(options());

const key = { forward: 0, right: 3, go: 17, digit: (d) => 240 + d };

function events(s) {
  return JSON.parse(s.takeEvents());
}

// Pumps as the page does, at each due time, until nothing is left to do.
function runToEnd(s, now) {
  for (let due = s.nextDue(); due >= 0; due = s.nextDue()) {
    now = Math.max(now, due);
    s.pump(now);
  }
  return now;
}

test('a program keyed on the keypad runs on the page clock to where a headless run ends', () => {
  const keypad = new core.WebSession();
  for (const k of [key.forward, key.digit(2), key.right, key.digit(9), key.digit(0)])
    assert.ok(keypad.key(k) > 0, `key ${k}`);
  keypad.key(key.go);
  keypad.pump(1000);
  assert.equal(events(keypad).running, true);
  const end = runToEnd(keypad, 1000);
  const after = events(keypad);
  assert.ok(after.robotMoved && !after.running && after.warnings.length === 0);
  // A timed run takes the robot's time; one at Instant takes none.
  assert.ok(end > 1000);

  const keyboard = new core.WebSession();
  keyboard.setSpeed(4);
  for (const name of ['ArrowUp', '2', 'ArrowRight', '9', '0', 'Enter'])
    assert.ok(keyboard.keyboardKey(name, false, false), name);
  assert.equal(keyboard.keyboardKey('x', false, false), false);
  assert.equal(runToEnd(keyboard, 0), 0, 'an Instant run takes no time');
  const robot = JSON.parse(keypad.robot());
  assert.deepEqual(JSON.parse(keyboard.robot()), robot);
  assert.equal(robot.heading, 90);

  if (zfield) {
    const out = execFileSync(zfield, ['run', '--keys', 'FD 2 RT 90', '--instant']).toString();
    const [, x, y, heading] = out.match(/robot: (-?\d+) (-?\d+) (-?\d+)/).map(Number);
    assert.deepEqual([robot.x, robot.y, robot.heading], [x, y, heading]);
  }
});

test('refused keys and runs give the core own warnings, a key stops a run, and a run lets a held robot go', () => {
  const s = new core.WebSession();
  assert.equal(s.key(key.digit(5)), 0);
  assert.deepEqual(events(s).warnings, [
    { caption: 'Zarnikfield', text: 'Number not expected.', kind: 'warning' },
  ]);
  s.key(key.right);
  s.key(key.go);
  s.pump(0);
  assert.deepEqual(events(s).warnings.map((w) => w.text), [
    'There is an incomplete instruction in the Go List.',
  ]);

  s.key(key.digit(9));
  s.key(key.forward);
  s.key(key.digit(9));
  s.key(key.go);
  s.pump(10);
  assert.equal(events(s).running, true);
  s.key(key.forward);
  runToEnd(s, 20);
  assert.equal(events(s).running, false);
  assert.notEqual(JSON.parse(s.robot()).heading, 0, 'the turn ran before the stop');

  // A run started while a finger holds the robot lets it go first, so the
  // run starts from its new start (10 x 10 steps in 300 px: 30 px a step).
  const held = new core.WebSession();
  held.setSpeed(4);
  assert.deepEqual(JSON.parse(held.floor(300, 300, false)).area, { x: 0, y: 0, w: 300, h: 300 });
  assert.equal(held.dragPress(150, 150), 1);
  held.dragMove(60, 90);
  for (const k of [key.forward, key.digit(1), key.go]) held.key(k);
  runToEnd(held, 0);
  assert.deepEqual([JSON.parse(held.robot()).y, events(held).running], [605, false]);
  held.dragRelease(60, 90);
  held.reset();
  runToEnd(held, 0);
  assert.equal(JSON.parse(held.robot()).y, 905);

  // Sound is off until it is turned on; then a key taken clicks, and a
  // refused one gives the error sound alone.
  const quiet = new core.WebSession();
  quiet.key(key.digit(5));
  assert.deepEqual(events(quiet).tones, []);
  quiet.setSound(true);
  quiet.key(key.forward);
  const [click, ...more] = events(quiet).tones;
  assert.deepEqual(more, []);
  quiet.key(key.digit(0));
  const [error, ...after] = events(quiet).tones;
  assert.deepEqual(after, []);
  assert.ok(error[0] !== click[0] && error[1] > click[1], 'the error sound is its own');
});

test('the graphics tools key what the desktop keys, refuse what it refuses, and set the working area', () => {
  const s = new core.WebSession();
  s.setSpeed(4);
  assert.equal(s.openActivity('gridmat.zfp'), true);
  events(s);
  assert.equal(s.keyPosition('99', '', '', ''), 0);
  assert.match(events(s).warnings[0].text, /^Zarnik must stay in working area/);
  const stamp = JSON.parse(s.pictures(2))[0];
  assert.equal(s.keyPicture(2, `../${stamp.name}`), 0, 'a picture outside the project is not keyed');
  assert.equal(s.keyTool(0), 0, 'only the tools keys are taken');
  assert.ok(s.keyPosition('2', '3', '', '') > 0);
  const lines = s.listLineCount(1);
  assert.ok(s.keyHeading('450') > 0);
  assert.ok(s.keyPicture(2, stamp.name) > 0);
  assert.ok(s.keyText('Café\nsnow ☃', 0xff0000, 24, 'Georgia', 700, true, false, false, 4) > 0);
  assert.equal(s.listLineCount(1), lines + 3);
  s.run(false);
  runToEnd(s, 0);
  const robot = JSON.parse(s.robot());
  assert.deepEqual([robot.x, robot.y, robot.heading], [1500 + 3 * 300, 1500 - 2 * 300, 90]);
  const ops = JSON.parse(s.floor(300, 300, false)).ops;
  assert.ok(ops.some((o) => o.op === 'image' && o.src === stamp.src), 'the stamp is placed');
  // Texts are kept in Latin-1, red in the low byte, as the desktop keeps
  // them, and drawn in their own font.
  const words = ops.filter((o) => o.op === 'text');
  assert.deepEqual(
    words.map((o) => [o.text, o.colour, o.font.family, o.font.weight, o.font.italic]),
    [
      ['Café', '#ff0000', 'Georgia', 700, true],
      ['snow ?', '#ff0000', 'Georgia', 700, true],
    ],
  );

  assert.equal(s.setBackground('../gridmat.bmp'), false);
  assert.equal(s.setBackground('town.bmp'), true);
  assert.equal(JSON.parse(s.backgrounds()).current, 'town.bmp');
  assert.equal(s.setBackground(''), true);
  assert.equal(JSON.parse(s.backgrounds()).current, '');
  assert.ok(ops.length > JSON.parse(s.floor(300, 300, false)).ops.length, 'no background is drawn');

  assert.equal(s.setAreaSize('0', '5'), false);
  events(s);
  // The stamp and text would go: anything but Yes keeps the size.
  s.setAnswer(2);
  assert.equal(s.setAreaSize('12', '8'), false);
  assert.equal(events(s).questions.length, 1);
  s.setAnswer(0);
  assert.equal(s.setAreaSize('12', '8'), true);
  assert.deepEqual(JSON.parse(s.floorSize()).steps, [12, 8]);
});

// The listing of a file as the desktop's reader sees it, less the name,
// which is where the file was opened from.
function shown(path) {
  return execFileSync(zfield, ['show', path]).toString().replace(/^NAME\(.*\)$/m, '');
}

test('a Go Program saved in the browser is the desktop file, and a snapshot brings the work back', () => {
  const file = readFileSync(join(examples, 'square.gop'));
  const s = new core.WebSession();
  assert.equal(s.loadGop(new Uint8Array(file), 'square.gop'), true);
  const saved = Buffer.from(s.saveGop());
  // The writer keeps what it reads: saved again, the bytes stay.
  const again = new core.WebSession();
  assert.equal(again.loadGop(saved, 'square.gop'), true);
  assert.deepEqual(Buffer.from(again.saveGop()), saved);
  if (zfield) {
    const dir = mkdtempSync(join(tmpdir(), 'zf-web-'));
    writeFileSync(join(dir, 'square.gop'), saved);
    assert.equal(shown(join(dir, 'square.gop')), shown(join(examples, 'square.gop')));
    rmSync(dir, { recursive: true });
  }

  // A damaged file is refused with the core's words and leaves the program.
  assert.equal(s.loadGop(new Uint8Array(file.subarray(0, 100)), '../square.gop'), false);
  assert.deepEqual(events(s).warnings.map((w) => w.text), [
    'File is not a Zarnikfield Go Program.',
  ]);
  assert.deepEqual(Buffer.from(s.saveGop()), saved);

  assert.equal(s.openActivity('town.zfp'), true);
  s.key(key.forward);
  s.key(key.digit(2));
  const restored = new reloaded.WebSession();
  assert.equal(restored.restore(s.snapshot()), true);
  assert.deepEqual(restored.robot(), s.robot());
  assert.deepEqual(restored.floorSize(), s.floorSize());
  assert.ok(s.listLineCount(1) > 1);
  for (const list of [1, 2])
    assert.equal(restored.listLineCount(list), s.listLineCount(list));
  if (zfield) {
    const dir = mkdtempSync(join(tmpdir(), 'zf-web-'));
    writeFileSync(join(dir, 'restored.gop'), restored.saveGop());
    writeFileSync(join(dir, 'kept.gop'), s.saveGop());
    assert.equal(shown(join(dir, 'restored.gop')), shown(join(dir, 'kept.gop')));
    rmSync(dir, { recursive: true });
  }
  assert.equal(restored.restore(new Uint8Array([1, 2, 3])), false);

  // A program never saved keeps the name its first line shows.
  const fresh = new core.WebSession();
  fresh.key(key.forward);
  fresh.key(key.digit(2));
  const back = new reloaded.WebSession();
  assert.equal(back.restore(fresh.snapshot()), true);
  const words = (session) =>
    JSON.parse(session.listing(1, 30, 0, 400))
      .ops.filter((o) => o.op === 'text')
      .map((o) => o.text);
  assert.ok(words(fresh).length > 0);
  assert.deepEqual(words(back), words(fresh));
  // The program comes from the snapshot: nothing is looked for on the disk.
  assert.deepEqual(events(back).warnings ?? [], []);

  // A text's font is stored as the desktop's font chooser leaves it in the
  // record the desktop starts from: face, weight and effects, nothing else.
  const keyedText = (...font) => {
    const t = new core.WebSession();
    assert.ok(t.keyText('Hi', 0, 18, ...font) > 0);
    return Buffer.from(t.saveGop());
  };
  const plain = keyedText('', 400, false, false, false, 4);
  const styled = keyedText('Times New Roman', 700, true, true, false, 4);
  const record = plain.indexOf(Buffer.from('Arial\0', 'latin1')) - 48;
  assert.ok(record > 0);
  const expected = Buffer.from(plain);
  expected.writeInt32LE(700, record + 36);
  expected[record + 40] = 1;
  expected[record + 41] = 1;
  expected.fill(0, record + 48, record + 80).write('Times New Roman', record + 48, 'latin1');
  assert.deepEqual(styled, expected);

  for (const { file: name } of JSON.parse(s.activities()))
    assert.equal(new core.WebSession().openActivity(name), true, name);
});

test("the robot lead waits on the page's port: a port that will not open, a robot that falls quiet, and a Get during a run", async () => {
  // A scripted port: `answer` is what the robot sends back to a read.
  const line = {
    opens: 0,
    refuse: false,
    answer: [],
    received: [],
    async open() {
      this.opens += 1;
      return this.refuse ? 5 : 0;
    },
    async close() {
      return 1;
    },
    woken: null,
    async write(bytes) {
      if (bytes[0] === 0x1a && this.answer.length) {
        this.received.push(...this.answer);
        this.woken?.();
      }
      return bytes.length;
    },
    wait(timeout) {
      if (this.received.length) return Promise.resolve(this.received.length);
      return new Promise((resolve) => {
        const timer = setTimeout(() => resolve(0), timeout);
        this.woken = () => {
          clearTimeout(timer);
          resolve(this.received.length);
        };
      });
    },
    take(count) {
      return Uint8Array.from(this.received.splice(0, count));
    },
  };
  const linked = await createZarnikfield({ ...options(), serialLine: line });
  const s = new linked.WebSession();
  s.setLinkTimeouts(50, 200, 400, 150, 250, 150);
  const get = () => linked.ccall('zf_get_program', 'number', ['number'], [s.address()], { async: true });
  const message = () => events(s).warnings.map((w) => w.text).join('|');

  line.refuse = true;
  assert.equal(await get(), 0);
  assert.match(message(), /^Cannot open Com Port\./);

  // A quiet line ends the read once bytes have come: the robot is told
  // not responding well before the read's own time-out.
  line.refuse = false;
  line.answer = Array(100).fill(0xf0);
  const start = Date.now();
  assert.equal(await get(), 0);
  assert.ok(Date.now() - start < 250, 'ended by the quiet line');
  assert.match(message(), /^The Floor Zarnik is not responding:/);

  // A run holds on to the program: a Get would pull it away under it.
  for (const k of [key.forward, key.digit(2), key.go]) s.key(k);
  s.pump(1000);
  events(s);
  const opens = line.opens;
  assert.equal(await get(), 0);
  assert.equal(message(), 'You cannot open a new Go Program while stepping through or running another one');
  assert.equal(line.opens, opens, 'the port is left alone');
});

// A 24-bit bitmap file of rows of [r, g, b] pixels, top row first.
function bitmap24(rows) {
  const w = rows[0].length;
  const stride = Math.ceil((w * 3) / 4) * 4;
  const file = Buffer.alloc(54 + stride * rows.length);
  file.write('BM', 0, 'latin1');
  file.writeUInt32LE(file.length, 2);
  file.writeUInt32LE(54, 10);
  file.writeUInt32LE(40, 14);
  file.writeInt32LE(w, 18);
  file.writeInt32LE(rows.length, 22);
  file.writeUInt16LE(1, 26);
  file.writeUInt16LE(24, 28);
  rows.forEach((row, y) =>
    row.forEach(([r, g, b], x) => file.set([b, g, r], 54 + (rows.length - 1 - y) * stride + x * 3)),
  );
  return new Uint8Array(file);
}

test('library pictures are added as bitmaps of the palette, dropped and clicked as the desktop does', () => {
  const s = new core.WebSession();
  s.setSpeed(4);
  assert.equal(s.openActivity('gridmat.zfp'), true);
  const [own] = JSON.parse(s.pictures(2));
  // Off-palette colours come back as their nearest palette colour.
  const file = bitmap24([
    [[255, 0, 0], [255, 255, 255], [250, 5, 5]],
    [[0, 0, 255], [255, 0, 255], [0, 0, 0]],
  ]);
  const name = s.addPicture(2, '../../my stamp!.bmp', file);
  assert.equal(name, 'my stamp.bmp');
  assert.equal(s.addPicture(2, 'my stamp.bmp', file), 'my stamp2.bmp', 'an added picture replaces nothing');
  assert.equal(s.addPicture(2, 'a.png', new Uint8Array([0x89, 0x50, 0x4e, 0x47, 0, 0, 0, 0])), '');
  assert.equal(s.addPicture(2, 'cut.bmp', file.subarray(0, 60)), '');
  const added = JSON.parse(s.pictures(2)).find((p) => p.name === name);
  assert.equal(dirname(added.src), dirname(own.src), "beside the project's own stamps");
  const back = s.openPicture(2, name);
  assert.deepEqual([back.width, back.height, [...back.indexes]], [3, 2, [249, 255, 249, 252, 253, 0]]);
  assert.deepEqual(
    [...s.pictureRgba(added.src.replace('keyed:', 'file:'), 3, 2, false, false)],
    [[255, 0, 0], [255, 255, 255], [255, 0, 0], [0, 0, 255], [255, 0, 255], [0, 0, 0]].flatMap((c) => [...c, 255]),
  );

  // Pixels the page made: the size must hold, the name stay in the folder.
  assert.equal(s.addPixels(1, 'photo.png', 2, 2, new Uint8Array(3)), '');
  assert.equal(s.addPixels(1, 'photo.png', 2, 1, new Uint8Array([253, 0])), 'photo.bmp');
  assert.deepEqual([...s.openPicture(1, 'photo.bmp').indexes], [253, 0]);
  assert.equal(s.savePicture(1, '../photo.bmp', 2, 1, new Uint8Array(2)), false);
  assert.equal(s.savePicture(1, 'photo.bmp', 2, 1, new Uint8Array([0, 255])), true);
  assert.deepEqual([...s.openPicture(1, 'photo.bmp').indexes], [0, 255]);
  assert.equal(s.newPicture(3), null, 'pens have no template');
  assert.equal(s.newPicture(2).name, 'untitled.bmp');

  // Drops at working-area pixels (10 x 10 steps in 300 px, the robot in the
  // middle): a stamp anywhere, a shape and a pen only on the robot.
  s.floor(300, 300, false);
  events(s);
  assert.equal(s.dropPicture(2, name, 100, 50), 2);
  assert.equal(events(s).repaintFloor, true);
  const stamp = JSON.parse(s.floor(300, 300, false)).ops.find((o) => o.src === added.src);
  assert.ok(Math.abs(stamp.x + stamp.w / 2 - 100) <= 1 && Math.abs(stamp.y + stamp.h / 2 - 50) <= 1);
  assert.equal(s.dropPicture(2, name, 300, 50), 0, 'outside the working area');
  assert.equal(s.dropPicture(1, 'zarnboat.bmp', 100, 50), 0);
  assert.equal(s.dropPicture(3, 'redwide.bmp', 150, 150), 3);
  assert.equal(s.dropPictureOnRobot(1, 'photo.bmp'), 1);

  // A click keys the category's command: each acts when the program runs.
  const sprite = [...s.spriteRgba()];
  assert.ok(s.keyPicture(3, 'redwide.bmp') > 0);
  const lines = s.listLineCount(1);
  assert.ok(s.keyPicture(2, name) > 0);
  assert.ok(s.keyPicture(1, 'zarnboat.bmp') > 0);
  assert.equal(s.listLineCount(1), lines + 2);
  s.run(false);
  runToEnd(s, 0);
  assert.equal(JSON.parse(s.robot()).penDown, true);
  const stamps = JSON.parse(s.floor(300, 300, false)).ops.filter((o) => o.src === added.src);
  assert.ok(stamps.some((o) => Math.abs(o.x + o.w / 2 - 150) <= 1), 'a stamp at the robot');
  assert.notDeepEqual([...s.spriteRgba()], sprite);
});

test('a lesson packed by the desktop opens with its pictures, saves back the same bytes and survives a reload', () => {
  let lesson;
  if (zfield) {
    const dir = mkdtempSync(join(tmpdir(), 'zf-web-'));
    execFileSync(zfield, ['lesson', 'pack', join(examples, 'island.zfp'), '-o', join(dir, 'island.zfl')]);
    lesson = readFileSync(join(dir, 'island.zfl'));
    rmSync(dir, { recursive: true });
  } else {
    const maker = new core.WebSession();
    assert.equal(maker.openActivity('island.zfp'), true);
    lesson = Buffer.from(maker.saveLesson());
  }
  const s = new core.WebSession();
  assert.equal(s.openLesson(new Uint8Array(lesson), 'island.zfl'), true);
  assert.deepEqual(events(s).warnings ?? [], []);
  assert.equal(s.projectFolder(), '/work/lessons/island/');
  assert.ok(s.backgrounds().includes('island.bmp'));
  assert.equal(s.lessonName(), 'island.zfl');
  assert.deepEqual(Buffer.from(s.saveLesson()), lesson);

  // A reload: the kept lesson's files go back where they were, then the work.
  const r = new reloaded.WebSession();
  assert.equal(r.restoreLessonFolder(new Uint8Array(lesson), s.projectFolder()), true);
  assert.equal(r.restore(s.snapshot()), true);
  assert.deepEqual(Buffer.from(r.saveLesson()), lesson);
  for (const outside of ['/work/lessons/../x', '/etc/', '/work/../etc'])
    assert.equal(r.restoreLessonFolder(new Uint8Array(lesson), outside), false, outside);

  // The folder form: the files a folder gives make the same lesson.
  assert.deepEqual(Buffer.from(core.packLessonFiles(core.lessonFiles(lesson))), lesson);

  assert.equal(s.openLesson(new Uint8Array([1, 2, 3]), 'x.zfl'), false);
  assert.deepEqual(events(s).warnings.map((w) => w.text), [
    'x.zfl\n\nThis is not a Zarnikfield Lesson file.\nLesson not opened.',
  ]);
  assert.equal(s.projectFolder(), '/work/lessons/island/');
});
