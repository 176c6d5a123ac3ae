// The robot lead in headless Chromium: the page's Send and Get over a fake
// serial port whose far end is the emulator's robot, built for the browser.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { WAIT, answer, freshPage, here, load, mirror, settle, url } from './harness.mjs';

const robotModule = process.env.ZF_ROBOT_MODULE;
// The desktop's tests shorten the time-outs alike: a silent robot costs a
// fraction of a second.
const SHORT_TIMEOUTS = [50, 200, 400, 150, 250, 150];
const key = { forward: 0, right: 3, repeat: 4, procedure: 5, bracket: 11, digit: (d) => 240 + d };
const shots = process.env.ZF_SCREENSHOTS || '';

async function robotPage({ short = true, query = '' } = {}) {
  assert.ok(robotModule, 'ZF_ROBOT_MODULE names the robot built for the browser');
  const page = await freshPage();
  const wasm = readFileSync(robotModule.replace(/\.js$/, '.wasm')).toString('base64');
  await page.evaluateOnNewDocument(
    [
      `window.zarnikRobotWasm = Uint8Array.from(atob('${wasm}'), (c) => c.charCodeAt(0));`,
      readFileSync(robotModule, 'utf8'),
      readFileSync(path.join(here, 'fake-serial.js'), 'utf8'),
    ].join('\n'),
  );
  await page.goto(`${url}${query}`, { waitUntil: 'load' });
  await page.waitForSelector('body.ready', { timeout: WAIT });
  await page.waitForFunction(() => window.fakeSerial.robot, { timeout: WAIT });
  if (short) await page.evaluate((t) => window.zarnikfield.s.setLinkTimeouts(...t), SHORT_TIMEOUTS);
  return page;
}

// Keys a program as the keypad does and gives the Go List's lines.
async function keyProgram(page, codes) {
  await page.evaluate((codes) => {
    const zf = window.zarnikfield;
    for (const code of codes) zf.keyed(() => zf.s.key(code));
  }, codes);
  await page.waitForFunction((n) => document.querySelectorAll('#golist .list-mirror li').length === n, { timeout: WAIT }, await page.evaluate(() => window.zarnikfield.s.listLineCount(1)));
  return mirror(page);
}

// Clicks a transfer's button and gives the message it ends with; `shot`
// names a screenshot of it, taken where ZF_SCREENSHOTS asks for them.
async function transfer(page, button, shot = '') {
  await command(page, button);
  if (shot && shots) {
    await page.waitForSelector('#message[open]', { timeout: WAIT });
    await page.screenshot({ path: path.join(shots, shot) });
  }
  return answer(page, 'OK');
}

// A command of the Floor Zarnik menu.
async function command(page, id) {
  await page.click('#robot-menu');
  await page.click(id);
}

const robot = (page, f, ...args) => page.evaluate((f, ...args) => window.fakeSerial.robot[f](...args), f, ...args);
// RPT 2 [ FD 1 RT 9 0 ] P 3, and P 3 [ FD 1 ] in the procedures.
const program = [
  ...[key.repeat, key.digit(2), key.bracket, key.forward, key.digit(1), key.right, key.digit(9), key.digit(0), key.bracket],
  ...[key.procedure, key.digit(3), key.procedure, key.digit(3), key.bracket, key.forward, key.digit(1), key.bracket],
];

test('Send then Get carry a program to the robot and back, on a port opened at the robot settings', async () => {
  const page = await robotPage();
  const keyed = await keyProgram(page, program);
  const procedures = await mirror(page, 'proclist');
  assert.equal(procedures.length, 3);
  const sent = await transfer(page, '#send-robot');
  assert.equal(sent.text, 'Program copied to Zarnik.');
  assert.equal(await robot(page, 'storeCount'), 1);
  assert.equal(await robot(page, 'describe'), 'GO:\nNAME("Floor Zarnik.gop")\nRPT 2 [\nFD 1\nRT 9 0\n]\nP 3\nPROC:\nP 3 [\nFD 1\n]\nunits left: 157\n');

  await page.click('#new');
  await settle(page, `document.querySelectorAll('#golist .list-mirror li').length === 1`);
  const got = await transfer(page, '#get-robot');
  assert.equal(got.text, 'Program copied from Zarnik.');
  // The lists are drawn anew at the next frame.
  const shown = (list) => `document.querySelectorAll('#${list} .list-mirror li').length`;
  await page.waitForFunction(`${shown('golist')} === ${keyed.length} && ${shown('proclist')} === ${procedures.length}`, { timeout: WAIT });
  const back = await mirror(page);
  assert.deepEqual(back.slice(1), keyed.slice(1), 'the same instructions come back');
  assert.deepEqual(await mirror(page, 'proclist'), procedures);
  assert.match(back[0], /Floor Zarnik\.gop/);

  const port = await page.evaluate(() => {
    const f = window.fakeSerial;
    return { chosen: f.chosen, opened: f.opened, signals: f.signals, open: f.port.isOpen };
  });
  // Chosen once for the visit; opened for each exchange (Send reads the
  // robot first) and closed after it.
  assert.equal(port.chosen, 1);
  assert.equal(port.opened.length, 3);
  for (const settings of port.opened) assert.deepEqual(settings, { baudRate: 1200, dataBits: 8, stopBits: 1, parity: 'none', flowControl: 'none' });
  assert.deepEqual(port.signals, Array(3).fill({ dataTerminalReady: false, requestToSend: false }));
  assert.equal(port.open, false);
  assert.deepEqual(page.errors, []);
  await page.browserContext().close();
});

