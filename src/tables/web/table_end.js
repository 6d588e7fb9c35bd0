function movesList(box, next) {
  box.textContent = "";
  for (const m of next) {
    const who = (S.individual ? "Spelare " : "Par ") + nrOf(m) + (m.name ? " " + m.name : "");
    const where = m.table ? " \u2192 bord " + tableOf(m) + ", " + SEATS[m.seat] + ", " + boardsText(m.boards) : ": N\u00e4sta rond st\u00e5r ni \u00f6ver";
    box.appendChild(el("p", who + where));
  }
}
// A finished round shows where everyone goes; the directions stay on the next round's page
// until its first board is entered.
function renderDone(j) {
  const finished = j.complete && !S.typed;
  const after = !finished && S.moves && S.moves.round === j.round - 1 && !j.boards.some(b => b.entered);
  $("done").classList.toggle("hidden", !finished && !after);
  if (!finished && !after) return;
  const e = j.evening; const last = finished && j.round >= e.rounds; const rests = finished ? j.rests : S.moves.rests;
  // A round drawn when the one before is done (a team event's) has no moves to show before then.
  const undrawn = finished && !last && j.nextDrawn === false;
  $("doneTitle").textContent = "Rond " + (finished ? j.round : S.moves.round) + (rests ? ": bordet vilar" : " \u00e4r klar" + (last || undrawn ? "" : ": s\u00e5 byter ni"));
  movesList($("moves"), finished ? j.next : S.moves.next);
  const counted = e.round === j.round ? " (" + e.tablesDone + " av " + e.tables + " klara)." : ".";
  $("doneWait").textContent = !finished ? "" : undrawn ? (e.round > j.round ? "Alla bord \u00e4r klara: rond " + (j.round + 1) + " b\u00f6rjar n\u00e4r t\u00e4vlingsledaren har lottat den." :
    "Rond " + (j.round + 1) + " lottas av t\u00e4vlingsledaren n\u00e4r alla bord \u00e4r klara" + counted) :
    j.nextStarted ? "Rond " + (j.round + 1) + " har b\u00f6rjat." :
    (last ? "Slutst\u00e4llningen visas" : "N\u00e4sta rond b\u00f6rjar") + " n\u00e4r alla bord \u00e4r klara" + counted;
  $("nextBtn").classList.toggle("hidden", !finished || last || undrawn);
  $("nextBtn").textContent = (j.rests ? "Vi b\u00f6rjar" : "Vi har bytt") + ": till rond " + (j.round + 1);
  $("nextBtn").onclick = () => { quiet(); S.browsing = false; loadRound(j.round + 1); };
}
// Moves on by itself: to the next round once it has begun, to the end once all is played.
function followEvening(j, background) {
  if (S.typed || !j.complete || S.browsing) return false;
  if (j.next && j.next.length) S.moves = {round: j.round, next: j.next, rests: j.rests};
  if (background && !shown("round")) return false;
  if (j.evening.over) { showEnd(); return true; }
  if (j.nextStarted && j.round < j.evening.rounds) { loadRound(j.round + 1, background); return true; }
  return false;
}

