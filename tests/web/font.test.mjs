// The dialogs' face the page carries: every character the page can show is in it, it loads
// under the dialogs' family without holding up the play field, its licence travels with it, and
// the whole download stays small.
import assert from "node:assert/strict";
import { readFile, readdir } from "node:fs/promises";
import path from "node:path";
import { test } from "node:test";
import { gunzipSync, gzipSync } from "node:zlib";

import { execFileAsync, openPage, serveToBrowser, siteFolder } from "./browser.mjs";

const kDialogFamily = "ＭＳ Ｐゴシック";
const kFaceLicence = "IPA_Font_License_Agreement_v1.0.txt";

// The face's characters and names, as fontTools reads them from the web font.
const kReadFace = `
import json, sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1])
print(json.dumps({"characters": sorted(font.getBestCmap()),
                  "names": {record.nameID: record.toUnicode() for record in font["name"].names}}))`;

async function faceFile() {
  const fonts = (await readdir(siteFolder)).filter((name) => name.endsWith(".woff2"));
  assert.equal(fonts.length, 1, `one web font in the folder, not ${fonts}`);
  return fonts[0];
}

async function readFace() {
  const { stdout } = await execFileAsync("/usr/bin/python3",
                                         ["-c", kReadFace, path.join(siteFolder, await faceFile())]);
  return JSON.parse(stdout);
}

// The texts kept in the module's data, such as the error messages no short run reaches: the
// zero-terminated pieces that are whole UTF-8 text with Japanese in it. Short texts the compiler
// writes into the code instead are found by running the page.
async function moduleTexts() {
  const page = await readFile(path.join(siteFolder, "index.html"), "utf8");
  const code = page.match(/<script type="application\/octet-stream" id="module-code">([^<]*)</)[1];
  const bytes = gunzipSync(Buffer.from(code, "base64"));
  const number = (at) => {
    let value = 0;
    for (let shift = 0; ; shift += 7) {
      value += (bytes[at] & 0x7f) * 2 ** shift;
      if ((bytes[at++] & 0x80) === 0) return [value, at];
    }
  };
  const texts = [];
  const decoder = new TextDecoder("utf-8", { fatal: true });
  for (let at = 8; at < bytes.length;) {
    const [size, start] = number(at + 1);
    if (bytes[at] === 11) {
      let from = start;
      for (let end = start; end < start + size; ++end) {
        if (bytes[end] !== 0) continue;
        try {
          const text = decoder.decode(bytes.subarray(from, end));
          if (/[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]/u.test(text)) texts.push(text);
        } catch {
          // Not text.
        }
        from = end + 1;
      }
    }
    at = start + size;
  }
  return texts;
}

const served = serveToBrowser();

test("the face has every character the page shows and every text the module holds", async () => {
  // Every text put into the page is recorded, from its first node on; storage that refuses
  // writes brings up the error dialog with its second button when Escape asks to quit.
  const { page, errors } = await openPage(served.browser, `${served.url}?seed=3&ticks=manual`, {
    beforeLoad: () => {
      Storage.prototype.setItem = () => {
        throw new DOMException("full", "QuotaExceededError");
      };
      window.shownTexts = [];
      new MutationObserver((changes) => {
        for (const change of changes) {
          if (change.type === "characterData") window.shownTexts.push(change.target.data);
          for (const node of change.addedNodes) window.shownTexts.push(node.textContent);
        }
      }).observe(document, { childList: true, characterData: true, subtree: true });
    },
  });
  await page.keyboard.down("Escape");
  await page.evaluate(() => window.zaptrail.step(1));
  await page.keyboard.up("Escape");
  await page.waitForFunction(() => document.getElementById("error-dialog").open);
  const shown = (await page.evaluate(() => window.shownTexts.join("\n"))) +
                (await page.evaluate(() => document.body.innerText));
  await page.close();
  assert.match(shown, /ｾｰﾌﾞ/, "the run showed the dialog's Japanese");
  assert.deepEqual(errors, []);

  const { characters } = await readFace();
  const inFace = new Set(characters);
  const printable = Array.from({ length: 0x7f - 0x20 }, (_, i) => String.fromCharCode(0x20 + i));
  const needed = new Set([...printable, ...shown, ...(await moduleTexts()).join("")]);
  const missing = [...needed].filter((char) => char >= " " && !inFace.has(char.codePointAt(0)));
  assert.deepEqual(missing, []);
});

test("the face loads under the dialogs' family after the first frame, with no error", async () => {
  const { page, errors } = await openPage(served.browser, `${served.url}?seed=1`);
  const file = await faceFile();
  const loaded = await page.evaluate(async (family, name) => {
    const faces = await document.fonts.load(`12px "${family}"`, "ﾌﾟﾛﾊﾟﾃｨ");
    const fetched = performance.getEntriesByType("resource").filter((entry) => entry.name.endsWith(name));
    return {
      // The family as the page asked for it; the browser quotes a name with spaces.
      faces: faces.map((face) => [face.family.replace(/^"(.*)"$/, "$1"), face.status]),
      fetchedAfterFirstFrame:
        fetched.length === 1 &&
        fetched[0].startTime >= performance.getEntriesByName("first-frame")[0].startTime,
    };
  }, kDialogFamily, file);
  await page.close();
  assert.deepEqual(loaded, { faces: [[kDialogFamily, "loaded"]], fetchedAfterFirstFrame: true });
  assert.deepEqual(errors, []);
});

test("the face is renamed and its licence is in the folder, with ours and the notices", async () => {
  const { names } = await readFace();
  const file = await faceFile();
  // The face's licence: a font made from it takes neither its name nor its file's.
  for (const id of [1, 3, 4, 6]) assert.doesNotMatch(names[id], /IPA/i, `name ${id}`);
  assert.doesNotMatch(file, /ipag/i);
  assert.match(names[0], /Copyright/);

  const text = (name) => readFile(path.join(siteFolder, name), "utf8");
  assert.match(await text(kFaceLicence), /IPA Font License Agreement v1\.0/);
  assert.equal(await text("LICENSE.txt"), await readFile(path.resolve(import.meta.dirname, "../../LICENSE"), "utf8"));
  const notices = await text("THIRD-PARTY-NOTICES.txt");
  for (const named of [file, kFaceLicence, "zaptrail.js", "Emscripten", "Apache License"]) {
    assert.ok(notices.includes(named), `the notices name ${named}`);
  }
});

test("everything the page fetches to play, the face included, is within 300 KB gzip-compressed",
     async () => {
  const fetched = new Set();
  const page = await served.browser.newPage();
  page.on("requestfinished", (request) => fetched.add(new URL(request.url()).pathname.slice(1)));
  await page.goto(`${served.url}?seed=1`, { waitUntil: "load" });
  await page.evaluate(() => window.zaptrail.ready);
  await page.waitForNetworkIdle({ idleTime: 200 });
  await page.close();
  const names = [...fetched].map((name) => name || "index.html");
  assert.ok(names.includes(await faceFile()) && names.includes("WIN.WAV"), String(names));
  let compressed = 0;
  for (const name of names) {
    compressed += gzipSync(await readFile(path.join(siteFolder, name)), { level: 9 }).length;
  }
  assert.ok(compressed <= 300 * 1024, `${(compressed / 1024).toFixed(1)} KB`);
});
