"use strict";
// Keeps the page playable offline: at install it stores the page and everything the page fetches
// (the cues, the dialogs' face, the help, the manifest and its icons) in one cache named after
// this build, and answers from it. The build writes its version in below, so a new build is a
// new worker with a new cache: it takes over only once no page of the old one is open, and then
// drops the old cache whole. No page ever gets one build's page with another's files. The build
// also writes in the files it stores, from its own list of the page's files.
const kVersion = "@VERSION@";
const kCache = `zaptrail-${kVersion}`;
const kFiles = ["./", "@FILES@"];

self.addEventListener("install", (event) => {
  // Straight from the server, never from the browser's HTTP cache, which may hold the old build.
  event.waitUntil(caches.open(kCache).then((cache) =>
    cache.addAll(kFiles.map((file) => new Request(file, { cache: "reload" })))));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith("zaptrail-") && name !== kCache)
                                      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  // The page under any address of its folder (?seed=, ?ticks=) is the one stored page.
  const stored = request.mode === "navigate"
                     ? caches.open(kCache).then((cache) => cache.match("./"))
                     : caches.open(kCache).then((cache) => cache.match(request, { ignoreSearch: true }));
  event.respondWith(stored.then((response) => response ?? fetch(request)));
});
