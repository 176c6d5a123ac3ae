// Drives the browser edition in headless Chromium: keying, a run, a
// refusal, files, kept work, the help book and the offline copy.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
  WAIT, answer, catchDownloads, examples, floorPixels, freshPage, goLines, load, mirror, newProgram, root, showing, site,
  stopServer, zfield,
} from './harness.mjs';

// The working area after a run, painted by the page at 1000 x 1000, against
// the desktop's picture of the same program run on the same activity. Only
// the painting differs (the canvas smooths its lines), so a few pixels may.
async function compareWithDesktop(page, keys) {
  const out = path.join(mkdtempSync(path.join(tmpdir(), 'zf-floor-')), 'desktop.png');
  execFileSync(zfield, ['run', '--keys', keys, '--project', path.join(examples, 'gridmat.zfp'), '-o', out, '--size', '1000x1000'], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
  });
  const desktop = `data:image/png;base64,${readFileSync(out).toString('base64')}`;
  const result = await page.evaluate(async (src) => {
    const { paintDisplayList } = await import('./js/paint.js');
    const zf = window.zarnikfield;
    const ours = document.createElement('canvas');
    paintDisplayList(ours, JSON.parse(zf.s.floor(1000, 1000, true)), zf.floor.pictures);
    zf.floor.paint();
    const image = new Image();
    image.src = src;
    await image.decode();
    const theirs = document.createElement('canvas');
    theirs.width = image.width;
    theirs.height = image.height;
    theirs.getContext('2d').drawImage(image, 0, 0);
    const a = ours.getContext('2d').getImageData(0, 0, ours.width, ours.height).data;
    const b = theirs.getContext('2d').getImageData(0, 0, theirs.width, theirs.height).data;
    let differing = 0;
    for (let i = 0; i < Math.min(a.length, b.length); i += 4) {
      const d = Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]), Math.abs(a[i + 2] - b[i + 2]));
      if (d > 48) ++differing;
    }
    return { ours: [ours.width, ours.height], theirs: [theirs.width, theirs.height], differing };
  }, desktop);
  assert.deepEqual(result.ours, result.theirs, 'the same size as the desktop draws it');
  const share = result.differing / (result.ours[0] * result.ours[1]);
  console.log(`pixels that differ from the desktop's picture: ${result.differing} (${(share * 100).toFixed(3)} %)`);
  assert.ok(share < 0.005, `${result.differing} pixels differ from the desktop's picture`);
}

test('a program keyed on the keypad and the keyboard runs, a refusal speaks, and a reload keeps the program', async () => {
  const page = await freshPage();
  await load(page);
  await page.waitForFunction(() => performance.getEntriesByName('zf-floor').length, { timeout: WAIT });
  const [ready, floor] = await page.evaluate(() => ['zf-ready', 'zf-floor'].map((n) => performance.getEntriesByName(n)[0].startTime));
  const kb = (name) => (existsSync(path.join(site, name)) ? statSync(path.join(site, name)).size / 1024 : 0).toFixed(0);
  console.log(
    `navigation to a usable keypad: ${ready.toFixed(0)} ms, to the working area painted: ${floor.toFixed(0)} ms; module ${kb('zarnikfield.wasm')} KB + ${kb('zarnikfield.js')} KB` +
      `, activities ${kb('zarnikfield.data')} KB`,
  );

  const start = await newProgram(page);
  // The four movement keys show their arrows.
  assert.equal(await page.$$eval('#keypad .key.arrow svg polygon', (p) => p.length), 4);
  await page.click('[data-code="243"]');
  const refusal = await answer(page, 'OK');
  assert.deepEqual(refusal, { caption: 'Zarnikfield', text: 'Number not expected.' });
  // The focus goes back to the key once the box has closed.
  await page.waitForFunction(() => document.activeElement.dataset.code === '243', { timeout: WAIT });
  assert.equal((await mirror(page)).length, start, 'a refused key changes nothing');

  await page.click('[data-code="0"]');
  await page.click('[data-code="242"]');
  // Arrows move between the keys while the keypad has the focus.
  await page.evaluate(() => document.activeElement.blur());
  for (const key of ['ArrowRight', '9', '0']) await page.keyboard.press(key);
  // The line is there before its last digit is: wait for the whole of it.
  const last = `document.querySelector('#golist .list-mirror li:last-child').textContent`;
  await page.waitForFunction(`${goLines} === ${start + 2} && ${last} === '9 0'`, { timeout: WAIT });
  const lines = await mirror(page);
  assert.notEqual(lines[0], lines[1]);

  // CM asks first, for five seconds from the press; any other key only
  // takes the prompt away.
  // Measured from before the press, so that a busy machine's slow answers
  // only lengthen the bound, never break it.
  const pressed = await page.evaluate(() => performance.now());
  await page.click('[data-code="16"]');
  await page.waitForSelector('.cm-prompt:not([hidden])', { timeout: WAIT });
  assert.match(await page.$eval('.cm-prompt', (e) => e.textContent), /^Clear Memory\?/);
  const due = (await page.evaluate(() => window.zarnikfield.s.nextDue())) - pressed;
  assert.ok(due >= 5000 && due < 8000, `the prompt goes ${due} ms after the press`);
  await page.click('[data-code="245"]');
  await page.waitForSelector('.cm-prompt[hidden]', { timeout: WAIT });
  assert.deepEqual(await mirror(page), lines);

  const before = await floorPixels(page);
  await page.evaluate(() => (window.zarnikfield.floor.slowestPaintMs = 0));
  await page.click('[data-code="17"]');
  await page.waitForSelector('body.running', { timeout: WAIT });
  await page.waitForSelector('body:not(.running)', { timeout: WAIT });
  assert.notEqual(await floorPixels(page), before, 'the robot moved');
  const slowest = await page.evaluate(() => window.zarnikfield.floor.slowestPaintMs);
  console.log(`slowest working-area frame of the run: ${slowest.toFixed(1)} ms`);
  if (zfield) await compareWithDesktop(page, 'FD 2 RT 90');

  await page.reload({ waitUntil: 'load' });
  await page.waitForSelector('body.ready', { timeout: WAIT });
  assert.deepEqual(await mirror(page), lines);
  assert.deepEqual(page.errors, []);
  await page.browserContext().close();
});

