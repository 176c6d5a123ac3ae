// The child's work kept in the browser, so that closing the tab loses nothing.
const KEY = 'zarnikfield.work';
const ASIDE = 'zarnikfield.work.unreadable';

function toBase64(bytes) {
  let s = '';
  for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(s);
}

function fromBase64(text) {
  const s = atob(text);
  const bytes = new Uint8Array(s.length);
  for (let i = 0; i < s.length; ++i) bytes[i] = s.charCodeAt(i);
  return bytes;
}

// True when kept; false when the browser refused (full, or storage off).
export function keep(bytes) {
  try {
    localStorage.setItem(KEY, toBase64(bytes));
    return true;
  } catch {
    return false;
  }
}

export function kept() {
  try {
    const text = localStorage.getItem(KEY);
    return text ? fromBase64(text) : null;
  } catch {
    return null;
  }
}

// Work that could not be read is moved aside, never written over.
export function setAside() {
  try {
    const text = localStorage.getItem(KEY);
    if (text) localStorage.setItem(ASIDE, text);
    localStorage.removeItem(KEY);
  } catch {
    // Nothing more can be done without storage.
  }
}

// The lesson last opened, whose pictures a reload unpacks again into the
// folder it was opened into: {bytes, folder}, or null.
const LESSON = 'zarnikfield.lesson';

export function keepLesson(bytes, folder) {
  try {
    localStorage.setItem(LESSON, JSON.stringify({ folder, bytes: toBase64(bytes) }));
    return true;
  } catch {
    try {
      localStorage.removeItem(LESSON);
    } catch {
      // Nothing more can be done without storage.
    }
    return false;
  }
}

// A project opened from elsewhere brings its own pictures.
export function forgetLesson() {
  try {
    localStorage.removeItem(LESSON);
  } catch {
    // Nothing more can be done without storage.
  }
}

export function keptLesson() {
  try {
    const lesson = JSON.parse(localStorage.getItem(LESSON));
    return lesson ? { folder: String(lesson.folder), bytes: fromBase64(lesson.bytes) } : null;
  } catch {
    return null;
  }
}
