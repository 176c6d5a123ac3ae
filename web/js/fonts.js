// The text faces, each with the families a browser tries for it: the face,
// look-alikes other systems have, then a generic family, so that a text is
// always shown in something close to what the desktop shows.
export const FACES = {
  Arial: ['Arial', 'Liberation Sans', 'Arimo', 'Helvetica', 'sans-serif'],
  'Comic Sans MS': ['Comic Sans MS', 'Comic Neue', 'Chalkboard SE', 'cursive'],
  'Courier New': ['Courier New', 'Liberation Mono', 'Cousine', 'Courier', 'monospace'],
  Georgia: ['Georgia', 'Gelasio', 'DejaVu Serif', 'serif'],
  'Times New Roman': ['Times New Roman', 'Liberation Serif', 'Tinos', 'Times', 'serif'],
  Verdana: ['Verdana', 'DejaVu Sans', 'sans-serif'],
};

export const DEFAULT_FACE = 'Arial';

const GENERIC = new Set(['serif', 'sans-serif', 'monospace', 'cursive', 'fantasy']);

// A face of a file made elsewhere: its generic family guessed from its name.
function genericFor(face) {
  if (/mono|courier|console|typewriter/i.test(face)) return 'monospace';
  if (/serif|times|roman|georgia|garamond|book/i.test(face) && !/sans/i.test(face)) return 'serif';
  return 'sans-serif';
}

// Quoted, so that any name stored in a file still makes a valid font.
const quoted = (name) => `"${name.replace(/["\\]/g, '\\$&')}"`;

// The CSS family list of a stored face name.
export function cssFamily(face) {
  const name = face || DEFAULT_FACE;
  const families = FACES[name] || [name, genericFor(name)];
  return families.map((f) => (GENERIC.has(f) ? f : quoted(f))).join(', ');
}
