// The board page in headless Chromium against a real zaptrail-board: names are shown as text,
// even one that an older or foreign writer left in the database as markup, each row links the
// game page's watch, and a kept trail submitted through the page is verified and ranked with
// the browser's own key. The game the board serves offers a finished daily game to it, and the
// board page's watch link plays that game. Run by `make test-board-page`.
import assert from "node:assert/strict";
import { execFile, spawn } from "node:child_process";
import { mkdtemp, rm, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import path from "node:path";
import { createInterface } from "node:readline";
import { promisify } from "node:util";
import { after, before, test } from "node:test";

import { canvasRgb, kTimeout, launchBrowser, playLines, siteFolder } from "./browser.mjs";

const run = promisify(execFile);
const repository = path.resolve(import.meta.dirname, "../..");
const boardPath = path.resolve(repository, process.env.ZAPTRAIL_BOARD ?? "build/zaptrail-board");
const dailyTrailPath = path.resolve(repository, process.env.ZAPTRAIL_DAILY_TRAIL ?? "build/daily-trail");
const kMarkup = '<img src=x onerror="window.pwned=1">';

let scratch;
let board;
let url;
let chromium;

async function dailyTrail(titleTicks) {
  return (await run(dailyTrailPath, ["1", "32", String(titleTicks)])).stdout;
}

before(async () => {
  scratch = await mkdtemp(path.join(tmpdir(), "zaptrail-board-page-"));
  board = spawn(boardPath, ["--listen", "127.0.0.1:0", "--db", `sqlite:${scratch}/board.db`,
                           "--web", siteFolder],
                { stdio: ["ignore", "pipe", "inherit"] });
  const [line] = await new Promise((resolve) => createInterface({ input: board.stdout }).once("line", (l) => resolve([l])));
  url = `http://127.0.0.1:${line.split(":").pop()}`;
  const answer = await fetch(`${url}/api/trails`, {
    method: "POST",
    body: JSON.stringify({ name: "ひよこ", key: "page-test-key-0123456789", trail: await dailyTrail(8) }),
  });
  assert.equal(answer.status, 201);
  // A row no board of ours would take, written past the board straight into its database.
  await run("python3", ["-c", `
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("INSERT INTO players VALUES (?, 'x')", (sys.argv[2],))
db.execute("INSERT INTO games (trail_hash, date, name, levels, total, period, submitted, trail)"
           " SELECT 'forged', date, ?, 0, 0, 32, submitted, trail FROM games LIMIT 1", (sys.argv[2],))
db.commit()`, `${scratch}/board.db`, kMarkup]);
  chromium = await launchBrowser();
});

after(async () => {
  await chromium?.close();
  board?.kill("SIGTERM");
  await rm(scratch, { recursive: true, force: true });
});

test("the ranking shows every name as text, with a watch link per game", async () => {
  const page = await chromium.browser.newPage();
  page.setDefaultTimeout(kTimeout);
  await page.goto(`${url}/board`, { waitUntil: "load" });
  await page.waitForFunction(() => document.querySelectorAll("#ranking tbody tr").length === 2);
  const rows = await page.$$eval("#ranking tbody tr", (trs) => trs.map((tr) => ({
    name: tr.querySelector("td.name").textContent,
    markup: tr.querySelector("td.name").children.length,
    watch: tr.querySelector("a").getAttribute("href"),
  })));
  assert.deepEqual(rows.map((row) => row.name), ["ひよこ", kMarkup]);
  assert.ok(rows.every((row) => row.markup === 0));
  assert.equal(rows[0].watch, "/?watch=%2Fapi%2Ftrails%2F1");
  assert.equal(await page.evaluate(() => window.pwned), undefined);
  await page.close();
});

test("a kept trail submitted through the page is ranked under the browser's own key", async () => {
  const file = path.join(scratch, "kept.trail");
  await writeFile(file, await dailyTrail(30));
  const page = await chromium.browser.newPage();
  page.setDefaultTimeout(kTimeout);
  await page.goto(`${url}/board`, { waitUntil: "load" });
  await page.type("#name", "page player");
  await (await page.$("#file")).uploadFile(file);
  await page.click("#upload button");
  await page.waitForFunction(() => document.getElementById("answer").textContent.startsWith("Verified"));
  const key = await page.evaluate(() => localStorage.getItem("zaptrail-board-key"));
  assert.match(key, /^[0-9a-f]{64}$/);
  assert.ok(!page.url().includes(key));
  await page.waitForFunction(() => [...document.querySelectorAll("#ranking td.name")]
    .some((td) => td.textContent === "page player"));
  await page.close();
});

// A trail's keys as the page tests hold them, one line a tick.
function keyLines(trail) {
  const lines = [];
  for (const line of trail.split("\n").filter((text) => text.startsWith("keys "))) {
    for (const run of line.split(" ").slice(1)) {
      const [, count, keys] = run.match(/^([0-9]*)(.*)$/);
      for (let i = 0; i < (count === "" ? 1 : Number(count)); ++i) lines.push(keys === "-" ? "" : keys);
    }
  }
  return lines;
}

test("a daily game finished in the page the board serves is offered, ranked, and watched from " +
     "the board page", async () => {
  // The scripted player's game of today's course, played again through the page's keys.
  const lines = keyLines(await dailyTrail(15));
  const context = await chromium.browser.createBrowserContext();
  const page = await context.newPage();
  page.setDefaultTimeout(kTimeout);
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(`${url}/?daily&ticks=manual`, { waitUntil: "load" });
  await page.evaluate(() => window.zaptrail.ready);
  await playLines(page, lines);
  const played = await canvasRgb(page);
  // F2 ends the game, which is kept and offered.
  await page.keyboard.press("F2");
  await page.evaluate(() => window.zaptrail.step(1));
  await page.waitForFunction(() => !document.getElementById("board-offer").hidden);
  await page.type("#board-name", "daily player");
  await page.click("#board-offer button");
  await page.waitForFunction(() => /^Verified: ranked [0-9]+ on /.test(document.getElementById("board-answer").textContent));
  const key = await page.evaluate(() => localStorage.getItem("zaptrail-board-key"));
  assert.match(key, /^[0-9a-f]{64}$/);
  assert.ok(!page.url().includes(key));

  // The game's offline worker, now looking after the board's address too, leaves its pages be.
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.goto(`${url}/board`, { waitUntil: "load" });
  const watch = await page.waitForFunction(() => [...document.querySelectorAll("#ranking tr")]
    .find((row) => row.querySelector("td.name")?.textContent === "daily player")?.querySelector("a"));
  await Promise.all([page.waitForNavigation({ waitUntil: "load" }), watch.asElement().click()]);
  await page.evaluate(() => window.zaptrail.ready);
  assert.equal(await page.$eval("#main-window .caption", (header) => header.textContent), "zap trail - replay");
  // The replay runs on the page's own timer and keeps its last picture: the player's.
  await page.waitForFunction((ticks) => window.zaptrail.ticks() > ticks, {}, lines.length);
  assert.ok((await canvasRgb(page)).rgb.equals(played.rgb), "the watched game ends as it was played");
  assert.deepEqual(errors, []);
  await context.close();
});
