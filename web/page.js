"use strict";
// The page around the game's module: the panels' zoom, the dialogs, the cues, and the start.

// What the module's shell calls to show things in the page.
const zaptrailPage = (() => {
  const desk = document.getElementById("desk");
  const mainWindow = document.getElementById("main-window");
  const playField = document.getElementById("play-field");
  const compassWindow = document.getElementById("compass-window");
  const compass = document.getElementById("compass");
  const dialog = document.getElementById("error-dialog");
  const ended = document.getElementById("ended");
  const bar = document.getElementById("bar");
  const startHint = document.getElementById("start-hint");
  let zoom = 1;
  let shift = [0, 0];
  // The page's margin and the gaps between the panels, the controls and the rows.
  const kGap = 8;

  // The desk holds the panels, which the page places itself, so that a window too small for them
  // scrolls to every part.
  function sizeDesk() {
    const right = (panel) => panel.offsetLeft + panel.offsetWidth;
    const bottom = (panel) => panel.offsetTop + panel.offsetHeight;
    desk.style.width = `${Math.max(right(mainWindow), right(compassWindow))}px`;
    desk.style.height = `${Math.max(bottom(mainWindow), bottom(compassWindow))}px`;
  }

  // What the touch controls take beside the panels: a column either side in landscape, a row
  // below in portrait.
  function controlsRoom() {
    if (!document.documentElement.classList.contains("touch-controls")) return [0, 0];
    const pad = document.getElementById("touch-pad");
    const fire = document.getElementById("touch-fire");
    if (window.matchMedia("(orientation: landscape)").matches) {
      return [pad.offsetWidth + fire.offsetWidth + 2 * kGap, 0];
    }
    return [0, Math.max(pad.offsetHeight, fire.offsetHeight) + kGap];
  }

  // The largest whole zoom at which both panels fit side by side in the browser's window, beside
  // the touch controls when they show and above the rows under them.
  function fitZoom() {
    // What the frames add around the canvases, whatever their zoom now.
    const frameWidth =
      mainWindow.offsetWidth - playField.offsetWidth + compassWindow.offsetWidth - compass.offsetWidth;
    const frameHeight = mainWindow.offsetHeight - playField.offsetHeight;
    const [controlsWidth, controlsHeight] = controlsRoom();
    const spareWidth = window.innerWidth - 2 * kGap - frameWidth - controlsWidth;
    const spareHeight = window.innerHeight - 2 * kGap - frameHeight - controlsHeight - bar.offsetHeight;
    zoom = Math.max(1, Math.floor(Math.min(spareWidth / (playField.width + compass.width),
                                           spareHeight / playField.height)));
    for (const canvas of [playField, compass]) {
      canvas.style.width = `${canvas.width * zoom}px`;
      canvas.style.height = `${canvas.height * zoom}px`;
    }
    // The dialogs keep their design pixels and take the same zoom.
    document.documentElement.style.setProperty("--zoom", zoom);
    showShift();
    if (typeof Module._zt_layout === "function" && Module.started) Module._zt_layout();
    sizeDesk();
  }

  function showShift() {
    mainWindow.style.transform = `translate(${shift[0] * zoom}px, ${shift[1] * zoom}px)`;
  }

  // Each cue's bytes are fetched once the game has started, leaving the way to the first frame
  // to the module; they are decoded once a key or a click has let the page start sound, which
  // is before any cue can fall due.
  const cueBytes = new Map();
  const cueBuffers = new Map();
  let audio = null;
  let playing = null;
  function fetchCues(names) {
    for (const name of names) {
      fetch(name).then((response) => response.ok ? response.arrayBuffer() : null)
          .then((bytes) => {
            if (!bytes) return;
            cueBytes.set(name, bytes);
            if (audio) decodeCue(name, bytes);
          }, () => {});
    }
  }
  // The last cue asked for before its sound was ready plays once it is, so the first cue after
  // the first key is not lost to a decoding still running.
  let waiting = null;
  function decodeCue(name, bytes) {
    audio.decodeAudioData(bytes.slice(0)).then((buffer) => {
      cueBuffers.set(name, buffer);
      if (waiting === name) startCue(name);
    }, () => {});
  }
  // A new cue cuts off the one still playing.
  function startCue(name) {
    waiting = null;
    if (playing) playing.stop();
    playing = audio.createBufferSource();
    playing.buffer = cueBuffers.get(name);
    playing.connect(audio.destination);
    playing.start();
  }
  function allowSound() {
    if (audio) {
      if (audio.state === "suspended") audio.resume();
      return;
    }
    audio = new AudioContext();
    for (const [name, bytes] of cueBytes) decodeCue(name, bytes);
  }
  // A touch lets a page start sound only once the finger is lifted.
  for (const type of ["keydown", "pointerdown", "pointerup", "touchend"]) {
    window.addEventListener(type, allowSound, true);
  }

  // Tab goes round the page's own controls, or the open dialog's, and never on to the browser.
  function tabbable(scope) {
    return Array.from(scope.querySelectorAll("button, input, select, a[href], [tabindex]")).filter((element) =>
      element.tabIndex >= 0 && !element.disabled && element.getClientRects().length > 0 &&
      (scope !== document.body || element.closest("dialog") === null));
  }
  window.addEventListener("keydown", (event) => {
    if (event.key !== "Tab" || event.altKey || event.ctrlKey || event.metaKey) return;
    const controls = tabbable(document.querySelector("dialog[open]") ?? document.body);
    const at = controls.indexOf(document.activeElement);
    const edge = event.shiftKey ? at <= 0 : at < 0 || at === controls.length - 1;
    if (!edge) return;
    event.preventDefault();
    if (controls.length > 0) controls[event.shiftKey ? controls.length - 1 : 0].focus();
  });

  // How the player starts a game with the input last used.
  let inputUsed = "keyboard";
  const kStartWith = { keyboard: "Press Space to start.", touch: "Tap Fire to start." };
  function showStartWith() {
    startHint.textContent = kStartWith[inputUsed];
  }
  window.addEventListener("keydown", (event) => {
    if (event.code === "Space" && inputUsed !== "keyboard") inputInUse("keyboard");
  }, true);
  function inputInUse(input) {
    inputUsed = input;
    showStartWith();
  }

  window.addEventListener("resize", fitZoom);
  dialog.addEventListener("close", () => {
    Module._zt_dialog_closed(dialog.returnValue === "quit" ? 1 : 0);
  });
  document.getElementById("play-again").addEventListener("click", () => Module._zt_play_again());

  // "&" marks the access key: the character after it, shown underlined. Fills `element` with
  // the caption so shown and returns that character, empty when there is none.
  function showAccessKey(element, caption) {
    const at = caption.indexOf("&");
    if (at < 0 || at + 1 >= caption.length) {
      element.replaceChildren(caption);
      return "";
    }
    const key = document.createElement("u");
    key.textContent = caption[at + 1];
    element.replaceChildren(caption.slice(0, at), key, caption.slice(at + 2));
    return caption[at + 1];
  }

  // Japanese texts (the captions, most of the dialogs) are read as Japanese, the rest of the page
  // as English.
  function markLanguage(element, text) {
    element.lang = /[^\x00-\x7F]/.test(text) ? "ja" : "en";
  }

  // A dialog's frame as the page's dialogs share it: caption bar, close box, client area.
  function dialogWindow(id) {
    const dialog = document.createElement("dialog");
    dialog.id = id;
    dialog.className = "window";
    const caption = document.createElement("header");
    caption.className = "caption";
    const closeBox = document.createElement("button");
    closeBox.type = "button";
    closeBox.className = "close-box";
    closeBox.tabIndex = -1;
    closeBox.ariaLabel = "close";
    const client = document.createElement("div");
    client.className = "client";
    dialog.append(caption, client);
    return { dialog, caption, closeBox, client };
  }

  return {
    fitZoom,
    dialogWindow,
    fetchCues,
    inputInUse,
    markLanguage,
    showAccessKey,
    showStartHint(onTitle) {
      showStartWith();
      startHint.hidden = !onTitle;
    },
    // The rows' buttons, lists and play again take Space as a press, not as the game's fire.
    pageControlFocused() {
      const focused = document.activeElement;
      return focused !== null && bar.contains(focused) && focused.matches("button, input, select, a[href]");
    },
    showPicture(canvasId, rgba, width, height) {
      const canvas = document.getElementById(canvasId);
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
        fitZoom();
      }
      canvas.getContext("2d").putImageData(new ImageData(rgba.slice(), width, height), 0, 0);
      // For make web-measure.
      if (canvas === playField && performance.getEntriesByName("first-frame").length === 0) {
        performance.mark("first-frame");
      }
    },
    shiftMainPanel(dx, dy) {
      shift = [dx, dy];
      showShift();
    },
    mainPanelEdge(which) {
      return [mainWindow.offsetLeft, mainWindow.offsetTop, mainWindow.offsetWidth][which];
    },
    // The panel's caption bar and the name assistive tools read; the main one names the tab too.
    setCaption(panelId, caption) {
      const panel = document.getElementById(panelId);
      panel.querySelector(".caption").textContent = caption;
      markLanguage(panel.querySelector(".caption"), caption);
      panel.setAttribute("aria-label", caption);
      if (panel === mainWindow) document.title = caption;
    },
    placeCompassPanel(left, top) {
      compassWindow.style.left = `${left}px`;
      compassWindow.style.top = `${top}px`;
      // No layout before the first frame: the page sizes the desk once the panels have their zoom.
      if (Module.started) sizeDesk();
    },
    // Every text of the dialogs, not their captions.
    setDialogFace(family, pixels) {
      document.documentElement.style.setProperty("--dialog-font", `${pixels}px "${family}", sans-serif`);
    },
    showError(caption, text, quitButton) {
      dialog.querySelector(".caption").textContent = caption;
      dialog.querySelector(".message").textContent = text;
      markLanguage(dialog.querySelector(".message"), text);
      const quit = dialog.querySelector(".quit");
      quit.accessKey = showAccessKey(quit, quitButton);
      markLanguage(quit, quitButton);
      quit.hidden = quitButton === "";
      dialog.returnValue = "";
      dialog.showModal();
    },
    showEnded(shown) {
      ended.hidden = !shown;
      if (shown) document.getElementById("play-again").focus();
    },
    // The first gamepad's left stick into axes[0..1] (doubles) and its pressed buttons as bits
    // into *pressed; 1 with the standard mapping, 0 without, -1 when there is none.
    readGamepad(axes, pressed) {
      const pads = navigator.getGamepads ? Array.from(navigator.getGamepads()) : [];
      const pad = pads.find((candidate) => candidate && candidate.connected);
      if (!pad) return -1;
      Module.HEAPF64[axes >> 3] = pad.axes.length > 0 ? pad.axes[0] : 0;
      Module.HEAPF64[(axes >> 3) + 1] = pad.axes.length > 1 ? pad.axes[1] : 0;
      let bits = 0;
      pad.buttons.forEach((button, index) => {
        if (button.pressed && index < 32) bits |= 1 << index;
      });
      Module.HEAPU32[pressed >> 2] = bits >>> 0;
      return pad.mapping === "standard" ? 1 : 0;
    },
    playCue(path) {
      if (!audio) return;
      const name = path.replace(/^\.\//, "");
      if (cueBuffers.has(name)) {
        startCue(name);
      } else {
        waiting = name;
      }
    },
  };
})();

