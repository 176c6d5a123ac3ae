// The browser edition's speed on a built site in headless Chromium: time to
// a usable keypad, the module's size, a run's schedule against the core's
// own, and the working area's frames during the run.
import { spawn } from 'node:child_process';
import { statSync } from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const require = createRequire(path.join(root, 'tests/web/browser/package.json'));
const puppeteer = require('puppeteer-core');
const site = path.resolve(process.argv[2]);
const loads = 5;

function serve() {
  return new Promise((resolve) => {
    const child = spawn('python3', [path.join(root, 'tools/web-serve.py'), site, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
    child.stdout.on('data', (data) => {
      const m = /http:\/\/localhost:(\d+)\//.exec(String(data));
      if (m) resolve({ child, url: m[0] });
    });
  });
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (name) => statSync(path.join(site, name)).size / 1024;

const { child, url } = await serve();
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });
try {
  const ready = [];
  for (let i = 0; i < loads; ++i) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1280, height: 800 });
    await page.goto(url, { waitUntil: 'load' });
    await page.waitForSelector('body.ready');
    ready.push(await page.evaluate(() => performance.getEntriesByName('zf-ready')[0].startTime));
    await context.close();
  }
  console.log(`navigation to a usable keypad: median ${median(ready).toFixed(0)} ms, worst ${Math.max(...ready).toFixed(0)} ms over ${loads} fresh loads`);
  const wasm = kb('zarnikfield.wasm');
  const js = kb('zarnikfield.js');
  console.log(`module: ${wasm.toFixed(0)} KB WebAssembly + ${js.toFixed(0)} KB JavaScript = ${((wasm + js) / 1024).toFixed(2)} MB`);

  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('body.ready');
  // Forward 4 at each speed: the wall time of the page's run against the
  // time the core's schedule gives for the same zoom, on a clock of its own.
  for (const [speed, name] of [[0, 'Fast'], [1, 'Slow']]) {
    const result = await page.evaluate(async (speed) => {
      const zf = window.zarnikfield;
      const s = zf.s;
      s.openActivity('gridmat.zfp');
      s.newProgram();
      zf.setSpeed(speed);
      for (const code of [0, 244]) s.key(code);
      // The page as the child sees it before pressing GO: painted whole.
      zf.drain();
      zf.repaintAll();
      await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
      const twin = new s.constructor();
      twin.openActivity('gridmat.zfp');
      twin.newProgram();
      twin.setSpeed(speed);
      for (const code of [0, 244]) twin.key(code);
      const dpr = window.devicePixelRatio || 1;
      twin.floor(Math.floor(zf.floor.box.clientWidth * dpr), Math.floor(zf.floor.box.clientHeight * dpr), false);
      twin.pump(0);
      twin.run(false);
      let now = 0;
      for (let due = twin.nextDue(); due >= 0; due = twin.nextDue()) twin.pump((now = Math.max(now, due)));
      twin.delete();
      zf.floor.slowestPaintMs = 0;
      const frames = [];
      const paint = zf.floor.paint.bind(zf.floor);
      zf.floor.paint = () => {
        paint();
        frames.push(zf.floor.lastPaintMs);
      };
      const started = performance.now();
      document.querySelector('[data-code="17"]').click();
      await new Promise((resolve) => {
        const poll = () => (document.body.classList.contains('running') || performance.now() - started < 100 ? setTimeout(poll, 5) : resolve());
        poll();
      });
      const wall = performance.now() - started;
      zf.floor.paint = paint;
      frames.sort((a, b) => a - b);
      return { expected: now, wall, frames: frames.length, median: frames[Math.floor(frames.length / 2)], p95: frames[Math.floor(frames.length * 0.95)], max: frames[frames.length - 1] };
    }, speed);
    const drift = ((result.wall - result.expected) / result.expected) * 100;
    console.log(
      `Forward 4 at ${name}: the core's schedule ${result.expected.toFixed(0)} ms, the page's run ${result.wall.toFixed(0)} ms (${drift >= 0 ? '+' : ''}${drift.toFixed(1)} %); ` +
        `${result.frames} frames painted, median ${result.median.toFixed(1)} ms, 95th percentile ${result.p95.toFixed(1)} ms, slowest ${result.max.toFixed(1)} ms`,
    );
  }
} finally {
  await browser.close();
  child.kill();
}
