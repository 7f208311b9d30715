// The page's figures, each against a budget or a reference measured in the same run; a missed
// one makes the script fail:
//   node tests/web/measure.mjs   (make web-measure; make measure runs it after the desktop's)
import { readdir, readFile } from "node:fs/promises";
import path from "node:path";
import { gzipSync } from "node:zlib";

import lighthouse, { desktopConfig } from "lighthouse";

import { launchBrowser, openPage, serveSite, siteFolder } from "./browser.mjs";

const kRuns = 21;
const kTicks = 300;
const kPeriodMs = 32;
const kSlowCpu = 4;
const kFirstFrameRatio = 1.5;
const kDownloadKB = 300;
const kFirstPaintRatio = 2;
// The audit's categories and the least score each must reach on the desktop profile; the mobile
// profile's scores are printed beside them.
const kAuditMinimum = { performance: 95, accessibility: 95, "best-practices": 95 };
// The site's files that are not part of the page: the zip offered for playing offline, the help,
// which opens in a tab of its own on F1, and the licences, for whoever publishes the folder.
const kNotDownloaded = new Set(["zaptrail-web.zip", "zaptrail-help.html", "LICENSE.txt",
                                "THIRD-PARTY-NOTICES.txt", "IPA_Font_License_Agreement_v1.0.txt"]);

// A page that paints one picture of the play field's size as soon as it can.
const kBarePage = `<!DOCTYPE html><html><body><canvas id="c" width="240" height="224"></canvas>
<script>
const canvas = document.getElementById("c");
canvas.getContext("2d").putImageData(new ImageData(240, 224), 0, 0);
performance.mark("first-frame");
</script></body></html>`;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// When the page put its first frame on the canvas, and when the browser then first painted
// it, from the start of its navigation, in a fresh profile each time so that nothing comes
// from a cache.
async function firstFrame(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(url, { waitUntil: "load" });
  const names = ["first-frame", "first-contentful-paint"];
  await page.waitForFunction(
      (wanted) => wanted.every((name) => performance.getEntriesByName(name).length > 0),
      { timeout: 60000 }, names);
  const [frame, paint] = await page.evaluate(
      (wanted) => wanted.map((name) => performance.getEntriesByName(name)[0].startTime), names);
  await context.close();
  return { frame, paint };
}

// The mean period of the page's playing ticks: every playing tick shows the compass once, so its
// times are the ticks' times. Space held past the title screen's first ticks starts the level.
async function tickMean(page) {
  await page.evaluate(() => {
    window.tickTimes = [];
    const show = zaptrailPage.showPicture;
    zaptrailPage.showPicture = (id, ...rest) => {
      if (id === "compass") window.tickTimes.push(performance.now());
      show(id, ...rest);
    };
  });
  await page.keyboard.down("Space");
  await page.waitForFunction(() => window.tickTimes.length > 0);
  await page.keyboard.up("Space");
  await page.waitForFunction((count) => window.tickTimes.length >= count, { polling: 500 }, kTicks);
  const times = await page.evaluate(() => window.tickTimes);
  return (times[kTicks - 1] - times[0]) / (kTicks - 1);
}

const periodMet = (mean) => Math.abs(mean / kPeriodMs - 1) <= 0.005;

const missed = [];
function verdict(name, met) {
  if (!met) missed.push(name);
  return met ? "ok" : "MISSED";
}