// Opens `file` through the page's Open, as a child picks it.
async function openGop(page, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser({ timeout: WAIT }), page.click('#open')]);
  await chooser.accept([file]);
  await showing(page, path.basename(file));
  return mirror(page);
}

test('a Go Program opened from the disk and saved opens again the same, and New asks before losing work', async () => {
  const page = await freshPage();
  const { folder: downloads, next } = await catchDownloads(page);
  const downloaded = next();
  await load(page);
  const opened = await openGop(page, path.join(root, 'resources/example/square.gop'));

  await page.click('#save');
  await downloaded;
  const bytes = readFileSync(path.join(downloads, 'square.gop'));
  assert.equal(bytes.subarray(0, 27).toString('latin1'), 'Zarnikfield GO PROGRAM v2.0');
  assert.deepEqual(bytes, Buffer.from(await page.evaluate(() => Array.from(window.zarnikfield.s.saveGop()))));

  // A key after saving is work New would lose: the child is asked first.
  await page.click('[data-code="0"]');
  await page.waitForFunction(`${goLines} === ${opened.length + 1}`, { timeout: WAIT });
  await page.click('#new');
  const asked = await answer(page, 'Cancel');
  assert.deepEqual(asked, { caption: 'Zarnikfield', text: 'Do you want to save changes to the Go Program?' });
  assert.equal((await mirror(page)).length, opened.length + 1, 'Cancel keeps the program');
  // Yes, and the save fails: the program stays, under its own name.
  await page.evaluate(() => {
    window.saveTried = false;
    window.zarnikfield.save = async () => !(window.saveTried = true);
  });
  await page.click('#new');
  await answer(page, 'Yes');
  // The box is closed before the page acts on the answer.
  await page.waitForFunction('window.saveTried', { timeout: WAIT });
  const stayed = await page.evaluate(() => [window.zarnikfield.s.listLineCount(1), window.zarnikfield.fileName]);
  assert.deepEqual(stayed, [opened.length + 1, 'square.gop']);
  await page.evaluate(() => delete window.zarnikfield.save);

  await newProgram(page);
  assert.deepEqual(await openGop(page, path.join(downloads, 'square.gop')), opened);
  // Work the browser will not keep is warned of.
  await page.evaluate(() => {
    Storage.prototype.setItem = () => {
      throw new DOMException('full', 'QuotaExceededError');
    };
  });
  await page.click('[data-code="0"]');
  assert.match((await answer(page, 'OK')).text, /^Your work could not be kept in this browser/);
  assert.deepEqual(page.errors, []);
  await page.browserContext().close();
});

