"use strict";
// Read in the page's head: on a touch screen the touch controls are part of the page from its
// first paint, so that the rows under them do not move when the scripts after them run.
if (window.matchMedia("(pointer: coarse)").matches) {
  document.documentElement.classList.add("touch-controls");
}
