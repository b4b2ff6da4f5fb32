// Keeps the page's files, so that once loaded it plays without a network.
// build-web writes the build's own name in place of @BUILD@: a new build is a
// new worker, which fetches the new files and drops the old ones.
'use strict';
const CACHE = 'tukrosdi-@BUILD@';
const FILES = ['./', 'index.html', 'qtloader.js', 'tukrosdi.js', 'tukrosdi.wasm',
  'manifest.webmanifest', 'ikon.svg', 'ikon-192.png', 'ikon-512.png'];

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.match(e.request, { ignoreSearch: true })
    .then((kept) => kept || fetch(e.request)));
});
