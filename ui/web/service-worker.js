// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The site's service worker: it keeps the site's own files, and only
// them, in a cache named after this build, and answers them from there,
// so that the program opens offline. build-site.mjs fills in the build's
// name (a hash of the files) and each file with its hash: a file that is
// not this build's, as a host half-way through an update may send, fails
// the install, and the build in use stays until the next visit.

const build = {{build}};
const files = {{files}};

// Each copy of the site on a host keeps its caches under its own scope.
const scope = self.registration.scope;
const cacheName = `${scope} ${build}`;
const isOurs = (name) => name.startsWith(`${scope} `);
const fileAt = new Map(files.map(({ name }) => [new URL(name, scope).href, name]));
fileAt.set(scope, 'index.html');

// A new build takes over as soon as it is kept: the page in use is whole
// in itself, and the next one opened is the new build's.
self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const cache = await caches.open(cacheName);
        await cache.addAll(files.map(({ name, integrity }) => new Request(name, { cache: 'no-cache', integrity })));
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        const older = (await caches.keys()).filter((name) => isOurs(name) && name !== cacheName);
        await Promise.all(older.map((name) => caches.delete(name)));
        await self.clients.claim();
    })());
});

// Anything else, the browser asks for as if there were no worker.
self.addEventListener('fetch', (event) => {
    const name = fileAt.get(event.request.url.replace(/[?#].*/, ''));
    if (event.request.method !== 'GET' || !name)
        return;
    event.respondWith((async () => {
        const cache = await caches.open(cacheName);
        return (await cache.match(name)) ?? fetch(event.request);
    })());
});
