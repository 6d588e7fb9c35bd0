"use strict";
const $ = id => document.getElementById(id);
const S = {table: 0, code: "", typed: false, individual: false, round: null, board: null, pick: {}, asked: 0,
           change: false, browsing: false, ended: false};
const SEATS = {N: "N", E: "\u00d6", S: "S", W: "V", NS: "NS", EW: "\u00d6V"};
const SECTIONS = ["login", "round", "entry", "entered", "slip", "end"];
function el(tag, text, cls) { const e = document.createElement(tag); if (text !== undefined) e.textContent = text; if (cls) e.className = cls; return e; }
function show(id) { for (const s of SECTIONS) $(s).classList.toggle("hidden", s !== id); window.scrollTo(0, 0); }
function shown(id) { return !$(id).classList.contains("hidden"); }
// An adjusted score is what each side gets, as players say it; a bridge score is NS's.
function adjustedText(a) { return "Justerat " + a.ns + " % / " + a.ew + " %"; }
function nsScoreText(x) { return x.adjusted ? adjustedText(x.adjusted) : "NS " + x.score; }
// A message stands beside the button that caused it and goes with the next action.
function say(box, text) {
  $(box).textContent = text || ""; $(box).classList.toggle("hidden", !text);
  // Beside the button it answers, and on the screen however short the screen.
  if (text) $(box).scrollIntoView({block: "nearest"});
}
function quiet() { for (const m of document.querySelectorAll(".msg")) { m.textContent = ""; m.classList.add("hidden"); } }
function button(text, onClick, cls) { const b = el("button", text, cls); b.type = "button"; b.onclick = () => { quiet(); onClick(); }; return b; }
function onTap(id, action) { $(id).onclick = () => { quiet(); action(); }; }
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
function boardsText(list) {
  if (!list || !list.length) return "";
  const consecutive = list.every((b, i) => i === 0 || b === list[i - 1] + 1);
  return (list.length > 1 ? "brickor " : "bricka ") + (consecutive && list.length > 2 ? list[0] + "\u2013" + list[list.length - 1] : list.join(", "));
}
// A pair as the evening shows it: "B7" when it is played in sections, else its number.
function nrOf(p) { return p.label || String(p.nr); }
function pairText(p) { return p ? nrOf(p) + " " + p.name + (p.team ? (p.name ? " \u00b7 " : "") + p.team : "") : ""; }
// A table likewise: "B3" in sections (the requests carry its running number).
function tableOf(j) { return j.tableLabel || String(j.table); }

async function login(table, code) {
  const cached = load("vk-rond-" + table, null);
  try {
    const r = await call("login", {table: table, code: code});
    if (r.status !== 200) { show("login"); say("loginMsg", r.json.message || "Inloggningen misslyckades"); return; }
    Object.assign(S, {table: r.json.table, label: tableOf(r.json), code: code, typed: r.json.pairsTyped, individual: r.json.individual});
    save("vk-inloggning", {table: S.table, code: S.code});
    // The results pages (/resultat/) know the table by this, to show it the boards it has played.
    document.cookie = "vkbord=" + S.table + "-" + encodeURIComponent(S.code) + "; path=/resultat; SameSite=Strict; max-age=43200";
    $("resultsLink").classList.remove("hidden");
    renderQueue();
    // Back where the table was: a finished round stays on view until the next one begins.
    await loadRound(cached && cached.code === code && !S.typed ? cached.round.round : 0);
    flush();
  } catch (e) {
    // Without network the table goes on from the round it saw last; entries wait.
    if (cached && cached.code === code) {
      Object.assign(S, {table: table, code: code, typed: cached.round.pairsTyped, individual: cached.round.individual, round: cached.round});
      renderQueue(); renderRound(); show("round");
      say("roundMsg", "Ingen kontakt med servern. Det du skriver sparas och skickas sen.");
    } else { show("login"); say("loginMsg", "Ingen kontakt med servern. F\u00f6rs\u00f6k igen."); }
  }
}

async function loadRound(round, background, fallen) {
  const body = auth();
  if (round) body.round = round;
  const saved = S.typed && round ? load(pairsKey(round), null) : null;
  if (saved) Object.assign(body, saved);
  let r;
  try { r = await call("round", body); } catch (e) {
    if (!background) say("roundMsg", "Ingen kontakt med servern. Det du skriver sparas och skickas sen.");
    return;
  }
  if (r.status !== 200) {
    // The round not there (not drawn yet): the current one, which must not lead straight back to it.
    if (round && r.status === 404) return loadRound(0, background, true);
    if (!background) { show("round"); say("roundMsg", r.json.message || "Kunde inte h\u00e4mta ronden"); }
    return;
  }
  S.round = r.json;
  save("vk-rond-" + S.table, {code: S.code, round: r.json});
  if (S.typed && !saved && load(pairsKey(r.json.round), null)) return loadRound(r.json.round, background);
  settleConflicts(r.json.held || [], r.json.decided || []);
  if (!fallen && followEvening(r.json, background)) return;
  if (!background || shown("round")) { renderRound(); if (!background) show("round"); }
}

