// The build step that puts the page's styles, scripts and module code into index.html.
import assert from "node:assert/strict";
import { mkdtemp, readdir, readFile, rm, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import path from "node:path";
import { test } from "node:test";
import { gunzipSync } from "node:zlib";

import { execFileAsync } from "./browser.mjs";

const inliner = path.resolve(import.meta.dirname, "../../web/inline_page.py");

async function folderWith(files) {
  const folder = await mkdtemp(path.join(tmpdir(), "zaptrail-inline-"));
  for (const [name, content] of Object.entries(files)) await writeFile(path.join(folder, name), content);
  return folder;
}

test("takes in local styles, scripts and the preloaded module, and leaves the rest", async () => {
  const code = Buffer.from([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0, 0xff]);
  const folder = await folderWith({
    "index.html": `<head><link rel="stylesheet" href="page.css">
<link rel="preload" href="game.wasm" as="fetch" type="application/wasm" crossorigin="anonymous">
</head><body><script src="page.js"></script><script src="https://elsewhere.example/x.js"></script>
<script src="later.js" defer></script></body>`,
    "page.css": "canvas { display: block; }\n",
    "page.js": "const a = 1 < 2;\n",
    "later.js": "",
    "game.wasm": code,
    "CUE.WAV": "RIFF",
  });
  try {
    await execFileAsync("python3", [inliner, folder]);
    const html = await readFile(path.join(folder, "index.html"), "utf8");
    // The code travels gzip-compressed, and unpacks to the very bytes.
    const packed = html.match(/<script type="application\/octet-stream" id="module-code">([A-Za-z0-9+/=]+)</)[1];
    assert.deepEqual(gunzipSync(Buffer.from(packed, "base64")), code);
    assert.equal(html, `<head><style>\ncanvas { display: block; }\n</style>
<script type="application/octet-stream" id="module-code">${packed}</script>
</head><body><script>\nconst a = 1 < 2;\n</script><script src="https://elsewhere.example/x.js"></script>
<script src="later.js" defer></script></body>`);
    assert.deepEqual((await readdir(folder)).sort(), ["CUE.WAV", "index.html", "later.js"]);
  } finally {
    await rm(folder, { recursive: true, force: true });
  }
});

test("refuses a script that would end its element early, and leaves the folder as it was", async () => {
  const page = `<body><script src="page.js"></script></body>`;
  const folder = await folderWith({ "index.html": page, "page.js": `const s = "</SCRIPT>";\n` });
  try {
    await assert.rejects(execFileAsync("python3", [inliner, folder]), /page\.js holds <\/script/);
    assert.equal(await readFile(path.join(folder, "index.html"), "utf8"), page);
    assert.deepEqual((await readdir(folder)).sort(), ["index.html", "page.js"]);
  } finally {
    await rm(folder, { recursive: true, force: true });
  }
});