// Fills the open tool box's fields in order and presses its button of `value`.
async function fillTool(page, values, value = 'ok') {
  await page.waitForSelector('#tool-form[open]', { timeout: WAIT });
  await page.$$eval(
    '#tool-form .fields input',
    (inputs, v) => inputs.forEach((input, i) => (input.value = v[i] ?? '')),
    values,
  );
  await page.click(`#tool-form button[value="${value}"]`);
}

test('a position and a stamp keyed through the tool bar show in the Go List and the run places the stamp there', async () => {
  const page = await freshPage();
  await load(page);
  const start = await newProgram(page);
  await page.select('#speed', '4');

  // Off the working area: the core's refusal, then the box again as typed.
  await page.click('#tool-position');
  await fillTool(page, ['99']);
  assert.match((await answer(page, 'OK')).text, /^Zarnik must stay in working area/);
  await page.waitForSelector('#tool-form[open]', { timeout: WAIT });
  assert.equal(await page.$eval('#tool-form .fields input', (i) => i.value), '99');
  // A tablet offers its number keys for the steps.
  assert.deepEqual(await page.$$eval('#tool-form .fields input', (is) => is.map((i) => i.inputMode)), Array(4).fill('decimal'));
  await fillTool(page, ['2', '3']);
  await page.waitForFunction(`${goLines} === ${start + 1}`, { timeout: WAIT });

  await page.click('#tool-stamp');
  await page.waitForSelector('#pictures[open]', { timeout: WAIT });
  await page.click('#pictures button[value="star.bmp"]');
  await page.waitForFunction(`${goLines} === ${start + 2}`, { timeout: WAIT });
  const lines = await mirror(page);
  assert.ok(lines[start].length > 0 && lines[start + 1].length > 0 && lines[start] !== lines[start + 1]);

  const before = await floorPixels(page);
  await page.click('#run');
  await page.waitForFunction(() => JSON.parse(window.zarnikfield.s.robot()).x === 2400, { timeout: WAIT });
  await page.waitForSelector('body:not(.running)', { timeout: WAIT });
  const stamps = await page.evaluate(() =>
    JSON.parse(window.zarnikfield.s.floor(300, 300, false)).ops.filter((o) => o.op === 'image' && o.src.endsWith('/star.bmp')),
  );
  assert.equal(stamps.length, 1, 'the run placed the stamp');
  await page.waitForFunction((h) => {
    const c = document.getElementById('floor');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let x = 0;
    for (let i = 0; i < d.length; i += 7) x = (x * 31 + d[i]) >>> 0;
    return x !== h;
  }, { timeout: WAIT }, before);

  // The robot, standing on the stamp, dragged off it by the mouse; then the
  // stamp by a finger. Each lands where it is let go, and the work is kept.
  // The centre of the robot or the stamp as the page shows it now, in the
  // working area's pixels.
  const centreOf = (what) =>
    page.evaluate((w) => {
      const zf = window.zarnikfield;
      zf.floor.paint();
      const o = zf.floor.display.ops.find((op) => (w === 'robot' ? op.op === 'robot' : op.src?.endsWith('/star.bmp')));
      const side = o.side ?? o.w;
      return [o.x + side / 2, o.y + side / 2];
    }, what);
  const robot = await centreOf('robot');
  const onPage = (p) =>
    page.$eval('#floor', (c, [x, y]) => {
      const r = c.getBoundingClientRect();
      const a = window.zarnikfield.floor.area;
      return [r.left + ((x + a.x + 0.5) * r.width) / c.width, r.top + ((y + a.y + 0.5) * r.height) / c.height];
    }, p);
  const kept = () => page.evaluate(() => localStorage.getItem('zarnikfield.work'));
  // Millimetres of the working area to a CSS pixel of the page.
  const scale = () =>
    page.evaluate(() => {
      const zf = window.zarnikfield;
      const c = zf.floor.canvas;
      return ((JSON.parse(zf.s.floorSize()).widthMm / zf.floor.area.w) * c.width) / c.getBoundingClientRect().width;
    });
  const robotMm = async () => JSON.parse(await page.evaluate(() => window.zarnikfield.s.robot()));
  const [keptBefore, from, mmPerCss] = [await kept(), await robotMm(), await scale()];
  const [rx, ry] = await onPage(robot);
  await page.mouse.move(rx, ry);
  assert.equal(await page.$eval('#floor', (c) => c.style.cursor), 'grab');
  await page.mouse.down();
  await page.mouse.move(rx - 80, ry + 60, { steps: 4 });
  assert.equal(await page.$eval('#floor', (c) => c.style.cursor), 'grabbing');
  await page.mouse.up();
  const to = await robotMm();
  assert.ok(Math.abs(to.x - (from.x - 80 * mmPerCss)) <= 2 * mmPerCss, `robot x ${from.x} -> ${to.x}`);
  assert.ok(Math.abs(to.y - (from.y + 60 * mmPerCss)) <= 2 * mmPerCss, `robot y ${from.y} -> ${to.y}`);
  assert.notEqual(await kept(), keptBefore, 'the new start is kept');

  const stamp = await centreOf('stamp');
  const [sx, sy] = await onPage(stamp);
  await page.touchscreen.touchStart(sx, sy);
  // Up and left, so that it stays on a small working area too.
  await page.touchscreen.touchMove(sx - 50, sy - 40);
  await page.touchscreen.touchMove(sx - 100, sy - 80);
  await page.touchscreen.touchEnd();
  const [cx, cy] = await centreOf('stamp');
  const cssPerPx = await page.$eval('#floor', (c) => c.getBoundingClientRect().width / c.width);
  assert.ok(Math.abs(cx - (stamp[0] - 100 / cssPerPx)) <= 2, `stamp x ${stamp[0]} -> ${cx}`);
  assert.ok(Math.abs(cy - (stamp[1] - 80 / cssPerPx)) <= 2, `stamp y ${stamp[1]} -> ${cy}`);

  // Clear One Object is the bar's one toggle; another tool puts it down.
  assert.deepEqual(await page.$$eval('#tools [aria-pressed]', (bs) => bs.map((b) => [b.id, b.getAttribute('aria-pressed')])), [['tool-clearObject', 'false']]);
  await page.click('#tool-clearObject');
  await page.click('#tool-heading');
  await page.waitForSelector('#tool-form[open]', { timeout: WAIT });
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#tool-clearObject', (b) => b.getAttribute('aria-pressed')), 'false');
  // Clear One Object takes the next press on the working area: the stamp goes.
  await page.click('#tool-clearObject');
  await page.mouse.click(...(await onPage([cx, cy])));
  assert.equal(await page.$eval('#tool-clearObject', (b) => b.getAttribute('aria-pressed')), 'false');
  assert.equal(await page.evaluate(() => JSON.parse(window.zarnikfield.s.floor(300, 300, false)).ops.some((o) => o.src?.endsWith('/star.bmp'))), false);
  assert.deepEqual(page.errors, []);
  await page.browserContext().close();
});

