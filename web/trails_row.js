"use strict";
// The trails row: the games this page keeps in the browser's storage (the last game, each
// level's best, each date's best daily game), each to watch again or to download, and a trail
// file of the player's to watch. Also the address's ?daily and ?watch=, and a finished daily
// game offered to the trail board when a board serves the page. What a trail holds and whether
// it may be watched is the module's to say.
const zaptrailTrails = (() => {
  // The kept trails' storage entries, as the game names them.
  const kKept = /^(?:last|level-(\d+)|daily-(\d{4}-\d\d-\d\d))\.zaptrail$/;
  // Where the module finds a kept trail: the trails folder, whose entries are the storage's.
  const kTrailsFolder = "./trails/";
  // The board page's own names for the player's key and name, so that both pages write as one
  // player.
  const kKeyItem = "zaptrail-board-key";
  const kNameItem = "zaptrail-board-name";
  const kept = document.getElementById("trails-kept");
  const watchButton = document.getElementById("trails-watch");
  const downloadButton = document.getElementById("trails-download");
  const picker = document.getElementById("trails-file");
  const runLine = document.getElementById("run-kind");
  const offer = document.getElementById("board-offer");
  const nameField = document.getElementById("board-name");
  const answer = document.getElementById("board-answer");
  let offered = null;
  let opened = 0;

  Module.handedFiles = new Map();

  // Calls `use` with the text as a zero-ended string in the module's memory.
  function withText(text, use) {
    const bytes = new TextEncoder().encode(`${text}\0`);
    const address = Module._malloc(bytes.length);
    Module.HEAPU8.set(bytes, address);
    try {
      return use(address);
    } finally {
      Module._free(address);
    }
  }

  // A file's bytes as the module's file layer holds them, one character a byte, and back.
  function byteText(bytes) {
    let text = "";
    for (let i = 0; i < bytes.length; i += 4096) {
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 4096));
    }
    return text;
  }
  const textBytes = (text) => Uint8Array.from(text, (character) => character.charCodeAt(0) & 0xFF);

  // Calls `use` with `path`, where the module finds `bytes` until the next file is handed over:
  // a watch waits for the run going on to close first. With no bytes (a file the browser could
  // not read) it finds nothing, and says so. The page's own paths begin with "./", which no
  // file name or address does.
  function handing(path, bytes, use) {
    Module.handedFiles = new Map(bytes ? [[path, byteText(bytes)]] : []);
    return withText(path, use);
  }

  function stored(name) {
    try {
      return localStorage.getItem(name);
    } catch {
      return null;
    }
  }

  function keptNames() {
    const names = [];
    try {
      for (let i = 0; i < localStorage.length; ++i) {
        if (kKept.test(localStorage.key(i))) names.push(localStorage.key(i));
      }
    } catch {
      // Storage that refuses to be read keeps nothing to list.
    }
    // The last game first, then the levels upwards, then the dates, the latest first.
    const order = (name) => {
      const [, level, date] = kKept.exec(name);
      return level !== undefined ? [1, Number(level), ""] : [date !== undefined ? 2 : 0, 0, date ?? ""];
    };
    return names.sort((a, b) => {
      const [groupA, levelA, dateA] = order(a);
      const [groupB, levelB, dateB] = order(b);
      return groupA - groupB || levelA - levelB || dateB.localeCompare(dateA);
    });
  }

  function label(name) {
    const [, level, date] = kKept.exec(name);
    if (level !== undefined) return `level ${level}'s best`;
    return date !== undefined ? `daily ${date}` : "last game";
  }

  function list() {
    const chosen = kept.value;
    const names = keptNames();
    kept.replaceChildren(...names.map((name) => new Option(label(name), name, false, name === chosen)));
    if (names.length === 0) kept.append(new Option("none kept yet", ""));
    for (const control of [kept, watchButton, downloadButton]) control.disabled = names.length === 0;
  }
  // Another tab of the game kept a trail.
  window.addEventListener("storage", (event) => {
    if (event.key === null || kKept.test(event.key)) list();
  });

  // A button used with the mouse gives the keyboard back to the game, whose Space would
  // otherwise press it again; one reached with Tab keeps it.
  function onClick(button, action) {
    button.addEventListener("click", (event) => {
      if (event.detail > 0) button.blur();
      if (Module.started) action();
    });
  }
  onClick(watchButton, () => {
    if (kept.value !== "") withText(kTrailsFolder + kept.value, Module._zt_watch);
  });
  onClick(downloadButton, () => {
    const text = stored(kept.value);
    if (text === null) return list();
    zaptrailRecords.offerDownload(kept.value, textBytes(text));
  });
  onClick(document.getElementById("trails-open"), () => picker.click());

  picker.addEventListener("change", async () => {
    const file = picker.files[0];
    picker.value = "";
    if (!file) return;
    let bytes = null;
    try {
      bytes = new Uint8Array(await file.slice(0, Module._zt_trail_load_limit()).arrayBuffer());
    } catch {
      // The module says the file could not be read.
    }
    handing(file.name, bytes, Module._zt_watch);
    ++opened;
  });

  // The page's first run, as the address asks: today's trail with ?daily, a trail of the
  // page's own server to watch with ?watch=. Anything else plays a new game and says why.
  async function firstRun(params) {
    const daily = params.has("daily");
    if (daily && params.has("seed")) {
      showNotice("?daily plays today's trail on the day's own seed; ?seed= is left aside.");
    }
    const asked = params.get("watch");
    if (asked === null) return { daily, watch: "", bytes: null };
    let url = null;
    try {
      url = new URL(asked, window.location.href);
    } catch {
      // No address at all is no address on this server either.
    }
    if (url?.origin !== window.location.origin) {
      showNotice(`?watch= takes a trail on this page's own server; ${url?.href ?? `"${asked}"`} ` +
                 "is elsewhere, so this page plays a new game.");
      return { daily, watch: "", bytes: null };
    }
    try {
      const response = await fetch(url, { credentials: "same-origin" });
      if (!response.ok) throw new Error(`the server answered ${response.status}`);
      const bytes = new Uint8Array(await response.arrayBuffer());
      return { daily, watch: url.href, bytes: bytes.subarray(0, Module._zt_trail_load_limit()) };
    } catch (error) {
      showNotice(`The trail ${url.href} could not be fetched (${error.message}), so this page ` +
                 "plays a new game.");
      return { daily, watch: "", bytes: null };
    }
  }

  // Whether a trail board serves this page: it answers a date's ranking in its own form. Asked
  // once, when there is first a game to offer.
  let board = null;
  function servedByBoard(date) {
    board ??= fetch(`api/daily/${date}?limit=1`, { credentials: "same-origin" })
      .then((response) => (response.ok ? response.json() : null))
      .then((ranking) => ranking?.date === date && Array.isArray(ranking.games), () => false);
    return board;
  }

  // The key that owns the player's name: made once in this browser and kept in its storage,
  // it travels only in a submission's body.
  function playerKey() {
    let key = stored(kKeyItem);
    if (!key) {
      const bytes = crypto.getRandomValues(new Uint8Array(32));
      key = Array.from(bytes, (byte) => byte.toString(16).padStart(2, "0")).join("");
      try {
        localStorage.setItem(kKeyItem, key);
      } catch {
        // A browser that keeps nothing still submits this once.
      }
    }
    return key;
  }

  function say(text, refused = false, link = null) {
    answer.replaceChildren(text);
    answer.classList.toggle("refused", refused);
    if (link) answer.append(" ", link);
  }

  function offerGame(text, date, levels) {
    offered = { text, date };
    offer.querySelector(".what").textContent =
      `Your daily game of ${date}, ${levels} level${levels === 1 ? "" : "s"} cleared:`;
    if (nameField.value === "") nameField.value = stored(kNameItem) ?? "";
    say("");
    offer.querySelector("button").disabled = false;
    offer.hidden = false;
    if (Module.started) zaptrailPage.fitZoom();
  }

  async function submit(event) {
    event.preventDefault();
    if (!offered) return;
    const name = nameField.value;
    try {
      localStorage.setItem(kNameItem, name);
    } catch {
      // The name is asked again next time.
    }
    const button = offer.querySelector("button");
    button.disabled = true;
    say("Verifying…");
    try {
      const response = await fetch("api/trails", {
        method: "POST",
        credentials: "same-origin",
        headers: { "Content-Type": "application/json" },
        body: JSON.stringify({ name, key: playerKey(), trail: offered.text }),
      });
      const result = await response.json();
      if (!response.ok) {
        say(`Refused: ${result.error ?? `the board answered ${response.status}`}`, true);
        return;
      }
      const ranking = document.createElement("a");
      ranking.href = `board?date=${encodeURIComponent(offered.date)}`;
      ranking.textContent = "the board";
      say(`Verified: ranked ${result.rank} on ${offered.date}${result.duplicate ? " (sent before)" : ""}; see`,
          false, ranking);
      offered = null;
    } catch (error) {
      say(`The board could not be reached (${error.message}).`, true);
    } finally {
      // A game on the board is sent; a refused one may go again, under another name.
      button.disabled = offered === null;
    }
  }
  offer.addEventListener("submit", submit);

  // While the player types a name, the keys are the field's, never the game's. This listener
  // comes before the module's, which the module adds when it starts.
  for (const type of ["keydown", "keyup"]) {
    window.addEventListener(type, (event) => {
      if (event.target === nameField && event.key !== "Tab") event.stopImmediatePropagation();
    }, true);
  }

  list();

  return {
    firstRun,
    handing,
    // For the tests: how many picked files the module has been given.
    get opened() {
      return opened;
    },
    // A run has started: watching a trail, on today's trail, or neither.
    runKind(watching, dailyDate) {
      runLine.hidden = !watching && dailyDate === "";
      runLine.textContent = watching
        ? "Watching a replay: the keys do not steer; Escape ends it."
        : `Today's trail, ${dailyDate}: every game here plays the day's mazes.`;
      // A replay's best times are the trail's, not the player's.
      for (const id of ["records-download", "records-load"]) {
        document.getElementById(id).disabled = watching;
      }
      // Once watching is over the address no longer asks for it, so a reload plays.
      const search = window.location.search.slice(1).split("&");
      const others = search.filter((part) => part.split("=")[0] !== "watch");
      if (!watching && others.length !== search.length) {
        const rest = others.join("&");
        history.replaceState(null, "", `${window.location.pathname}${rest ? `?${rest}` : ""}`);
      }
      list();
      if (Module.started) zaptrailPage.fitZoom();
    },
    gameKept(text, dailyDate, levels) {
      list();
      if (text === "" || dailyDate === "" || levels === 0) return;
      servedByBoard(dailyDate).then((served) => {
        if (served) offerGame(text, dailyDate, levels);
      });
    },
  };
})();
