// What every page test needs: the built page served on 127.0.0.1, Debian's Chromium driven
// headless, the native sim beside it, and the PNG pictures the sim writes.
import assert from "node:assert/strict";
import { execFile } from "node:child_process";
import { mkdtemp, readFile, rm } from "node:fs/promises";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import path from "node:path";
import { promisify } from "node:util";
import { inflateSync } from "node:zlib";
import { after, before } from "node:test";

import puppeteer from "puppeteer-core";

const repository = path.resolve(import.meta.dirname, "../..");
export const siteFolder = path.resolve(repository, process.env.ZAPTRAIL_WEB ?? "build-web");
export const simPath = path.resolve(repository, process.env.ZAPTRAIL_SIM ?? "build/zaptrail-sim");
// Long enough for a loaded two-core machine; nothing waits for a time to pass.
export const kTimeout = 60000;

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".css": "text/css",
  ".wasm": "application/wasm",
  ".WAV": "audio/wav",
  ".zip": "application/zip",
  ".png": "image/png",
  ".woff2": "font/woff2",
  ".webmanifest": "application/manifest+json",
};

// The page's folder over HTTP on a free port of this machine, with `extraPages` (name to text)
// beside it.
export async function serveSite(extraPages = {}) {
  const server = createServer(async (request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://x").pathname).slice(1) || "index.html";
    try {
      if (name.includes("/") || name.startsWith(".")) throw new Error("outside the folder");
      const body = extraPages[name] ?? (await readFile(path.join(siteFolder, name)));
      response.writeHead(200, { "Content-Type": kTypes[path.extname(name)] ?? "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  // Closing drops the connections a browser keeps open too: the address answers no more.
  return { url: `http://127.0.0.1:${server.address().port}/`,
           close: () => { server.close(); server.closeAllConnections(); } };
}

export async function launchBrowser() {
  const profile = await mkdtemp(path.join(tmpdir(), "zaptrail-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    protocolTimeout: kTimeout,
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
           "--disable-component-update", "--no-first-run", `--user-data-dir=${profile}`],
  });
  return {
    browser,
    async close() {
      await browser.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// For the test file that calls it: the page's folder served and Chromium launched before its
// tests, both gone after them; `url` and `browser` once they are up.
export function serveToBrowser() {
  const served = {};
  let site;
  let chromium;
  before(async () => {
    site = await serveSite();
    chromium = await launchBrowser();
    served.url = site.url;
    served.browser = chromium.browser;
  });
  after(async () => {
    await chromium?.close();
    site?.close();
  });
  return served;
}

// Opens the page with every console error and uncaught exception collected in `errors`.
export async function openPage(browser, url, { beforeLoad } = {}) {
  const page = await browser.newPage();
  page.setDefaultTimeout(kTimeout);
  const errors = [];
  page.on("console", (message) => { if (message.type() === "error") errors.push(message.text()); });
  page.on("pageerror", (error) => errors.push(error.message));
  if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
  await page.goto(url, { waitUntil: "load" });
  await page.evaluate(() => window.zaptrail.ready);
  return { page, errors };
}

const kKeyOfLetter = { U: "ArrowUp", R: "ArrowRight", D: "ArrowDown", L: "ArrowLeft", F: "Space", E: "Escape" };

// Holds each line's keys (the sim's letters) for one tick, as the sim does.
export async function playLines(page, lines) {
  const held = new Set();
  for (const line of lines) {
    const wanted = new Set([...line].map((letter) => kKeyOfLetter[letter]));
    for (const key of held) if (!wanted.has(key)) await page.keyboard.up(key);
    for (const key of wanted) if (!held.has(key)) await page.keyboard.down(key);
    held.clear();
    for (const key of wanted) held.add(key);
    await page.evaluate(() => window.zaptrail.step(1));
  }
  for (const key of held) await page.keyboard.up(key);
}

// A long, varied run from a fixed generator: the title screen left with fire, then bursts of
// held directions, some with fire, through deaths and restarts alike.
export function wanderingRun(ticks) {
  let state = 12345;
  const lines = Array(9).fill("F");
  while (lines.length < ticks) {
    state = (state * 1103515245 + 12345) >>> 0;
    const direction = "URDL"[state >>> 30];
    const line = (state & 0x100) !== 0 ? `${direction}F` : direction;
    for (let i = (state >>> 8) % 7; i >= 0; --i) lines.push(line);
  }
  return lines.slice(0, ticks);
}

// The play field as the page's canvas holds it, RGB bytes row by row.
export async function canvasRgb(page, id = "play-field") {
  const { width, height, data } = await page.evaluate((canvasId) => {
    const canvas = document.getElementById(canvasId);
    const rgba = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    return { width: canvas.width, height: canvas.height, data: Array.from(rgba) };
  }, id);
  const rgb = Buffer.alloc(width * height * 3);
  for (let i = 0, o = 0; i < data.length; i += 4) {
    rgb[o++] = data[i];
    rgb[o++] = data[i + 1];
    rgb[o++] = data[i + 2];
  }
  return { width, height, rgb };
}

// Decodes the sim's snapshot: 8-bit RGB, not interlaced, any row filter.
export function decodeRgbPng(bytes) {
  let at = 8;
  let width = 0;
  let height = 0;
  const compressed = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString("latin1", at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[9] !== 2 || body[12] !== 0) throw new Error("not an 8-bit RGB PNG");
    } else if (type === "IDAT") {
      compressed.push(body);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(compressed));
  const stride = width * 3;
  const rgb = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const left = x >= 3 ? rgb[y * stride + x - 3] : 0;
      const up = y > 0 ? rgb[(y - 1) * stride + x] : 0;
      const upLeft = x >= 3 && y > 0 ? rgb[(y - 1) * stride + x - 3] : 0;
      const predictor = [0, left, up, (left + up) >> 1, paeth(left, up, upLeft)][filter];
      rgb[y * stride + x] = (line[x] + predictor) & 0xFF;
    }
  }
  return { width, height, rgb };
}

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a);
  const pb = Math.abs(p - b);
  const pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Runs `zaptrail-sim play SEED LEVEL --snapshot` on the key lines (one line a tick) and gives
// back its report and its picture.
export async function simSnapshot(seed, keyLines, level = 0) {
  const folder = await mkdtemp(path.join(tmpdir(), "zaptrail-sim-"));
  try {
    const snapshot = path.join(folder, "field.png");
    const child = execFile(simPath, ["play", String(seed), String(level), "--snapshot", snapshot]);
    let report = "";
    child.stdout.on("data", (chunk) => { report += chunk; });
    child.stdin.end(keyLines.map((line) => `${line}\n`).join(""));
    const status = await new Promise((resolve) => child.on("close", resolve));
    if (status !== 0) throw new Error(`zaptrail-sim ended with status ${status}`);
    return { report, picture: decodeRgbPng(await readFile(snapshot)) };
  } finally {
    await rm(folder, { recursive: true, force: true });
  }
}

export const execFileAsync = promisify(execFile);

// Runs `start` and waits for the download it begins, in a browser whose downloads `cdp` follows:
// the name the page gave it, and its file once complete.
export async function downloadOf(cdp, start) {
  let name = null;
  const done = new Promise((resolve) => {
    const begins = (event) => { name = event.suggestedFilename; };
    const progresses = (event) => {
      if (event.state === "inProgress") return;
      cdp.off("Browser.downloadWillBegin", begins);
      cdp.off("Browser.downloadProgress", progresses);
      resolve(event);
    };
    cdp.on("Browser.downloadWillBegin", begins);
    cdp.on("Browser.downloadProgress", progresses);
  });
  await start();
  const { state, filePath } = await done;
  assert.equal(state, "completed");
  return { name, filePath };
}

// The shortest walk from the chick to the goal in the sim's picture of the level, as the
// directions of its steps.
export async function walkToGoal(seed, level) {
  const { stdout } = await execFileAsync(simPath, ["level", String(seed), String(level)]);
  const lines = stdout.split("\n");
  const [px, py] = lines.find((line) => line.startsWith("player ")).split(" ").slice(1).map(Number);
  const [gx, gy] = lines.find((line) => line.startsWith("goal ")).split(" ").slice(1, 3).map(Number);
  const rows = lines.slice(lines.findIndex((line) => line.startsWith("#")));
  const free = (x, y) => rows[y] !== undefined && rows[y][x] !== undefined && rows[y][x] !== "#";
  const moves = [["Up", 0, -1], ["Right", 1, 0], ["Down", 0, 1], ["Left", -1, 0]];
  const from = new Map([[`${px},${py}`, null]]);
  const queue = [[px, py]];
  while (queue.length > 0 && !from.has(`${gx},${gy}`)) {
    const [x, y] = queue.shift();
    for (const [name, dx, dy] of moves) {
      const key = `${x + dx},${y + dy}`;
      if (free(x + dx, y + dy) && !from.has(key)) {
        from.set(key, [`${x},${y}`, name]);
        queue.push([x + dx, y + dy]);
      }
    }
  }
  const path = [];
  for (let at = `${gx},${gy}`; from.get(at); at = from.get(at)[0]) path.unshift(from.get(at)[1]);
  assert.ok(path.length > 0, "the goal can be reached");
  return path;
}

// The canvas against the sim's picture after the same key lines.
export async function assertSameField(page, seed, lines, what) {
  const { picture } = await simSnapshot(seed, lines);
  const shown = await canvasRgb(page);
  assert.equal(shown.width, picture.width, `${what}: width`);
  assert.equal(shown.height, picture.height, `${what}: height`);
  assert.ok(shown.rgb.equals(picture.rgb), `${what}: the canvas differs from the sim's picture`);
}
