// A stand-in for the Web Serial API, put into the page by the browser tests
// after the virtual robot's script (createZarnikRobot) and its module's bytes
// (zarnikRobotWasm), as the page's policy lets no data be fetched: one port,
// the robot at its far end. `window.fakeSerial.mode` makes the robot slow (bytes at
// the lead's own 1200 baud both ways), its answer garbled by the lead, or
// the chooser closed without a port;
// the robot's own options (echo, short or no answer, silent) are its own.
(() => {
  // Ten bits a byte on the lead, start and stop bits included.
  const BYTE_MS = 10000 / 1200;
  const CHUNK = 8;
  const delay = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

  const fake = {
    mode: { slow: false, garbled: false, refuse: false },
    // What the page asked of the port, in order.
    chosen: 0,
    opened: [],
    signals: [],
    robot: null,
    port: null,
  };
  window.fakeSerial = fake;
  const ready = createZarnikRobot({ wasmBinary: window.zarnikRobotWasm }).then((module) => {
    fake.robot = new module.ZarnikRobot();
  });

  const closedError = () => new DOMException('The port is closed.', 'InvalidStateError');

  class FakePort {
    constructor() {
      this.isOpen = false;
      this.readable = null;
      this.writable = null;
    }

    getInfo() {
      return { usbVendorId: 0x0403, usbProductId: 0x6001 };
    }

    async open(options) {
      await ready;
      if (this.isOpen) throw new DOMException('The port is already open.', 'InvalidStateError');
      fake.opened.push({ ...options });
      this.isOpen = true;
      let controller = null;
      this.readable = new ReadableStream({
        start: (c) => {
          controller = c;
        },
        cancel: () => {
          controller = null;
        },
      });
      const deliver = (bytes) => controller?.enqueue(bytes);
      this.writable = new WritableStream({ write: (chunk) => this.carry(Uint8Array.from(chunk), deliver) });
    }

    async setSignals(signals) {
      if (!this.isOpen) throw closedError();
      fake.signals.push({ ...signals });
    }

    async close() {
      if (!this.isOpen) throw closedError();
      this.isOpen = false;
      this.readable = null;
      this.writable = null;
    }

    // The robot takes what the page wrote and answers down the lead.
    async carry(bytes, deliver) {
      let answer = [];
      for (let i = 0; i < bytes.length; i += fake.mode.slow ? CHUNK : bytes.length) {
        const chunk = bytes.slice(i, fake.mode.slow ? i + CHUNK : bytes.length);
        if (fake.mode.slow) await delay(chunk.length * BYTE_MS);
        answer = [...answer, ...fake.robot.take(chunk, performance.now())];
      }
      if (!answer.length) return;
      answer = Uint8Array.from(answer);
      // Noise on the lead: every fifth byte from the third comes changed.
      if (fake.mode.garbled) answer = answer.map((b, i) => (i % 5 === 2 ? b ^ 0x5a : b));
      if (!fake.mode.slow) {
        deliver(answer);
        return;
      }
      (async () => {
        for (let i = 0; i < answer.length; i += CHUNK) {
          await delay(CHUNK * BYTE_MS);
          deliver(answer.slice(i, i + CHUNK));
        }
      })();
    }
  }

  const serial = {
    async requestPort() {
      // The child closing the chooser without a port, once.
      if (fake.mode.refuse) {
        fake.mode.refuse = false;
        throw new DOMException('No port selected by the user.', 'NotFoundError');
      }
      fake.chosen += 1;
      fake.port ??= new FakePort();
      return fake.port;
    },
    async getPorts() {
      return fake.port ? [fake.port] : [];
    },
  };
  Object.defineProperty(Navigator.prototype, 'serial', { get: () => serial, configurable: true });
})();
