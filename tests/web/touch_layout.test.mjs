// The page on phones, tablets and small windows: the touch controls against the native sim, a
// page that stays where it is under the thumbs, rows that never cover one another, an ended run's
// menu, and Escape as the desktop's ticks read it.
import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { kTimeout, playLines, serveToBrowser, simSnapshot, canvasRgb, walkToGoal } from "./browser.mjs";

const served = serveToBrowser();

// Opens the page in a window of this size, a touch screen's when `touch`.
async function openSized(url, width, height, touch = false) {
  const page = await served.browser.newPage();
  page.setDefaultTimeout(kTimeout);
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  await page.setViewport({ width, height, hasTouch: touch, isMobile: touch });
  await page.goto(url, { waitUntil: "load" });
  await page.evaluate(() => window.zaptrail.ready);
  return { page, errors };
}

// Fingers on the screen, several at once, through the browser's own touch input.
async function fingers(page) {
  const cdp = await page.createCDPSession();
  const down = new Map();
  const send = (type) => cdp.send("Input.dispatchTouchEvent", {
    type, touchPoints: [...down].map(([id, [x, y]]) => ({ id, x, y })) });
  return {
    async press(id, [x, y]) {
      down.set(id, [x, y]);
      await send("touchStart");
    },
    async move(id, [x, y]) {
      down.set(id, [x, y]);
      await send("touchMove");
    },
    async lift(id) {
      down.delete(id);
      await send("touchEnd");
    },
  };
}

// A control's centre by its accessible name, and its size.
async function control(page, name) {
  const handle = await page.$(`aria/${name}[role="button"]`);
  assert.ok(handle, `a button named ${name}`);
  const box = await handle.boundingBox();
  return { centre: [box.x + box.width / 2, box.y + box.height / 2], box };
}

const step = (page, ticks) => page.evaluate((count) => window.zaptrail.step(count), ticks);

// Whether two boxes share any area.
const overlap = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;

