// Go Program files on the user's disk: the File System Access pickers where
// the browser has them, a file input and a download where it does not.
const types = (description, extension = '.gop') => [{ description, accept: { 'application/octet-stream': [extension] } }];

// Gives {name, bytes} of the file chosen, or null.
// Other kinds of file name their extension (".zfl").
export async function pickGop(input, description, extension) {
  if (window.showOpenFilePicker) {
    try {
      const [handle] = await window.showOpenFilePicker({ types: types(description, extension), excludeAcceptAllOption: false });
      const file = await handle.getFile();
      return { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()), handle };
    } catch (e) {
      if (e.name === 'AbortError') return null;
      // A picker the page may not use falls back to the input.
    }
  }
  return new Promise((resolve) => {
    input.value = '';
    const done = async () => {
      input.removeEventListener('change', done);
      const file = input.files[0];
      resolve(file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null);
    };
    input.addEventListener('change', done);
    input.addEventListener('cancel', () => resolve(null), { once: true });
    input.click();
  });
}

// Writes `bytes`; gives the name saved under, or null when the child
// cancelled. A failed write throws, so that it is never taken for saved.
export async function saveGop(bytes, suggestedName, description, extension) {
  if (window.showSaveFilePicker) {
    let handle;
    try {
      handle = await window.showSaveFilePicker({ suggestedName, types: types(description, extension) });
    } catch (e) {
      if (e.name === 'AbortError') return null;
      handle = null;
    }
    if (handle) {
      const writable = await handle.createWritable();
      await writable.write(bytes);
      await writable.close();
      return handle.name;
    }
  }
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const a = document.createElement('a');
  a.href = url;
  a.download = suggestedName;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
  return suggestedName;
}
