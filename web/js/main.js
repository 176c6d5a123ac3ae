// The page: builds the parts, hands every key and button to the core, and
// repaints what the core's events say.
import createZarnikfield from '../zarnikfield.js';
import { ask, chooseActivity, warn } from './dialogs.js';
import { pickGop, saveGop } from './files.js';
import { FloorPointer } from './drag.js';
import { FloorView } from './floor.js';
import { HelpPanel } from './help.js';
import { buildKeypad } from './keypad.js';
import { ListView } from './lists.js';
import { PictureCache, makeMeasurer } from './paint.js';
import { Printing } from './print.js';
import { RobotLink, SerialLine } from './serial.js';
import { Speaker } from './sound.js';
import { LibraryPanel } from './library.js';
import { Lessons, restoreLesson } from './lesson.js';
import { forgetLesson, keep, kept, setAside } from './storage.js';
import { texts } from './texts.js';
import { ToolBar } from './tools.js';

const GO_LIST = 1;
const PROC_LIST = 2;
const ANSWER = { yes: 0, no: 1, cancel: 2 };
const SPEED_KEY = 'zarnikfield.speed';
const SOUND_KEY = 'zarnikfield.sound';
const CHANGED_KEY = 'zarnikfield.changed';
const DEFAULT_SPEED = 3; // Medium, as the desktop starts
const FIRST_ACTIVITY = 'gridmat.zfp';

const $ = (id) => document.getElementById(id);

function applyTexts() {
  document.title = texts.product;
  for (const el of document.querySelectorAll('[data-text]')) el.textContent = texts[el.dataset.text];
  for (const el of document.querySelectorAll('[data-label]')) el.setAttribute('aria-label', texts[el.dataset.label]);
}

// Larger key pictures on a projector's wide screen.
function iconSizeFor(width) {
  return width >= 1800 ? 44 : width >= 1500 ? 38 : 30;
}

class Page {
  constructor(session) {
    this.s = session;
    this.pictures = new PictureCache(session);
    this.floor = new FloorView($('floor-box'), $('floor'), session, this.pictures);
    // While something is dragged the work is kept once, at the drop.
    this.holding = false;
    this.pointer = new FloorPointer(this, this.floor);
    this.lists = {
      [GO_LIST]: new ListView($('golist'), session, GO_LIST, this.pictures),
      [PROC_LIST]: new ListView($('proclist'), session, PROC_LIST, this.pictures),
    };
    for (const list of Object.values(this.lists)) list.onClick = (l, line) => this.act(() => this.s.clickList(l, line));
    this.keypad = buildKeypad($('keypad'), (code) => this.keyed(() => this.s.key(code)));
    this.running = false;
    // True while a transfer waits on the robot's port: the module takes no
    // other call until it ends.
    this.linking = false;
    this.fileName = texts.defaultFileName;
    this.dirty = { floor: false, lists: new Set() };
    this.paintFrame = 0;
    this.pumpTimer = 0;
    this.hop = new MessageChannel();
    this.hop.port1.onmessage = () => this.schedule();
    this.keepWarned = false;
    // Warnings shown so far: a tool's box opens again after a refusal.
    this.warned = 0;
    this.tools = new ToolBar($('tools'), this);
    this.library = new LibraryPanel($('library-panel'), this);
    this.speaker = new Speaker();
    this.help = new HelpPanel($('help-panel'), (file) => this.openActivity(file));
    // Known once the page is up: see helpShipped().
    this.helpShipped = null;
    try {
      this.changed = localStorage.getItem(CHANGED_KEY) === '1';
    } catch {
      this.changed = false;
    }
  }

  // The core's clock brought to now, so that what an action starts (a run,
  // the CM prompt's time) counts from this moment; what fell due is shown
  // apart from what the action does.
  tick() {
    this.s.pump(performance.now());
    this.drain();
  }

  // Does `action` on the core, then whatever its events ask.
  act(action) {
    this.tick();
    const result = action();
    this.drain();
    this.schedule();
    return result;
  }

