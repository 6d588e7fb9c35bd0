const STRAINS = [["C", "\u2663", "kl\u00f6ver"], ["D", "\u2666", "ruter"], ["H", "\u2665", "hj\u00e4rter"], ["S", "\u2660", "spader"], ["NT", "NT", "sang"]];
const SEAT_WORDS = {N: "Nord", E: "\u00d6st", S: "Syd", W: "V\u00e4st"};
function strainOf(code) { return STRAINS.find(s => s[0] === code) || ["", "", ""]; }
// A played contract as the server gives it ({contract: "4SX", declarer, tricks}) as the form's choices.
function pickOf(p) {
  if (!p || p.contract === "pass") return {level: 0, double: ""};
  const m = /^([1-7])(NT|N|C|D|H|S)(X{0,2})$/.exec(p.contract);
  if (!m) return {double: ""};
  const level = parseInt(m[1], 10);
  return {level: level, strain: m[2] === "N" ? "NT" : m[2], double: m[3], declarer: p.declarer, result: p.tricks - level - 6};
}
function trickText(r) { return r === 0 ? "=" : r > 0 ? "+" + r : "\u2212" + (-r); }
function resultText(p) {
  const k = pickOf(p);
  if (k.level === 0) return "pass";
  return k.level + strainOf(k.strain)[1] + k.double + " " + SEATS[k.declarer] + " " + trickText(k.result);
}
// The contract with its suit in colour (a class, so the page's policy allows it).
function contractNode(p) {
  const k = pickOf(p); const span = el("span");
  if (k.level === 0) { span.textContent = "pass"; return span; }
  span.appendChild(document.createTextNode(String(k.level)));
  span.appendChild(el("span", strainOf(k.strain)[1], k.strain === "D" || k.strain === "H" ? "suit-red" : ""));
  span.appendChild(document.createTextNode(k.double + " " + SEATS[k.declarer] + " " + trickText(k.result)));
  return span;
}
function words(k) {
  if (k.level === 0) return "Passad giv: alla passade";
  const doubled = k.double === "X" ? " dubblad" : k.double === "XX" ? " redubblad" : "";
  const r = k.result;
  const outcome = r === 0 ? "hemg\u00e5ng" : r > 0 ? "hemg\u00e5ng med " + r + " \u00f6vertrick" : (-r) + " straff";
  return k.level + " " + strainOf(k.strain)[2] + doubled + " av " + SEAT_WORDS[k.declarer] + ": " + outcome +
    " (" + (k.level + 6 + r) + " stick)";
}

function openBoard(b) {
  const queued = load(queueKey(), []).filter(q => q.board === b.board).pop();
  if (b.entered || (queued && (queued.state === "waiting" || queued.state === "conflict"))) return showEntered(b, queued);
  openEntry(b, {double: ""}, false);
}
function openEntry(b, pick, change) {
  S.board = b.board; S.pick = pick; S.change = change;
  $("entryTitle").textContent = (change ? "\u00c4ndra bricka " : "Bricka ") + b.board;
  $("entryInfo").textContent = "Zon: " + b.vulnerability + " \u00b7 Giv: " + b.dealer +
    (change ? " \u00b7 \u00e4ndring" : "");
  $("confirmBtn").textContent = change ? "Skicka till t\u00e4vlingsledaren" : "\u00d6V bekr\u00e4ftar";
  drawEntry(); show("entry"); preview();
}
function choices(box, key, options, red) {
  const row = $(box); row.textContent = "";
  for (const [value, label] of options)
    row.appendChild(button(label, () => pick(key, value), (red && red.includes(value) ? "red" : "") + (S.pick[key] === value ? " on" : "")));
}
function drawEntry() {
  const levels = [1, 2, 3, 4, 5, 6, 7].map(n => [n, String(n)]); levels.push([0, "Pass"]);
  choices("levels", "level", levels);
  const passed = S.pick.level === 0;
  for (const id of ["strains", "doubles", "declarers", "results", "declarerHead", "resultHead"]) $(id).classList.toggle("hidden", passed);
  choices("strains", "strain", STRAINS.map(s => [s[0], s[1] + (s[0] === "NT" ? "" : " " + s[2].slice(0, 2))]), ["D", "H"]);
  choices("doubles", "double", [["", "Odubblat"], ["X", "X"], ["XX", "XX"]]);
  choices("declarers", "declarer", [["N", "N"], ["E", "\u00d6"], ["S", "S"], ["W", "V"]]);
  const res = [];
  if (S.pick.level) {
    for (let d = S.pick.level + 6; d >= 1; --d) res.push([-d, "\u2212" + d]);
    res.push([0, "="]);
    for (let u = 1; u <= 7 - S.pick.level; ++u) res.push([u, "+" + u]);
  }
  choices("results", "result", res);
  $("confirmBtn").disabled = !entryBody();
}
function pick(key, value) {
  S.pick[key] = value;
  if (key === "level" && S.pick.result !== undefined && (S.pick.result > 7 - value || S.pick.result < -(value + 6))) delete S.pick.result;
  drawEntry(); preview();
  if (entryBody()) $("confirmBtn").scrollIntoView({block: "nearest"});
}
function missing() {
  const p = S.pick; const want = [];
  if (p.level === undefined) want.push("niv\u00e5");
  if (!p.strain) want.push("f\u00e4rg");
  if (!p.declarer) want.push("spelf\u00f6rare");
  if (p.result === undefined) want.push("resultat");
  return "V\u00e4lj " + want.join(", ").replace(/, ([^,]*)$/, " och $1");
}
function entryBody() {
  const p = S.pick;
  if (p.level === 0) return {board: S.board, contract: "pass"};
  if (!p.level || !p.strain || p.double === undefined || !p.declarer || p.result === undefined) return null;
  return {board: S.board, contract: p.level + p.strain + p.double, declarer: p.declarer, tricks: p.level + 6 + p.result};
}
async function preview() {
  const body = entryBody(); const asked = ++S.asked;
  $("summary").textContent = body ? words(S.pick) : missing();
  $("preview").textContent = "";
  if (!body) return;
  try {
    const r = await call("preview", Object.assign(auth(), body));
    if (asked === S.asked) $("preview").textContent = r.status === 200 ? "NS " + r.json.score : (r.json.message || "");
  } catch (e) { if (asked === S.asked) $("preview").textContent = "Po\u00e4ngen visas n\u00e4r n\u00e4tet \u00e4r tillbaka"; }
}
async function confirmEntry() {
  const body = entryBody();
  if (!body) return;
  if (S.typed) {
    const pairs = load(pairsKey(S.round.round), {});
    if (!pairs.ns || !pairs.ew) { say("entryMsg", "Skriv parnumren f\u00f6rst (under Brickor)"); return; }
    Object.assign(body, pairs);
  }
  const id = newId();
  const queue = load(queueKey(), []);
  queue.push({id: id, board: S.board, state: "waiting", note: "", body: Object.assign(auth(), {entry: id}, body)});
  save(queueKey(), queue.slice(-200));
  $("confirmBtn").disabled = true; say("entryMsg", "Skickar\u2026"); renderQueue();
  await flush();
  const item = load(queueKey(), []).find(q => q.id === id) || {state: "waiting", note: ""};
  if (item.state === "sent") { showSlip(answers[id]); loadRound(S.round.round, true); return; }
  if (item.state === "conflict")
    return say("entryMsg", S.change ? "Skickat. T\u00e4vlingsledaren avg\u00f6r vilket resultat som g\u00e4ller." : item.note);
  if (item.state === "error") {
    save(queueKey(), load(queueKey(), []).filter(q => q.id !== id)); renderQueue();
    $("confirmBtn").disabled = false; return say("entryMsg", item.note);
  }
  say("entryMsg", item.note || "Ingen kontakt med servern. Resultatet \u00e4r sparat i telefonen och skickas n\u00e4r n\u00e4tet \u00e4r tillbaka.");
}