const site = await serveSite({ "bare.html": kBarePage });
const chromium = await launchBrowser();
try {
  // One unmeasured load each warms the disk cache and the browser's code caches of its own;
  // then the two take turns, so that a busy spell of the machine falls on both.
  const gameUrl = `${site.url}?seed=1`;
  const bareUrl = `${site.url}bare.html`;
  await firstFrame(chromium.browser, bareUrl);
  await firstFrame(chromium.browser, gameUrl);
  const game = [];
  const bare = [];
  for (let run = 0; run < kRuns; ++run) {
    bare.push(await firstFrame(chromium.browser, bareUrl));
    game.push(await firstFrame(chromium.browser, gameUrl));
  }
  const medians = (loads, what) => median(loads.map((load) => load[what]));
  const ratio = medians(game, "frame") / medians(bare, "frame");
  console.log(`page first frame ratio  ${ratio.toFixed(2)}x  (page ${medians(game, "frame").toFixed(1)} ms, ` +
              `bare canvas page ${medians(bare, "frame").toFixed(1)} ms, medians of ${kRuns} runs)  ` +
              `target <= ${kFirstFrameRatio}x  ${verdict("first frame", ratio <= kFirstFrameRatio)}`);
  // What the player sees: the browser's first paint after those frames, for information.
  const paintRatio = medians(game, "paint") / medians(bare, "paint");
  console.log(`page first paint ratio  ${paintRatio.toFixed(2)}x  ` +
              `(page ${medians(game, "paint").toFixed(1)} ms, bare canvas page ` +
              `${medians(bare, "paint").toFixed(1)} ms, the same loads)  target <= ${kFirstPaintRatio}x  ` +
              `${verdict("first paint", paintRatio <= kFirstPaintRatio)}`);

  const { page } = await openPage(chromium.browser, gameUrl);
  const mean = await tickMean(page);
  console.log(`page tick period, mean  ${mean.toFixed(3)} ms over ${kTicks - 1} ticks  ` +
              `target ${kPeriodMs} ms +- 0.5 %  ${verdict("tick period", periodMet(mean))}`);

  // Everything the page may fetch, as a static server sends it: each file gzip-compressed at
  // zlib's default level. Whatever the page has fetched by now must be among those files.
  const names = (await readdir(siteFolder)).filter((name) => !kNotDownloaded.has(name)).sort();
  const fetched = await page.evaluate(() =>
    performance.getEntriesByType("resource").map((entry) => new URL(entry.name).pathname.slice(1)));
  const uncounted = fetched.filter((name) => !names.includes(name));
  if (uncounted.length > 0) throw new Error(`the page fetched files not counted: ${uncounted.join(", ")}`);
  let plain = 0;
  let compressed = 0;
  for (const name of names) {
    const bytes = await readFile(path.join(siteFolder, name));
    plain += bytes.length;
    compressed += gzipSync(bytes).length;
  }
  const downloadKB = compressed / 1024;
  console.log(`page download, gzip     ${downloadKB.toFixed(1)} KB  (${names.length} files, ` +
              `${(plain / 1024).toFixed(1)} KB plain: ${names.join(" ")})  ` +
              `target <= ${kDownloadKB} KB  ${verdict("download", downloadKB <= kDownloadKB)}`);

  // A slow phone's CPU, as the audit's mobile profile takes it: four times slower, on a page of
  // its own with the first one gone.
  await page.close();
  const { page: slowPage } = await openPage(chromium.browser, gameUrl);
  const cdp = await slowPage.createCDPSession();
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: kSlowCpu });
  const slowMean = await tickMean(slowPage);
  // The page's renderer may outlive it and serve the audit's page next.
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: 1 });
  await slowPage.close();
  console.log(`page tick period, ${kSlowCpu}x slower CPU  ${slowMean.toFixed(3)} ms over ${kTicks - 1} ticks  ` +
              `target ${kPeriodMs} ms +- 0.5 %  ${verdict("tick period, slower CPU", periodMet(slowMean))}`);

  // The browser's own audit of the page, on its desktop and its mobile profile.
  const port = Number(new URL(chromium.browser.wsEndpoint()).port);
  for (const [profile, config] of [["desktop", desktopConfig], ["mobile", undefined]]) {
    const { lhr } = await lighthouse(site.url, {
      port, logLevel: "error", output: "json", onlyCategories: Object.keys(kAuditMinimum) }, config);
    const scores = Object.keys(kAuditMinimum).map((name) => [name, Math.round(lhr.categories[name].score * 100)]);
    const low = scores.filter(([name, score]) => score < kAuditMinimum[name]);
    const shown = scores.map(([name, score]) => `${name} ${score}`).join(", ");
    if (profile === "desktop") {
      console.log(`page audit, desktop     ${shown}  target each >= 95  ${verdict("audit", low.length === 0)}`);
    } else {
      console.log(`page audit, mobile      ${shown}  (for information)`);
    }
    // What cost the points, so that a missed target says where to look.
    for (const [name] of low) {
      for (const ref of lhr.categories[name].auditRefs) {
        const audit = lhr.audits[ref.id];
        if (ref.weight > 0 && audit.score !== null && audit.score < 1) {
          console.log(`  ${name}: ${audit.id} ${Math.round(audit.score * 100)}  ${audit.displayValue ?? ""}`);
        }
      }
    }
  }
} finally {
  await chromium.close();
  site.close();
}
if (missed.length > 0) {
  console.error(`web-measure: missed ${missed.join(", ")}`);
  process.exitCode = 1;
}
