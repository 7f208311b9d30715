// The main panel's menu bar and the about box in headless Chromium: by mouse and by keyboard,
// the game's keys while a menu has them, Quit, the link, and the label game to its end.
import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { assertSameField, kTimeout, openPage, playLines, serveToBrowser } from "./browser.mjs";

const served = serveToBrowser();

const kStart = [...Array(9).fill("F"), "R", "R", "D"];
const titleSelector = (menu) => `.menu:nth-child(${menu + 1}) .menu-title`;
const itemSelector = (menu, item) => `.menu:nth-child(${menu + 1}) [role=menu] > :nth-child(${item + 1})`;

async function choose(page, menu, item) {
  await page.click(titleSelector(menu));
  await page.click(itemSelector(menu, item));
}

async function altWith(page, key) {
  await page.keyboard.down("Alt");
  await page.keyboard.press(key);
  await page.keyboard.up("Alt");
}

// The about box as a player and assistive tools see it, null while it is closed.
function aboutBox(page) {
  return page.evaluate(() => {
    const dialog = document.getElementById("about-box");
    if (!dialog.open) return null;
    const client = dialog.querySelector(".client");
    const box = dialog.getBoundingClientRect();
    const zoom = document.getElementById("play-field").clientWidth / 240;
    return {
      name: document.getElementById(dialog.getAttribute("aria-labelledby")).textContent,
      client: [client.offsetWidth, client.offsetHeight],
      scaled: client.getBoundingClientRect().width === 212 * zoom,
      centred: Math.abs(box.left + box.width / 2 - innerWidth / 2) <= 1 &&
               Math.abs(box.top + box.height / 2 - innerHeight / 2) <= 1,
      labels: [...dialog.querySelectorAll(".label")].map((label) =>
        [label.textContent, label.offsetLeft, getComputedStyle(label).color]),
    };
  });
}

const ended = (page) => page.evaluate(() => !document.getElementById("ended").hidden);