function typedPairs() { const p = load(pairsKey(S.round.round), {}); return {ns: p.ns, ew: p.ew}; }
function fillSlip(rows, j) {
  rows.textContent = "";
  const own = S.round && S.round.ns ? S.round.ns.nr : 0;
  for (const x of (j && j.results) || []) {
    const tr = el("tr", undefined, x.ns.nr === own ? "own" : "");
    tr.appendChild(el("td", nrOf(x.ns))); tr.appendChild(el("td", nrOf(x.ew)));
    const td = el("td"); if (x.played) td.appendChild(contractNode(x.played)); tr.appendChild(td);
    tr.appendChild(el("td", x.adjusted ? adjustedText(x.adjusted) : String(x.score), "n"));
    rows.appendChild(tr);
  }
}
function showSlip(j) {
  $("slipTitle").textContent = "Bricka " + j.board + " \u00b7 resultat hittills";
  fillSlip($("slipRows"), j);
  show("slip");
}
async function showEntered(b, queued) {
  S.board = b.board;
  const held = (S.round.held || []).includes(b.board) || (queued && queued.state === "conflict");
  const sent = queued && queued.body.contract ? {contract: queued.body.contract, declarer: queued.body.declarer, tricks: queued.body.tricks} : null;
  const played = b.entered ? b.played : sent;
  $("enteredTitle").textContent = "Bricka " + b.board + (b.entered ? " \u00b7 inl\u00e4mnad" : " \u00b7 v\u00e4ntar p\u00e5 att skickas");
  $("enteredText").textContent = played ? words(pickOf(played)) : "Resultatet skrevs in hos t\u00e4vlingsledaren";
  $("enteredScore").textContent = b.entered ? nsScoreText(b) : "";
  const decided = !held && queued && queued.state === "decided" ? queued.note.charAt(0).toUpperCase() + queued.note.slice(1) + ". " : "";
  $("changeHow").textContent = held ? "Ert nya resultat v\u00e4ntar hos t\u00e4vlingsledaren, som avg\u00f6r vilket som g\u00e4ller."
    : decided && b.entered ? decided + "Tryck \u201dBeg\u00e4r \u00e4ndring\u201d om det \u00e4nd\u00e5 \u00e4r fel."
    : b.entered ? "\u00c4r resultatet fel? Tryck \u201dBeg\u00e4r \u00e4ndring\u201d och ge det r\u00e4tta. T\u00e4vlingsledaren avg\u00f6r vilket som g\u00e4ller."
    : "Resultatet skickas n\u00e4r n\u00e4tet \u00e4r tillbaka.";
  $("changeBtn").classList.toggle("hidden", held || !b.entered);
  $("changeBtn").onclick = () => { quiet(); openEntry(b, Object.assign({double: ""}, played ? pickOf(played) : {}), true); };
  fillSlip($("enteredRows"), null);
  show("entered");
  if (!b.entered) return;
  try {
    const r = await call("results", Object.assign(auth(), {board: b.board}, S.typed ? typedPairs() : {}));
    if (r.status === 200 && S.board === b.board) fillSlip($("enteredRows"), r.json);
    // Hidden while a pair at the table has the board to come: the slip says so.
    if (r.status === 403 && S.board === b.board) { const td = el("td", r.json.message || ""); td.colSpan = 4; $("enteredRows").appendChild(el("tr")).appendChild(td); }
  } catch (e) {}
}
