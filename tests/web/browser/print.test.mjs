// Printing through the browser's print dialog, as Chromium's own print
// output gives it, and the working area saved as a picture.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, unlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { WAIT, catchDownloads, freshPage, load, zfield } from './harness.mjs';

const work = mkdtempSync(path.join(tmpdir(), 'zf-print-'));

function pdfInfo(file) {
  const info = execFileSync('pdfinfo', [file]).toString();
  const [, w, h] = info.match(/Page size:\s+([\d.]+) x ([\d.]+)/).map(Number);
  return { pages: Number(info.match(/Pages:\s+(\d+)/)[1]), w, h };
}

// Presses a print button, answers its box with `choices` (one value a
// select) and gives the sheets put up for the print dialog and what
// Chromium prints of them.
async function printed(page, button, choices, name) {
  await page.evaluate(() => {
    window.printed = new Promise((resolve) => {
      window.print = () => resolve(document.querySelectorAll('#print-sheets img').length);
    });
  });
  await page.click('#print-menu');
  await page.click(button);
  await page.waitForSelector('#tool-form[open]', { timeout: WAIT });
  const selects = await page.$$('#tool-form select');
  for (const [i, value] of choices.entries()) await selects[i].select(value);
  await page.click('#tool-form button[value="ok"]');
  const sheets = await page.evaluate(() => window.printed);
  const file = path.join(work, `${name}.pdf`);
  writeFileSync(file, await page.pdf({ preferCSSPageSize: true }));
  return { sheets, ...pdfInfo(file) };
}

const pngSize = (bytes) => [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];

test('a long program prints the desktop pages, one printed sheet each, on the paper chosen', async () => {
  const page = await freshPage();
  await load(page);
  const lines = await page.evaluate(() => {
    const zf = window.zarnikfield;
    for (let i = 0; i < 60; ++i) zf.keyed(() => zf.s.key(0) && zf.s.key(241));
    return zf.s.listLineCount(1);
  });
  // 25 lines a page at the desktop's listing size of 30.
  const expected = Math.ceil(lines / 25);
  const a4 = await printed(page, '#print-program', ['0', '0'], 'program-a4');
  assert.deepEqual([a4.sheets, a4.pages], [expected, expected]);
  assert.ok(Math.abs(a4.w - 595.3) < 2 && Math.abs(a4.h - 841.9) < 2, `${a4.w} x ${a4.h}`);
  const letter = await printed(page, '#print-program', ['1', '1'], 'program-letter');
  assert.deepEqual([letter.sheets, letter.pages], [expected, expected]);
  assert.ok(Math.abs(letter.w - 792) < 2 && Math.abs(letter.h - 612) < 2, `${letter.w} x ${letter.h}`);
  if (zfield) {
    const gop = path.join(work, 'long.gop');
    writeFileSync(gop, Buffer.from(await page.evaluate(() => Array.from(window.zarnikfield.s.saveGop()))));
    execFileSync(zfield, ['print', gop, '-o', path.join(work, 'desktop.pdf')], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
    assert.equal(pdfInfo(path.join(work, 'desktop.pdf')).pages, a4.pages);
  }
  const area = await printed(page, '#print-area', ['0', '0'], 'area');
  assert.deepEqual([area.sheets, area.pages], [1, 1]);
  assert.deepEqual(page.errors, []);
});

test('Save Picture downloads the working area at its size, with the robot or without it', async () => {
  const page = await freshPage();
  const { folder, next } = await catchDownloads(page);
  await load(page);
  const save = async (withRobot) => {
    const downloaded = next();
    await page.click('#print-menu');
    await page.click('#save-picture');
    await page.waitForSelector('#tool-form[open]', { timeout: WAIT });
    const box = await page.$('#tool-form input[type="checkbox"]');
    if ((await box.evaluate((b) => b.checked)) !== withRobot) await box.click();
    await page.click('#tool-form button[value="ok"]');
    await downloaded;
    const [name] = readdirSync(folder);
    const bytes = readFileSync(path.join(folder, name));
    // Taken away, so that the next one comes under its own name.
    unlinkSync(path.join(folder, name));
    return { name, bytes };
  };
  // While pictures are being made, Save Picture does not start again.
  await page.evaluate(() => {
    window.zarnikfield.printing.ready(() => new Promise((r) => (window.madeSheets = r)));
  });
  await page.click('#print-menu');
  await page.click('#save-picture');
  assert.equal(await page.$('#tool-form[open]'), null);
  await page.evaluate(() => window.madeSheets());
  const withRobot = await save(true);
  const without = await save(false);
  assert.deepEqual([withRobot.name, without.name], ['program.png', 'program.png']);
  const area = await page.evaluate(() => window.zarnikfield.floor.area);
  assert.deepEqual(pngSize(withRobot.bytes), [area.w, area.h]);
  assert.deepEqual(pngSize(without.bytes), [area.w, area.h]);
  assert.notDeepEqual(without.bytes, withRobot.bytes);
  assert.deepEqual(page.errors, []);
});
