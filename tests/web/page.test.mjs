// The page in headless Chromium: what it draws against the native sim, its keys, and where it
// keeps the best times.
import assert from "node:assert/strict";
import { readdir } from "node:fs/promises";
import { afterEach, beforeEach, describe, test } from "node:test";

import { assertSameField, execFileAsync, kTimeout, openPage, playLines, serveToBrowser, simSnapshot,
         siteFolder, wanderingRun } from "./browser.mjs";

const served = serveToBrowser();

describe("the play field", { timeout: kTimeout * 4 }, () => {
  test("loads without an error and shows the sim's picture, zoomed whole and crisp", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
    await assertSameField(page, 5, [], "title screen");
    const look = await page.evaluate(() => {
      const canvas = document.getElementById("play-field");
      const style = getComputedStyle(canvas);
      return { width: canvas.width, height: canvas.height, cssWidth: canvas.clientWidth,
               cssHeight: canvas.clientHeight, rendering: style.imageRendering };
    });
    assert.deepEqual([look.width, look.height], [240, 224]);
    const zoom = look.cssWidth / 240;
    assert.ok(Number.isInteger(zoom) && zoom >= 1 && look.cssHeight === 224 * zoom, JSON.stringify(look));
    assert.equal(look.rendering, "pixelated");
    // The compass against the main panel's right edge, tops aligned.
    const [main, compass] = await page.evaluate(() => ["main-window", "compass-window"].map((id) => {
      const box = document.getElementById(id).getBoundingClientRect();
      return { left: box.left, right: box.right, top: box.top };
    }));
    assert.equal(compass.left, main.right);
    assert.equal(compass.top, main.top);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("after held keys, tick by tick, is the sim's picture for the same keys", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
    const lines = [...Array(9).fill("F"), "R", "R", "R", "R", "DL", "UD", "D", "D", "D", "DF", "L", "L"];
    await playLines(page, lines);
    await assertSameField(page, 5, lines, "after the keys");
    // F2 starts a new game: the title screen again.
    await page.keyboard.press("F2");
    await assertSameField(page, 5, [], "after F2");
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("a long replay through the WebAssembly engine stays the native sim's at every checkpoint", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=77&ticks=manual`);
    await page.evaluate(() => {
      window.cuesAsked = [];
      const play = zaptrailPage.playCue;
      zaptrailPage.playCue = (path) => {
        window.cuesAsked.push(path);
        play(path);
      };
    });
    const lines = wanderingRun(600);
    for (let end = 150; end <= lines.length; end += 150) {
      await playLines(page, lines.slice(end - 150, end));
      await assertSameField(page, 77, lines.slice(0, end), `tick ${end}`);
    }
    // The same cues, in the same order, from the files beside the page.
    const { report } = await simSnapshot(77, lines);
    const cueFiles = ["./TAK.WAV", "./CLIA.WAV", "./WIN.WAV"];
    const simCues = [...report.matchAll(/^cue (\d)$/gm)].map((match) => cueFiles[match[1]]);
    assert.ok(simCues.length > 0, "the run plays cues");
    assert.deepEqual(await page.evaluate(() => window.cuesAsked), simCues);
    assert.deepEqual(errors, []);
    await page.close();
  });
});

describe("the keys", { timeout: kTimeout * 2 }, () => {
  test("the game's keys never reach the browser, other keys do, and F1 opens the help", async () => {
    const { page } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
    await page.evaluate(() => {
      window.seenKeys = [];
      window.addEventListener("keydown", (event) => window.seenKeys.push([event.code, event.defaultPrevented]));
    });
    for (const key of ["ArrowUp", "ArrowRight", "ArrowDown", "ArrowLeft", "Space", "F2", "KeyA"]) {
      await page.keyboard.press(key);
    }
    const help = served.browser.waitForTarget((target) => target.url().endsWith("/zaptrail-help.html"));
    await page.keyboard.press("F1");
    await (await (await help).page())?.close();
    // Last, as the settings dialog it opens takes the keys.
    await page.keyboard.down("Alt");
    await page.keyboard.press("Enter");
    await page.keyboard.up("Alt");
    const seen = Object.fromEntries(await page.evaluate(() => window.seenKeys));
    assert.deepEqual(seen, { ArrowUp: true, ArrowRight: true, ArrowDown: true, ArrowLeft: true, Space: true,
                             F2: true, KeyA: false, AltLeft: true, Enter: true, F1: true });
    await page.close();
  });
});

describe("the first gamepad", { timeout: kTimeout * 2 }, () => {
  test("steers with stick and d-pad and fires with the south button alone, as keys would", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`, {
      beforeLoad: () => {
        const released = { pressed: false, value: 0 };
        window.fakePad = { connected: true, mapping: "standard", axes: [0, 0, 0, 0],
                           buttons: Array(17).fill(released) };
        navigator.getGamepads = () => [null, window.fakePad];
      },
    });
    // Left and right on the stick, up and down on the d-pad; "x" holds the east button too.
    const lines = [...Array(8).fill("F"), "Fx", "F", "R", "R", "R", "R", "D", "D", "U", "L", "L", "D", "D"];
    for (const line of lines) {
      await page.evaluate((letters) => {
        const pad = window.fakePad;
        pad.axes[0] = letters.includes("R") ? 0.9 : letters.includes("L") ? -0.9 : 0.1;
        pad.buttons = pad.buttons.map((_, index) => ({
          pressed: (index === 0 && letters.includes("F")) || (index === 1 && letters.includes("x")) ||
                   (index === 12 && letters.includes("U")) || (index === 13 && letters.includes("D")),
          value: 0,
        }));
        window.zaptrail.step(1);
      }, line);
    }
    // The south button held with the east one does not fire, so the level starts a tick later,
    // as with no key at all in that tick.
    await assertSameField(page, 5, lines.map((line) => (line === "Fx" ? "" : line)), "after the pad");
    assert.deepEqual(errors, []);
    await page.close();
  });
});