test('a silent robot is not responding, an echoing one is understood, a garbled answer is refused, and the report shows what came', async () => {
  const page = await robotPage({ query: '?debug' });
  await keyProgram(page, program);
  const before = await mirror(page);
  // Work saved: a Get asks nothing first.
  const saved = () => page.evaluate(() => window.zarnikfield.setChanged(false));
  await saved();

  // A chooser closed without a port is no transfer and no message.
  await page.evaluate(() => (window.fakeSerial.mode.refuse = true));
  await command(page, '#get-robot');
  await page.waitForFunction(() => !window.fakeSerial.mode.refuse, { timeout: WAIT });
  await robot(page, 'setOptions', false, 197, true);
  const start = Date.now();
  const silent = await transfer(page, '#get-robot', 'serial-not-responding.png');
  assert.match(silent.text, /^The Floor Zarnik is not responding:/);
  assert.match(silent.text, /Port tried: COM 1 \(USB 0403:6001\)$/);
  // The wait for the answer and the read, as on the desktop.
  assert.ok(Date.now() - start >= SHORT_TIMEOUTS[3] + SHORT_TIMEOUTS[4]);
  assert.deepEqual(await mirror(page), before, 'the program stays');
  assert.equal(await robot(page, 'storeCount'), 0);

  // An echoing robot takes the program and gives it back.
  await robot(page, 'setOptions', true, 197, false);
  assert.equal((await transfer(page, '#send-robot')).text, 'Program copied to Zarnik.');
  await command(page, '#coms-report');
  assert.equal((await transfer(page, '#get-robot')).text, 'Program copied from Zarnik.');
  await page.waitForSelector('#report[open]', { timeout: WAIT });
  const report = await page.$eval('#report pre', (pre) => pre.textContent);
  assert.match(report, /^Zarnik Memory Dump: ReadZarnikProgramToZarnikMemBuffer\(\)\r\n/);
  assert.match(report, /All Commands processed\r\n\[Guard Bands\]\r\n0000\.\.dd dd/);
  if (shots) await page.screenshot({ path: path.join(shots, 'serial-report.png') });
  await page.click('#report button[value=close]');
  assert.deepEqual((await mirror(page)).slice(1), before.slice(1));

  await page.evaluate(() => {
    window.fakeSerial.mode.garbled = true;
  });
  await command(page, '#coms-report');
  await saved();
  const garbled = await transfer(page, '#get-robot');
  assert.match(garbled.text, /^The Floor Zarnik's answer could not be understood\./);
  assert.equal(await page.$('#report[open]'), null);
  assert.deepEqual(page.errors, []);
  await page.browserContext().close();
});

test("a slow robot at the lead's own pace still takes and gives the program, with the page locked meanwhile", async () => {
  const page = await robotPage({ short: false });
  await keyProgram(page, program);
  await page.evaluate(() => {
    window.fakeSerial.mode.slow = true;
  });
  const lines = await page.evaluate(() => window.zarnikfield.s.listLineCount(1));
  await command(page, '#send-robot');
  await page.waitForSelector('#link-progress:not([hidden])', { timeout: WAIT });
  assert.equal(await page.$eval('#link-progress p', (p) => p.textContent), 'Sending the Go Program to the Floor Zarnik...');
  assert.ok(await page.$eval('main.desk', (m) => m.inert));
  if (shots) await page.screenshot({ path: path.join(shots, 'serial-sending.png') });
  // A key pressed meanwhile reaches nothing.
  await page.keyboard.press('ArrowUp');
  const sent = await answer(page, 'OK');
  assert.equal(sent.text, 'Program copied to Zarnik.');
  assert.equal(await page.evaluate(() => window.zarnikfield.s.listLineCount(1)), lines);
  assert.equal(await robot(page, 'storeCount'), 1);
  const after = await page.evaluate(() => [document.querySelector('main.desk').inert, document.getElementById('link-progress').hidden]);
  assert.deepEqual(after, [false, true], 'the page free again, the notice gone');

  // Cancel keeps the program and reads nothing; No gets it.
  await command(page, '#get-robot');
  await answer(page, 'Cancel');
  await command(page, '#get-robot');
  const question = await answer(page, 'No');
  assert.equal(question.text, 'Do you want to save changes to the Go Program?');
  if (shots) {
    await page.waitForSelector('#link-progress:not([hidden])', { timeout: WAIT });
    await page.screenshot({ path: path.join(shots, 'serial-getting.png') });
  }
  const got = await answer(page, 'OK');
  assert.equal(got.text, 'Program copied from Zarnik.');
  assert.equal(await page.evaluate(() => window.zarnikfield.s.listLineCount(1)), lines);
  assert.equal(await page.evaluate(() => window.fakeSerial.opened.length), 3, 'the Send twice, the Get once');
  assert.deepEqual(page.errors, []);
  await page.browserContext().close();
});

test('a browser without Web Serial says plainly that it cannot reach the robot', async () => {
  const page = await freshPage();
  await page.evaluateOnNewDocument(() => {
    delete Navigator.prototype.serial;
  });
  await load(page);
  // A click elsewhere puts the menu away.
  await page.click('#robot-menu');
  await page.click('#golist');
  assert.equal(await page.$eval('#robot-choices', (m) => m.hidden), true);
  // Unsaved work is not asked about: nothing can replace it.
  await page.click('[data-code="0"]');
  await page.waitForFunction(() => window.zarnikfield.changed, { timeout: WAIT });
  for (const button of ['#send-robot', '#get-robot']) {
    const box = await transfer(page, button, `serial-no-web-serial-${button.slice(1)}.png`);
    assert.match(box.text, /^This browser cannot reach the Floor Zarnik/);
    assert.match(box.text, /Chrome or Edge on a computer, or on a Chromebook/);
  }
  await page.evaluate(() => new Promise((r) => setTimeout(r, 300)));
  assert.equal(await page.$('#message[open]'), null);
  await page.browserContext().close();
});