  // A key that changed a list leaves work that is not saved.
  keyed(action) {
    this.tick();
    const result = action();
    const events = this.drain();
    if (events.repaintLists?.length) this.setChanged(true);
    this.schedule();
    return result;
  }

  setChanged(changed) {
    this.changed = changed;
    try {
      if (changed) localStorage.setItem(CHANGED_KEY, '1');
      else localStorage.removeItem(CHANGED_KEY);
    } catch {
      // Kept for this visit only.
    }
  }

  drain(events = JSON.parse(this.s.takeEvents())) {
    this.speaker.play(events.tones);
    for (const w of events.warnings || []) warn(w.caption, w.text, w.kind);
    this.warned += events.warnings?.length || 0;
    for (const l of events.repaintLists || []) this.dirty.lists.add(l);
    if (events.repaintFloor || events.robotMoved) this.dirty.floor = true;
    if ('clearPrompt' in events) this.keypad.showPrompt(events.clearPrompt);
    if (typeof events.status === 'string') $('status').textContent = events.status || texts.ready;
    const wasRunning = this.running;
    if (typeof events.running === 'boolean') this.running = events.running;
    document.body.classList.toggle('running', this.running);
    // A run's every step is not read out; where it ends is.
    $('status').setAttribute('aria-live', this.running ? 'off' : 'polite');
    $('run').disabled = this.running;
    $('stop').disabled = !this.running;
    $('send-robot').disabled = $('get-robot').disabled = this.running;
    const changed = this.dirty.lists.size > 0 || this.dirty.floor;
    // A finger on the working area drags rather than scrolls while it can.
    this.floor.canvas.classList.toggle('draggable', this.s.dragPossible());
    if (!this.running && !this.holding && (wasRunning || changed)) this.keepWork();
    if (changed) this.requestPaint();
    return events;
  }

  keepWork() {
    if (keep(this.s.snapshot()) || this.keepWarned) return;
    this.keepWarned = true;
    warn(texts.product, texts.notKept);
  }

  requestPaint() {
    if (!this.paintFrame) this.paintFrame = requestAnimationFrame(() => this.paint());
  }

  paint() {
    this.paintFrame = 0;
    if (this.linking) return;
    for (const l of this.dirty.lists) this.lists[l]?.update();
    this.dirty.lists.clear();
    if (this.dirty.floor) this.floor.paint();
    this.dirty.floor = false;
  }

  repaintAll() {
    this.pictures.clear();
    // Another project has pictures of its own.
    if (this.library?.isOpen) this.library.show(this.library.category);
    this.dirty.floor = true;
    this.dirty.lists.add(GO_LIST).add(PROC_LIST);
    this.requestPaint();
  }

  // Runs the core's clock at each due time, a few ms apart at Fast: the
  // robot's steps keep the desktop's schedule, and the pictures are painted
  // once a frame whatever the steps were in between.
  schedule() {
    clearTimeout(this.pumpTimer);
    if (this.linking) return;
    const due = this.s.nextDue();
    if (due < 0) return;
    this.pumpTimer = setTimeout(() => this.pump(), Math.max(0, due - performance.now()));
  }

  // A timer set from a timer's own callback is held back to 4 ms once the
  // chain is five deep, more than a Fast step allows; one set from a message
  // starts a fresh chain.
  pump() {
    if (this.linking) return;
    this.s.pump(performance.now());
    this.drain();
    this.hop.port2.postMessage(0);
  }

