// The Graphics Library in the page: pictures dragged onto the working area
// by mouse and by finger, clicked into the Go Program, and painted.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { WAIT, freshPage, goLines, load } from './harness.mjs';

const STAMPS = 2;

// The client point of a working-area pixel, from the floor's own layout.
function clientPoint(page, x, y) {
  return page.evaluate(
    (x, y) => {
      const floor = window.zarnikfield.floor;
      const r = floor.canvas.getBoundingClientRect();
      const sx = r.width / floor.canvas.width;
      const sy = r.height / floor.canvas.height;
      return { x: r.left + (floor.area.x + x + 0.5) * sx, y: r.top + (floor.area.y + y + 0.5) * sy };
    },
    x,
    y,
  );
}

async function centreOf(handle) {
  const box = await handle.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

// Where the floor's list puts each stamp of a picture, as centres in
// working-area pixels.
function stampsOf(page, name) {
  return page.evaluate((name) => {
    const zf = window.zarnikfield;
    const { area, canvas } = zf.floor;
    const ops = JSON.parse(zf.s.floor(canvas.width, canvas.height, false)).ops;
    return ops
      .filter((o) => o.op === 'image' && o.src.endsWith(`/objects/${name}`))
      .map((o) => [o.x + o.w / 2 - area.x, o.y + o.h / 2 - area.y]);
  }, name);
}

function near(points, [x, y]) {
  return points.some(([px, py]) => Math.abs(px - x) <= 1 && Math.abs(py - y) <= 1);
}

test('stamps dragged by mouse and by finger land where dropped; a click keys the command', async () => {
  const page = await freshPage();
  await load(page);
  await page.click('#library-button');
  // The arrows step round the tabs; the file input hides behind Add.
  await page.click(`#library-tab-${STAMPS}`);
  const tabs = [];
  for (const key of ['ArrowLeft', 'ArrowLeft', 'ArrowRight', 'ArrowRight', 'ArrowRight']) {
    await page.keyboard.press(key);
    tabs.push(await page.$eval('[role="tab"][aria-selected="true"]', (t) => t.id === document.activeElement.id && t.id));
  }
  assert.deepEqual(tabs, [1, 3, 1, 2, 3].map((n) => `library-tab-${n}`));
  assert.equal(await (await page.$('#library-panel input[type="file"]')).boundingBox(), null);
  await page.click(`#library-tab-${STAMPS}`);
  const [first, second] = await page.$$('#library-grid .library-picture');
  const [a, b] = await Promise.all([first, second].map((h) => h.evaluate((e) => e.value)));

  const from = await centreOf(first);
  const to = await clientPoint(page, 60, 40);
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.mouse.move(from.x - 40, from.y + 10, { steps: 4 });
  await page.mouse.move(to.x, to.y, { steps: 8 });
  await page.mouse.up();
  assert.ok(near(await stampsOf(page, a), [60, 40]), 'the mouse dropped the stamp where it was let go');

  const start = await centreOf(second);
  const end = await clientPoint(page, 120, 150);
  await page.touchscreen.touchStart(start.x, start.y);
  for (let i = 1; i <= 8; i++)
    await page.touchscreen.touchMove(start.x + ((end.x - start.x) * i) / 8, start.y + ((end.y - start.y) * i) / 8);
  await page.touchscreen.touchEnd();
  assert.ok(near(await stampsOf(page, b), [120, 150]), 'the finger dropped the stamp where it was lifted');

  // Let go off the working area, a picture places nothing.
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.mouse.move(from.x, from.y + 60, { steps: 4 });
  await page.mouse.up();
  assert.equal((await stampsOf(page, a)).length, 1);

  // A click without a drag chooses the picture for Edit.
  const chosen = (await page.$$('#library-grid .library-picture'))[1];
  await chosen.click();
  assert.deepEqual(await chosen.evaluate((e) => [e.value, e.getAttribute('aria-pressed')]), [b, 'true']);
  const lines = await page.evaluate(() => window.zarnikfield.s.listLineCount(1));
  await page.click('#library-click');
  await page.click('#library-grid .library-picture');
  await page.waitForFunction(`${goLines} === ${lines + 1} || ${goLines} === ${lines + 2}`, { timeout: WAIT });
  assert.equal(await page.evaluate(() => window.zarnikfield.s.listLineCount(1)) > lines, true);
  assert.equal((await stampsOf(page, a)).length, 1, 'a click in click mode places nothing');
  assert.deepEqual(page.errors, []);
});

test('a picture from disk is added in the palette, and one created in the paint tool is written as drawn', async () => {
  const page = await freshPage();
  await load(page);
  await page.click('#library-button');
  await page.click(`#library-tab-${STAMPS}`);

  // A PNG with a clear corner: red all but that, which stays transparent.
  const png = await page.evaluate(async () => {
    const c = document.createElement('canvas');
    c.width = 4;
    c.height = 2;
    const g = c.getContext('2d');
    g.fillStyle = '#f00404';
    g.fillRect(1, 0, 3, 1);
    g.fillRect(0, 1, 4, 1);
    const blob = await new Promise((r) => c.toBlob(r, 'image/png'));
    return [...new Uint8Array(await blob.arrayBuffer())];
  });
  const file = path.join(mkdtempSync(path.join(tmpdir(), 'zf-png-')), 'red box.png');
  writeFileSync(file, Buffer.from(png));
  await (await page.$('#library-panel input[type="file"]')).uploadFile(file);
  await page.waitForSelector('#library-grid .library-picture[value="red box.bmp"]', { timeout: WAIT });
  const added = await page.evaluate(() => [...window.zarnikfield.s.openPicture(2, 'red box.bmp').indexes]);
  assert.deepEqual(added, [253, 249, 249, 249, 249, 249, 249, 249]);
  await page.click('#library-create');
  await page.waitForSelector('#paintbox[open]', { timeout: WAIT });
  const canvas = await page.$('#paint-canvas');
  const box = await canvas.boundingBox();
  const side = await canvas.evaluate((c) => window.zarnikfield.library.paintBox.w);
  const at = (x, y) => ({ x: box.x + ((x + 0.5) * box.width) / side, y: box.y + ((y + 0.5) * box.height) / side });
  const click = async (x, y) => {
    const p = at(x, y);
    await page.mouse.click(p.x, p.y);
  };

  await page.click('.paint-swatches [data-index="249"]');
  await click(10, 10);
  await click(11, 10);
  await page.click('#paint-line');
  await page.click('.paint-swatches [data-index="252"]');
  const p = at(20, 30);
  const q = at(29, 30);
  await page.mouse.move(p.x, p.y);
  await page.mouse.down();
  await page.mouse.move(q.x, q.y, { steps: 5 });
  await page.mouse.up();
  // A stroke undone leaves what was before it.
  await page.click('#paint-pencil');
  await click(50, 50);
  await page.click('#paint-undo');
  await page.click('#paint-fill');
  // A second finger's press fills nothing (else the line joins the fill).
  await canvas.evaluate((c, p) => {
    const press = { isPrimary: false, pointerType: 'touch', pointerId: 9, clientX: p.x, clientY: p.y, bubbles: true };
    c.dispatchEvent(new PointerEvent('pointerdown', press));
  }, at(90, 90));
  await page.click('.paint-swatches [data-index="250"]');
  await click(90, 90);
  await page.click('#paint-eraser');
  await click(95, 5);
  await page.click('#paint-ok');
  // The picture is written once the box has closed, then shown.
  await page.waitForSelector('#library-grid .library-picture[value="untitled.bmp"]', { timeout: WAIT });

  const saved = await page.evaluate(() => {
    const p = window.zarnikfield.s.openPicture(2, 'untitled.bmp');
    return p && { w: p.width, h: p.height, indexes: [...p.indexes] };
  });
  assert.ok(saved, 'the picture is in the stamps folder');
  const at100 = (x, y) => saved.indexes[y * saved.w + x];
  assert.deepEqual([saved.w, saved.h], [100, 100]);
  assert.deepEqual([at100(10, 10), at100(11, 10), at100(12, 10)], [249, 249, 250]);
  assert.ok([20, 24, 29].every((x) => at100(x, 30) === 252), 'the line is drawn');
  assert.equal(at100(50, 50), 250, 'the undone pixel was filled with the rest');
  assert.equal(at100(95, 5), 253, 'the eraser paints the transparent colour');
  assert.equal(at100(0, 0), 253, 'the top-left pixel keeps the transparent colour');

  // Both are kept with the work over a reload.
  await page.reload({ waitUntil: 'load' });
  await page.waitForSelector('body.ready', { timeout: WAIT });
  const kept = await page.evaluate(() =>
    ['red box.bmp', 'untitled.bmp'].map((name) => [...(window.zarnikfield.s.openPicture(2, name)?.indexes ?? [])]),
  );
  assert.deepEqual(kept, [added, saved.indexes]);
  assert.deepEqual(page.errors, []);
});
