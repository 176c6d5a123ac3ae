// The help book in a panel over the page, as the desktop's help window: it
// opens at the book's contents, its pages stay inside it, Escape or Close
// puts it away and the focus goes back to where it was.
import { texts } from './texts.js';

const BOOK = 'zfieldug/index.html';
const PROJECT_LINK = 'project:';

// The book in the page's language where it is shipped, else in English.
async function contentsPage() {
  const lang = (document.documentElement.lang || 'en').split('-')[0].toLowerCase();
  if (lang !== 'en' && /^[a-z]{2,3}$/.test(lang)) {
    const page = `help/${lang}/${BOOK}`;
    try {
      // GET, which the offline copy answers once the book has been read.
      if ((await fetch(page)).ok) return page;
    } catch {
      // Not to be had offline: the English book is.
    }
  }
  return `help/${BOOK}`;
}

export class HelpPanel {
  // `openProject(file)` opens a bundled activity a book's link names.
  constructor(dialog, openProject) {
    this.dialog = dialog;
    this.frame = dialog.querySelector('iframe');
    this.frame.title = texts.helpBook;
    this.openProject = openProject;
    this.before = null;
    dialog.querySelector('#help-close').addEventListener('click', () => dialog.close());
    dialog.querySelector('#help-contents').addEventListener('click', () => this.showContents());
    dialog.addEventListener('close', () => {
      const before = this.before;
      this.before = null;
      if (before?.isConnected && typeof before.focus === 'function') before.focus();
    });
    this.frame.addEventListener('load', () => this.watchPage());
  }

  async open() {
    if (this.dialog.open) return;
    this.before = document.activeElement;
    this.dialog.showModal();
    this.frame.focus();
    await this.showContents();
  }

  async showContents() {
    this.contents = this.contents || (await contentsPage());
    this.frame.contentWindow?.location.replace(new URL(this.contents, document.baseURI).href);
    this.frame.focus();
  }

  // The keys and links of each page the book shows: the page is of this
  // site, so the panel can listen in it.
  watchPage() {
    const doc = this.frame.contentDocument;
    if (!doc) return;
    doc.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') this.dialog.close();
      if (e.key === 'Escape' || e.key === 'F1') e.preventDefault();
    });
    doc.addEventListener('click', (e) => this.follow(e));
  }

  follow(e) {
    const link = e.target.closest?.('a[href]');
    if (!link || e.defaultPrevented) return;
    const href = link.getAttribute('href');
    if (href.startsWith(PROJECT_LINK)) {
      e.preventDefault();
      this.dialog.close();
      this.openProject(href.slice(PROJECT_LINK.length));
      return;
    }
    const to = new URL(link.href);
    if (to.origin !== location.origin) {
      // The world's pages are not the book's: a tab of their own.
      e.preventDefault();
      window.open(to.href, '_blank', 'noopener');
    } else if (link.target && link.target !== '_self') {
      e.preventDefault();
      this.frame.contentWindow.location.href = to.href;
    }
  }
}