describe("touch controls", { timeout: kTimeout * 4 }, () => {
  test("on a phone: five named buttons of at least 44 px, and level 0 of 1700000000 is cleared " +
       "by touch alone", async () => {
    const { page, errors } = await openSized(`${served.url}?seed=1700000000&ticks=manual`, 390, 844, true);
    const controls = {};
    for (const name of ["Left", "Right", "Up", "Down", "Fire"]) {
      controls[name] = await control(page, name);
      assert.ok(controls[name].box.width >= 44 && controls[name].box.height >= 44, name);
    }
    // The play field beside the controls, none over another.
    const field = await page.$eval("#play-field", (canvas) => canvas.getBoundingClientRect().toJSON());
    for (const { box } of Object.values(controls)) {
      assert.ok(!overlap(field, { left: box.x, top: box.y, right: box.x + box.width, bottom: box.y + box.height }));
    }
    assert.match(await page.$eval("#start-hint", (hint) => hint.textContent), /Tap Fire/);
    const touch = await fingers(page);
    await touch.press(1, controls.Fire.centre);
    await step(page, 9);
    await touch.lift(1);
    // Each step of the way held for one tick, as a thumb resting on the button.
    for (const direction of await walkToGoal(1700000000, 0)) {
      await touch.press(0, controls[direction].centre);
      await step(page, 1);
      await touch.lift(0);
    }
    await step(page, 2);
    assert.match(await page.evaluate(() => window.zaptrail.bestTimes()), /^[0-9]+\r\n$/, "level 0 cleared");
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("on a tablet: walking and firing at once with two thumbs, a diagonal by sliding, and a " +
       "sideways swipe over the play field leaves the page where it is", async () => {
    const url = `${served.url}?seed=5&ticks=manual`;
    const { page, errors } = await openSized(url, 820, 1180, true);
    const right = await control(page, "Right");
    const fire = await control(page, "Fire");
    const touch = await fingers(page);
    await touch.press(0, right.centre);
    await touch.press(1, fire.centre);
    await step(page, 12);
    await touch.lift(1);
    // The pad's thumb slides from Right to between Right and Down: both held.
    const down = await control(page, "Down");
    await touch.move(0, [right.centre[0], down.centre[1]]);
    await step(page, 3);
    await touch.lift(0);
    const lines = [...Array(12).fill("RF"), "RD", "RD", "RD"];
    assert.ok((await canvasRgb(page)).rgb.equals((await simSnapshot(5, lines)).picture.rgb),
              "the canvas is the sim's picture for the same keys");

    const history = await page.evaluate(() => history.length);
    const field = await page.$eval("#play-field", (canvas) => canvas.getBoundingClientRect().toJSON());
    const y = field.top + field.height / 2;
    await touch.press(2, [field.left + 10, y]);
    for (let x = 30; x <= 310; x += 20) await touch.move(2, [field.left + x, y]);
    await touch.lift(2);
    await step(page, 1);
    assert.deepEqual(await page.evaluate(() => [location.href, history.length, scrollX, scrollY]),
                     [url, history, 0, 0]);
    assert.equal(await page.$eval("#ended", (ended) => ended.hidden), true);
    assert.deepEqual(errors, []);
    await page.close();
  });
});

// The side of the largest square, in CSS pixels, inside which a finger anywhere lands on `element`
// (or inside it), found by asking the browser what lies under the centre of every pixel around it.
function touchSide(element) {
  const kAround = 48;
  const box = element.getBoundingClientRect();
  const left = Math.floor(box.left) - kAround;
  const top = Math.floor(box.top) - kAround;
  const columns = Math.ceil(box.width) + 2 * kAround;
  const rows = Math.ceil(box.height) + 2 * kAround;
  // The largest all-hit square ending at each pixel.
  const squares = new Array(columns * rows).fill(0);
  let best = 0;
  for (let row = 0; row < rows; ++row) {
    for (let column = 0; column < columns; ++column) {
      const at = document.elementFromPoint(left + column + 0.5, top + row + 0.5);
      if (at === null || !element.contains(at)) continue;
      const i = row * columns + column;
      squares[i] = row === 0 || column === 0
                       ? 1 : 1 + Math.min(squares[i - 1], squares[i - columns], squares[i - columns - 1]);
      best = Math.max(best, squares[i]);
    }
  }
  return best;
}

describe("touch targets", { timeout: kTimeout * 4 }, () => {
  test("on a phone every control of the rows, the menus and the dialogs takes a 44 × 44 px " +
       "touch, the settings dialog's text box, arrows and check box through hit areas round their " +
       "drawn sizes", async () => {
    const { page, errors } = await openSized(`${served.url}?seed=5&ticks=manual`, 390, 844, true);
    const small = [];
    const measure = async (selector) => {
      const sides = await page.$$eval(selector, (elements, measureText) => {
        const side = new Function(`return ${measureText}`)();
        return elements.filter((element) => element.getClientRects().length > 0)
            .map((element) => [element.textContent || element.className, side(element)]);
      }, touchSide.toString());
      assert.ok(sides.length > 0, selector);
      for (const [name, side] of sides) if (side < 44) small.push(`${selector} "${name}" ${side}`);
    };
    const tap = async (selector, text = "") => {
      const handle = await page.evaluateHandle((wanted, within) => [...document.querySelectorAll(wanted)]
          .find((element) => element.textContent.includes(within)), selector, text);
      const box = await handle.asElement().boundingBox();
      await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    };
    await measure("#bar button");
    await measure(".menu-title");
    await tap(".menu-title", "File");
    await measure(".menu-item");
    await tap(".menu-item", "ﾌﾟﾛﾊﾟﾃｨ");
    await page.waitForFunction(() => document.getElementById("settings-dialog").open);
    await measure("#settings-dialog button");
    await measure("#settings-dialog .checkbox");
    await measure("#settings-dialog .edit");
    // Drawn as the design has them in its 201 × 86 client area: the arrows 15 × 10 each, the text
    // box 66 × 20.
    const drawn = await page.$$eval(["#settings-dialog .updown .up", "#settings-dialog .edit input"].join(),
      (elements) => elements.map((element) => {
        const box = element.getBoundingClientRect();
        const client = element.closest(".client").getBoundingClientRect();
        return [Math.round(box.width / client.width * 201), Math.round(box.height / client.height * 86)];
      }));
    assert.deepEqual(drawn, [[66, 20], [15, 10]]);
    assert.equal(await page.$eval("#settings-dialog", (dialog) =>
      dialog.querySelector(".client").getBoundingClientRect().right <= dialog.getBoundingClientRect().right),
    true, "the whole client area shows");
    // The hit areas reach: a tap on each arrow's own area steps the text box, and a tap just
    // above the text box's drawn edge, with the focus elsewhere, gives it the focus.
    const edit = "#settings-dialog [data-name=Edit1] input";
    await tap("#settings-dialog .updown .down");
    assert.equal(await page.$eval(edit, (input) => input.value), "16");
    await page.$eval("#settings-dialog .checkbox input", (check) => check.focus());
    const above = await page.$eval(edit, (input) => {
      const box = input.getBoundingClientRect();
      return [box.left + box.width / 2, box.top - 4];
    });
    await page.touchscreen.tap(...above);
    assert.equal(await page.evaluate((selector) => document.activeElement === document.querySelector(selector), edit),
                 true, "a tap above the text box focuses it");
    await page.$eval(edit, (input) => { input.value = "x"; });
    await tap("#settings-dialog button", "OK");
    await page.waitForFunction(() => document.getElementById("error-dialog").open);
    await measure("#error-dialog button");
    await tap("#error-dialog button", "OK");
    await page.waitForFunction(() => !document.getElementById("error-dialog").open);
    await tap(".menu-title", "Help");
    await tap(".menu-item", "ﾊﾞｰｼﾞｮﾝ");
    await page.waitForFunction(() => document.getElementById("about-box").open);
    await measure("#about-box button");
    assert.deepEqual(small, []);
    assert.deepEqual(errors, []);
    await page.close();
  });
});

describe("small windows and the rows under the panels", { timeout: kTimeout * 4 }, () => {
  test("300 × 200 scrolls to the status lines and the compass; no row covers another, a panel " +
       "or play again, there or at 390 px", async () => {
    for (const [width, height] of [[300, 200], [390, 844]]) {
      const { page, errors } = await openSized(`${served.url}?seed=abc&ticks=manual`, width, height);
      await playLines(page, ["E"]);
      const hit = (selector, fromBottom) => page.$eval(selector, (element, below) => {
        element.scrollIntoView({ block: "end", inline: "end" });
        const box = element.getBoundingClientRect();
        const x = Math.floor(box.left + box.width / 2);
        const y = Math.floor(box.bottom - below);
        return document.elementFromPoint(x, y) === element;
      }, fromBottom);
      // The second status line is the canvas's last 8 rows.
      assert.equal(await hit("#play-field", 4), true, `${width}: the status lines`);
      assert.equal(await hit("#compass", 4), true, `${width}: the compass`);
      assert.equal(await hit("#play-again", 8), true, `${width}: play again`);
      assert.equal(await hit("#records-load", 8), true, `${width}: load`);
      const boxes = await page.$$eval("#desk, #bar > p:not([hidden])", (elements) =>
        elements.map((element) => [element.id, element.getBoundingClientRect().toJSON()]));
      for (const [i, [first, a]] of boxes.entries()) {
        for (const [second, b] of boxes.slice(i + 1)) assert.ok(!overlap(a, b), `${width}: ${first} and ${second}`);
      }
      assert.deepEqual(errors, []);
      await page.close();
    }
  });

  test("on a phone the panels and the touch controls take their place from the first paint, so " +
       "the rows under them stay where they first show", async () => {
    // The page as the browser may first paint it: the head read, the rows and the panels parsed,
    // and no script after them run yet.
    const whole = await (await fetch(served.url)).text();
    const body = whole.indexOf("<body>");
    const html = whole.slice(0, body) +
                 whole.slice(body).replace(/<script[^>]*>[^]*?<\/script>/g, "");
    // A context of its own, where no worker of the page's serves it from its store.
    const context = await served.browser.createBrowserContext();
    const before = await context.newPage();
    await before.setRequestInterception(true);
    before.on("request", (request) =>
      request.url() === served.url ? request.respond({ contentType: "text/html", body: html })
                                   : request.continue());
    await before.setViewport({ width: 390, height: 844, hasTouch: true, isMobile: true });
    await before.goto(served.url, { waitUntil: "load" });
    const { page, errors } = await openSized(`${served.url}?seed=1`, 390, 844, true);
    const place = (shown, selector) =>
      shown.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
    const placed = ["#desk", "#main-window", "#compass-window", "#touch-pad", "#touch-fire"];
    for (const selector of placed) {
      assert.deepEqual(await place(before, selector), await place(page, selector), selector);
    }
    assert.equal((await place(before, "#bar")).top, (await place(page, "#bar")).top, "the rows");
    assert.deepEqual(errors, []);
    await context.close();
    await page.close();
  });

  test("an ended run's menu starts another or opens the help, and shows the rest disabled; " +
       "F1 and F2 work too", async () => {
    const { page, errors } = await openSized(`${served.url}?seed=5&ticks=manual`, 800, 600);
    await playLines(page, ["E"]);
    const items = () => page.$$eval(".menu-item", (elements) =>
      elements.map((element) => element.getAttribute("aria-disabled") === "true"));
    assert.deepEqual(await items(), [false, true, true, false, true]);
    await page.click(".menu-title");
    await page.$$eval(".menu-item", (elements) => elements[1].click());
    assert.equal(await page.$eval("#settings-dialog", (dialog) => dialog.open), false);
    // As on the desktop, a greyed item leaves its menu open; the title closes it.
    await page.click(".menu-title");
    const help = served.browser.waitForTarget((target) => target.url().endsWith("/zaptrail-help.html"));
    await page.keyboard.press("F1");
    await (await (await help).page())?.close();
    await page.keyboard.press("F2");
    assert.equal(await page.$eval("#ended", (ended) => ended.hidden), true);
    assert.deepEqual(await items(), [false, false, false, false, false]);
    assert.deepEqual(errors, []);
    await page.close();
  });
});

describe("the keyboard in the page's own controls", { timeout: kTimeout * 2 }, () => {
  test("Tab goes round the page's controls and never on to the browser; Space presses a " +
       "focused one and is no fire", async () => {
    const { page, errors } = await openSized(`${served.url}?seed=5&ticks=manual`, 800, 600);
    await page.evaluate(() => {
      window.offered = 0;
      zaptrailRecords.offerDownload = () => ++window.offered;
    });
    const focused = [];
    for (let i = 0; i < 6; ++i) {
      await page.keyboard.press("Tab");
      focused.push(await page.evaluate(() => document.activeElement.id));
    }
    // The trails row's list, watch and download wait for a kept trail.
    assert.deepEqual(focused, ["records-download", "records-load", "trails-open", "daily-link",
                               "touch-toggle", "records-download"]);
    await page.keyboard.press("Space");
    assert.equal(await page.evaluate(() => window.offered), 1);
    // Held over the title screen's ticks, it would have started a level.
    await page.keyboard.down("Space");
    await step(page, 10);
    await page.keyboard.up("Space");
    assert.ok((await canvasRgb(page)).rgb.equals((await simSnapshot(5, [])).picture.rgb), "still the title");
    assert.deepEqual(errors, []);
    await page.close();
  });
});

describe("Escape with a dialog open, on the page's own ticks", { timeout: kTimeout * 2 }, () => {
  test("a tap between two ticks leaves the run going; held across a tick it ends it, saved", async () => {
    const { page, errors } = await openSized(`${served.url}?seed=5`, 800, 600);
    await page.keyboard.down("Alt");
    await page.keyboard.press("Enter");
    await page.keyboard.up("Alt");
    const cdp = await page.createCDPSession();
    const key = (type) => cdp.send("Input.dispatchKeyEvent",
                                   { type, key: "Escape", code: "Escape", windowsVirtualKeyCode: 27 });
    const ticks = () => page.evaluate(() => window.zaptrail.ticks());
    const ticksPass = async (count) => {
      const from = await ticks();
      await page.waitForFunction((end) => window.zaptrail.ticks() >= end, { polling: 5 }, from + count);
    };
    for (let tap = 0; tap < 10; ++tap) {
      // Press and release sent together, as a key that is down for no time at all.
      await Promise.all([key("keyDown"), key("keyUp")]);
      await ticksPass(2);
    }
    assert.equal(await page.$eval("#ended", (ended) => ended.hidden), true);
    assert.equal(await page.$eval("#settings-dialog", (dialog) => dialog.open), true);
    await key("keyDown");
    await page.waitForFunction(() => !document.getElementById("ended").hidden);
    await key("keyUp");
    assert.notEqual(await page.evaluate(() => localStorage.getItem("zaptrail.ini")), null);
    assert.equal(await page.$eval("#settings-dialog", (dialog) => dialog.open), false);
    assert.deepEqual(errors, []);
    await page.close();
  });
});
