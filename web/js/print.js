// Printing through the browser's own print dialog: the core lays out every
// sheet as the desktop prints it, the page paints each one, and the print
// style sheet gives one printed sheet per laid-out page. Save Picture
// downloads the working area as a PNG.
import { choice, form, warn, wireMenu } from './dialogs.js';
import { paintDisplayList } from './paint.js';
import { texts } from './texts.js';

const PRINT_PROGRAM = 0;
const PRINT_AREA = 1;
// Sheets are painted at this many pixels an inch: sharp on paper, and a few
// of them still fit a browser's memory.
const DPI = 200;
// The desktop's listing size when no option has set one.
const LISTING_SIZE = 30;
const PAPERS = ['a4', 'letter'];

function checkbox(label, checked) {
  const wrap = document.createElement('label');
  wrap.className = 'check';
  const input = document.createElement('input');
  input.type = 'checkbox';
  input.checked = checked;
  wrap.append(input, label);
  return { wrap, input };
}

function toBlob(canvas) {
  return new Promise((resolve, reject) =>
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no picture'))), 'image/png'),
  );
}

// "7 December 2026", as the desktop dates its pages.
function printDate(day = new Date()) {
  return new Intl.DateTimeFormat('en-GB', { day: 'numeric', month: 'long', year: 'numeric' }).format(day);
}

// The Go Program's file name with .png for its own: as the save names it.
function pictureName(fileName) {
  const base = (fileName || texts.defaultFileName).replace(/\.[^./\\]*$/, '');
  return `${base || texts.defaultFileName.replace(/\.gop$/, '')}.png`;
}

export class Printing {
  constructor(page, sheets) {
    this.page = page;
    this.sheets = sheets;
    this.paper = 0;
    this.landscape = false;
    this.withRobot = true;
    this.urls = [];
    // One printout is made ready at a time.
    this.busy = false;
  }

  // The group's one button opens its three commands, as a menu of the
  // desktop's File menu; a command, Escape or a click elsewhere closes it.
  wire() {
    wireMenu('print-menu', 'print-choices', '.printing', {
      'print-program': () => this.print(PRINT_PROGRAM),
      'print-area': () => this.print(PRINT_AREA),
      'save-picture': () => this.savePicture(),
    });
  }

  // The paper and its orientation, as the print dialog of the desktop
  // offers them; false when cancelled.
  async choosePaper(caption) {
    const paper = choice(texts.printPaper, [['A4', 0], ['Letter', 1]], this.paper);
    const turn = choice(
      texts.printOrientation,
      [
        [texts.portrait, 0],
        [texts.landscape, 1],
      ],
      this.landscape ? 1 : 0,
    );
    if (!(await form(caption, [paper.wrap, turn.wrap]))) return false;
    this.paper = Number(paper.input.value);
    this.landscape = turn.input.value === '1';
    return true;
  }

  // The core's sheets of a printout; none when there is nothing to print.
  layout(what) {
    this.page.tick();
    const sheets = JSON.parse(
      this.page.s.printPages(what, this.paper, this.landscape, DPI, LISTING_SIZE, printDate(), texts.printPageOf),
    );
    this.page.drain();
    return sheets;
  }

  async print(what) {
    const caption = what === PRINT_AREA ? texts.printAreaCaption : texts.printProgramCaption;
    if (this.busy || !(await this.choosePaper(caption))) return;
    const layout = this.layout(what);
    if (!layout.pages.length) {
      await warn(texts.product, texts.nothingToPrint);
      return;
    }
    if (await this.ready(() => this.fill(layout))) window.print();
  }

  // Runs a step that makes pictures; a browser short of memory for them
  // says so rather than printing or saving nothing in silence.
  async ready(step) {
    this.busy = true;
    try {
      await step();
      return true;
    } catch (e) {
      console.error(e);
      await warn(texts.product, texts.printFailed);
      return false;
    } finally {
      this.busy = false;
    }
  }

  // Each sheet painted and turned into a picture inside the print-only
  // container; the pictures of the last printout go.
  async fill(layout) {
    for (const url of this.urls) URL.revokeObjectURL(url);
    this.urls = [];
    const canvas = document.createElement('canvas');
    const floor = document.createElement('canvas');
    const images = [];
    for (const sheet of layout.pages) {
      paintDisplayList(canvas, sheet, this.page.pictures);
      if (sheet.floor) {
        paintDisplayList(floor, sheet.floor, this.page.pictures);
        const ctx = canvas.getContext('2d');
        ctx.imageSmoothingEnabled = true;
        ctx.imageSmoothingQuality = 'high';
        ctx.drawImage(floor, sheet.at.x, sheet.at.y, sheet.at.w, sheet.at.h);
      }
      const url = URL.createObjectURL(await toBlob(canvas));
      this.urls.push(url);
      const img = new Image();
      img.alt = '';
      img.src = url;
      images.push(img);
    }
    await Promise.all(images.map((img) => img.decode()));
    this.sheets.dataset.paper = `${PAPERS[this.paper]}-${this.landscape ? 'landscape' : 'portrait'}`;
    this.sheets.replaceChildren(...images);
  }

  // The working area at the size it is shown, with or without the robot,
  // as the desktop's Save Picture asks; downloaded under the program's name.
  async savePicture() {
    const robot = checkbox(texts.includeZarnik, this.withRobot);
    if (this.busy || !(await form(texts.savePictureCaption, [robot.wrap]))) return;
    this.withRobot = robot.input.checked;
    await this.ready(async () => {
      const url = URL.createObjectURL(await toBlob(this.picture(this.withRobot)));
      const a = document.createElement('a');
      a.href = url;
      a.download = pictureName(this.page.fileName);
      document.body.append(a);
      a.click();
      a.remove();
      setTimeout(() => URL.revokeObjectURL(url), 60000);
    });
  }

  // The working area laid out for the box the screen shows it in, so that
  // it has the screen's zoom to the pixel.
  picture(withRobot) {
    const dpr = window.devicePixelRatio || 1;
    const box = this.page.floor.box;
    const w = Math.max(1, Math.floor(box.clientWidth * dpr));
    const h = Math.max(1, Math.floor(box.clientHeight * dpr));
    this.page.tick();
    const display = JSON.parse(this.page.s.floor(w, h, withRobot));
    const whole = document.createElement('canvas');
    paintDisplayList(whole, display, this.page.pictures);
    const { x, y, w: aw, h: ah } = display.area;
    const out = document.createElement('canvas');
    out.width = aw;
    out.height = ah;
    out.getContext('2d').drawImage(whole, x, y, aw, ah, 0, 0, aw, ah);
    return out;
  }
}
