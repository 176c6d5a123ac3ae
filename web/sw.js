// Keeps the page, the module and the help for use without a network. The
// build writes version.js anew whenever any file of the site changes, so a
// new build installs a new cache and the old one goes.
importScripts('version.js');

const CACHE = `zarnikfield-${self.ZF_BUILD}`;
const PAGE = self.ZF_FILES ? ['./', ...self.ZF_FILES] : [
  './',
  'index.html',
  'style.css',
  'icon.svg',
  'version.js',
  'zarnikfield.js',
  'zarnikfield.wasm',
  'js/main.js',
  'js/dialogs.js',
  'js/files.js',
  'js/floor.js',
  'js/fonts.js',
  'js/help.js',
  'js/keypad.js',
  'js/lesson.js',
  'js/lists.js',
  'js/paint.js',
  'js/print.js',
  'js/serial.js',
  'js/sound.js',
  'js/storage.js',
  'js/texts.js',
  'js/tools.js',
  'js/library.js',
  'js/paintbox.js',
];

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.addAll(PAGE.map((url) => new Request(url, { cache: 'reload' }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith('zarnikfield-') && n !== CACHE).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

// Everything of the site from the cache when it is there; the rest (help
// books in other languages) from the network, kept for the next time.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CACHE).then(async (cache) => {
      const hit = await cache.match(request, { ignoreSearch: true });
      if (hit) return hit;
      try {
        const response = await fetch(request);
        if (response.ok) cache.put(request, response.clone());
        return response;
      } catch (e) {
        const page = request.mode === 'navigate' ? await cache.match('index.html') : null;
        if (page) return page;
        throw e;
      }
    }),
  );
});
