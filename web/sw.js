// SPDX-License-Identifier: GPL-3.0-or-later
// The service worker: keeps every file of the site, so after one visit the
// page works without a network. scripts/web fills in the file list and the
// version (a hash of the files), which renews the cache when the site changes.
'use strict';

const FAJLOK = [/* FAJLOK */];
const TAR = 'tollnok-/* VALTOZAT */';

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(TAR).then((t) => t.addAll(FAJLOK)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
      .then((nevek) => Promise.all(nevek.filter((n) => n !== TAR).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

// From the cache first; what the cache lacks (nothing, once installed) from the network.
self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(TAR).then((t) => t.match(e.request, {ignoreSearch: true}))
      .then((talalat) => talalat || fetch(e.request)));
});
