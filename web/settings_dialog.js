"use strict";
// The settings dialog as the module builds it from its description: a modal <dialog> whose client
// area keeps the design's pixels and is zoomed whole with the panels. The module reads the text
// box and the check box when it needs them; the page tells it of the arrows and of the closing.

const zaptrailSettings = (() => {
  const { dialog, caption, closeBox, client } = zaptrailPage.dialogWindow("settings-dialog");
  let edit = null;
  let check = null;
  let lastLabel = "";

  function place(element, [left, top, width, height]) {
    Object.assign(element.style, {
      left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
    });
    return element;
  }

  // The module hears of the end as soon as the dialog has gone, before any key that follows.
  let showing = false;
  function closed(result) {
    if (!showing) return;
    showing = false;
    Module._zt_settings_closed(result);
  }
  function end(result) {
    dialog.close();
    closed(result);
  }

  // The text box keeps the focus while an arrow is pressed; a held arrow steps again and again.
  function arrow(direction) {
    const button = document.createElement("button");
    button.type = "button";
    button.tabIndex = -1;
    button.className = direction > 0 ? "up" : "down";
    let repeat = 0;
    const stop = () => clearTimeout(repeat);
    const again = () => {
      Module._zt_settings_step(direction);
      repeat = setTimeout(again, 50);
    };
    button.addEventListener("pointerdown", (event) => {
      event.preventDefault();
      if (event.button !== 0) return;
      stop();
      Module._zt_settings_step(direction);
      repeat = setTimeout(again, 400);
    });
    for (const type of ["pointerup", "pointerleave", "pointercancel"]) {
      button.addEventListener(type, stop);
    }
    dialog.addEventListener("close", stop);
    return button;
  }

  const kinds = {
    label(text) {
      const label = document.createElement("span");
      label.textContent = text;
      return label;
    },
    // The text box sits in a label of its own size: an input can hold no hit area of its own,
    // and a tap on its label's reaches it.
    edit(text) {
      edit = document.createElement("input");
      edit.type = "text";
      edit.value = text;
      edit.spellcheck = false;
      edit.autocomplete = "off";
      edit.addEventListener("keydown", (event) => {
        if (event.code !== "ArrowUp" && event.code !== "ArrowDown") return;
        event.preventDefault();
        Module._zt_settings_step(event.code === "ArrowUp" ? 1 : -1);
      });
      const field = document.createElement("label");
      field.append(edit);
      return field;
    },
    updown() {
      const arrows = document.createElement("span");
      arrows.append(arrow(1), arrow(-1));
      return arrows;
    },
    checkbox(text) {
      const box = document.createElement("label");
      check = document.createElement("input");
      check.type = "checkbox";
      box.append(check, text);
      return box;
    },
    button(text, result) {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = text;
      button.addEventListener("click", () => end(result));
      return button;
    },
  };

  // Neither button is the default or the cancel one: Enter presses only a focused button, and
  // Escape closes nothing. Refusing the key itself keeps the browser from asking to close at all,
  // which it would do regardless after a second Escape in a row.
  dialog.addEventListener("keydown", (event) => {
    if (event.code === "Escape") event.preventDefault();
  });
  dialog.addEventListener("cancel", (event) => event.preventDefault());
  // Closed some other way, by the browser itself: the module makes Cancel of that. The event
  // comes late, also after an end above, and the dialog may be showing again by then.
  dialog.addEventListener("close", () => {
    if (!dialog.open) closed(0);
  });

  return {
    build(captionText, width, height, closeResult) {
      caption.textContent = captionText;
      zaptrailPage.markLanguage(caption, captionText);
      caption.append(closeBox);
      closeBox.addEventListener("click", () => end(closeResult));
      dialog.setAttribute("aria-label", captionText);
      place(client, [0, 0, width, height]);
      document.body.append(dialog);
    },
    // A button's `result` is the one it closes the dialog with.
    add(kind, name, where, text, result) {
      const control = place(kinds[kind](text, result), where);
      if (text) zaptrailPage.markLanguage(control, text);
      // The text box is named by the label before it.
      if (kind === "label") lastLabel = text;
      if (kind === "edit") edit.setAttribute("aria-label", lastLabel);
      control.dataset.name = name;
      control.classList.add(kind);
      client.append(control);
    },
    reset(periodText, soundOn) {
      edit.value = periodText;
      check.checked = soundOn;
    },
    show() {
      showing = true;
      dialog.showModal();
      edit.focus();
    },
    // Without telling the module, which has ended the showing itself.
    close() {
      showing = false;
      dialog.close();
    },
    periodText: () => edit.value,
    setPeriodText(text) {
      edit.value = text;
    },
    soundOn: () => check.checked,
  };
})();

// The tests' hook: the tick period in force, 0 while the ticks are stopped.
window.zaptrail.period = () => Module._zt_tick_period();
