#pragma once

// The table page's script (ASCII; Swedish letters as \u escapes). Every text from the
// server goes into the page through textContent, never as markup.
namespace vindelkast {

inline constexpr const char* kTablePageScript = R"JS(
"use strict";
const $ = id => document.getElementById(id);
const S = {table: 0, code: "", typed: false, individual: false, round: null, board: 0, pick: {}, asked: 0};
const SEATS = {N: "N", E: "\u00d6", S: "S", W: "V"};
function msg(t) { $("msg").textContent = t || ""; $("msg").classList.toggle("hidden", !t); }
function show(id) { for (const s of ["login", "round", "entry", "slip"]) $(s).classList.toggle("hidden", s !== id); }
function el(tag, text, cls) { const e = document.createElement(tag); if (text !== undefined) e.textContent = text; if (cls) e.className = cls; return e; }
function auth() { return {table: S.table, code: S.code}; }
async function call(path, body) {
  const r = await fetch("/api/" + path, {method: "POST", headers: {"Content-Type": "application/json"}, body: JSON.stringify(body)});
  let json = {};
  try { json = await r.json(); } catch (e) {}
  return {status: r.status, json: json};
}
function load(key, fallback) { try { return JSON.parse(localStorage.getItem(key)) || fallback; } catch (e) { return fallback; } }
function save(key, value) { localStorage.setItem(key, JSON.stringify(value)); }
function queueKey() { return "vk-ko-" + S.table; }
function pairsKey(round) { return "vk-par-" + S.table + "-" + round; }
function newId() {
  const b = new Uint8Array(12); crypto.getRandomValues(b);
  return "b" + S.table + "-" + Array.from(b, x => x.toString(16).padStart(2, "0")).join("");
}
function resultText(p) {
  if (!p || p.contract === "pass") return "pass";
  const diff = p.tricks - (parseInt(p.contract, 10) + 6);
  return p.contract + " " + (SEATS[p.declarer] || p.declarer) + " " + (diff === 0 ? "=" : diff > 0 ? "+" + diff : "\u2212" + (-diff));
}

async function login(table, code) {
  try {
    const r = await call("login", table ? {table: table, code: code} : {code: code});
    if (r.status !== 200) { msg(r.json.message || "Inloggningen misslyckades"); show("login"); return; }
    Object.assign(S, {table: r.json.table, code: code, typed: r.json.pairsTyped, individual: r.json.individual});
    save("vk-inloggning", {table: S.table, code: S.code});
    msg(""); renderQueue(); loadRound(0); flush();
  } catch (e) {
    // Without network the table goes on from the round it saw last; entries wait.
    const cached = load("vk-rond-" + table, null);
    if (cached && cached.code === code) {
      Object.assign(S, {table: table, code: code, typed: cached.round.pairsTyped, individual: cached.round.individual, round: cached.round});
      msg("Ingen kontakt med servern. Det du skriver sparas och skickas sen."); renderQueue(); renderRound(); show("round");
    } else { msg("Ingen kontakt med servern. F\u00f6rs\u00f6k igen."); show("login"); }
  }
}

async function loadRound(round) {
  const body = auth();
  if (round) body.round = round;
  const saved = S.typed && round ? load(pairsKey(round), null) : null;
  if (saved) Object.assign(body, saved);
  try {
    const r = await call("round", body);
    if (r.status !== 200) { msg(r.json.message || "Kunde inte h\u00e4mta ronden"); return; }
    S.round = r.json;
    save("vk-rond-" + S.table, {code: S.code, round: r.json});
    if (S.typed && !saved && load(pairsKey(r.json.round), null)) return loadRound(r.json.round);
    renderRound(); show("round");
  } catch (e) { msg("Ingen kontakt med servern. Det du skriver sparas och skickas sen."); if (S.round) renderRound(); }
}

function renderRound() {
  const j = S.round;
  $("where").textContent = "Bord " + j.table + " \u00b7 Rond " + j.round + (j.round !== j.current ? " (nu rond " + j.current + ")" : "");
  const seats = $("seats"); seats.textContent = "";
  const people = j.individual ? [["N", j.ns], ["S", j.south], ["\u00d6", j.ew], ["V", j.west]] : [["NS", j.ns], ["\u00d6V", j.ew]];
  for (const [label, p] of people) if (p) seats.appendChild(el("div", label + ": " + p.nr + " " + p.name));
  const nav = el("div", undefined, "row");
  if (j.round === j.current && j.current > 1) nav.appendChild(button("F\u00f6reg\u00e5ende rond", () => loadRound(j.current - 1)));
  if (j.round !== j.current) nav.appendChild(button("Aktuell rond", () => loadRound(j.current)));
  seats.appendChild(nav);
  $("typed").classList.toggle("hidden", !S.typed);
  if (S.typed) renderTypedInputs();
  const list = $("boards"); list.textContent = "";
  const queued = load(queueKey(), []);
  for (const b of j.boards) {
    const mine = queued.filter(q => q.board === b.board).pop();
    const state = b.entered ? "NS " + b.score + (b.played ? " (" + resultText(b.played) + ")" : "")
                : mine ? ({waiting: "v\u00e4ntar p\u00e5 att skickas", conflict: "hos t\u00e4vlingsledaren", error: "fel: " + mine.note}[mine.state] || "skickad") : "";
    const btn = button("Bricka " + b.board, () => openEntry(b), "board" + (b.entered ? " done" : ""));
    btn.appendChild(el("small", "Zon: " + b.vulnerability + " \u00b7 Giv: " + b.dealer + (state ? " \u00b7 " + state : "")));
    list.appendChild(btn);
  }
}

function renderTypedInputs() {
  const box = $("typedInputs"); box.textContent = "";
  const saved = load(pairsKey(S.round.round), {});
  const fields = S.individual ? [["ns", "N"], ["south", "S"], ["ew", "\u00d6"], ["west", "V"]] : [["ns", "NS"], ["ew", "\u00d6V"]];
  for (const [key, label] of fields) {
    const l = el("label", label); const i = el("input"); i.id = "typed-" + key; i.setAttribute("inputmode", "numeric"); i.value = saved[key] || "";
    l.appendChild(i); box.appendChild(l);
  }
  $("typedBtn").onclick = () => {
    const pairs = {};
    for (const [key] of fields) { const n = parseInt($("typed-" + key).value, 10); if (n > 0) pairs[key] = n; }
    save(pairsKey(S.round.round), pairs); loadRound(S.round.round);
  };
}

function button(text, onClick, cls) { const b = el("button", text, cls); b.type = "button"; b.onclick = onClick; return b; }
function choices(box, key, options, red) {
  const row = $(box); row.textContent = "";
  for (const [value, label] of options) {
    const b = button(label, () => pick(key, value), (red && red.includes(value) ? "red" : "") + (S.pick[key] === value ? " on" : ""));
    row.appendChild(b);
  }
}
function openEntry(b) {
  S.board = b.board; S.pick = {};
  $("entryTitle").textContent = "Bricka " + b.board;
  $("entryInfo").textContent = "Zon: " + b.vulnerability + " \u00b7 Giv: " + b.dealer;
  msg(""); drawEntry(); show("entry");
}
function drawEntry() {
  const levels = [1, 2, 3, 4, 5, 6, 7].map(n => [n, String(n)]); levels.push([0, "Pass"]);
  choices("levels", "level", levels);
  const passed = S.pick.level === 0;
  for (const id of ["strains", "doubles", "declarers", "results"]) $(id).classList.toggle("hidden", passed);
  choices("strains", "strain", [["C", "\u2663 K"], ["D", "\u2666 R"], ["H", "\u2665 H"], ["S", "\u2660 S"], ["NT", "NT"]], ["D", "H"]);
  choices("doubles", "double", [["", "\u2013"], ["X", "X"], ["XX", "XX"]]);
  choices("declarers", "declarer", [["N", "N"], ["E", "\u00d6"], ["S", "S"], ["W", "V"]]);
  const res = [];
  if (S.pick.level) {
    for (let d = S.pick.level + 6; d >= 1; --d) res.push([-d, "\u2212" + d]);
    res.push([0, "="]);
    for (let u = 1; u <= 7 - S.pick.level; ++u) res.push([u, "+" + u]);
  }
  choices("results", "result", res);
}
function pick(key, value) {
  S.pick[key] = value;
  if (key === "level" && S.pick.result !== undefined && (S.pick.result > 7 - value || S.pick.result < -(value + 6))) delete S.pick.result;
  drawEntry(); preview();
}
function entryBody() {
  const p = S.pick;
  if (p.level === 0) return {board: S.board, contract: "pass"};
  if (!p.level || !p.strain || p.double === undefined || !p.declarer || p.result === undefined) return null;
  return {board: S.board, contract: p.level + p.strain + p.double, declarer: p.declarer, tricks: p.level + 6 + p.result};
}
async function preview() {
  const body = entryBody(); const asked = ++S.asked;
  if (!body) { $("preview").textContent = ""; return; }
  try {
    const r = await call("preview", Object.assign(auth(), body));
    if (asked === S.asked) $("preview").textContent = r.status === 200 ? "NS " + r.json.score : (r.json.message || "");
  } catch (e) { if (asked === S.asked) $("preview").textContent = "Po\u00e4ngen visas n\u00e4r n\u00e4tet \u00e4r tillbaka"; }
}
function confirmEntry() {
  const body = entryBody();
  if (!body) { msg("V\u00e4lj kontrakt, spelf\u00f6rare och resultat"); return; }
  if (S.typed) {
    const pairs = load(pairsKey(S.round.round), {});
    if (!pairs.ns || !pairs.ew) { msg("Skriv parnumren f\u00f6rst"); show("round"); return; }
    Object.assign(body, pairs);
  }
  const id = newId();
  const queue = load(queueKey(), []);
  queue.push({id: id, board: S.board, state: "waiting", note: "", body: Object.assign(auth(), {entry: id}, body)});
  save(queueKey(), queue.slice(-200));
  S.awaiting = id; renderQueue(); flush(); show("round"); renderRound();
}

let flushing = false;
async function flush() {
  if (flushing || !S.table) return;
  flushing = true;
  try {
    for (const q of load(queueKey(), []).filter(q => q.state === "waiting")) {
      let r;
      try { r = await call("submit", q.body); } catch (e) { break; }
      const queue = load(queueKey(), []); const item = queue.find(x => x.id === q.id);
      if (!item) continue;
      if (r.status === 200) item.state = "sent";
      else if (r.status === 409 && r.json.status === "konflikt") { item.state = "conflict"; item.note = r.json.message; }
      else if (r.status === 400 || r.status === 409 || r.status === 422) { item.state = "error"; item.note = r.json.message || ""; }
      else { msg(r.json.message || "Servern svarar inte som v\u00e4ntat"); save(queueKey(), queue); break; }
      save(queueKey(), queue);
      if (item.state !== "sent" || q.id !== S.awaiting) { if (item.note) msg(item.note); continue; }
      showSlip(r.json);
    }
  } finally { flushing = false; renderQueue(); }
}
function showSlip(j) {
  $("slipTitle").textContent = "Bricka " + j.board + " \u00b7 resultat hittills";
  const rows = $("slipRows"); rows.textContent = "";
  for (const x of j.results || []) {
    const tr = el("tr");
    for (const t of [x.ns.nr, x.ew.nr, x.played ? resultText(x.played) : "", x.score]) tr.appendChild(el("td", String(t)));
    rows.appendChild(tr);
  }
  show("slip");
}
function renderQueue() {
  const queue = load(queueKey(), []); const count = s => queue.filter(q => q.state === s).length;
  $("queue").textContent = S.table ? "Skickade: " + count("sent") + " \u00b7 V\u00e4ntar: " + count("waiting") +
    (count("conflict") ? " \u00b7 Hos t\u00e4vlingsledaren: " + count("conflict") : "") + (count("error") ? " \u00b7 Fel: " + count("error") : "") : "";
}

$("loginBtn").onclick = () => login(parseInt($("tableNr").value, 10) || 0, $("code").value.trim().toUpperCase());
$("confirmBtn").onclick = confirmEntry;
$("backBtn").onclick = () => show("round");
$("slipBack").onclick = () => { loadRound(S.round ? S.round.round : 0); };
window.addEventListener("online", flush);
setInterval(() => { flush(); }, 15000);
const url = new URLSearchParams(location.search);
const remembered = load("vk-inloggning", null);
if (url.get("bord") && url.get("kod")) login(parseInt(url.get("bord"), 10) || 0, url.get("kod").toUpperCase());
else if (remembered) login(remembered.table, remembered.code);
)JS";

}  // namespace vindelkast
