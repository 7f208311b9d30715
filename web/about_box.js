"use strict";
// The about box as the module builds it: a modal dialog whose client area keeps the design's
// pixels and is zoomed whole with the panels, so the labels' places stay the module's. Every
// event goes to the module, which moves and recolours the labels.
const zaptrailAbout = (() => {
  const { dialog, caption, closeBox, client } = zaptrailPage.dialogWindow("about-box");
  dialog.setAttribute("aria-labelledby", "about-caption");
  const title = document.createElement("span");
  title.id = "about-caption";
  caption.append(title, closeBox);
  document.body.append(dialog);
  let labels = [];
  let button = null;
  let showing = false;

  client.addEventListener("pointermove", (event) => {
    if (event.target === client) Module._zt_about_form_move();
  });
  // The close box, and Escape as the desktop's close box: told at once, in the key's own event
  // (cancel), or by the close a browser may do without one. A close that arrives once the box
  // is open again is an old one's.
  function closedByPlayer() {
    if (!showing) return;
    showing = false;
    Module._zt_about_closed(2);
  }
  closeBox.addEventListener("click", closedByPlayer);
  dialog.addEventListener("cancel", closedByPlayer);
  dialog.addEventListener("close", () => {
    if (!dialog.open) closedByPlayer();
  });

  const kLooks = ["", "bold", "underlined"];

  return {
    // In the dialog face, as every dialog of the page (page.css).
    build(text, width, height) {
      title.textContent = text;
      zaptrailPage.markLanguage(title, text);
      client.replaceChildren();
      labels = [];
      client.style.width = `${width}px`;
      client.style.height = `${height}px`;
    },
    addLabel(index, text, left, top, look, colour, link) {
      const label = document.createElement("span");
      label.className = `label ${kLooks[look]}`;
      label.style.top = `${top}px`;
      label.style.color = colour;
      if (link !== 0) {
        // Reached by Tab too, and opened with Enter, as a link in a page is.
        label.setAttribute("role", "link");
        label.tabIndex = 0;
        label.addEventListener("click", () => Module._zt_about_link_click());
        label.addEventListener("keydown", (event) => {
          if (event.key === "Enter") Module._zt_about_link_click();
        });
      }
      label.addEventListener("pointermove", (event) => {
        // x in client pixels, whatever the zoom.
        const box = label.getBoundingClientRect();
        Module._zt_about_label_move(index, Math.floor((event.clientX - box.left) * label.offsetWidth / box.width));
      });
      client.append(label);
      labels[index] = label;
      label.style.left = `${left}px`;
      label.textContent = text;
      zaptrailPage.markLanguage(label, text);
    },
    addButton(text, left, top, width, height) {
      button = document.createElement("button");
      button.type = "button";
      button.textContent = text;
      Object.assign(button.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
      button.addEventListener("click", () => Module._zt_about_closed(1));
      client.append(button);
    },
    setLabel(index, left, text) {
      const label = labels[index];
      label.style.left = `${left}px`;
      label.textContent = text;
      zaptrailPage.markLanguage(label, text);
      return label.offsetWidth;
    },
    setLabelColour(index, colour) {
      labels[index].style.color = colour;
    },
    show() {
      showing = true;
      dialog.showModal();
      button?.focus();
    },
    hide() {
      showing = false;
      if (dialog.open) dialog.close();
    },
  };
})();
