"use strict";
// The main panel's menu bar, built by the module from the game's menu. It works as a desktop's
// does: a click opens a menu and another closes it; Alt or F10 selects the bar, Alt with an access
// key opens that menu; then the access keys, the arrows, Enter and Escape. While it is active it
// takes every key, so the game sees none, and the browser never acts on Alt or F10.
const zaptrailMenu = (() => {
  const bar = document.querySelector("#main-window > .menu-bar");

  // Each menu: its title on the bar, its list, its access key, and its items
  // ({ element, key, command }).
  const menus = [];
  let current = -1;  // the selected title; -1 while the bar is not active
  let listOpen = false;
  let chosen = -1;  // the highlighted item of the open list
  let focusBefore = null;
  let altAlone = false;

  // The letter a key stands for whatever Alt does to it on this keyboard.
  function letterOf(event) {
    if (/^Key[A-Z]$/.test(event.code)) return event.code.slice(3).toLowerCase();
    return event.key.length === 1 ? event.key.toLowerCase() : "";
  }

  function show() {
    menus.forEach((menu, index) => {
      const selected = index === current;
      menu.title.classList.toggle("selected", selected);
      menu.title.setAttribute("aria-expanded", String(selected && listOpen));
      menu.list.hidden = !(selected && listOpen);
      menu.items.forEach((item, at) => item.element.classList.toggle("selected", selected && at === chosen));
    });
    if (current < 0) return;
    const menu = menus[current];
    (listOpen && chosen >= 0 ? menu.items[chosen].element : menu.title).focus({ preventScroll: true });
  }

  // Selects a title, with its list open or not, and the list's first item highlighted or none.
  function select(index, withList, firstItem) {
    if (current < 0) focusBefore = document.activeElement;
    current = index;
    listOpen = withList;
    chosen = withList && firstItem ? 0 : -1;
    show();
  }

  function leave() {
    if (current < 0) return;
    current = -1;
    listOpen = false;
    chosen = -1;
    show();
    if (focusBefore && focusBefore !== document.body && focusBefore.isConnected) {
      focusBefore.focus({ preventScroll: true });
    } else {
      document.activeElement?.blur();
    }
    focusBefore = null;
  }

  function run(menu, item) {
    const { command, element } = menus[menu].items[item];
    if (element.getAttribute("aria-disabled") === "true") return;
    leave();
    Module._zt_menu_command(command);
  }

  function keyInMenu(event) {
    const count = menus.length;
    const items = menus[current].items;
    switch (event.key) {
      case "Escape":
        if (listOpen) {
          select(current, false, false);
        } else {
          leave();
        }
        return;
      case "F10":
        leave();
        return;
      case "ArrowLeft":
      case "ArrowRight": {
        const step = event.key === "ArrowLeft" ? count - 1 : 1;
        select((current + step) % count, listOpen, listOpen);
        return;
      }
      case "ArrowDown":
      case "ArrowUp": {
        if (!listOpen) {
          select(current, true, true);
          return;
        }
        const step = event.key === "ArrowUp" ? items.length - 1 : 1;
        chosen = chosen < 0 ? (event.key === "ArrowUp" ? items.length - 1 : 0) : (chosen + step) % items.length;
        show();
        return;
      }
      case "Enter":
        if (!listOpen) {
          select(current, true, true);
        } else if (chosen >= 0) {
          run(current, chosen);
        }
        return;
    }
    const letter = letterOf(event);
    if (letter === "") return;
    if (listOpen) {
      const item = items.findIndex((candidate) => candidate.key === letter);
      if (item >= 0) run(current, item);
    } else {
      const menu = menus.findIndex((candidate) => candidate.key === letter);
      if (menu >= 0) select(menu, true, true);
    }
  }

  // A modal dialog of the page has the keys and the pointer; the bar waits.
  const dialogOpen = () => document.querySelector("dialog[open]") !== null;

  // Registered before the module's own listeners, so a key the bar takes never reaches the game.
  window.addEventListener("keydown", (event) => {
    const alt = event.key === "Alt";
    if (alt || event.code === "F10") event.preventDefault();
    if (dialogOpen()) {
      altAlone = false;
      return;
    }
    if (alt) {
      if (!event.repeat) altAlone = true;
      return;
    }
    altAlone = false;
    if (current < 0) {
      const menu = event.altKey && !event.ctrlKey ? menus.findIndex((candidate) => candidate.key === letterOf(event)) : -1;
      if (event.code === "F10" && !event.altKey) {
        select(0, false, false);
      } else if (menu >= 0 && letterOf(event) !== "") {
        select(menu, true, true);
      } else {
        return;
      }
    } else {
      keyInMenu(event);
    }
    event.preventDefault();
    event.stopImmediatePropagation();
  }, true);
  window.addEventListener("keyup", (event) => {
    if (event.key !== "Alt") {
      if (event.code === "F10") event.preventDefault();
      return;
    }
    event.preventDefault();
    if (!altAlone || dialogOpen()) return;
    altAlone = false;
    if (current < 0) {
      select(0, false, false);
    } else {
      leave();
    }
  }, true);
  // A desktop's menu closes when its window loses the focus.
  window.addEventListener("blur", () => {
    altAlone = false;
    leave();
  });
  document.addEventListener("pointerdown", (event) => {
    if (current >= 0 && !bar.contains(event.target)) leave();
  }, true);

  return {
    addMenu(caption) {
      const index = menus.length;
      const title = document.createElement("div");
      title.className = "menu-title";
      title.setAttribute("role", "menuitem");
      title.setAttribute("aria-haspopup", "menu");
      title.tabIndex = -1;
      const key = zaptrailPage.showAccessKey(title, caption).toLowerCase();
      zaptrailPage.markLanguage(title, caption);
      const list = document.createElement("div");
      list.className = "menu-list";
      list.setAttribute("role", "menu");
      list.setAttribute("aria-label", title.textContent);
      list.hidden = true;
      const holder = document.createElement("div");
      holder.className = "menu";
      holder.append(title, list);
      bar.append(holder);
      title.addEventListener("pointerdown", (event) => {
        if (event.button !== 0) return;
        event.preventDefault();
        if (current === index && listOpen) {
          leave();
        } else {
          select(index, true, false);
        }
      });
      // Moving along the bar with a list open opens the list under the pointer. Only a move counts:
      // a list that opens under a pointer standing still leaves the keyboard's choice alone.
      title.addEventListener("pointermove", () => {
        if (listOpen && current !== index) select(index, true, false);
      });
      menus.push({ title, list, key, items: [] });
    },
    addItem(caption, shortcut, command) {
      const menu = menus.length - 1;
      const element = document.createElement("div");
      element.className = "menu-item";
      element.setAttribute("role", "menuitem");
      element.tabIndex = -1;
      const text = document.createElement("span");
      const key = zaptrailPage.showAccessKey(text, caption).toLowerCase();
      zaptrailPage.markLanguage(element, caption);
      const keys = document.createElement("span");
      keys.className = "shortcut";
      keys.textContent = shortcut;
      if (shortcut !== "") element.setAttribute("aria-keyshortcuts", shortcut);
      element.append(text, keys);
      const at = menus[menu].items.length;
      element.addEventListener("pointermove", () => {
        if (chosen === at) return;
        chosen = at;
        show();
      });
      element.addEventListener("click", () => run(menu, at));
      menus[menu].list.append(element);
      menus[menu].items.push({ element, key, command });
    },
    active: () => current >= 0,
    // An item that cannot act now is greyed and chosen in vain.
    enableItem(command, enabled) {
      for (const menu of menus) {
        for (const item of menu.items) {
          if (item.command === command) item.element.setAttribute("aria-disabled", String(!enabled));
        }
      }
    },
  };
})();