test('the keyboard keys the program only where no control takes the key, and lists and boxes show where the child is', async () => {
  const page = await freshPage();
  // A tablet's sharp screen: the lists' lines and clicks in device pixels.
  await page.setViewport({ width: 1180, height: 820, deviceScaleFactor: 2 });
  await load(page);
  await newProgram(page);
  await page.evaluate(() => {
    const s = window.zarnikfield.s;
    const keyboardKey = s.keyboardKey.bind(s);
    window.keyed = [];
    s.keyboardKey = (name, ...rest) => {
      const taken = keyboardKey(name, ...rest);
      if (taken) window.keyed.push(name);
      return taken;
    };
    window.asked = [];
    window.zarnikfield.save = () => window.asked.push('save');
    window.zarnikfield.open = () => window.asked.push('open');
  });
  const chord = async (modifier, key) => {
    await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    await page.keyboard.up(modifier);
  };
  await chord('Alt', 'ArrowUp');
  await chord('Control', 's');
  await chord('Control', 'o');
  assert.deepEqual(await page.evaluate(() => window.asked), ['save', 'open']);
  // Enter on a tool is the tool's: its box opens with the first field ready to type over.
  await page.focus('#tool-heading');
  await page.keyboard.press('Enter');
  await page.waitForSelector('dialog[open] input', { timeout: WAIT });
  const field = await page.evaluate(() => {
    const i = document.activeElement;
    return [i.tagName, i.selectionStart, i.selectionEnd === i.value.length && i.value.length > 0];
  });
  assert.deepEqual(field, ['INPUT', 0, true]);
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => !document.querySelector('dialog[open]'), { timeout: WAIT });
  assert.deepEqual(await page.evaluate(() => window.keyed), [], 'no key reached the program');

  // Twenty lines keyed from the body: the cursor's line stays in view.
  await page.evaluate(() => document.activeElement.blur());
  for (let i = 0; i < 20; ++i) {
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('1');
  }
  await page.waitForFunction(`${goLines} > 20`, { timeout: WAIT });
  const view = await page.evaluate(() => {
    const list = window.zarnikfield.lists[1];
    const scroller = list.scroller;
    const cursor = window.zarnikfield.s.cursorLine(1);
    const h = list.cssLineHeight();
    return { cursor, first: scroller.scrollTop / h, last: (scroller.scrollTop + scroller.clientHeight) / h };
  });
  assert.ok(view.first > 0 && view.cursor >= Math.floor(view.first) && view.cursor + 1 <= view.last + 0.01, JSON.stringify(view));
  // Drawn at the screen's own pixels, not blown up.
  const ratio = await page.$eval('#golist canvas', (c) => c.width / c.getBoundingClientRect().width);
  assert.ok(Math.abs(ratio - 2) < 0.05, `${ratio} canvas pixels a CSS pixel`);
  // A tap on a line puts the cursor there.
  const box = await page.$eval('#golist canvas', (c) => {
    const r = c.getBoundingClientRect();
    return { x: r.left + 20, y: r.top };
  });
  const target = Math.ceil(view.first) + 1;
  const h = await page.evaluate(() => window.zarnikfield.lists[1].cssLineHeight());
  await page.mouse.click(box.x, box.y + (target - Math.floor(view.first) + 0.5) * h);
  await page.waitForFunction(
    (line) => document.querySelectorAll('#golist .list-mirror li')[line]?.hasAttribute('aria-current'),
    { timeout: WAIT },
    target,
  );

  // The background chooser marks the one shown, and only it.
  await page.click('#tool-background');
  await page.waitForSelector('dialog[open] [aria-pressed]', { timeout: WAIT });
  const marks = await page.$$eval('dialog[open] [aria-pressed]', (bs) => bs.map((b) => [b.value, b.getAttribute('aria-pressed')]));
  const current = JSON.parse(await page.evaluate(() => window.zarnikfield.s.backgrounds())).current;
  assert.deepEqual(
    marks.filter(([, pressed]) => pressed === 'true').map(([name]) => name),
    [current],
  );
  assert.ok(marks.length > 1);
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-pressed')), 'true');
  await page.keyboard.press('Escape');
  // The activities by their titles, not their files.
  await page.click('#activities-button');
  await page.waitForSelector('#activities[open]', { timeout: WAIT });
  const activities = JSON.parse(await page.evaluate(() => window.zarnikfield.s.activities()));
  assert.ok(activities.every((a) => a.title && a.title !== a.file));
  assert.deepEqual(await page.$$eval('#activities strong', (s) => s.map((e) => e.textContent)), activities.map((a) => a.title));
  await page.keyboard.press('Escape');
  await page.browserContext().close();
});