describe("the menu bar", { timeout: kTimeout * 3 }, () => {
  test("works by mouse and by keyboard, and its dialog is the about box", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
    const bar = await page.evaluate(() => [...document.querySelectorAll("[role=menubar] > .menu")].map((menu) =>
      [menu.querySelector(".menu-title u").textContent,
       [...menu.querySelectorAll("[role=menu] > [role=menuitem]")].map((item) => item.textContent)]));
    assert.deepEqual(bar, [["F", ["ResetF2", "ﾌﾟﾛﾊﾟﾃｨ(P)...Alt+Enter", "Quit"]],
                           ["H", ["ﾄﾋﾟｯｸの検索(H)F1", "ﾊﾞｰｼﾞｮﾝ表示(A)"]]]);

    await playLines(page, kStart);
    await choose(page, 0, 0);
    await assertSameField(page, 5, [], "File, Reset by mouse");
    await choose(page, 1, 1);
    assert.deepEqual(await aboutBox(page), {
      name: "ﾊﾞｰｼﾞｮﾝ表示", client: [212, 157], scaled: true, centred: true,
      labels: [["zap trail", 8, "rgb(0, 0, 0)"], ["(C) 2026 lumlum works inc.", 8, "rgb(0, 0, 0)"],
               ["https://lumlum.example/zaptrail/", 8, "rgb(0, 0, 255)"], ["ｻﾎﾟｰﾄﾍﾟｰｼﾞ", 8, "rgb(0, 0, 0)"]],
    });
    // OK has the focus: Enter presses it.
    await page.keyboard.press("Enter");
    assert.equal(await aboutBox(page), null);

    await playLines(page, kStart);
    await altWith(page, "KeyF");
    await page.keyboard.press("KeyR");
    await assertSameField(page, 5, [], "Alt+F, R");
    await altWith(page, "KeyH");
    await page.keyboard.press("KeyA");
    assert.equal((await aboutBox(page))?.name, "ﾊﾞｰｼﾞｮﾝ表示");
    // Escape is the box's close box, and neither it nor the Alt before it reaches the game.
    await page.keyboard.press("Escape");
    assert.equal(await aboutBox(page), null);
    // Alt alone selects the bar; the arrows and Enter find the about box, whose close box ends it.
    await page.evaluate(() => {
      window.altSeen = new Promise((resolve) =>
        window.addEventListener("keyup", (event) => resolve(event.defaultPrevented), { once: true }));
    });
    await page.keyboard.press("Alt");
    assert.equal(await page.evaluate(() => window.altSeen), true, "the browser never acts on Alt");
    await page.keyboard.press("ArrowRight");
    await page.keyboard.press("Enter");
    // The list opened under the pointer, still over its second item since the click above: once
    // the page has redrawn, the keyboard's choice is still the first item.
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Enter");
    assert.notEqual(await aboutBox(page), null);
    await page.click("#about-box .close-box");
    assert.equal(await aboutBox(page), null);
    assert.equal(await ended(page), false);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("keys pressed while a menu is open never reach the game, whose ticks go on; the about box halts it", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
    await playLines(page, [...Array(9).fill("F"), "D", "D"]);
    await page.click(titleSelector(0));
    // Left moves to the next menu and Space does nothing there; neither moves the chick.
    await page.keyboard.down("ArrowLeft");
    await page.keyboard.down("Space");
    await page.evaluate(() => window.zaptrail.step(4));
    await page.keyboard.up("Space");
    await page.keyboard.up("ArrowLeft");
    // The first Escape closes the list, the second leaves the bar, held over a tick: the run goes on.
    await page.keyboard.press("Escape");
    await page.keyboard.down("Escape");
    await page.evaluate(() => window.zaptrail.step(1));
    await page.keyboard.up("Escape");
    await playLines(page, ["R", "R"]);
    // The about box halts the game: no tick while it is open counts, nor any key.
    await altWith(page, "KeyH");
    await page.keyboard.press("KeyA");
    await page.keyboard.down("ArrowDown");
    await page.evaluate(() => window.zaptrail.step(3));
    await page.keyboard.up("ArrowDown");
    await page.keyboard.press("Escape");
    await playLines(page, ["R"]);
    assert.equal(await ended(page), false);
    await assertSameField(page, 5, [...Array(9).fill("F"), "D", "D", "", "", "", "", "", "R", "R", "R"],
                          "after the menu and the about box");
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("Quit saves the best times and ends the run as Escape does", async () => {
    const context = await served.browser.createBrowserContext();
    const { page, errors } = await openPage(context, `${served.url}?seed=5&ticks=manual`);
    await page.evaluate(() => localStorage.setItem("zaptrail.ini", "99\r\n"));
    await page.reload({ waitUntil: "load" });
    await page.evaluate(() => window.zaptrail.ready);
    // Another page saved since: the close merges both.
    await page.evaluate(() => localStorage.setItem("zaptrail.ini", "120\r\n70\r\n"));
    await choose(page, 0, 2);
    assert.equal(await ended(page), true);
    await page.reload({ waitUntil: "load" });
    await page.evaluate(() => window.zaptrail.ready);
    assert.equal(await page.evaluate(() => window.zaptrail.bestTimes()), "99\r\n70\r\n");
    assert.deepEqual(errors, []);
    await context.close();
  });
});

describe("the about box", { timeout: kTimeout * 3 }, () => {
  // Pushes Label1, Label2 and Label4 out over the left edge, each with pointer moves over its
  // right end, until the box changes under them; returns the moves it took, and how far the last
  // label's right end still reached into the box before the move that changed it.
  const pushAllOut = (page) => page.evaluate(() => {
    const labels = [...document.querySelectorAll("#about-box .label")].filter((label) => label.role !== "link");
    const before = labels.map((label) => label.textContent).join();
    let moves = 0;
    for (const label of labels) {
      while (label.offsetLeft > 4 - label.offsetWidth && moves < 5000) {
        const box = label.getBoundingClientRect();
        const rightEnd = label.offsetLeft + label.offsetWidth;
        label.dispatchEvent(new PointerEvent("pointermove", { bubbles: true, clientX: box.right - 0.5, clientY: box.top + 1 }));
        ++moves;
        if (labels.map((each) => each.textContent).join() !== before || !label.isConnected) {
          return { moves, rightEnd };
        }
      }
    }
    return { moves, rightEnd: null };
  });

  test("the link turns cyan under the pointer and opens in a new tab, or says why not", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
    await choose(page, 1, 1);
    const link = await page.$("#about-box .label[role=link]");
    const colour = () => link.evaluate((element) => getComputedStyle(element).color);
    await link.hover();
    assert.equal(await colour(), "rgb(0, 255, 255)");
    assert.equal(await link.evaluate((element) => getComputedStyle(element).cursor), "pointer");
    const client = await (await page.$("#about-box .client")).boundingBox();
    await page.mouse.move(client.x + client.width - 4, client.y + client.height - 4);
    assert.equal(await colour(), "rgb(0, 0, 255)");
    const opened = served.browser.waitForTarget((target) => target.url() === "https://lumlum.example/zaptrail/");
    await link.click();
    await (await (await opened).page())?.close();
    // A browser that refuses the tab: the player is told, and the box stays open.
    await page.evaluate(() => { window.open = () => null; });
    await link.click();
    assert.deepEqual(await page.evaluate(() => [document.getElementById("error-dialog").open,
                                                document.querySelector("#error-dialog .message").textContent]),
                     [true, "ｱﾄﾞﾚｽ https://lumlum.example/zaptrail/ は開けません."]);
    await page.$eval("#error-dialog button[value=ok]", (button) => button.click());
    await page.waitForFunction(() => !document.getElementById("error-dialog").open);
    assert.notEqual(await aboutBox(page), null);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test("the label game: two stages, each showing at left 8, then GET ANGRY ends the run", async () => {
    const { page, errors } = await openPage(served.browser, `${served.url}?seed=5&ticks=manual`);
    await choose(page, 1, 1);
    // A label is out with at most 4 of its pixels left in the box, however wide it is: one jump
    // of at most 4 before that, its right end reached no further than 8.
    const firstStage = await pushAllOut(page);
    assert.ok(firstStage.moves > 50);
    assert.ok(firstStage.rightEnd <= 8, `the last label still reached ${firstStage.rightEnd}`);
    const red = "rgb(255, 0, 0)";
    const secondStage = (await aboutBox(page)).labels.filter(([, , colour]) => colour === red);
    assert.deepEqual(secondStage, Array(3).fill(["Get Angry", 18, red]));
    // Reopened: the same stage, back at left 8.
    await page.click("#about-box .client button");
    await altWith(page, "KeyH");
    await page.keyboard.press("KeyA");
    assert.deepEqual((await aboutBox(page)).labels.filter(([, , colour]) => colour === red),
                     Array(3).fill(["Get Angry", 8, red]));
    assert.ok((await pushAllOut(page)).rightEnd <= 8);
    assert.deepEqual(await page.evaluate(() => {
      const box = document.getElementById("error-dialog");
      return [box.open, box.querySelector(".caption").textContent, box.querySelector(".message").textContent,
              box.querySelector(".quit").hidden];
    }), [true, "GET ANGRY", "GET ANGRY", true]);
    assert.equal(await ended(page), false);
    await page.$eval("#error-dialog button[value=ok]", (button) => button.click());
    await page.waitForFunction(() => !document.getElementById("ended").hidden);
    assert.equal(await aboutBox(page), null);
    assert.deepEqual(errors, []);
    await page.close();
  });
});
