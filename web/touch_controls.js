"use strict";
// The touch controls: a pad whose four buttons are held by a thumb resting on them, diagonals
// by sliding between two, and a fire button for the other thumb. They hold the game's keys as
// the keyboard does, and the ticks read them the same way. They show on a touch screen, after a
// first touch anywhere, or when the player asks for them.
const zaptrailTouch = (() => {
  const pad = document.getElementById("touch-pad");
  const fire = document.getElementById("touch-fire");
  const toggle = document.getElementById("touch-toggle");
  const kUp = 0;
  const kRight = 1;
  const kDown = 2;
  const kLeft = 3;
  // Within this many pixels of the pad's centre a thumb holds no direction.
  const kDeadZone = 12;
  const held = new Map();  // key number to held
  let padPointer = null;
  let firePointer = null;

  function hold(key, down, at) {
    if ((held.get(key) ?? false) === down) return;
    held.set(key, down);
    if (Module.started) Module._zt_touch_hold(key, down ? 1 : 0, at);
  }

  // The directions a thumb at (x, y) holds: one, or two in the corners between them (the
  // eighth of a turn either side of a diagonal).
  function padDirections(x, y) {
    const box = pad.getBoundingClientRect();
    const dx = x - (box.left + box.width / 2);
    const dy = y - (box.top + box.height / 2);
    const wanted = new Set();
    if (Math.hypot(dx, dy) < kDeadZone) return wanted;
    // tan(22.5°): closer than this to an axis, the other axis is not held.
    const kSlant = 0.4142;
    if (Math.abs(dx) > Math.abs(dy) * kSlant) wanted.add(dx < 0 ? kLeft : kRight);
    if (Math.abs(dy) > Math.abs(dx) * kSlant) wanted.add(dy < 0 ? kUp : kDown);
    return wanted;
  }

  function steer(event) {
    const wanted = event.type === "pointermove" || event.type === "pointerdown"
                       ? padDirections(event.clientX, event.clientY) : new Set();
    for (const key of [kUp, kRight, kDown, kLeft]) hold(key, wanted.has(key), event.timeStamp);
  }

  pad.addEventListener("pointerdown", (event) => {
    event.preventDefault();
    padPointer = event.pointerId;
    pad.setPointerCapture(event.pointerId);
    steer(event);
  });
  pad.addEventListener("pointermove", (event) => {
    if (event.pointerId === padPointer) steer(event);
  });
  for (const type of ["pointerup", "pointercancel", "lostpointercapture"]) {
    pad.addEventListener(type, (event) => {
      if (event.pointerId !== padPointer) return;
      padPointer = null;
      steer(event);
    });
    fire.addEventListener(type, (event) => {
      if (event.pointerId !== firePointer) return;
      firePointer = null;
      hold(Number(fire.dataset.key), false, event.timeStamp);
    });
  }
  fire.addEventListener("pointerdown", (event) => {
    event.preventDefault();
    firePointer = event.pointerId;
    fire.setPointerCapture(event.pointerId);
    hold(Number(fire.dataset.key), true, event.timeStamp);
  });
  // A long press shows no menu of the browser's.
  for (const control of [pad, fire]) control.addEventListener("contextmenu", (event) => event.preventDefault());

  const shown = () => document.documentElement.classList.contains("touch-controls");

  function show(wanted) {
    document.documentElement.classList.toggle("touch-controls", wanted);
    toggle.setAttribute("aria-pressed", String(wanted));
    zaptrailPage.inputInUse(wanted ? "touch" : "keyboard");
    if (Module.started) zaptrailPage.fitZoom();
  }
  toggle.addEventListener("click", (event) => {
    if (event.detail > 0) toggle.blur();
    show(!shown());
  });
  // A first touch on a screen that also has a mouse brings them up too.
  window.addEventListener("pointerdown", (event) => {
    if (event.pointerType === "touch" && !shown()) show(true);
  }, true);
  // On a touch screen the page's head has shown them (touch_screen.js); the rest follows here.
  if (shown()) show(true);

  return { shown };
})();
