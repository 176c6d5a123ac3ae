// The robot lead: Send and Get GO Program over the browser's serial port.
// The protocol, its checks, time-outs and messages are the core's; the page
// only chooses the port and carries the bytes.
import { ask, warn, wireMenu } from './dialogs.js';
import { texts } from './texts.js';

// The robot's settings; its lead has no flow control.
export const LINE_SETTINGS = { baudRate: 1200, dataBits: 8, stopBits: 1, parity: 'none', flowControl: 'none' };

// What the module's port layer calls (app/web/serial_library.js): one port,
// chosen once a visit, opened for one transfer and closed at its end.
export class SerialLine {
  constructor(serial) {
    this.serial = serial;
    this.port = null;
    this.received = [];
    this.waiters = [];
    this.failed = false;
  }

  get supported() {
    return !!this.serial;
  }

  // Asks for the port on the first transfer: a click must lead here.
  async choose() {
    if (this.port) return true;
    try {
      this.port = await this.serial.requestPort();
    } catch {
      return false;
    }
    return true;
  }

  // A port that failed is asked for again next time, as the desktop's
  // message tells the child to choose another.
  forget() {
    this.port = null;
  }

  // How the messages name the port tried.
  describe() {
    const { usbVendorId: vendor, usbProductId: product } = this.port?.getInfo?.() || {};
    const hex = (n) => n.toString(16).padStart(4, '0');
    return vendor === undefined ? texts.serialPortName : `USB ${hex(vendor)}:${hex(product ?? 0)}`;
  }

  // 0 when open, else an error code as the desktop's port layer gives one.
  async open() {
    if (!this.port) return 2;
    try {
      await this.port.open(LINE_SETTINGS);
    } catch (e) {
      this.forget();
      return e?.name === 'InvalidStateError' ? 16 : 5;
    }
    try {
      await this.port.setSignals({ dataTerminalReady: false, requestToSend: false });
    } catch {
      // A lead without modem lines has none to hold off.
    }
    this.received = [];
    this.failed = false;
    this.pending = null;
    this.reader = this.port.readable.getReader();
    this.writer = this.port.writable.getWriter();
    this.reading = this.readAll(this.reader);
    return 0;
  }

  async readAll(reader) {
    try {
      for (;;) {
        const { value, done } = await reader.read();
        if (done) break;
        if (value?.length) {
          for (const byte of value) this.received.push(byte);
          this.wake();
        }
      }
    } catch {
      this.failed = true;
      this.wake();
    }
  }

  wake() {
    for (const waiter of this.waiters.splice(0)) waiter();
  }

  waiting() {
    return this.received.length || (this.failed ? -1 : 0);
  }

  // Bytes received once there are some, or 0 after `timeout` ms (never,
  // when negative); -1 when the port failed.
  wait(timeout) {
    if (this.waiting()) return Promise.resolve(this.waiting());
    return new Promise((resolve) => {
      let timer = 0;
      const woken = () => {
        clearTimeout(timer);
        resolve(this.waiting());
      };
      if (timeout >= 0) {
        timer = setTimeout(() => {
          this.waiters = this.waiters.filter((w) => w !== woken);
          resolve(this.waiting());
        }, timeout);
      }
      this.waiters.push(woken);
    });
  }

  take(count) {
    return Uint8Array.from(this.received.splice(0, count));
  }

  // The bytes written, -1 when `timeout` ms passed first, -2 on failure.
  async write(bytes, timeout) {
    let timer = 0;
    const late = new Promise((resolve) => {
      if (timeout >= 0) timer = setTimeout(() => resolve(-1), timeout);
    });
    this.pending = this.writer.write(bytes);
    const written = this.pending.then(
      () => bytes.length,
      () => -2,
    );
    const result = await Promise.race([written, late]);
    clearTimeout(timer);
    if (result !== -1) this.pending = null;
    return result;
  }

