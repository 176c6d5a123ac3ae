// The printed pages the module lays out for the page: the desktop's sheets,
// page for page, whatever the paper.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { test } from 'node:test';

const modulePath = process.env.ZF_MODULE;
const zfield = process.env.ZF_NATIVE_ZFIELD || '';

globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = dirname(modulePath);
const { default: createZarnikfield } = await import(modulePath);
const core = await createZarnikfield({
  locateFile: (file) => join(dirname(modulePath), file),
  measureText: (font, text) => [text.length * 8, 20, 16],
});

const key = { forward: 0, procedure: 5, wait: 7, bracket: 11, digit: (d) => 240 + d };
const A4 = 0;
const LETTER = 1;
const DPI = 100;

function layout(s, what, paper, landscape, iconSize) {
  return JSON.parse(s.printPages(what, paper, landscape, DPI, iconSize, '8 December 2026', 'Page %1 of %2'));
}

const texts = (page) => page.ops.filter((op) => op.op === 'text').map((op) => op.text);

// pdfinfo's page count and first page size in points.
function pdfInfo(path) {
  const info = execFileSync('pdfinfo', [path]).toString();
  const [, w, h] = info.match(/Page size:\s+([\d.]+) x ([\d.]+)/).map(Number);
  return { pages: Number(info.match(/Pages:\s+(\d+)/)[1]), w, h };
}

function desktopPrint(s, args) {
  const dir = mkdtempSync(join(tmpdir(), 'zf-print-'));
  try {
    writeFileSync(join(dir, 'long.gop'), s.saveGop());
    execFileSync(zfield, ['print', join(dir, 'long.gop'), '-o', join(dir, 'out.pdf'), ...args]);
    return pdfInfo(join(dir, 'out.pdf'));
  } finally {
    rmSync(dir, { recursive: true });
  }
}

test('a long Go Program takes the desktop pages on every paper, headed and numbered', () => {
  const s = new core.WebSession();
  // As long as the robot's memory takes, with a procedure beside.
  for (let i = 0; i < 50; ++i) {
    s.key(key.forward);
    s.key(key.digit(1 + (i % 9)));
  }
  for (const k of [key.procedure, key.digit(1), key.bracket, key.wait, key.digit(2), key.bracket]) s.key(k);
  const go = s.listLineCount(1);
  const proc = s.listLineCount(2);
  assert.ok(go > 50 && proc > 0);
  for (const iconSize of [30, 50]) {
    // 55 less the listing size lines a page, the procedures from a new one.
    const perPage = 55 - iconSize;
    const expected = Math.ceil(go / perPage) + Math.ceil(proc / perPage);
    const a4 = layout(s, 0, A4, false, iconSize);
    const letter = layout(s, 0, LETTER, true, iconSize);
    assert.equal(a4.pages.length, expected, `listing size ${iconSize}`);
    assert.equal(letter.pages.length, expected);
    // Sheets of the paper's size with an inch of margin.
    assert.deepEqual([a4.width, a4.height, a4.margin.x], [Math.round((210 * DPI) / 25.4), Math.round((297 * DPI) / 25.4), DPI]);
    assert.deepEqual([letter.width, letter.height], [11 * DPI, 8.5 * DPI]);
    for (const [i, page] of a4.pages.entries()) {
      assert.deepEqual([page.width, page.height], [a4.width, a4.height]);
      const words = texts(page);
      assert.ok(words.includes(`Page ${i + 1} of ${expected}`), words.join('|'));
      assert.ok(words.includes('8 December 2026'));
      // Everything lies on the paper.
      for (const op of page.ops.filter((o) => o.op === 'image'))
        assert.ok(op.x >= 0 && op.y >= 0 && op.x + op.w <= a4.width && op.y + op.h <= a4.height);
    }
    if (zfield) {
      const desktop = desktopPrint(s, ['--icon-size', String(iconSize)]);
      assert.equal(a4.pages.length, desktop.pages);
      assert.ok(Math.abs(desktop.w - 595.3) < 1 && Math.abs(desktop.h - 841.9) < 1, `${desktop.w} x ${desktop.h}`);
    }
  }
});

test('the working area fills one page between the margins, centred and square on a square floor', () => {
  const s = new core.WebSession();
  s.key(key.forward);
  s.key(key.digit(2));
  const a4 = layout(s, 1, A4, false, 30);
  assert.equal(a4.pages.length, 1);
  const { at, floor } = a4.pages[0];
  // 10 x 10 steps across the width less the margins, halfway down.
  assert.ok(Math.abs(at.w - (a4.width - 2 * DPI)) <= 2, JSON.stringify(at));
  assert.equal(at.w, at.h);
  assert.ok(Math.abs(at.y + at.h / 2 - a4.height / 2) <= 1);
  assert.ok(floor.width > 0 && floor.ops.some((op) => op.op === 'fill'));
  assert.ok(!floor.ops.some((op) => op.op === 'robot'), 'the robot is not printed');
  const landscape = layout(s, 1, LETTER, true, 30).pages[0].at;
  assert.ok(Math.abs(landscape.h - (8.5 * DPI - 2 * DPI)) <= 2, JSON.stringify(landscape));
  if (zfield) assert.equal(desktopPrint(s, ['--working-area']).pages, 1);
});
