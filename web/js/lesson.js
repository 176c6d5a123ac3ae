// Whole lessons: a project with its Go Program and its pictures, as one
// .zfl file everywhere, and as a folder where the browser lets the page
// read and write one.
import { ask, warn } from './dialogs.js';
import { pickGop, saveGop } from './files.js';
import { forgetLesson, keepLesson, keptLesson } from './storage.js';
import { texts } from './texts.js';

const FOLDERS = ['backgnds', 'zarniks', 'objects', 'pens'];

async function bytesOf(handle) {
  return new Uint8Array(await (await handle.getFile()).arrayBuffer());
}

// Pictures added or painted in the page live only in the module's memory:
// the project is kept as a lesson, so that a reload unpacks them again.
export function keepPictures(session) {
  const bytes = session.saveLesson();
  if (bytes.length && keepLesson(bytes, session.projectFolder())) return true;
  forgetLesson();
  return false;
}

// A reload finds the kept work's pictures where the lesson put them.
export function restoreLesson(session) {
  const lesson = keptLesson();
  if (lesson) session.restoreLessonFolder(lesson.bytes, lesson.folder);
}

export class Lessons {
  constructor(page, core) {
    this.page = page;
    this.core = core;
  }

  wire() {
    document.getElementById('lesson').addEventListener('click', () => this.choose());
  }

  // One button keeps the top bar to one row: its box offers the commands,
  // folders too where the browser lets the page read and write them.
  async choose() {
    const buttons = [
      { label: texts.openLesson, value: 'open' },
      { label: texts.saveLesson, value: 'save' },
    ];
    if (window.showDirectoryPicker) {
      buttons.push({ label: texts.openLessonFolder, value: 'openFolder' }, { label: texts.saveLessonFolder, value: 'saveFolder' });
    }
    buttons.push({ label: texts.cancel, value: 'cancel' });
    const choice = await ask(texts.lessonCaption, texts.lessonChoice, buttons, 'cancel');
    const commands = { open: () => this.open(), save: () => this.save(), openFolder: () => this.openFolder(), saveFolder: () => this.saveFolder() };
    await commands[choice]?.();
  }

  async open() {
    const file = await pickGop(document.getElementById('lesson-input'), texts.lessonType, '.zfl');
    if (file) await this.openBytes(file.bytes, file.name);
  }

  async openBytes(bytes, name) {
    const s = this.page.s;
    const opened = await this.page.guarded(() => s.openLesson(bytes, name));
    if (opened) {
      if (!keepLesson(bytes, s.projectFolder())) warn(texts.product, texts.lessonNotKept);
      this.page.keepWork();
    }
    this.page.repaintAll();
  }

  async save() {
    try {
      const bytes = this.page.s.saveLesson();
      this.page.drain();
      if (!bytes.length) throw new Error('lesson too large');
      await saveGop(bytes, this.page.s.lessonName(), texts.lessonType, '.zfl');
    } catch (e) {
      if (e?.name !== 'AbortError') await warn(texts.product, texts.lessonSaveFailed);
    }
  }

  // The folder's project and Go Programs, and the pictures of its four
  // folders; the core keeps the program the project names and checks the rest.
  async openFolder() {
    let folder;
    try {
      folder = await window.showDirectoryPicker();
    } catch {
      return;
    }
    const files = [];
    for await (const [name, handle] of folder.entries()) {
      if (handle.kind === 'file' && /\.(zfp|gop)$/i.test(name)) files.push({ name, bytes: await bytesOf(handle) });
      if (handle.kind !== 'directory' || !FOLDERS.includes(name)) continue;
      for await (const [picture, h] of handle.entries()) {
        if (h.kind === 'file' && /\.bmp$/i.test(picture)) files.push({ name: `${name}/${picture}`, bytes: await bytesOf(h) });
      }
    }
    await this.openBytes(this.core.packLessonFiles(files), `${folder.name}.zfl`);
  }

  async saveFolder() {
    let folder;
    try {
      folder = await window.showDirectoryPicker({ mode: 'readwrite' });
    } catch {
      return;
    }
    try {
      const files = this.core.lessonFiles(this.page.s.saveLesson());
      this.page.drain();
      for (const { name, bytes } of files) {
        const [first, rest] = name.split('/');
        if (rest === '') {
          await folder.getDirectoryHandle(first, { create: true });
          continue;
        }
        const into = rest === undefined ? folder : await folder.getDirectoryHandle(first, { create: true });
        const writable = await (await into.getFileHandle(rest ?? first, { create: true })).createWritable();
        await writable.write(bytes);
        await writable.close();
      }
    } catch (e) {
      if (e?.name !== 'AbortError') await warn(texts.product, texts.lessonSaveFailed);
    }
  }
}
