// The page's trails: a game cleared with the keyboard is kept and proved by zaptrail-sim, watching
// it through ?watch= draws the sim's frames and leaves storage as it was, a tampered trail is
// refused with its reason before anything plays, and ?daily plays the day's seed in every game.
import assert from "node:assert/strict";
import { mkdtemp, readFile, rm, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, describe, test } from "node:test";

import { assertSameField, downloadOf, execFileAsync, kTimeout, launchBrowser, openPage, playLines,
         serveSite, simPath, simSnapshot, walkToGoal } from "./browser.mjs";

// Trails the tests put beside the page on its server, by file name.
const beside = {};
let site;
let chromium;
before(async () => {
  site = await serveSite(beside);
  chromium = await launchBrowser();
});
after(async () => {
  await chromium?.close();
  site?.close();
});

const step = (page, ticks) => page.evaluate((count) => window.zaptrail.step(count), ticks);
const caption = (page) => page.$eval("#main-window .caption", (header) => header.textContent);
const storage = (page) => page.evaluate(() => Object.fromEntries(Object.entries(localStorage).sort()));
const errorText = (page) => page.evaluate(() => {
  const dialog = document.getElementById("error-dialog");
  return dialog.open ? dialog.querySelector(".message").textContent : null;
});

async function verify(file) {
  const { stdout } = await execFileAsync(simPath, ["verify", file, "--json"]);
  return JSON.parse(stdout);
}

// The trail with the first run of steps that went right going left instead, or the other way.
function oneKeyChanged(trail) {
  return trail.replace(/^keys .*$/m, (line) => {
    const runs = line.split(" ");
    const at = runs.findIndex((run) => /^[0-9]*[RL]$/.test(run));
    runs[at] = runs[at].endsWith("R") ? runs[at].replace("R", "L") : runs[at].replace("L", "R");
    return runs.join(" ");
  });
}