// ?seed=N starts every run of the page from that seed; ?ticks=manual leaves the ticks to
// zaptrail.step (the tests' hook); ?daily and ?watch= are the trails row's (trails_row.js).
function showNotice(text) {
  const notice = document.getElementById("notice");
  notice.textContent = text;
  notice.hidden = false;
  if (Module.started) zaptrailPage.fitZoom();
}

// The module's code comes inside the built page, gzip-compressed in base64 (web/inline_page.py),
// so that the first frame waits for no second request. The stream is fed from memory and read
// to its end through promises alone, so the code is unpacked within the task that runs the
// module's script, with no turn of the event loop for the browser to spend elsewhere.
async function moduleCodeBytes() {
  const text = document.getElementById("module-code").textContent;
  const packed = Uint8Array.fromBase64 ? Uint8Array.fromBase64(text)
                                       : Uint8Array.from(atob(text), (character) => character.charCodeAt(0));
  const reader = new ReadableStream({
    start(controller) {
      controller.enqueue(packed);
      controller.close();
    },
  }).pipeThrough(new DecompressionStream("gzip")).getReader();
  const parts = [];
  let size = 0;
  for (let read = await reader.read(); !read.done; read = await reader.read()) {
    parts.push(read.value);
    size += read.value.length;
  }
  const bytes = new Uint8Array(size);
  let at = 0;
  for (const part of parts) {
    bytes.set(part, at);
    at += part.length;
  }
  return bytes;
}

