// The page's settings dialog and error dialog in headless Chromium: the dialog's place and size,
// the game halted while it is open, the period it applies, and the sound switch.
import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { canvasRgb, kTimeout, openPage, serveToBrowser, simSnapshot } from "./browser.mjs";

const served = serveToBrowser();

// Holds `key` (none when null) for `ticks` ticks.
async function hold(page, key, ticks) {
  if (key) await page.keyboard.down(key);
  await page.evaluate((count) => window.zaptrail.step(count), ticks);
  if (key) await page.keyboard.up(key);
}

async function openSettings(page) {
  await page.keyboard.down("Alt");
  await page.keyboard.press("Enter");
  await page.keyboard.up("Alt");
  assert.equal(await isOpen(page, "settings-dialog"), true, "Alt+Enter opens the settings dialog");
}

const isOpen = (page, id) => page.evaluate((dialogId) => document.getElementById(dialogId).open, id);
const control = (name) => `#settings-dialog [data-name=${name}]`;
// The text box inside the control the design places.
const editBox = `${control("Edit1")} input`;
const periodText = (page) => page.$eval(editBox, (edit) => edit.value);
const period = (page) => page.evaluate(() => window.zaptrail.period());

async function typePeriod(page, text) {
  await page.$eval(editBox, (edit) => edit.select());
  await page.keyboard.type(text);
}

// The element's own click: the mouse's hit test can miss a dialog for a while after it opens.
const click = (page, selector) => page.$eval(selector, (element) => element.click());

// A press and release of one of the spin arrows, which step as they are pressed.
const pressArrow = (page, which) => page.$eval(`${control("UpDown1")} .${which}`, (arrow) => {
  arrow.dispatchEvent(new PointerEvent("pointerdown", { bubbles: true, cancelable: true, button: 0 }));
  arrow.dispatchEvent(new PointerEvent("pointerup", { bubbles: true }));
});

// Leaves the dialog with one of its buttons or its close box.
async function leave(page, selector) {
  await click(page, selector);
  await page.waitForFunction(() => !document.getElementById("settings-dialog").open);
}

// OK on the error dialog, once the page has told the module it has gone.
function dismissError(page) {
  return page.evaluate(() => {
    const dialog = document.getElementById("error-dialog");
    const closed = new Promise((resolve) => dialog.addEventListener("close", resolve, { once: true }));
    dialog.querySelector("button[value=ok]").click();
    return closed;
  });
}