// Each test in a browser context of its own, whose storage starts empty.
describe("the best times", { timeout: kTimeout * 4 }, () => {
  let context;
  beforeEach(async () => {
    context = await served.browser.createBrowserContext();
  });
  afterEach(async () => {
    await context.close();
  });
  const read = (page) => page.evaluate(() => localStorage.getItem("zaptrail.ini"));
  const write = (page, text) => page.evaluate((content) => localStorage.setItem("zaptrail.ini", content), text);
  const hide = (page) => page.evaluate(() => {
    Object.defineProperty(document, "hidden", { value: true, configurable: true });
    Object.defineProperty(document, "visibilityState", { value: "hidden", configurable: true });
    document.dispatchEvent(new Event("visibilitychange"));
  });

  test("Escape held saves, merged with what another page saved, and a reload reads them back", async () => {
    const { page, errors } = await openPage(context, `${served.url}?seed=5&ticks=manual`);
    await write(page, "99\r\n");
    await page.reload({ waitUntil: "load" });
    await page.evaluate(() => window.zaptrail.ready);
    assert.equal(await page.evaluate(() => window.zaptrail.bestTimes()), "99\r\n");
    // Another page saved since: a worse level 0 and a level this one never cleared.
    await write(page, "120\r\n70\r\n");
    await playLines(page, ["E"]);
    assert.equal(await read(page), "99\r\n70\r\n");
    assert.equal(await page.evaluate(() => document.getElementById("ended").hidden), false);
    // Playing again starts a new run in the same page, from the records just saved.
    await page.click("#play-again");
    await page.waitForFunction(() => document.getElementById("ended").hidden);
    assert.equal(await page.evaluate(() => window.zaptrail.bestTimes()), "99\r\n70\r\n");
    await page.reload({ waitUntil: "load" });
    await page.evaluate(() => window.zaptrail.ready);
    assert.equal(await page.evaluate(() => window.zaptrail.bestTimes()), "99\r\n70\r\n");
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("two pages keep each other's best times when each is hidden", async () => {
    const first = await openPage(context, `${served.url}?ticks=manual`);
    await write(first.page, "99\r\n80\r\n");
    await first.page.reload({ waitUntil: "load" });
    await first.page.evaluate(() => window.zaptrail.ready);
    await write(first.page, "120\r\n70\r\n30\r\n");
    const second = await openPage(context, `${served.url}?ticks=manual`);
    await hide(first.page);
    await hide(second.page);
    assert.equal(await read(second.page), "99\r\n70\r\n30\r\n");
    assert.deepEqual([...first.errors, ...second.errors], []);
    await first.page.close();
    await second.page.close();
  });

  test("closing the tab saves, and an address with a bad seed says so and plays on", async () => {
    const first = await openPage(context, `${served.url}?seed=five&ticks=manual`);
    assert.match(await first.page.$eval("#notice", (notice) => (notice.hidden ? "" : notice.textContent)),
                 /"five" is not one/);
    await write(first.page, "99\r\n");
    await first.page.reload({ waitUntil: "load" });
    await first.page.evaluate(() => window.zaptrail.ready);
    const second = await openPage(context, `${served.url}?ticks=manual`);
    await write(second.page, "120\r\n");
    await first.page.close({ runBeforeUnload: true });
    await second.page.waitForFunction(() => localStorage.getItem("zaptrail.ini") === "99\r\n");
    assert.deepEqual([...first.errors, ...second.errors], []);
    await second.page.close();
  });

  test("storage that refuses every write says so and keeps the run until the player quits", async () => {
    const { page } = await openPage(context, `${served.url}?seed=5&ticks=manual`, {
      beforeLoad: () => {
        Storage.prototype.setItem = () => {
          throw new DOMException("full", "QuotaExceededError");
        };
      },
    });
    const dialogText = () => page.evaluate(() => {
      const dialog = document.getElementById("error-dialog");
      return dialog.open ? [dialog.querySelector(".caption").textContent,
                            dialog.querySelector(".message").textContent,
                            dialog.querySelector(".quit").hidden] : null;
    });
    // Counts the closes the page has told the module of; its own listener comes first.
    await page.evaluate(() => {
      window.dialogCloses = 0;
      document.getElementById("error-dialog").addEventListener("close", () => ++window.dialogCloses);
    });
    const answer = async (button) => {
      const closes = await page.evaluate(() => window.dialogCloses);
      // The button's own click: the dialog is in the top layer, where the mouse's hit test can
      // still miss it for a frame after it opens.
      await page.$eval(`#error-dialog button[value=${button}]`, (element) => element.click());
      await page.waitForFunction((before) => window.dialogCloses > before, {}, closes);
    };
    // In a browser player's words: no file to mend, but a download to keep them.
    const expected = "This browser's storage would not keep the best times; \"download\" in the " +
                     "records row keeps them in a file.";
    await playLines(page, ["E"]);
    assert.deepEqual(await dialogText(), ["Zaptrail", expected, false]);
    await answer("ok");
    assert.equal(await dialogText(), null);
    assert.equal(await page.evaluate(() => document.getElementById("ended").hidden), true);
    // The run goes on; hiding the page tries again and says so once, not at every hiding.
    await page.evaluate(() => window.zaptrail.step(1));
    await hide(page);
    assert.deepEqual(await dialogText(), ["Zaptrail", expected, true]);
    await answer("ok");
    await hide(page);
    assert.equal(await dialogText(), null);
    await playLines(page, ["E"]);
    await answer("quit");
    assert.equal(await page.evaluate(() => document.getElementById("ended").hidden), false);
    await page.close();
  });
});

test("the zip holds the page's folder in one folder, byte for byte", async () => {
  const compare = `
import pathlib, sys, zipfile
folder = pathlib.Path(sys.argv[1])
with zipfile.ZipFile(folder / "zaptrail-web.zip") as packed:
    inside, *entries = packed.infolist()
    assert inside.is_dir(), inside.filename
    for entry in entries:
        name = entry.filename.removeprefix(inside.filename)
        same = entry.filename != name and packed.read(entry) == (folder / name).read_bytes()
        print(name, entry.date_time == inside.date_time and same)`;
  const { stdout } = await execFileAsync("python3", ["-c", compare, siteFolder]);
  const listed = stdout.trim().split("\n").map((line) => line.split(" "));
  const inFolder = (await readdir(siteFolder)).filter((name) => name !== "zaptrail-web.zip");
  assert.deepEqual(listed.map(([name]) => name).sort(), inFolder.sort());
  assert.ok(listed.every(([, same]) => same === "True"), stdout);
  assert.ok(inFolder.includes("index.html") && inFolder.includes("TAK.WAV"));
});
