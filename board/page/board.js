// The board page: a date's ranking with a watch link per game, and a kept trail submitted
// under the player's name. Everything a player wrote is set as text, never as markup.
"use strict";

const kPageSize = 50;
const kUsualPeriod = 32;
// The key that owns the player's name: made once in this browser, kept in its storage, sent
// only in a submission's body.
const kKeyItem = "zaptrail-board-key";
const kNameItem = "zaptrail-board-name";

function playerKey() {
  let key = localStorage.getItem(kKeyItem);
  if (!key) {
    const bytes = crypto.getRandomValues(new Uint8Array(32));
    key = Array.from(bytes, (b) => b.toString(16).padStart(2, "0")).join("");
    localStorage.setItem(kKeyItem, key);
  }
  return key;
}

// A time in the game's units (four ticks of 32 ms), as seconds.
function seconds(units) {
  return (units * 4 * 32 / 1000).toFixed(2) + " s";
}

function cell(text, className) {
  const td = document.createElement("td");
  td.textContent = String(text);
  if (className) td.className = className;
  return td;
}

function todayUtc() {
  return new Date().toISOString().slice(0, 10);
}

const state = { date: "", period: kUsualPeriod, last: 0 };

function say(element, text, refused) {
  element.textContent = text;
  element.classList.toggle("refused", refused);
}

async function showRanking(append) {
  const status = document.getElementById("status");
  const body = document.querySelector("#ranking tbody");
  if (!append) {
    body.replaceChildren();
    state.last = 0;
  }
  const url = `/api/daily/${encodeURIComponent(state.date)}?period=${state.period}` +
              `&limit=${kPageSize}&after=${state.last}`;
  const response = await fetch(url);
  const ranking = await response.json();
  if (!response.ok) {
    say(status, ranking.error ?? `the board answered ${response.status}`, true);
    return;
  }
  const periods = document.getElementById("period");
  const shown = new Set([kUsualPeriod, ...ranking.periods, state.period]);
  periods.replaceChildren(...[...shown].sort((a, b) => a - b).map((period) => {
    const option = document.createElement("option");
    option.value = String(period);
    option.textContent = `${period} ms`;
    option.selected = period === state.period;
    return option;
  }));
  for (const game of ranking.games) {
    const row = document.createElement("tr");
    const watch = document.createElement("a");
    watch.href = `/?watch=${encodeURIComponent(`/api/trails/${game.id}`)}`;
    watch.textContent = "watch";
    const link = document.createElement("td");
    link.append(watch);
    row.append(cell(game.rank, "number"), cell(game.name, "name"), cell(game.levels, "number"),
               cell(seconds(game.total), "number"), cell(game.submitted), link);
    body.append(row);
    state.last = game.rank;
  }
  document.getElementById("more").hidden = ranking.games.length < kPageSize;
  say(status, body.children.length === 0 ? `No games on ${state.date} yet.` : "", false);
}

async function submitTrail(event) {
  event.preventDefault();
  const answer = document.getElementById("answer");
  const name = document.getElementById("name").value;
  const file = document.getElementById("file").files[0];
  if (!file) return;
  localStorage.setItem(kNameItem, name);
  say(answer, "Verifying…", false);
  const response = await fetch("/api/trails", {
    method: "POST",
    headers: { "Content-Type": "application/json" },
    body: JSON.stringify({ name, key: playerKey(), trail: await file.text() }),
  });
  const result = await response.json();
  if (!response.ok) {
    say(answer, `Refused: ${result.error}`, true);
    return;
  }
  say(answer, `Verified and ranked ${result.rank}.`, false);
  await showRanking(false);
}

function start() {
  const query = new URLSearchParams(location.search);
  state.date = query.get("date") ?? todayUtc();
  document.getElementById("date").value = state.date;
  document.getElementById("name").value = localStorage.getItem(kNameItem) ?? "";
  document.getElementById("pick").addEventListener("submit", (event) => {
    event.preventDefault();
    state.date = document.getElementById("date").value;
    state.period = Number(document.getElementById("period").value) || kUsualPeriod;
    showRanking(false);
  });
  document.getElementById("more").addEventListener("click", () => showRanking(true));
  document.getElementById("upload").addEventListener("submit", submitTrail);
  showRanking(false);
}

start();