function boardState(b, queued) {
  const mine = queued.filter(q => q.board === b.board).pop();
  if (mine && mine.state === "conflict") return "hos t\u00e4vlingsledaren";
  const decided = mine && mine.state === "decided" ? " \u00b7 " + mine.note : "";
  if (b.entered) return nsScoreText(b) + (b.played ? " (" + resultText(b.played) + ")" : "") + decided;
  if (decided) return mine.note;
  if (!mine) return "";
  return {waiting: "v\u00e4ntar p\u00e5 att skickas", error: "fel: " + mine.note}[mine.state] || "skickad";
}

function renderRound() {
  const j = S.round;
  $("where").textContent = "Bord " + tableOf(j) + " \u00b7 Rond " + j.round + (j.evening ? " av " + j.evening.rounds : "");
  const seats = $("seats"); seats.textContent = "";
  if (j.rests) seats.appendChild(el("div", "Bordet vilar den h\u00e4r ronden: inga brickor att spela."));
  const people = j.individual ? [["N", j.ns], ["S", j.south], ["\u00d6", j.ew], ["V", j.west]] : [["NS", j.ns], ["\u00d6V", j.ew]];
  for (const [label, p] of people) if (p) seats.appendChild(el("div", label + ": " + pairText(p)));
  // The team on a line of its own: a long name then wraps as a name, and the standing stays whole.
  if (j.match) { const m = el("div", undefined, "match"); m.append(el("div", j.ns.team ? "NS (" + j.ns.team + "):" : "NS:", "note"), el("div", j.matchStanding)); seats.appendChild(m); }
  const nav = $("roundNav"); nav.textContent = "";
  if (j.round > 1) nav.appendChild(button("F\u00f6reg\u00e5ende rond", () => { S.browsing = true; loadRound(j.round - 1); }));
  const waiting = j.complete && !S.typed && j.current === j.round + 1;  // the done box leads on
  if (j.round !== j.current && !waiting) nav.appendChild(button("Aktuell rond", () => { S.browsing = false; loadRound(j.current); }));
  $("typed").classList.toggle("hidden", !S.typed);
  if (S.typed) renderTypedInputs();
  renderDone(j);
  const list = $("boards"); list.textContent = "";
  const queued = load(queueKey(), []);
  for (const b of j.boards) {
    const held = (j.held || []).includes(b.board);
    const state = boardState(b, queued);
    const btn = button("Bricka " + b.board, () => openBoard(b), "board" + (held ? " held" : b.entered ? " done" : ""));
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
    quiet();
    const pairs = {};
    for (const [key] of fields) { const n = parseInt($("typed-" + key).value, 10); if (n > 0) pairs[key] = n; }
    save(pairsKey(S.round.round), pairs); loadRound(S.round.round);
  };
}

// A result held for the director that the director has settled tells the table what was
// chosen; one settled without a word for it (sent again under another entry) leaves the queue.
function settleConflicts(held, decided) {
  const queue = load(queueKey(), []);
  let changed = false;
  for (const q of queue) {
    if (q.state !== "conflict" || held.includes(q.board)) continue;
    const d = decided.find(x => x.entry === q.id) || decided.find(x => x.board === q.board);
    q.state = d ? "decided" : "settled"; changed = true;
    if (d) q.note = d.accepted ? "t\u00e4vlingsledaren godtog ert nya resultat" : "t\u00e4vlingsledaren beh\u00f6ll det tidigare resultatet";
  }
  if (changed) { save(queueKey(), queue.filter(q => q.state !== "settled")); renderQueue(); }
}

let flushing = Promise.resolve();
// Sends what waits, in order; each answer is kept by its entry's id for whoever waits on it.
function flush() { flushing = flushing.then(flushOnce, flushOnce); return flushing; }
async function flushOnce() {
  if (!S.table) return;
  try {
    for (const q of load(queueKey(), []).filter(q => q.state === "waiting")) {
      let r;
      try { r = await call("submit", q.body); } catch (e) { break; }
      const queue = load(queueKey(), []); const item = queue.find(x => x.id === q.id);
      if (!item) continue;
      if (r.status === 200) item.state = "sent";
      else if (r.status === 409 && r.json.status === "konflikt") { item.state = "conflict"; item.note = r.json.message; }
      else if (r.status === 400 || r.status === 409 || r.status === 422) { item.state = "error"; item.note = r.json.message || ""; }
      else { item.note = r.json.message || "Servern svarar inte som v\u00e4ntat"; save(queueKey(), queue); break; }
      save(queueKey(), queue);
      answers[q.id] = r.json;
    }
  } finally { renderQueue(); }
}
const answers = {};
function renderQueue() {
  const queue = load(queueKey(), []); const count = s => queue.filter(q => q.state === s).length;
  $("queue").textContent = S.table ? "Skickade: " + count("sent") + " \u00b7 V\u00e4ntar: " + count("waiting") +
    (count("conflict") ? " \u00b7 Hos t\u00e4vlingsledaren: " + count("conflict") : "") +
    (count("decided") ? " \u00b7 Avgjorda av t\u00e4vlingsledaren: " + count("decided") : "") + (count("error") ? " \u00b7 Fel: " + count("error") : "") : "";
}
