// The page's records file moved to and from the player's files, and the page in play: a hidden
// page standing still, the shaking main panel and the cues through Web Audio.
import assert from "node:assert/strict";
import { mkdtemp, readFile, rm, stat, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import path from "node:path";
import { afterEach, beforeEach, describe, test } from "node:test";

import { downloadOf, kTimeout, openPage, playLines, serveToBrowser, simSnapshot, siteFolder,
         wanderingRun } from "./browser.mjs";

const served = serveToBrowser();

const bestTimes = (page) => page.evaluate(() => window.zaptrail.bestTimes());
const stored = (page) => page.evaluate(() => localStorage.getItem("zaptrail.ini"));
// What another page of the game, or an earlier run, left in storage; the page reads it back.
async function storeAndReload(page, text) {
  await page.evaluate((content) => localStorage.setItem("zaptrail.ini", content), text);
  await page.reload({ waitUntil: "load" });
  await page.evaluate(() => window.zaptrail.ready);
}

const errorDialog = (page) => page.evaluate(() => {
  const dialog = document.getElementById("error-dialog");
  return dialog.open ? [dialog.querySelector(".caption").textContent,
                        dialog.querySelector(".message").textContent] : null;
});
async function dismissError(page) {
  await page.$eval("#error-dialog button[value=ok]", (button) => button.click());
  await page.waitForFunction(() => !document.getElementById("error-dialog").open);
}

// Each test in a browser context of its own, whose storage starts empty, with its downloads
// and the files it picks in a folder of its own.
describe("the records file between the page and the player's files", { timeout: kTimeout * 4 }, () => {
  let context;
  let folder;
  let cdp;
  beforeEach(async () => {
    context = await served.browser.createBrowserContext();
    folder = await mkdtemp(path.join(tmpdir(), "zaptrail-records-"));
    cdp = await served.browser.target().createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", {
      behavior: "allow", downloadPath: folder, browserContextId: context.id, eventsEnabled: true,
    });
  });
  afterEach(async () => {
    await cdp.detach();
    await context.close();
    await rm(folder, { recursive: true, force: true });
  });

  // The download the page's control starts, as the browser saved it.
  async function download(page) {
    const { name, filePath } = await downloadOf(cdp, () => page.click("#records-download"));
    assert.equal(name, "zaptrail.ini");
    return readFile(filePath, "latin1");
  }

  // Picks the file through the page's control and waits until the module has it.
  async function load(page, name, content) {
    const file = path.join(folder, name);
    await writeFile(file, content);
    const loads = await page.evaluate(() => zaptrailRecords.loadsDone);
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click("#records-load")]);
    await chooser.accept([file]);
    await page.waitForFunction((before) => zaptrailRecords.loadsDone > before, {}, loads);
  }

  test("the download is what a save would write now: the run's times merged with storage's", async () => {
    const { page, errors } = await openPage(context, `${served.url}?seed=5&ticks=manual`);
    // Nothing cleared anywhere: an empty file.
    assert.equal(await download(page), "");
    await storeAndReload(page, "99\r\n");
    // Another page saved since: a worse level 0 and a level this run never cleared.
    await page.evaluate(() => localStorage.setItem("zaptrail.ini", "120\r\n70\r\n"));
    assert.equal(await download(page), "99\r\n70\r\n");
    // Offering the records writes nothing.
    assert.equal(await stored(page), "120\r\n70\r\n");
    assert.equal(await bestTimes(page), "99\r\n");
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("a desktop file loads whole and comes back byte for byte; a later one merges level by level", async () => {
    const { page, errors } = await openPage(context, `${served.url}?seed=5&ticks=manual`);
    await load(page, "zaptrail.ini", "57\r\n130\r\n");
    assert.equal(await bestTimes(page), "57\r\n130\r\n");
    assert.equal(await stored(page), "57\r\n130\r\n");
    assert.equal(await download(page), "57\r\n130\r\n");
    // Loaded after Escape has ended the run: the page's level 0 is better, the file's level 1,
    // and level 2 only the file has. Its lines are read as the desktop reads them: a lone LF,
    // and a last line without a break.
    await playLines(page, ["E"]);
    await load(page, "from-laptop.ini", "60\n100\r\n15");
    assert.equal(await stored(page), "57\r\n100\r\n15\r\n");
    // The next run starts from what was saved.
    await page.click("#play-again");
    await page.waitForFunction(() => document.getElementById("ended").hidden);
    assert.equal(await bestTimes(page), "57\r\n100\r\n15\r\n");
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("a file that is no records file is refused in the error dialog and changes nothing", async () => {
    const { page, errors } = await openPage(context, `${served.url}?seed=5&ticks=manual`);
    await storeAndReload(page, "57\r\n130\r\n");
    const refused = [
      ["big.ini", "1\r\n".repeat(349526), "ﾌｧｲﾙ big.ini は開けません."],
      ["picture.png", Buffer.from([0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13]),
       "ﾌｧｲﾙ picture.png は開けません."],
      ["notes.txt", "40\r\nfast\r\n", "'fast' は整数ではありません."],
      ["gap.ini", "40\r\n\r\n60\r\n", "'' は整数ではありません."],
      ["huge.ini", "40\r\n99999999999\r\n", "'99999999999' は整数ではありません."],
    ];
    for (const [name, content, message] of refused) {
      await load(page, name, content);
      assert.deepEqual(await errorDialog(page), ["Zaptrail", message], name);
      await dismissError(page);
      assert.equal(await bestTimes(page), "57\r\n130\r\n", name);
      assert.equal(await stored(page), "57\r\n130\r\n", name);
    }
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("where storage refuses every write, a loaded file still reaches the run and its download", async () => {
    const { page } = await openPage(context, `${served.url}?seed=5&ticks=manual`, {
      beforeLoad: () => {
        Storage.prototype.setItem = () => {
          throw new DOMException("full", "QuotaExceededError");
        };
      },
    });
    await load(page, "zaptrail.ini", "57\r\n130\r\n");
    assert.deepEqual(await errorDialog(page), ["Zaptrail", "ﾌｧｲﾙ ./zaptrail.ini を作成できません."]);
    await dismissError(page);
    assert.equal(await bestTimes(page), "57\r\n130\r\n");
    assert.equal(await download(page), "57\r\n130\r\n");
    await page.close();
  });
});

describe("the page in play", { timeout: kTimeout * 4 }, () => {
  test("a hidden page runs no tick however long it stays hidden, and goes on when shown", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5`);
    const ticks = () => page.evaluate(() => window.zaptrail.ticks());
    // A browser timer fires after every timer due before it, so the game's ticks of this span
    // run before it ends unless the game has none armed.
    const twentyPeriods = () => page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 20 * 32)));
    const show = (hidden) => page.evaluate((hide) => {
      Object.defineProperty(document, "hidden", { value: hide, configurable: true });
      Object.defineProperty(document, "visibilityState", { value: hide ? "hidden" : "visible", configurable: true });
      document.dispatchEvent(new Event("visibilitychange"));
    }, hidden);

    // A shown page ticks on: ten counted ticks, however busy the machine.
    const shownAt = await ticks();
    await page.waitForFunction((before) => window.zaptrail.ticks() >= before + 10, {}, shownAt);
    await show(true);
    const hiddenAt = await ticks();
    await twentyPeriods();
    await twentyPeriods();
    assert.equal(await ticks(), hiddenAt);
    await show(false);
    await page.waitForFunction((before) => window.zaptrail.ticks() > before + 5, {}, hiddenAt);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("the shaking levels move the main panel as the engine moves the window, and not the compass", async () => {
    const lines = wanderingRun(240);
    for (const [seed, level] of [[11, 7], [12, 10]]) {
      const { page, errors } = await openPage(served.browser, `${served.url}?seed=${seed}&ticks=manual`);
      await page.evaluate((start) => window.zaptrail.startAtLevel(start), level);
      const { report } = await simSnapshot(seed, lines, level);
      // The main window's place after each tick; the first is a title tick, where it has not moved.
      const windows = [...report.matchAll(/^tick \d+ .* level (\d+) .* window (-?\d+) (-?\d+) /gm)]
        .map(([, atLevel, left, top]) => ({ level: Number(atLevel), left: Number(left), top: Number(top) }));
      assert.ok(windows.every((place) => place.level === level), "the run stays on its level");
      const places = () => page.evaluate(() => {
        const zoom = document.getElementById("play-field").clientWidth / 240;
        const [main, compass] = ["main-window", "compass-window"]
          .map((id) => document.getElementById(id).getBoundingClientRect());
        return { zoom, main: [main.left, main.top], compass: [compass.left, compass.top] };
      });
      const start = await places();
      let moved = false;
      for (let end = 60; end <= lines.length; end += 60) {
        await playLines(page, lines.slice(end - 60, end));
        const now = await places();
        const shift = [windows[end - 1].left - windows[0].left, windows[end - 1].top - windows[0].top];
        assert.deepEqual([now.main[0] - start.main[0], now.main[1] - start.main[1]],
                         shift.map((pixels) => pixels * start.zoom), `level ${level}, tick ${end}`);
        assert.deepEqual(now.compass, start.compass);
        moved ||= shift.some((pixels) => pixels !== 0);
      }
      assert.ok(moved, `level ${level} shakes`);
      assert.deepEqual(errors, []);
      await page.close();
    }
  });

  test("the cues through Web Audio: the first after the first key waits for its sound, a new one cuts the last off", async () => {
    // An audio context that logs which sound starts and stops, each known by its file's size,
    // and decodes only when the test lets it.
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=32&ticks=manual`, {
      beforeLoad: () => {
        window.audioLog = [];
        window.decodesAsked = 0;
        const held = [];
        window.finishDecoding = () => held.splice(0).forEach((finish) => finish());
        window.AudioContext = class {
          constructor() {
            this.state = "running";
            this.destination = {};
          }
          decodeAudioData(bytes) {
            ++window.decodesAsked;
            return new Promise((resolve) => held.push(() => resolve({ size: bytes.byteLength })));
          }
          createBufferSource() {
            return {
              connect() {},
              start() { window.audioLog.push(["start", this.buffer.size]); },
              stop() { window.audioLog.push(["stop", this.buffer.size]); },
            };
          }
        };
      },
    });
    const size = {};
    for (const [index, name] of ["TAK.WAV", "CLIA.WAV", "WIN.WAV"].entries()) {
      size[index] = (await stat(path.join(siteFolder, name))).size;
    }
    // The sim's cues, each with the tick that asks for it.
    const lines = wanderingRun(1100);
    const { report } = await simSnapshot(32, lines);
    const cues = [];
    let tick = 1;
    for (const [, cue, tickLine] of report.matchAll(/^(?:cue (\d)|(tick) \d+)/gm)) {
      if (tickLine) ++tick;
      else cues.push({ tick, size: size[cue] });
    }
    assert.ok(cues.length >= 3, "the run plays cues");

    // The first key (Space) lets the page make sound; the first cue falls due while the
    // sounds are still decoding.
    await playLines(page, lines.slice(0, cues[0].tick));
    await page.waitForFunction(() => window.decodesAsked === 3);
    assert.deepEqual(await page.evaluate(() => window.audioLog), []);
    await page.evaluate(() => {
      window.finishDecoding();
      // Once the decodings' own continuations have run.
      return new Promise((resolve) => setTimeout(resolve, 0));
    });
    assert.deepEqual(await page.evaluate(() => window.audioLog), [["start", cues[0].size]]);

    await playLines(page, lines.slice(cues[0].tick));
    const expected = cues.flatMap(({ size: cueSize }, index) =>
      (index === 0 ? [["start", cueSize]] : [["stop", cues[index - 1].size], ["start", cueSize]]));
    assert.deepEqual(await page.evaluate(() => window.audioLog), expected);
    assert.deepEqual(errors, []);
    await page.close();
  });
});
