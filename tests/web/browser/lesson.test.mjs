// Lessons on the page: a lesson file opened through the file input shows
// its own background, saves as the same bytes and is there after a reload.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { test } from 'node:test';

import { WAIT, answer, catchDownloads, examples, freshPage, load, settle, zfield } from './harness.mjs';

const hash = `(() => {
  const c = document.getElementById('floor');
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let h = 0;
  for (let i = 0; i < d.length; i += 7) h = (h * 31 + d[i]) >>> 0;
  return h;
})()`;

// The working area once it has painted something other than `before` and
// holds still for a few frames.
async function paintedAfter(page, before) {
  await page.waitForFunction(`${hash} !== ${before}`, { timeout: WAIT });
  let last;
  let now = await page.evaluate(hash);
  do {
    last = now;
    await page.evaluate(() => new Promise((r) => setTimeout(r, 200)));
    now = await page.evaluate(hash);
  } while (now !== last);
  return now;
}

test('a lesson opened from the disk shows its background, saves the same bytes and survives a reload', async () => {
  const dir = mkdtempSync(path.join(tmpdir(), 'zf-lesson-'));
  const file = path.join(dir, 'island.zfl');
  const page = await freshPage();
  const { folder: downloads, next } = await catchDownloads(page);
  await load(page);
  if (zfield) {
    execFileSync(zfield, ['lesson', 'pack', path.join(examples, 'island.zfp'), '-o', file]);
  } else {
    const made = await page.evaluate(() => {
      const s = new window.zarnikfield.s.constructor();
      s.openActivity('island.zfp');
      return Array.from(s.saveLesson());
    });
    writeFileSync(file, Buffer.from(made));
  }
  const lesson = readFileSync(file);
  const first = await page.evaluate(hash);

  // The top bar's one Lesson button offers the commands.
  const lessonCommand = async (label) => {
    await page.click('#lesson');
    await answer(page, label);
  };
  const openLesson = async () => {
    const chosen = page.waitForFileChooser({ timeout: WAIT });
    await lessonCommand('Open Lesson…');
    await (await chosen).accept([file]);
  };
  await openLesson();
  await settle(page, `window.zarnikfield.s.projectFolder() === '/work/lessons/island/'`);
  const opened = await paintedAfter(page, first);
  // The same picture as the bundled activity the lesson was made of.
  await page.evaluate(() => window.zarnikfield.openActivity('island.zfp'));
  await settle(page, `!window.zarnikfield.s.projectFolder().startsWith('/work/lessons/')`);
  await page.evaluate(() => window.zarnikfield.repaintAll());
  assert.equal(await paintedAfter(page, first), opened);
  // Opened again: a folder of its own beside the first.
  await openLesson();
  await settle(page, `window.zarnikfield.s.projectFolder() === '/work/lessons/island 2/'`);

  const downloaded = next();
  await lessonCommand('Save Lesson…');
  await downloaded;
  assert.deepEqual(readFileSync(path.join(downloads, 'island.zfl')), lesson);

  await page.reload({ waitUntil: 'load' });
  await page.waitForSelector('body.ready', { timeout: WAIT });
  assert.equal(await page.evaluate(() => window.zarnikfield.s.projectFolder()), '/work/lessons/island 2/');
  assert.equal(await paintedAfter(page, first), opened);
  assert.deepEqual(Buffer.from(await page.evaluate(() => Array.from(window.zarnikfield.s.saveLesson()))), lesson);
  assert.deepEqual(page.errors, []);
  await page.browserContext().close();
});
