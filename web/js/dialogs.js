// Modal boxes: the core's warnings and questions, one at a time, with the
// focus given back to where it was.
import { texts } from './texts.js';

let queue = Promise.resolve();

function open(dialog, focusFirst) {
  const before = document.activeElement;
  dialog.showModal();
  focusFirst?.focus();
  return new Promise((resolve) => {
    dialog.addEventListener(
      'close',
      () => {
        if (before && before.isConnected && typeof before.focus === 'function') before.focus();
        resolve(dialog.returnValue);
      },
      { once: true },
    );
  });
}

// Shows a box with `buttons` ([{label, value}]) and gives the value chosen;
// Escape gives `cancelValue`.
export function ask(caption, text, buttons, cancelValue, kind = 'question') {
  const run = () => {
    const dialog = document.getElementById('message');
    dialog.dataset.kind = kind;
    dialog.querySelector('h2').textContent = caption;
    dialog.querySelector('p').textContent = text;
    const row = dialog.querySelector('.buttons');
    row.replaceChildren(
      ...buttons.map((b) => {
        const button = document.createElement('button');
        button.value = b.value;
        button.textContent = b.label;
        return button;
      }),
    );
    dialog.returnValue = cancelValue;
    return open(dialog, row.firstChild);
  };
  queue = queue.then(run, run);
  return queue;
}

// A warning, or with kind "information" a plain notice.
export function warn(caption, text, kind = 'warning') {
  return ask(caption || texts.product, text, [{ label: texts.ok, value: 'ok' }], 'ok', kind);
}

// The bundled activities as big buttons; gives the file chosen, or ''.
export function chooseActivity(activities) {
  const dialog = document.getElementById('activities');
  const list = dialog.querySelector('.choices');
  list.replaceChildren(
    ...activities.map((a) => {
      const b = document.createElement('button');
      b.value = a.file;
      const title = document.createElement('strong');
      title.textContent = a.title || a.file;
      b.append(title);
      if (a.description) {
        const about = document.createElement('span');
        about.textContent = a.description;
        b.append(about);
      }
      return b;
    }),
  );
  dialog.returnValue = '';
  return open(dialog, list.firstChild);
}

// A tool's box of fields; gives true for OK, false for Cancel or Escape.
export function form(caption, fields) {
  const run = () => {
    const dialog = document.getElementById('tool-form');
    dialog.querySelector('h2').textContent = caption;
    dialog.querySelector('.fields').replaceChildren(...fields);
    dialog.returnValue = 'cancel';
    const first = fields[0]?.querySelector('input, textarea, select');
    const shown = open(dialog, first);
    // What the box shows is typed over, as in the desktop's boxes.
    if (first?.select && first.type !== 'color') first.select();
    return shown.then((v) => v === 'ok');
  };
  queue = queue.then(run, run);
  return queue;
}

// Pictures as buttons ({name, label?, canvas?}); gives the name chosen, or
// null. `current` is shown pressed.
export function choosePicture(caption, pictures, emptyText, current = null) {
  const run = () => {
    const dialog = document.getElementById('pictures');
    dialog.querySelector('h2').textContent = caption;
    const grid = dialog.querySelector('.pictures');
    grid.replaceChildren(
      ...pictures.map((p) => {
        const b = document.createElement('button');
        b.value = p.name;
        const label = p.label || p.name.replace(/\.bmp$/i, '').toLowerCase();
        b.setAttribute('aria-label', label);
        if (current !== null) b.setAttribute('aria-pressed', String(p.name === current));
        if (p.canvas) {
          const c = p.canvas.cloneNode();
          c.getContext('2d').drawImage(p.canvas, 0, 0);
          c.setAttribute('aria-hidden', 'true');
          b.append(c);
        }
        const caption = document.createElement('span');
        caption.textContent = label;
        b.append(caption);
        return b;
      }),
    );
    const empty = dialog.querySelector('.empty');
    empty.textContent = emptyText;
    empty.hidden = pictures.length > 0;
    // Picture names end in .bmp: "cancel" is none of them.
    dialog.returnValue = 'cancel';
    return open(dialog, grid.querySelector('[aria-pressed="true"]') || grid.firstChild).then((v) =>
      v === 'cancel' ? null : v,
    );
  };
  queue = queue.then(run, run);
  return queue;
}

// A labelled drop-down list for a form: its label and its select.
export function choice(label, options, value) {
  const wrap = document.createElement('label');
  const name = document.createElement('span');
  name.textContent = label;
  const select = document.createElement('select');
  select.append(...options.map(([text, v]) => new Option(text, String(v))));
  select.value = String(value);
  wrap.append(name, select);
  return { wrap, input: select };
}

// A button of the top bar that opens a menu of commands (ids to actions);
// a command, Escape or a click outside `group` puts the menu away.
export function wireMenu(buttonId, menuId, group, commands) {
  const button = document.getElementById(buttonId);
  const menu = document.getElementById(menuId);
  const show = (open) => {
    menu.hidden = !open;
    button.setAttribute('aria-expanded', String(open));
    if (open) menu.querySelector('button:not([hidden])').focus();
  };
  button.addEventListener('click', () => show(menu.hidden));
  document.addEventListener('click', (e) => {
    if (!menu.hidden && !e.target.closest?.(group)) show(false);
  });
  menu.addEventListener('keydown', (e) => {
    if (e.key !== 'Escape') return;
    e.preventDefault();
    show(false);
    button.focus();
  });
  for (const [id, action] of Object.entries(commands)) {
    document.getElementById(id).addEventListener('click', () => {
      show(false);
      action();
    });
  }
}