describe("a game kept as a trail", { timeout: kTimeout * 6 }, () => {
  const seed = 1700000000;
  let context;
  let folder;
  let cdp;
  let lines;  // the keys the player held, one line a tick
  let kept;  // the page's storage once the game was kept
  before(async () => {
    context = await chromium.browser.createBrowserContext();
    folder = await mkdtemp(path.join(tmpdir(), "zaptrail-trails-"));
    cdp = await chromium.browser.target().createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", {
      behavior: "allow", downloadPath: folder, browserContextId: context.id, eventsEnabled: true,
    });
  });
  after(async () => {
    await cdp?.detach();
    await context?.close();
    await rm(folder, { recursive: true, force: true });
  });

  test("cleared with the keyboard, downloaded from the trails row, and proved by zaptrail-sim " +
       "with the time the page showed and kept", async () => {
    const { page, errors } = await openPage(context, `${site.url}?seed=${seed}&ticks=manual`);
    assert.deepEqual(await page.$$eval("#trails-kept option", (options) => options.map((o) => o.textContent)),
                     ["none kept yet"]);
    const walk = (await walkToGoal(seed, 0)).map((direction) => direction[0]);
    lines = [...Array(9).fill("F"), ...walk, "", ""];
    await playLines(page, lines);
    await assertSameField(page, seed, lines, "the cleared level");
    const best = await page.evaluate(() => window.zaptrail.bestTimes());
    assert.match(best, /^[0-9]+\r\n$/);
    // The sim's time at the clearing, which its picture (the page's, above) shows.
    const { report } = await simSnapshot(seed, lines);
    const shownTime = Number(report.match(/^tick \d+ phase \d+ level 1 .* time (\d+) /m)[1]);
    assert.equal(`${shownTime}\r\n`, best);

    // F2 ends the game: the row lists it as the last game and as level 0's best.
    await page.keyboard.press("F2");
    await step(page, 1);
    assert.deepEqual(await page.$$eval("#trails-kept option", (options) => options.map((o) => o.value)),
                     ["last.zaptrail", "level-0.zaptrail"]);
    // Escape ends the run, saving the best times beside the trails.
    await playLines(page, ["E"]);
    kept = await storage(page);
    assert.equal(kept["zaptrail.ini"], best);
    for (const name of ["last.zaptrail", "level-0.zaptrail"]) {
      await page.select("#trails-kept", name);
      const { name: saved, filePath: file } = await downloadOf(cdp, () => page.click("#trails-download"));
      assert.equal(saved, name);
      assert.equal(await readFile(file, "latin1"), kept[name]);
      const proof = await verify(file);
      assert.equal(proof.matches, true, proof.difference);
      assert.deepEqual([proof.start.random, proof.levels], [seed, [{ level: 0, time: shownTime }]]);
      // Level 0's best ends at its clearing, the tick after the walk's last step.
      assert.equal(proof.ticks, name === "last.zaptrail" ? lines.length : lines.length - 1, name);
    }
    // The ended run's row still watches: the chosen trail, from its first tick.
    await page.click("#trails-watch");
    await page.waitForFunction(() => document.querySelector("#main-window .caption").textContent.endsWith("replay"));
    await step(page, 12);
    await assertSameField(page, seed, lines.slice(0, 12), "level 0's best, watched from the row");
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("watched through ?watch=, it draws the sim's frames whatever keys are held, changes no " +
       "stored byte, and Escape returns to a new game", async () => {
    beside["kept.zaptrail"] = Buffer.from(kept["last.zaptrail"], "latin1");
    const { page, errors } = await openPage(context, `${site.url}?watch=kept.zaptrail&seed=5&ticks=manual`);
    assert.equal(await caption(page), "zap trail - replay");
    assert.match(await page.$eval("#run-kind", (line) => (line.hidden ? "" : line.textContent)), /replay/);
    assert.equal(await page.$eval("#records-load", (button) => button.disabled), true);
    let at = 0;
    // The tick that starts the level draws it off screen, which the next one shows: no tick 9.
    for (const tick of [1, 8, 10, 12, lines.length, lines.length + 5]) {
      await page.keyboard.down("ArrowLeft");
      await step(page, tick - at);
      await page.keyboard.up("ArrowLeft");
      at = tick;
      await assertSameField(page, seed, lines.slice(0, tick), `tick ${tick} of the replay`);
    }
    await playLines(page, ["E"]);
    await page.waitForFunction(() => document.querySelector("#main-window .caption").textContent === "zap trail");
    assert.equal(new URL(page.url()).search, "?seed=5&ticks=manual");
    assert.equal(await page.$eval("#run-kind", (line) => line.hidden), true);
    await assertSameField(page, 5, [], "the new game's title");
    assert.deepEqual(await storage(page), kept);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("a tampered or foreign trail is refused with its reason before anything plays", async () => {
    const last = kept["last.zaptrail"];
    const cleared = last.match(/^cleared 0 (\d+)$/m);
    const tampered = {
      "key.zaptrail": [oneKeyChanged(last), /cannot watch .*key\.zaptrail: the trail does not hold up: /],
      "time.zaptrail": [last.replace(cleared[0], `cleared 0 ${Number(cleared[1]) - 1}`),
                        /cannot watch .*time\.zaptrail: the trail does not hold up: .*level 0/],
      "cut.zaptrail": [last.slice(0, last.indexOf("\nhash") + 1), /cannot watch .*cut\.zaptrail: line \d+: /],
      "foreign.zaptrail": [last.replace(/^game .*$/m, "game 0.1"), /cannot watch .*foreign\.zaptrail: .*0\.1/],
    };
    for (const [name, [text, reason]] of Object.entries(tampered)) {
      assert.notEqual(text, last, name);
      beside[name] = text;
      const { page, errors } = await openPage(context, `${site.url}?watch=${name}&seed=5&ticks=manual`);
      assert.match(await errorText(page) ?? "", reason);
      assert.equal(await caption(page), "zap trail", name);
      assert.equal(await page.evaluate(() => window.zaptrail.ticks()), 0);
      await assertSameField(page, 5, [], `${name}: a new game's title`);
      assert.deepEqual(errors, []);
      await page.close();
    }
    // A file the player opens is refused the same way, by its own name.
    const { page } = await openPage(context, `${site.url}?ticks=manual`);
    const picked = path.join(folder, "time.zaptrail");
    await writeFile(picked, tampered["time.zaptrail"][0]);
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click("#trails-open")]);
    await chooser.accept([picked]);
    await page.waitForFunction(() => zaptrailTrails.opened === 1);
    assert.match(await errorText(page) ?? "", /^cannot watch time\.zaptrail: the trail does not hold up: /);
    await page.close();
    // Only the page's own server, and a trail that is there.
    for (const [asked, notice] of [["http://example.invalid/x.zaptrail", /is elsewhere/],
                                   ["missing.zaptrail", /could not be fetched \(the server answered 404\)/]]) {
      const { page } = await openPage(context, `${site.url}?watch=${encodeURIComponent(asked)}&ticks=manual`);
      assert.match(await page.$eval("#notice", (line) => line.textContent), notice);
      assert.equal(await caption(page), "zap trail");
      await page.close();
    }
  });
});

// The day's seed as the trail format documents it.
function dailySeed(date) {
  let x = Date.parse(`${date}T00:00:00Z`) / 86400000 >>> 0;
  x = (x ^ (x >>> 16)) >>> 0;
  x = Math.imul(x, 0x85EBCA6B) >>> 0;
  x = (x ^ (x >>> 13)) >>> 0;
  x = Math.imul(x, 0xC2B2AE35) >>> 0;
  return (x ^ (x >>> 16)) >>> 0;
}

test("?daily plays today's seed in every game, and says so", { timeout: kTimeout * 2 }, async () => {
  assert.deepEqual(["2000-03-01", "2024-02-29", "2026-12-09"].map(dailySeed),
                   [2822243415, 2320182525, 3673877052]);
  const context = await chromium.browser.createBrowserContext();
  const { page, errors } = await openPage(context, `${site.url}?daily&ticks=manual`);
  const today = new Date().toISOString().slice(0, 10);
  assert.match(await page.$eval("#run-kind", (line) => line.textContent), new RegExp(`Today's trail, ${today}`));
  const lines = [...Array(9).fill("F"), "R", "R", "D", "D", "D"];
  await playLines(page, lines);
  await assertSameField(page, dailySeed(today), lines, "the day's first maze");
  // A new game plays the same mazes again.
  await page.keyboard.press("F2");
  await playLines(page, lines);
  await assertSameField(page, dailySeed(today), lines, "the next game's first maze");
  assert.deepEqual(errors, []);
  await context.close();
});
