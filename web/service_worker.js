"use strict";
// Keeps the page playable offline: at install it stores the page and everything the page fetches
// (the cues, the dialogs' face, the help, the manifest and its icons) in one cache named after
// this build, and answers from it. The build writes its version in below, so a new build is a
// new worker with a new cache: it takes over only once no page of the old one is open, and then
// drops the old cache whole. No page ever gets one build's page with another's files.
const kVersion = "@VERSION@";
const kCache = `zaptrail-${kVersion}`;
const kFiles = ["./", "TAK.WAV", "CLIA.WAV", "WIN.WAV", "zaptrail-dialog.woff2",
                "zaptrail-help.html", "zaptrail.webmanifest", "icon-192.png", "icon-512.png"];

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

// The folder's own address, where the page is.
const kFolder = new URL("./", self.location).pathname;

self.addEventListener("fetch", (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== "GET" || url.origin !== self.location.origin) return;
  // The page under any address of its folder (?seed=, ?daily, ?watch=) is the one stored page;
  // any other page beside it (the help, a trail board's own pages) is itself.
  const page = url.pathname === kFolder || url.pathname === `${kFolder}index.html`;
  const stored = caches.open(kCache).then((cache) => cache.match(page ? "./" : request, { ignoreSearch: true }));
  event.respondWith(stored.then((response) => response ?? fetch(request)));
});