// A figure as its column writes it: to its decimals, with a decimal comma.
function decimal(x, column) { return x.toFixed(column.decimals).replace(".", ","); }
async function showEnd() {
  const body = auth();
  if (S.typed) Object.assign(body, load(pairsKey(S.round.round), {}));
  let r;
  try { r = await call("standings", body); } catch (e) { return; }
  if (r.status !== 200) { renderRound(); show("round"); say("roundMsg", r.json.message || ""); return; }
  $("where").textContent = "Bord " + (S.label || S.table) + " \u00b7 Kv\u00e4llen \u00e4r slut";
  // The server says which figures the lists show and how: the evening's way of scoring is its.
  S.figures = r.json.figures; S.points = r.json.points;
  const head = $("rankingTable").querySelector("thead tr");
  for (const th of head.querySelectorAll(".figure")) th.remove();
  for (const f of S.figures) head.appendChild(el("th", f.heading, "n figure"));
  // A team event ranks teams: the table's are those of its pairs (team t is pairs 2t-1 and 2t).
  S.teams = !!r.json.teams; head.children[1].textContent = S.teams ? "Lag" : "Par";
  const own = r.json.cards.map(c => S.teams ? Math.ceil(c.nr / 2) : c.nr);
  // In sections one ranking a section, the table's own first; the others follow in copies.
  const lists = r.json.sections || [{heading: r.json.heading, ranking: r.json.ranking}];
  const more = $("moreRankings"); more.textContent = "";
  lists.forEach((list, i) => {
    const title = i ? el("h3") : $("rankingTitle");
    const table = i ? $("rankingTable").cloneNode(true) : $("rankingTable");
    title.textContent = list.heading;
    if (i) { table.removeAttribute("id"); for (const x of table.querySelectorAll("[id]")) x.removeAttribute("id"); more.append(title, table); }
    fillRanking(table.querySelector("tbody"), list.ranking, own);
  });
  const cards = $("cards"); cards.textContent = "";
  for (const c of r.json.cards) cards.appendChild(cardTable(c));
  show("end");
}
function fillRanking(rows, ranking, own) {
  rows.textContent = "";
  for (const x of ranking) {
    const tr = el("tr", undefined, own.includes(x.nr) ? "own" : "");
    for (const [t, c] of [[x.place, "n"], [nrOf(x), "n"], [x.name || (S.teams ? "Lag " : "Par ") + nrOf(x), ""], ...S.figures.map(f => [decimal(x[f.key], f), "n"])]) tr.appendChild(el("td", String(t), c));
    rows.appendChild(tr);
  }
}
function cardTable(c) {
  const box = el("div", undefined, "card");
  box.appendChild(el("h3", (S.individual ? "Spelare " : "Par ") + nrOf(c) + (c.name ? " " + c.name : "") +
    // A pair of a team has no victory points of its own: its card shows its boards' IMPs only.
    (S.teams ? "" : " \u00b7 " + decimal(c[S.figures[0].key], S.figures[0]) + " " + S.figures[0].unit)));
  const table = el("table"); const head = el("tr");
  const figures = [[S.points.heading, "n"], ...(S.points.ofTop ? [["%", "n"]] : [])];
  for (const [t, cls] of [["Br", "n"], ["Mot", "n"], ["Kontrakt", ""], ["Po\u00e4ng", "n"], ...figures]) head.appendChild(el("th", t, cls));
  const thead = el("thead"); thead.appendChild(head); table.appendChild(thead);
  const body = el("tbody"); let round = 0;
  for (const x of c.rows) {
    if (x.round !== round) {
      round = x.round; const tr = el("tr"); const th = el("th", "Rond " + round + " \u00b7 " + SEATS[x.seat], "r");
      th.colSpan = 4 + figures.length; tr.appendChild(th); body.appendChild(tr);
    }
    const tr = el("tr"); const contract = el("td");
    if (x.played) contract.appendChild(contractNode(x.played));
    for (const [t, cls] of [[x.board, "n"], [nrOf(x.opponents) + (x.opponents2 ? "/" + nrOf(x.opponents2) : ""), "n"]]) tr.appendChild(el("td", String(t), cls));
    tr.appendChild(contract);
    // An adjusted score on a card is the pair's own share of it.
    const share = x.adjusted && (["NS", "N", "S"].includes(x.seat) ? x.adjusted.ns : x.adjusted.ew);
    const own = [x.adjusted ? "Justerat " + share + " %" : x.score, x.score === "" ? "" : decimal(x.points, S.points)];
    if (S.points.ofTop) own.push(x.top ? decimal(x.points * 100 / x.top, S.points) : "");
    for (const t of own) tr.appendChild(el("td", String(t), "n"));
    body.appendChild(tr);
  }
  table.appendChild(body); box.appendChild(table);
  return box;
}

// A table is typed as the slips show it: a number, or "B3" in an evening of sections; the code
// in its two groups of four or run together (the cookie of the results pages takes no blanks).
onTap("loginBtn", () => { const t = $("tableNr").value.trim().toUpperCase(); if (!t) { say("loginMsg", "Skriv bordets nummer"); return; } login(/^\d+$/.test(t) ? parseInt(t, 10) : t, $("code").value.replace(/\s+/g, "").toUpperCase()); });
onTap("confirmBtn", confirmEntry);
onTap("backBtn", () => { renderRound(); show("round"); });
onTap("slipBack", () => loadRound(S.round ? S.round.round : 0));
onTap("enteredBack", () => { renderRound(); show("round"); });
onTap("endRounds", () => { S.browsing = true; renderRound(); show("round"); });
window.addEventListener("online", flush);
setInterval(flush, 15000);
// The round on view is asked for again now and then: the director's decisions, the other
// tables' progress and the next round come that way.
setInterval(() => { if (S.round && shown("round")) loadRound(S.round.round, true); }, 5000);
const url = new URLSearchParams(location.search);
const remembered = load("vk-inloggning", null);
if (url.get("bord") && url.get("kod")) login(parseInt(url.get("bord"), 10) || 0, url.get("kod").toUpperCase());
else if (remembered) login(remembered.table, remembered.code);