var Module = {
  started: false,
  // Compiled and started as soon as the code is unpacked, still within the module's script:
  // code this small compiles in less time than handing it to the browser's compiler threads and
  // waiting for their answer.
  instantiateWasm(imports, receiveInstance) {
    moduleCodeBytes().then((bytes) => {
      const code = new WebAssembly.Module(bytes);
      receiveInstance(new WebAssembly.Instance(code, imports), code);
    }).catch((error) => Module.onAbort(String(error)));
    return {};
  },
  // The module could not be compiled or started.
  onAbort(what) {
    showNotice(`zap trail could not start (${what}).`);
  },
  async onRuntimeInitialized() {
    const params = new URLSearchParams(window.location.search);
    const seedText = params.get("seed");
    const seedGiven = seedText !== null && /^[0-9]{1,10}$/.test(seedText) &&
                      Number(seedText) <= 0xFFFFFFFF;
    if (seedText !== null && !seedGiven) {
      showNotice(`?seed= takes a whole number from 0 to 4294967295; ` +
                 `"${seedText}" is not one, so this page plays from the clock.`);
    }
    // The panels take their zoom once the module has built them and drawn the first picture:
    // one layout of the whole page, and none before the first frame.
    const first = await zaptrailTrails.firstRun(params);
    zaptrailTrails.handing(first.watch, first.bytes, (watch) => Module._zt_start(
      seedGiven ? 1 : 0, seedGiven ? Number(seedText) >>> 0 : 0, params.get("ticks") === "manual" ? 1 : 0,
      first.daily ? 1 : 0, watch));
    Module.started = true;
    document.getElementById("desk").classList.add("drawn");
    zaptrailPage.fitZoom();
    zaptrailPage.fetchCues(Module.UTF8ToString(Module._zt_cue_files()).split("\n").filter(Boolean));
    // Once the game runs, not on the way to its first picture: the manifest, the icon and the
    // worker that keeps the page for offline play (service_worker.js).
    for (const [rel, href] of [["manifest", "zaptrail.webmanifest"], ["icon", "icon-192.png"],
                               ["apple-touch-icon", "icon-192.png"]]) {
      const link = document.createElement("link");
      link.rel = rel;
      link.href = href;
      document.head.append(link);
    }
    if ("serviceWorker" in navigator && window.isSecureContext) {
      navigator.serviceWorker.register("service_worker.js").catch(() => {});
    }
    window.zaptrail.resolveReady();
  },
};

// The page carries the game itself, but a browser lets a page opened from a file read nothing
// beside it: the sounds stay silent and the dialogs take the browser's own face.
if (window.location.protocol === "file:") {
  showNotice("Opened from a file, zap trail plays without its sounds, and its dialogs show in " +
             "another face: the browser does not let a page opened from a file read the files " +
             "beside it. Open the game from its web address to have them.");
}

// The tests' hook.
window.zaptrail = {};
window.zaptrail.ready = new Promise((resolve) => { window.zaptrail.resolveReady = resolve; });
window.zaptrail.step = (ticks) => Module._zt_step(ticks);
window.zaptrail.bestTimes = () => Module.UTF8ToString(Module._zt_best_times());
window.zaptrail.ticks = () => Module._zt_ticks_run();
window.zaptrail.startAtLevel = (level) => Module._zt_set_level(level);