test('where the help book cannot be had, there is no Help button', async () => {
  const page = await freshPage();
  await page.setRequestInterception(true);
  page.on('request', (r) => (r.url().includes('/help/') ? r.abort() : r.continue()));
  await load(page);
  assert.equal(await page.evaluate(() => window.zarnikfield.helpShipped), false);
  assert.equal(await page.$eval('#help', (a) => a.hidden), true);
  await page.browserContext().close();
});

test('after the first visit the page and its help book work with the server gone', async () => {
  const page = await freshPage();
  await load(page);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller)
      await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
  });
  await stopServer();
  await load(page);
  const start = await newProgram(page);
  await page.click('[data-code="0"]');
  await page.waitForFunction(`${goLines} === ${start + 1}`, { timeout: WAIT });

  // F1 opens the book in the page; its links stay in the panel, Escape
  // puts it away and the focus goes back to the key.
  const bookPage = (name) =>
    page.waitForFunction(
      (n) => {
        const doc = document.getElementById('help-frame').contentDocument;
        // Loaded whole: the panel listens in a page from its load on.
        return doc?.location.pathname.endsWith(n) && doc.readyState === 'complete' && doc.querySelector('h1')?.textContent;
      },
      { timeout: WAIT },
      name,
    );
  await page.keyboard.press('F1');
  await page.waitForSelector('#help-panel[open]', { timeout: WAIT });
  await bookPage('/help/zfieldug/index.html');
  const book = page.frames().find((f) => f.url().includes('/help/'));
  // A click on the text, not a link, leaves the page where it is.
  await book.click('h1');
  await book.click('a[href="keying.html"]');
  await bookPage('/help/zfieldug/keying.html');
  assert.equal(new URL(page.url()).pathname, '/');
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => document.activeElement.dataset.code === '0', { timeout: WAIT });
  assert.equal(await page.$('#help-panel[open]'), null);
  assert.deepEqual(page.errors, []);
  await page.browserContext().close();
});
