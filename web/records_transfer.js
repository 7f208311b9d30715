"use strict";
// The records between the page and the player's files: the module offers the records as a
// download, and a file the player picks goes to the module as bytes, which decides what it
// holds.
const zaptrailRecords = (() => {
  const picker = document.getElementById("records-file");
  let offered = null;
  let loadsDone = 0;

  // A button used with the mouse gives the keyboard back to the game, whose Space would
  // otherwise press it again; one reached with Tab keeps it.
  function onClick(id, action) {
    const button = document.getElementById(id);
    button.addEventListener("click", (event) => {
      if (event.detail > 0) button.blur();
      if (Module.started) action();
    });
  }
  onClick("records-download", () => Module._zt_records_download());
  onClick("records-load", () => picker.click());

  // At most one byte more than a records file may hold is read, enough for the module to see a
  // file too big.
  async function readPicked(file) {
    try {
      return new Uint8Array(await file.slice(0, Module._zt_records_load_limit()).arrayBuffer());
    } catch {
      return null;
    }
  }

  function toModule(bytes) {
    const address = Module._malloc(Math.max(1, bytes.length));
    Module.HEAPU8.set(bytes, address);
    return address;
  }

  picker.addEventListener("change", async () => {
    const file = picker.files[0];
    picker.value = "";
    if (!file) return;
    const bytes = await readPicked(file);
    const name = toModule(new TextEncoder().encode(`${file.name}\0`));
    const content = toModule(bytes ?? new Uint8Array());
    Module._zt_records_load(name, content, bytes ? bytes.length : -1);
    Module._free(name);
    Module._free(content);
    ++loadsDone;
  });

  return {
    // For the tests: how many picked files the module has been given.
    get loadsDone() {
      return loadsDone;
    },
    offerDownload(name, bytes) {
      if (offered) URL.revokeObjectURL(offered);
      offered = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
      const link = document.createElement("a");
      link.href = offered;
      link.download = name;
      link.click();
    },
  };
})();