  // An action that puts the program away: keyed work not saved is offered
  // for saving first, and a question of the core's is asked of the child
  // in its own words before anything is lost.
  async guarded(action) {
    if (this.changed) {
      const answer = await ask(texts.product, texts.saveChanges, this.yesNoCancel(), 'cancel');
      if (answer === 'cancel') return false;
      if (answer === 'yes' && !(await this.save())) return false;
      this.s.setAnswer(ANSWER.no);
      const result = this.act(action);
      this.s.setAnswer(ANSWER.yes);
      if (result !== false) this.setChanged(false);
      return result;
    }
    this.tick();
    this.s.setAnswer(ANSWER.cancel);
    let result = action();
    this.s.setAnswer(ANSWER.yes);
    const events = JSON.parse(this.s.takeEvents());
    const question = events.questions?.[0];
    delete events.questions;
    this.drain(events);
    if (!question) {
      this.schedule();
      return result;
    }
    const answer = await ask(question.caption || texts.product, question.text, this.yesNoCancel(), 'cancel');
    if (answer === 'cancel') return false;
    if (answer === 'yes' && !(await this.save())) return false;
    this.s.setAnswer(ANSWER.no);
    result = this.act(action);
    this.s.setAnswer(ANSWER.yes);
    return result;
  }

  yesNoCancel() {
    return [
      { label: texts.yes, value: 'yes' },
      { label: texts.no, value: 'no' },
      { label: texts.cancel, value: 'cancel' },
    ];
  }

  async save() {
    let bytes;
    try {
      bytes = this.s.saveGop();
      this.drain();
      if (!bytes || bytes.length === 0) return false;
      const name = await saveGop(bytes, this.fileName, texts.gopType);
      if (!name) return false;
      this.fileName = name;
      this.setChanged(false);
      return true;
    } catch (e) {
      if (e?.name !== 'AbortError') await warn(texts.product, texts.saveFailed);
      return false;
    }
  }

  async open() {
    const file = await pickGop($('file-input'), texts.gopType);
    if (!file) return;
    const loaded = await this.guarded(() => this.s.loadGop(file.bytes, file.name));
    if (loaded) this.fileName = file.name;
    this.repaintAll();
  }

  async newProgram() {
    if (await this.guarded(() => this.s.newProgram())) this.fileName = texts.defaultFileName;
    this.repaintAll();
  }

  async activity() {
    const file = await chooseActivity(JSON.parse(this.s.activities()));
    if (file) await this.openActivity(file);
  }

  libraryToggled(open) {
    $('library-button').setAttribute('aria-expanded', String(open));
  }

  // Once it is known that the site ships the books.
  async openHelp() {
    if (await this.helpShipped) this.help.open();
  }

  async openActivity(file) {
    if (await this.guarded(() => this.s.openActivity(file))) forgetLesson();
    this.repaintAll();
  }

  setSpeed(n) {
    this.s.setSpeed(n);
    $('speed').value = String(n);
    try {
      localStorage.setItem(SPEED_KEY, String(n));
    } catch {
      // The speed is only a comfort.
    }
  }

  // Options > Sound of the desktop: key clicks, the error sound and the
  // notes of Quaver; off until the child turns it on.
  setSound(on) {
    this.s.setSound(on);
    $('sound').setAttribute('aria-pressed', String(on));
    try {
      if (on) localStorage.setItem(SOUND_KEY, '1');
      else localStorage.removeItem(SOUND_KEY);
    } catch {
      // Only a comfort, as the speed is.
    }
  }

  // The computer keyboard keys the program wherever the focus is not in a
  // control that uses the key itself.
  keydown(e) {
    // F1 is help, as on the desktop, and never the browser's own.
    if (e.key === 'F1') {
      e.preventDefault();
      if (!document.querySelector('dialog[open]')) this.openHelp();
      return;
    }
    if (this.linking || e.defaultPrevented || e.altKey || e.metaKey || document.querySelector('dialog[open]')) return;
    if (e.ctrlKey && (e.key === 's' || e.key === 'o')) {
      e.preventDefault();
      if (e.key === 's') this.save();
      else this.open();
      return;
    }
    const t = e.target;
    if (t.closest?.('input, textarea, select, [contenteditable="true"]')) return;
    if ((t.tagName === 'BUTTON' || t.tagName === 'A') && (e.key === 'Enter' || e.key === ' ')) return;
    if (t.closest?.('.list-scroll') && /^(ArrowUp|ArrowDown|PageUp|PageDown|Home|End)$/.test(e.key)) return;
    if (this.keyed(() => this.s.keyboardKey(e.key, e.shiftKey, e.ctrlKey))) e.preventDefault();
  }