  // 1 when the port closed cleanly. A write still waiting is given up; one
  // done is let out of the port's buffer first.
  async close() {
    let clean = true;
    try {
      await this.reader.cancel();
    } catch {
      clean = false;
    }
    this.reader.releaseLock();
    await this.reading;
    try {
      await (this.pending ? this.writer.abort() : this.writer.close());
    } catch {
      clean = false;
    }
    this.writer.releaseLock();
    try {
      await this.port.close();
    } catch {
      clean = false;
    }
    this.wake();
    return clean ? 1 : 0;
  }
}

const $ = (id) => document.getElementById(id);

// The buttons and the transfers: the page stands still while the module
// waits on the port, as the desktop's windows do behind their progress box.
export class RobotLink {
  constructor(page, core, line) {
    this.page = page;
    this.core = core;
    this.line = line;
  }

  // The desktop's Floor Zarnik menu: one button opens the commands; a
  // command, Escape or a click elsewhere closes it.
  wire() {
    // The Debug switch shows only when asked for in the address.
    const report = $('coms-report');
    report.hidden = !new URLSearchParams(location.search).has('debug');
    wireMenu('robot-menu', 'robot-choices', '.robot', {
      'send-robot': () => this.send(),
      'get-robot': () => this.get(),
      'coms-report': () => {
        const on = report.getAttribute('aria-checked') !== 'true';
        report.setAttribute('aria-checked', String(on));
        this.page.s.setLinkReport(on);
      },
    });
    $('report-save').addEventListener('click', () => this.saveReport());
  }

  reachable() {
    if (this.line.supported) return true;
    warn(texts.product, texts.noWebSerial);
    return false;
  }

  async send() {
    if (this.page.running || !this.reachable() || !(await this.line.choose())) return;
    await this.transfer('zf_send_program', texts.sending);
  }

  // A Get replaces the program: keyed work is offered for saving first.
  async get() {
    if (this.page.running || !this.reachable()) return;
    if (this.page.changed) {
      const answer = await ask(texts.product, texts.saveChanges, this.page.yesNoCancel(), 'cancel');
      if (answer === 'cancel' || (answer === 'yes' && !(await this.page.save()))) return;
    }
    if (!(await this.line.choose())) return;
    if (await this.transfer('zf_get_program', texts.getting)) {
      this.page.fileName = texts.robotFileName;
      this.page.setChanged(true);
    }
    const report = this.page.s.takeLinkReport();
    if (!report) return;
    // After the Get's own message, which the child reads first.
    const message = $('message');
    if (message.open) await new Promise((resolve) => message.addEventListener('close', resolve, { once: true }));
    this.showReport(report);
  }

  async transfer(name, doing) {
    const page = this.page;
    page.tick();
    page.s.setLinkDevice(this.line.describe());
    this.lock(doing);
    let done = 0;
    try {
      done = await this.core.ccall(name, 'number', ['number'], [page.s.address()], { async: true });
    } finally {
      this.unlock();
    }
    page.drain();
    page.repaintAll();
    page.schedule();
    return done;
  }

  // Nothing reaches the module while it waits: no keys, no clicks, no clock.
  lock(doing) {
    const page = this.page;
    page.linking = true;
    clearTimeout(page.pumpTimer);
    document.body.classList.add('linking');
    for (const el of this.around()) el.inert = true;
    $('link-progress').querySelector('p').textContent = doing;
    $('link-progress').hidden = false;
  }

  unlock() {
    this.page.linking = false;
    document.body.classList.remove('linking');
    for (const el of this.around()) el.inert = false;
    $('link-progress').hidden = true;
  }

  // Everything on the page but the transfer's own notice.
  around() {
    return [...document.body.children].filter((el) => el.id !== 'link-progress');
  }

  showReport(text) {
    const dialog = $('report');
    dialog.querySelector('pre').textContent = text;
    this.report = text;
    dialog.showModal();
  }

  saveReport() {
    const url = URL.createObjectURL(new Blob([this.report], { type: 'text/plain' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = texts.reportFileName;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }
}