describe("the settings dialog", { timeout: kTimeout * 4 }, () => {
  test("Alt+Enter shows it centred at its design size with the game halted; Cancel, the close box " +
       "and Escape apply nothing",
    async () => {
      const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
      await hold(page, "Space", 9);
      await hold(page, "ArrowUp", 4);
      await openSettings(page);
      const look = await page.evaluate(() => {
        const dialog = document.getElementById("settings-dialog");
        const client = dialog.querySelector(".client");
        const box = client.getBoundingClientRect();
        const frame = dialog.getBoundingClientRect();
        const zoom = document.getElementById("play-field").clientWidth / 240;
        return {
          caption: dialog.querySelector(".caption").textContent,
          size: [client.offsetWidth, client.offsetHeight],
          zoomed: [box.width / zoom, box.height / zoom],
          centre: [Math.round(frame.left + frame.width / 2 - innerWidth / 2),
                   Math.round(frame.top + frame.height / 2 - innerHeight / 2)],
          face: getComputedStyle(client).fontFamily,
          controls: [...client.children].map((element) => [element.dataset.name, element.offsetLeft,
            element.offsetTop, element.offsetWidth, element.offsetHeight, element.textContent]),
        };
      });
      assert.deepEqual([look.caption, look.size, look.zoomed, look.centre],
                       ["ﾌﾟﾛﾊﾟﾃｨ", [201, 86], [201, 86], [0, 0]]);
      assert.match(look.face, /^"ＭＳ Ｐゴシック"/);
      assert.deepEqual(look.controls, [
        ["Label1", 8, 8, 27, 12, "ｳｪｲﾄ"], ["Edit1", 39, 4, 66, 20, ""], ["Label2", 128, 8, 41, 12, "ﾐﾘｾｺﾝﾄﾞ"],
        ["UpDown1", 105, 4, 15, 20, ""], ["CheckBox1", 16, 32, 97, 17, "ｻｳﾝﾄﾞ出力"],
        ["Button1", 56, 56, 65, 25, "OK"], ["Button2", 128, 56, 65, 25, "ｷｬﾝｾﾙ"]]);
      assert.equal(await periodText(page), "32");

      // The focus starts in the text box and Tab passes over the labels and the arrows.
      const focusOrder = [];
      for (let i = 0; i < 4; ++i) {
        focusOrder.push(await page.evaluate(() => document.activeElement.closest("[data-name]")?.dataset.name));
        await page.keyboard.press("Tab");
      }
      assert.deepEqual(focusOrder, ["Edit1", "CheckBox1", "Button1", "Button2"]);

      // Ticks go on while it is open and move nothing; neither Enter nor Escape in the text box
      // closes it, and Cancel applies nothing.
      await hold(page, "ArrowUp", 30);
      await page.focus(editBox);
      await typePeriod(page, "48");
      await page.keyboard.press("Enter");
      // Twice: the browser lets a page keep its dialog open only once without a click or a key
      // of another kind between.
      await page.keyboard.press("Escape");
      await page.keyboard.press("Escape");
      assert.equal(await isOpen(page, "settings-dialog"), true);
      await leave(page, control("Button2"));
      assert.equal(await period(page), 32);
      // The text typed stays for the next showing; the close box is Cancel too.
      await openSettings(page);
      assert.equal(await periodText(page), "48");
      await leave(page, "#settings-dialog .close-box");
      assert.equal(await period(page), 32);

      await hold(page, "ArrowUp", 4);
      const { picture } = await simSnapshot(5, [...Array(9).fill("F"), ...Array(8).fill("U")]);
      assert.ok((await canvasRgb(page)).rgb.equals(picture.rgb), "the game went on as if never halted");

      // Escape held while it is open is seen by the tick, as on the desktop: the run ends, and the
      // dialog with it, applying nothing.
      await openSettings(page);
      await typePeriod(page, "64");
      await hold(page, "Escape", 1);
      assert.equal(await isOpen(page, "settings-dialog"), false);
      assert.equal(await page.$eval("#ended", (ended) => ended.hidden), false);
      assert.equal(await period(page), 32);
      assert.deepEqual(errors, []);
      await page.close();
    });

  test("the arrows and Up and Down step by 16 down to 16; OK takes hexadecimal, and a text that " +
       "is no number shows the error after the dialog has gone and stays", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
    await openSettings(page);
    await pressArrow(page, "up");
    await pressArrow(page, "up");
    assert.equal(await periodText(page), "64");
    await pressArrow(page, "down");
    // The arrows leave the focus in the text box, whose keys step the same way.
    for (const key of ["ArrowDown", "ArrowDown", "ArrowDown"]) await page.keyboard.press(key);
    assert.equal(await periodText(page), "16");
    await typePeriod(page, "$30");
    await leave(page, control("Button1"));
    assert.equal(await period(page), 48);

    await openSettings(page);
    await typePeriod(page, "abc");
    await leave(page, control("Button1"));
    // The settings dialog goes first, as on the desktop.
    assert.deepEqual(await page.evaluate(() => {
      const dialog = document.getElementById("error-dialog");
      return dialog.open && [document.getElementById("settings-dialog").open,
                             dialog.querySelector(".caption").textContent,
                             dialog.querySelector(".message").textContent];
    }), [false, "Zaptrail", "'abc' は整数ではありません."]);
    assert.equal(await period(page), 48);
    await dismissError(page);
    await openSettings(page);
    assert.equal(await periodText(page), "abc");
    await typePeriod(page, "0");
    await leave(page, control("Button1"));
    assert.equal(await period(page), 0, "0 stops the ticks");
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("the sound box, read whenever a cue falls due, silences it even when left with Cancel",
    async () => {
      const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`, {
        beforeLoad: () => {
          window.cuesDecoded = 0;
          window.cuesStarted = 0;
          window.AudioContext = class {
            state = "running";
            decodeAudioData = () => Promise.resolve(++window.cuesDecoded);
            createBufferSource = () => ({ connect() {}, stop() {}, start() { ++window.cuesStarted; } });
          };
        },
      });
      // A key lets the page make sound; all three cues are ready before the first falls due.
      await page.keyboard.press("ShiftLeft");
      await page.waitForFunction(() => window.cuesDecoded === 3);
      const started = () => page.evaluate(() => window.cuesStarted);
      // Standing still from the start, the chick's power runs out and the death cue falls due.
      const { report } = await simSnapshot(5, [...Array(9).fill("F"), ...Array(1100).fill("")]);
      const deathTick = report.slice(0, report.search(/^cue 2$/m)).match(/^tick /gm).length + 1;
      await hold(page, "Space", 9);
      await hold(page, null, deathTick - 10);
      await openSettings(page);
      await click(page, `${control("CheckBox1")} input`);
      await leave(page, control("Button2"));
      await hold(page, null, 1);
      assert.equal(await started(), 0, "no death cue with the box cleared");
      // Ticked again, the next death is heard.
      await openSettings(page);
      await click(page, `${control("CheckBox1")} input`);
      await leave(page, control("Button2"));
      await hold(page, "Space", 20);
      await hold(page, null, 1010);
      assert.equal(await started(), 1);
      assert.deepEqual(errors, []);
      await page.close();
    });
});

describe("the error dialog", { timeout: kTimeout * 2 }, () => {
  test("shown over the settings dialog leaves it the keys; it speaks the dialog face, and Alt with " +
       "its underlined key quits without saving", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`, {
      beforeLoad: () => {
        Storage.prototype.setItem = () => {
          throw new DOMException("full", "QuotaExceededError");
        };
      },
    });
    const spaceReachesGame = async () => {
      await page.evaluate(() => window.addEventListener("keydown", (event) => {
        window.spaceTaken = event.defaultPrevented;
      }, { once: true }));
      await page.keyboard.press("Space");
      return page.evaluate(() => window.spaceTaken);
    };
    await openSettings(page);
    // Hiding the page saves, which fails here.
    await page.evaluate(() => {
      Object.defineProperty(document, "hidden", { value: true, configurable: true });
      document.dispatchEvent(new Event("visibilitychange"));
    });
    assert.equal(await isOpen(page, "error-dialog"), true);
    await dismissError(page);
    assert.equal(await isOpen(page, "settings-dialog"), true);
    assert.equal(await spaceReachesGame(), false);
    await leave(page, control("Button2"));
    assert.equal(await spaceReachesGame(), true);

    await hold(page, "Escape", 1);
    const look = await page.evaluate(() => {
      const dialog = document.getElementById("error-dialog");
      const quit = dialog.querySelector(".quit");
      return [dialog.open, getComputedStyle(dialog.querySelector(".message")).fontFamily.split(",")[0],
              dialog.querySelector(".error-icon").offsetWidth > 0, quit.textContent,
              quit.querySelector("u")?.textContent];
    });
    assert.deepEqual(look, [true, '"ＭＳ Ｐゴシック"', true, "ｾｰﾌﾞせずに終了(Q)", "Q"]);
    await page.keyboard.down("Alt");
    await page.keyboard.press("KeyQ", { text: "q" });
    await page.keyboard.up("Alt");
    await page.waitForFunction(() => !document.getElementById("ended").hidden);
    assert.deepEqual(errors, []);
    await page.close();
  });
});