  restore() {
    const work = kept();
    if (work) {
      if (this.s.restore(work)) return;
      setAside();
      warn(texts.product, texts.unreadableKept);
    }
    this.s.openActivity(FIRST_ACTIVITY);
  }

  wire() {
    const click = (id, f) => $(id).addEventListener('click', f);
    click('run', () => this.act(() => this.s.run(false)));
    click('stop', () => this.act(() => this.s.stop()));
    click('continue', () => this.act(() => this.s.continueRun()));
    click('step', () => this.act(() => this.s.step()));
    click('reset', () => this.act(() => this.s.reset()));
    click('new', () => this.newProgram());
    click('open', () => this.open());
    click('save', () => this.save());
    click('activities-button', () => this.activity());
    $('help').addEventListener('click', (e) => {
      e.preventDefault();
      this.openHelp();
    });
    click('library-button', () => (this.library.isOpen ? this.library.close() : this.library.open()));
    click('sound', () => this.setSound($('sound').getAttribute('aria-pressed') !== 'true'));
    const speed = $('speed');
    speed.replaceChildren(...texts.speeds.map(([label, n]) => new Option(label, String(n))));
    speed.addEventListener('change', () => this.setSpeed(Number(speed.value)));
    document.addEventListener('keydown', (e) => this.keydown(e));
    const resized = () => {
      const size = iconSizeFor(window.innerWidth);
      for (const list of Object.values(this.lists)) list.setIconSize(size);
      this.repaintAll();
    };
    new ResizeObserver(resized).observe(document.querySelector('.desk'));
    // A move to a screen of another pixel ratio lays everything out anew.
    const watchRatio = () =>
      matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener(
        'change',
        () => {
          resized();
          watchRatio();
        },
        { once: true },
      );
    watchRatio();
    document.getElementById('keypad').addEventListener('contextmenu', (e) => e.preventDefault());
  }
}

// Asked with GET, which the offline copy answers, so Help stays offline.
async function helpShipped() {
  try {
    const r = await fetch($('help').getAttribute('href'));
    $('help').hidden = !r.ok;
  } catch {
    $('help').hidden = true;
  }
  return !$('help').hidden;
}

async function start() {
  applyTexts();
  let core;
  let session;
  const line = new SerialLine(navigator.serial);
  try {
    core = await createZarnikfield({ measureText: makeMeasurer(), serialLine: line });
    session = new core.WebSession();
    performance.mark('zf-module');
  } catch (e) {
    console.error(e);
    document.querySelector('#loading p').textContent = texts.loadFailed;
    document.querySelector('#loading .spinner').hidden = true;
    return;
  }
  const page = new Page(session);
  window.zarnikfield = page;
  page.wire();
  page.printing = new Printing(page, $('print-sheets'));
  page.printing.wire();
  new Lessons(page, core).wire();
  new RobotLink(page, core, line).wire();
  let speed = DEFAULT_SPEED;
  try {
    const kept = localStorage.getItem(SPEED_KEY);
    if (texts.speeds.some(([, n]) => String(n) === kept)) speed = Number(kept);
  } catch {
    speed = DEFAULT_SPEED;
  }
  page.setSpeed(speed);
  let sound = false;
  try {
    sound = localStorage.getItem(SOUND_KEY) === '1';
  } catch {
    sound = false;
  }
  page.setSound(sound);
  restoreLesson(session);
  page.restore();
  performance.mark('zf-restored');
  page.drain();
  page.repaintAll();
  // The keypad and the lists first; the working area's pictures, the slow
  // part, in the next frame.
  page.dirty.floor = false;
  page.paint();
  page.schedule();
  $('loading').hidden = true;
  document.body.classList.add('ready');
  performance.mark('zf-ready');
  requestAnimationFrame(() => {
    page.floor.paint();
    performance.mark('zf-floor');
  });
  page.helpShipped = helpShipped();
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch((e) => console.warn('offline copy not made', e));
  }
}

start();
