// The page as an installed app: Chromium finds nothing missing to install it, and after one visit
// it loads, plays and sounds with its server gone.
import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { readFile } from "node:fs/promises";
import path from "node:path";

import { assertSameField, kTimeout, launchBrowser, openPage, playLines, serveSite, siteFolder }
  from "./browser.mjs";

describe("installed and offline", { timeout: kTimeout * 3 }, () => {
  test("installable; after one visit the page loads, plays and has its sounds with the server gone",
       async () => {
    const site = await serveSite();
    const chromium = await launchBrowser();
    try {
      const page = await chromium.browser.newPage();
      page.setDefaultTimeout(kTimeout);
      const url = `${site.url}?seed=5&ticks=manual`;
      await page.goto(url, { waitUntil: "load" });
      await page.evaluate(() => window.zaptrail.ready);
      // The worker has stored everything and looks after this page.
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      const cdp = await page.createCDPSession();
      const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
      assert.deepEqual(installabilityErrors, []);

      site.close();
      await assert.rejects(fetch(site.url), "the server is gone");
      await page.reload({ waitUntil: "load" });
      await page.evaluate(() => window.zaptrail.ready);
      const lines = [...Array(9).fill("F"), "R", "R", "D"];
      await playLines(page, lines);
      await assertSameField(page, 5, lines, "offline");
      const stored = await page.evaluate(() => Promise.all(
        ["TAK.WAV", "CLIA.WAV", "WIN.WAV", "zaptrail-dialog.woff2", "zaptrail-help.html"].map(async (name) => {
          const response = await fetch(name);
          return [name, response.ok && (await response.arrayBuffer()).byteLength > 0];
        })));
      assert.deepEqual(stored.filter(([, ok]) => !ok), []);
      // The cues decode into sounds the page can play.
      const decoded = await page.evaluate(async () => {
        const audio = new AudioContext();
        const buffer = await audio.decodeAudioData(await (await fetch("TAK.WAV")).arrayBuffer());
        return buffer.duration > 0;
      });
      assert.equal(decoded, true);
    } finally {
      await chromium.close();
      site.close();
    }
  });

  test("opened from the folder on disk it plays, and says what it lacks there and how to have it",
       async () => {
    const chromium = await launchBrowser();
    try {
      const url = `file://${path.join(siteFolder, "index.html")}?seed=5&ticks=manual`;
      const { page, errors } = await openPage(chromium.browser, url);
      const lines = [...Array(9).fill("F"), "R", "D"];
      await playLines(page, lines);
      await assertSameField(page, 5, lines, "from a file");
      assert.match(await page.$eval("#notice", (notice) => (notice.hidden ? "" : notice.textContent)),
                   /without its sounds.*web address/);
      // The browser's refusals to read the files beside the page are its own, not the page's.
      assert.deepEqual(errors.filter((error) => !/Failed to load resource|file:|CORS|Failed to fetch/i.test(error)), []);
    } finally {
      await chromium.close();
    }
  });

  test("a new build replaces the old whole: the open page keeps the old one's files, the next " +
       "visit has only the new one's", async () => {
    const nextBuild = {};
    const site = await serveSite(nextBuild);
    const chromium = await launchBrowser();
    const cueLength = (page) => page.evaluate(async () => (await (await fetch("TAK.WAV")).arrayBuffer()).byteLength);
    try {
      const url = `${site.url}?seed=5&ticks=manual`;
      const { page: old } = await openPage(chromium.browser, url);
      await old.waitForFunction(() => navigator.serviceWorker.controller !== null);
      const oldCue = await cueLength(old);
      // The next build on the server: another version of the worker, another cue.
      const worker = await readFile(path.join(siteFolder, "service_worker.js"), "utf8");
      nextBuild["service_worker.js"] = worker.replace(/const kVersion = "[^"]*"/, 'const kVersion = "next"');
      nextBuild["TAK.WAV"] = Buffer.alloc(oldCue + 1);
      await old.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
      await old.waitForFunction(async () => (await navigator.serviceWorker.getRegistration()).waiting !== null);
      assert.equal(await cueLength(old), oldCue, "the open page keeps its own build's cue");
      await old.close();
      const { page: next } = await openPage(chromium.browser, url);
      await next.waitForFunction(async () => (await caches.keys()).join() === "zaptrail-next");
      await next.reload({ waitUntil: "load" });
      await next.evaluate(() => window.zaptrail.ready);
      assert.equal(await cueLength(next), oldCue + 1, "the next visit has the new build's cue");
    } finally {
      await chromium.close();
      site.close();
    }
  });
});
