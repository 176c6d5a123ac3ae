// What the browser tests share: the site served on loopback, one headless
// Chromium per file, fresh pages and the page's message box.
import { after, before } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

export const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.resolve(here, '../../..');
export const site = process.env.ZF_SITE;
const chromium = process.env.ZF_CHROMIUM || '/usr/bin/chromium';
export const WAIT = 20000;
// The desktop's command-line companion and its example project, where a
// native build made them: the page's picture is compared with theirs.
export const zfield = process.env.ZF_NATIVE_ZFIELD || '';
export const examples = process.env.ZF_EXAMPLES || '';

let server;

// Takes the server away, as a lost connection does.
export async function stopServer() {
  server.kill();
  await new Promise((r) => server.once('exit', r));
}

export let url;
export let browser;

export function serve() {
  return new Promise((resolve, reject) => {
    const child = spawn('python3', [path.join(root, 'tools/web-serve.py'), site, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
    child.on('error', reject);
    child.stdout.on('data', (data) => {
      const m = /http:\/\/localhost:(\d+)\//.exec(String(data));
      if (m) resolve({ child, url: m[0] });
    });
  });
}

before(async () => {
  assert.ok(site, 'ZF_SITE names the built site');
  ({ child: server, url } = await serve());
  browser = await puppeteer.launch({ executablePath: chromium, headless: true, args: ['--no-sandbox'] });
});

after(async () => {
  await browser?.close();
  server?.kill();
});

// A fresh profile each time, with the pickers taken away so that the page
// uses its file input and downloads, which a test can drive.
export async function freshPage() {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  await page.evaluateOnNewDocument(() => {
    delete window.showOpenFilePicker;
    delete window.showSaveFilePicker;
  });
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  page.on('console', (m) => {
    if (m.type() === 'error' && /Content Security Policy/.test(m.text())) errors.push(m.text());
  });
  page.errors = errors;
  return page;
}

export async function load(page) {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('body.ready', { timeout: WAIT });
}

export const mirror = (page, id = 'golist') => page.$$eval(`#${id} .list-mirror li`, (items) => items.map((li) => li.textContent));
export const floorPixels = (page) =>
  page.$eval('#floor', (c) => {
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let h = 0;
    for (let i = 0; i < d.length; i += 7) h = (h * 31 + d[i]) >>> 0;
    return h;
  });

// Answers a box the page shows with the button of `label`, and gives the
// box's caption and text.
export async function answer(page, label) {
  await page.waitForSelector('#message[open]', { timeout: WAIT });
  const box = await page.$eval('#message', (d) => ({ caption: d.querySelector('h2').textContent, text: d.querySelector('p').textContent }));
  const buttons = await page.$$('#message[open] .buttons button');
  for (const b of buttons) {
    if ((await b.evaluate((e) => e.textContent)) === label) await b.click();
  }
  await page.waitForSelector('#message:not([open])', { timeout: WAIT });
  return box;
}

export const goLines = `document.querySelectorAll('#golist .list-mirror li').length`;

// Waits for `done` in the page, answering No to a question about the work
// there before (it is not kept).
export async function settle(page, done) {
  await page.waitForFunction(`document.querySelector('#message[open]') || (${done})`, { timeout: WAIT });
  if (await page.$('#message[open]')) await answer(page, 'No');
  await page.waitForFunction(done, { timeout: WAIT });
}

// Waits until the page shows the program `name`, unchanged: the program
// before it may still be on show while the page reads a file or asks.
export const showing = (page, name) =>
  settle(page, `!window.zarnikfield.changed && window.zarnikfield.fileName === '${name}' && ${goLines} === window.zarnikfield.s.listLineCount(1)`);

// A new program; gives the number of lines it starts with.
export async function newProgram(page) {
  await page.click('#new');
  await showing(page, 'program.gop');
  return page.evaluate(() => window.zarnikfield.s.listLineCount(1));
}


// Lets `page` download into a folder of its own; `next()` waits for the
// next download to end.
export async function catchDownloads(page) {
  const folder = mkdtempSync(path.join(tmpdir(), 'zf-save-'));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {
    behavior: 'allow',
    downloadPath: folder,
    browserContextId: page.browserContext().id,
    eventsEnabled: true,
  });
  const next = () => new Promise((resolve) => cdp.on('Browser.downloadProgress', (e) => e.state === 'completed' && resolve()));
  return { folder, next };
}
