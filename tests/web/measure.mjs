// The page's figures, each against a budget or a reference measured in the same run:
//   node tests/web/measure.mjs   (make web-measure)
import { readFile } from "node:fs/promises";
import path from "node:path";
import { gzipSync } from "node:zlib";

import { launchBrowser, openPage, serveSite, siteFolder } from "./browser.mjs";

const kRuns = 5;
const kTicks = 300;
// What the page fetches before its first frame, and after it for its cues and the dialogs'
// font; the help only on F1.
const kDownload = ["index.html", "page.css", "page.js", "zaptrail.js", "zaptrail.wasm", "TAK.WAV",
                   "CLIA.WAV", "WIN.WAV", "zaptrail-dialog.woff2"];

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

// When the page's first frame was painted, from the start of its navigation.
async function firstFrame(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(url, { waitUntil: "load" });
  await page.waitForFunction(() => performance.getEntriesByName("first-frame").length > 0,
                             { timeout: 60000 });
  const at = await page.evaluate(() => performance.getEntriesByName("first-frame")[0].startTime);
  await context.close();
  return at;
}

const site = await serveSite({ "bare.html": kBarePage });
const chromium = await launchBrowser();
try {
  const game = [];
  const bare = [];
  for (let run = 0; run < kRuns; ++run) {
    bare.push(await firstFrame(chromium.browser, `${site.url}bare.html`));
    game.push(await firstFrame(chromium.browser, `${site.url}?seed=1`));
  }
  const ratio = median(game) / median(bare);
  console.log(`first frame: page ${median(game).toFixed(1)} ms, bare canvas ${median(bare).toFixed(1)} ms, ` +
              `ratio ${ratio.toFixed(2)} (target <= 1.5)`);

  // Every playing tick shows the compass once; its times are the ticks' times.
  const { page } = await openPage(chromium.browser, `${site.url}?seed=1`);
  await page.evaluate(() => {
    window.tickTimes = [];
    const show = zaptrailPage.showPicture;
    zaptrailPage.showPicture = (id, ...rest) => {
      if (id === "compass") window.tickTimes.push(performance.now());
      show(id, ...rest);
    };
  });
  // Space held past the title screen's first ticks starts the level.
  await page.keyboard.down("Space");
  await page.waitForFunction(() => window.tickTimes.length > 0);
  await page.keyboard.up("Space");
  await page.waitForFunction((count) => window.tickTimes.length >= count, { polling: 500 }, kTicks);
  const times = await page.evaluate(() => window.tickTimes);
  const mean = (times[kTicks - 1] - times[0]) / (kTicks - 1);
  console.log(`tick period: mean ${mean.toFixed(3)} ms over ${kTicks - 1} ticks ` +
              `(${((mean / 32 - 1) * 100).toFixed(2)} % from 32 ms; target within 0.5 %)`);

  let plain = 0;
  let compressed = 0;
  for (const name of kDownload) {
    const bytes = await readFile(path.join(siteFolder, name));
    plain += bytes.length;
    compressed += gzipSync(bytes, { level: 9 }).length;
  }
  console.log(`download: ${(compressed / 1024).toFixed(1)} KB gzip-compressed ` +
              `(${(plain / 1024).toFixed(1)} KB plain; budget 300 KB)`);
} finally {
  await chromium.close();
  site.close();
}
