// The service worker that keeps the site for playing offline. The build writes SITE_VERSION (a
// hash of the site's files) and SITE_FILES above this. Each version fills a cache of its own
// while it installs and takes over only once no page of the previous one is open; it then drops
// the older caches, so that a page is always served the files of one version.
const CACHE = `totechita-${SITE_VERSION}`;

// Files the browser already holds are checked with the server, not taken blindly from its cache.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) =>
    cache.addAll(SITE_FILES.map((file) => new Request(file, { cache: 'no-cache' })))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith('totechita-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The game's address may carry ?seed=N; the page is the same.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: event.request.mode === 'navigate' }))
    .then((kept) => kept ?? fetch(event.request)));
});
