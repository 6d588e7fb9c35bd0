#include "tables/table_service.h"

#include <algorithm>

#include "files/seat_check.h"
#include "model/board_results.h"
#include "model/entry_rules.h"
#include "model/sections.h"
#include "model/standings.h"
#include "movement/table_rounds.h"
#include "tables/http_status.h"
#include "tables/results_access.h"
#include "tables/table_answers.h"
#include "tables/table_evening.h"

namespace vindelkast {

namespace {

TableDecision answer(TableOutcome outcome, int status, std::string body) {
    TableDecision d;
    d.outcome = outcome;
    d.status = status;
    d.body = std::move(body);
    return d;
}

TableDecision invalid(const std::string& message, int status = http::kUnprocessable) {
    return answer(TableOutcome::Invalid, status, tableMessageAnswer("fel", message));
}

std::string number(int n) { return std::to_string(n); }

TableStore slotOf(int table, int round, int board, int ns, int ew, int south, int west) {
    TableStore s;
    s.table = table;
    s.round = round;
    s.board = board;
    s.nsPair = ns;
    s.ewPair = ew;
    s.nsPartner = south;
    s.ewPartner = west;
    return s;
}

bool sameResult(const TableStore& a, const TableStore& b) {
    return a.board == b.board && a.nsPair == b.nsPair && a.ewPair == b.ewPair && a.nsScore == b.nsScore &&
           a.played == b.played;
}

// Typed pair numbers, checked as the grid checks a row.
BoardSeat typedSeat(const Contest& contest, const TableRequest& request, int table,
                    const std::set<TypedSeat>& seats) {
    BoardSeat seat;
    TableStore& s = seat.slot;
    s = slotOf(table, roundOfBoard(contest, request.board), request.board, request.nsPair, request.ewPair,
               request.nsPartner, request.ewPartner);
    const int current = currentTableRound(contest, table, true);
    if (s.round < current - 1 || s.round > current + 1)
        return {s, "Bricka " + number(request.board) + " h\xf6r till rond " + number(s.round) +
                       "; nu kan rond " + number(std::max(current - 1, 1)) + "-" + number(current + 1) +
                       " skrivas"};
    EntryRow row;
    row.ns = s.nsPair;
    row.ew = s.ewPair;
    row.nsPartner = s.nsPartner;
    row.ewPartner = s.ewPartner;
    const char* who = contest.isIndividual ? "spelarnumren" : "parnumren";
    if (!rowComplete(contest, row))
        return {s, std::string("Skriv ") + who + " (1-" + number(contest.maxPairNumber) + ")"};
    for (int n : {s.nsPair, s.ewPair, s.nsPartner, s.ewPartner})
        if (sitsOut(contest, n)) return {s, "Nummer " + number(n) + " \xe4r fripar"};
    if (const std::string taken = typedSeatTaken(contest, seats, typedSeatOf(s)); !taken.empty())
        return {s, taken};
    const Board& board = contest.boards[request.board];
    if (const BoardResult* slot = findResult(board, s.nsPair, s.ewPair)) {
        if (contest.isIndividual && (slot->nsPlayer2 != s.nsPartner || slot->ewPlayer2 != s.ewPartner))
            return {s, "Bricka " + number(request.board) + " har andra spelare vid bordet"};
        return seat;
    }
    const int twice = contest.isIndividual
                          ? playerSeatedTwice(board, s.nsPair, s.ewPair, s.nsPartner, s.ewPartner)
                          : playerSeatedTwice(board, s.nsPair, s.ewPair, 0, 0);
    if (twice != 0)
        return {s, std::string(contest.isIndividual ? "Spelare " : "Par ") + number(twice) +
                       " sitter redan vid ett annat bord p\xe5 bricka " + number(request.board) +
                       " eller \xe4r skrivet tv\xe5 g\xe5nger"};
    s.newSlot = true;
    return seat;
}

}  // namespace

BoardSeat boardSeatOfTable(const Contest& contest, const TableCodes& codes, const TableRequest& request,
                           const std::set<TypedSeat>& typedSeats) {
    const int table = request.table;
    if (!boardInContest(contest, request.board))
        return {{}, "Bricka " + number(request.board) + " finns inte i t\xe4vlingen"};
    if (codes.pairsTyped) return typedSeat(contest, request, table, typedSeats);
    const int current = currentTableRound(contest, table, false);
    if (current == 0) return {{}, "Bord " + tableLabel(contest, table) + " finns inte i spelschemat"};
    // The round before is the one the table last played, across a round it rested.
    int before = current - 1;
    while (before > 0 && tableRests(contest, table, before)) --before;
    for (int r : {current, before}) {
        const TableSeat seat = tableSeat(contest, table, r, false);
        if (std::find(seat.boards.begin(), seat.boards.end(), request.board) != seat.boards.end())
            return {slotOf(table, r, request.board, seat.nsPair, seat.ewPair, seat.nsPartner, seat.ewPartner),
                    ""};
    }
    return {{},
            "Bricka " + number(request.board) + " spelas inte vid bord " + tableLabel(contest, table) +
                " i rond " + number(current) + (before > 0 ? " eller " + number(before) : "")};
}

TableDecision TableService::handle(const Contest& contest, const TableRequest& request,
                                   const std::string& client, std::int64_t nowMs) {
    TableRequest r = request;
    if (!request.tableLabel.empty()) {
        r.table = tableFromLabel(contest, request.tableLabel);
        if (r.table < 1 || r.table > static_cast<int>(m_codes.tables.size()))
            return invalid("Bord " + request.tableLabel + " finns inte");
    }
    TableDecision auth = authorise(r, client, nowMs);
    if (auth.outcome == TableOutcome::Unauthorised) return auth;
    r.table = auth.store.table;
    switch (r.call) {
    case TableCall::Login:
        return answer(TableOutcome::Answer, http::kOk, loginAnswer(contest, r.table, m_codes.pairsTyped));
    case TableCall::Round:
        return round(contest, r);
    case TableCall::Submit:
        return submit(contest, r);
    case TableCall::Results:
        return results(contest, r);
    case TableCall::Standings:
        return standings(contest, r);
    case TableCall::Preview:
        if (!boardInContest(contest, r.board))
            return invalid("Bricka " + number(r.board) + " finns inte i t\xe4vlingen");
        return answer(TableOutcome::Answer, http::kOk, previewAnswer(r.board, nsScore(r.played, r.board)));
    }
    return invalid("Ok\xe4nd f\xf6rfr\xe5gan", http::kBadRequest);
}

int TableService::readerTable(int table, const std::string& code, const std::string& client,
                              std::int64_t nowMs) {
    if (table < 1 || table > static_cast<int>(m_codes.tables.size()) || tableOfCode(m_codes, code) != table ||
        !m_guard.knows(client, table))
        return 0;
    m_contacts[table] = nowMs;
    return table;
}

TableDecision TableService::authorise(const TableRequest& request, const std::string& client,
                                      std::int64_t nowMs) {
    // Every try names its table and a code opens that table alone: a guess counts against the
    // table it is for, whoever sends it, and never matches any of the evening's codes.
    if (request.table < 1 || request.table > static_cast<int>(m_codes.tables.size()))
        return answer(TableOutcome::Unauthorised, http::kBadRequest,
                      tableMessageAnswer("kod", "Skriv bordets nummer och koden"));
    const int table = request.table;
    const bool right = tableOfCode(m_codes, request.code) == table;
    // The table's own phone is never held up by what others try.
    if (!right || !m_guard.knows(client, table)) {
        const CodeTryVerdict verdict = m_guard.mayTry(client, request.table, nowMs);
        if (verdict.lockedOut)
            return answer(TableOutcome::Unauthorised, http::kForbidden,
                          tableMessageAnswer(
                              "last", "F\xf6r m\xe5nga felaktiga koder. Be t\xe4vlingsledaren om hj\xe4lp.",
                              verdict.waitSeconds));
        if (verdict.tableLocked) {
            // Refused whatever the code, so a guess learns nothing; a wrong one still counts.
            if (!right) {
                m_guard.failed(client, table, nowMs);
                guardChanged();
            }
            return answer(TableOutcome::Unauthorised, http::kForbidden,
                          tableMessageAnswer("last",
                                             "Bordet tar inte emot nya telefoner just nu: n\xe5gon har "
                                             "f\xf6rs\xf6kt med f\xf6r m\xe5nga felaktiga koder. Be "
                                             "t\xe4vlingsledaren om hj\xe4lp.",
                                             verdict.waitSeconds));
        }
        if (!verdict.allowed)
            return answer(
                TableOutcome::Unauthorised, http::kTooManyRequests,
                tableMessageAnswer("vanta",
                                   "V\xe4nta " + waitText(verdict.waitSeconds) + " och f\xf6rs\xf6k igen.",
                                   verdict.waitSeconds));
        if (!right) {
            m_guard.failed(client, request.table, nowMs);
            guardChanged();
            return answer(TableOutcome::Unauthorised, http::kUnauthorised,
                          tableMessageAnswer("kod", "Fel kod f\xf6r bordet"));
        }
        m_guard.succeeded(client, table);
        guardChanged();
    }
    m_contacts[table] = nowMs;
    TableDecision ok = answer(TableOutcome::Answer, http::kOk, "");
    ok.store.table = table;
    return ok;
}

TableDecision TableService::round(const Contest& contest, const TableRequest& request) const {
    const bool typed = m_codes.pairsTyped;
    const int current = tableRoundOnView(contest, request.table, typed, eveningState(contest, typed));
    const int r = request.round > 0 ? request.round : current;
    if (r < 1 || r > lastTableRound(contest, typed))
        return invalid("Rond " + number(r) + " finns inte", http::kNotFound);
    TableSeat seat;
    if (typed) {
        seat = {request.table,
                r,
                request.nsPair,
                request.ewPair,
                request.nsPartner,
                request.ewPartner,
                boardsOfGroupRound(contest, r)};
        const TypedSeat wanted{request.table,    r, request.nsPair, request.ewPair, request.nsPartner,
                               request.ewPartner};
        if (const std::string taken = typedSeatTaken(contest, m_sent.seats, wanted); !taken.empty())
            return invalid(taken, http::kForbidden);
    } else {
        seat = tableSeat(contest, request.table, r, false);
        if (seat.table == 0 && tableRests(contest, request.table, r))
            seat = {request.table, r, 0, 0, 0, 0, {}};
        if (seat.table == 0)
            return invalid(contest.roundsDrawn() ? "Rond " + number(r) + " \xe4r inte lottad \xe4n"
                                                 : "Bord " + tableLabel(contest, request.table) +
                                                       " spelar inte i rond " + number(r),
                           http::kNotFound);
    }
    std::vector<int> held;
    for (const PendingConflict& c : m_sent.conflicts)
        if (c.wanted.table == request.table) held.push_back(c.wanted.board);
    // The phone that waits on a held result hears what the director chose, in whatever round
    // it is by then.
    std::vector<std::pair<std::string, ConflictDecision>> decided;
    for (const auto& [entry, d] : m_sent.decided)
        if (d.table == request.table) decided.emplace_back(entry, d);
    // A slot the director typed shows as entered, its result only to the table that gave one.
    const bool ownResults = !typed || typedHere(request.table, r, request.nsPair, request.ewPair);
    return answer(TableOutcome::Answer, http::kOk,
                  roundAnswer(contest, seat, current, typed, held, decided, ownResults));
}

TableDecision TableService::standings(const Contest& contest, const TableRequest& request) const {
    const bool typed = m_codes.pairsTyped;
    if (!eveningState(contest, typed).over)
        return invalid("St\xe4llningen visas n\xe4r kv\xe4llen \xe4r slut", http::kForbidden);
    // The cards of the pairs who sit at the table at the end.
    TableSeat seat = {request.table,     0, request.nsPair, request.ewPair, request.nsPartner,
                      request.ewPartner, {}};
    if (!typed)
        seat = tableSeat(contest, request.table, currentTableRound(contest, request.table, false), false);
    std::vector<int> pairs;
    for (int p : {seat.nsPair, seat.ewPair, seat.nsPartner, seat.ewPartner})
        if (p > 0 && (contest.isIndividual || p == seat.nsPair || p == seat.ewPair)) pairs.push_back(p);
    return answer(TableOutcome::Answer, http::kOk, standingsAnswer(contest, pairs));
}

TableDecision TableService::submit(const Contest& contest, const TableRequest& request) {
    const BoardSeat seat = boardSeatOfTable(contest, m_codes, request, m_sent.seats);
    if (!seat.message.empty()) return invalid(seat.message);
    TableStore store = seat.slot;
    store.played = request.played;
    if (store.played.contract.passedOut()) store.played.declarer = 0, store.played.tricks = 0;
    store.nsScore = nsScore(store.played, store.board);
    store.entryId = request.entryId;
    if (const auto known = m_sent.stored.find(store.entryId); known != m_sent.stored.end()) {
        if (!sameResult(known->second, store))
            return invalid("Posten " + store.entryId + " \xe4r redan skickad med ett annat resultat",
                           http::kConflict);
        return answer(TableOutcome::Duplicate, http::kOk, boardResultsAnswer(contest, store.board, "redan"));
    }
    return slotDecision(contest, store);
}

TableDecision TableService::slotDecision(const Contest& contest, const TableStore& store) {
    TableDecision d = answer(TableOutcome::Store, http::kOk, "");
    d.store = store;
    if (store.newSlot) return d;
    const BoardResult* slot = findResult(contest.boards[store.board], store.nsPair, store.ewPair);
    if (!slot) return invalid("Bricka " + number(store.board) + " saknar bordets plats");
    const auto contract = contest.contracts.find({store.board, store.nsPair, store.ewPair});
    const bool hasContract = contract != contest.contracts.end();
    if (!hasScore(slot->nsScore)) return d;
    if (slot->nsScore == store.nsScore && !hasContract) return d;  // a typed score gets its contract
    if (slot->nsScore == store.nsScore && contract->second == store.played)
        return answer(TableOutcome::Duplicate, http::kOk, boardResultsAnswer(contest, store.board, "redan"));

    const std::string held = "Bricka " + number(store.board) + " har redan ett annat resultat (" +
                             scoreCellText(slot->nsScore) +
                             "). T\xe4vlingsledaren avg\xf6r vilket som g\xe4ller.";
    for (const PendingConflict& c : m_sent.conflicts)
        if (sameResult(c.wanted, store))
            return answer(TableOutcome::Conflict, http::kConflict, tableMessageAnswer("konflikt", held));
    if (m_sent.conflicts.size() >= kMaxConflicts)
        return invalid("F\xf6r m\xe5nga resultat v\xe4ntar p\xe5 t\xe4vlingsledaren", http::kUnavailable);
    keepTypedSeat(store);
    PendingConflict c{m_sent.nextConflict++, store, slot->nsScore, hasContract,
                      hasContract ? contract->second : PlayedContract{}};
    m_sent.conflicts.push_back(c);
    ++m_revision;
    return answer(TableOutcome::Conflict, http::kConflict, tableMessageAnswer("konflikt", held));
}

TableDecision TableService::results(const Contest& contest, const TableRequest& request) const {
    const int b = request.board;
    if (!boardInContest(contest, b)) return invalid("Bricka " + number(b) + " finns inte i t\xe4vlingen");
    int ns = request.nsPair;
    int ew = request.ewPair;
    // Without a movement a table reads only the results of pairs it has given results for.
    if (m_codes.pairsTyped && !typedHere(request.table, roundOfBoard(contest, b), ns, ew)) ns = ew = 0;
    if (!m_codes.pairsTyped) {
        ns = ew = 0;
        const int current = currentTableRound(contest, request.table, false);
        for (int r = 1; r <= current && ns == 0; ++r) {
            const TableSeat seat = tableSeat(contest, request.table, r, false);
            if (std::find(seat.boards.begin(), seat.boards.end(), b) != seat.boards.end()) {
                ns = seat.nsPair;
                ew = seat.ewPair;
            }
        }
    }
    const BoardResult* own = ns > 0 ? findResult(contest.boards[b], ns, ew) : nullptr;
    // A table sees the others' results only once it has given its own, and never while a pair
    // seated there (or sitting down for the next round) has still to play the board.
    if (!own || !hasScore(own->nsScore))
        return invalid("Resultaten f\xf6r bricka " + number(b) + " visas n\xe4r bordet har l\xe4mnat sitt",
                       http::kForbidden);
    if (!m_codes.pairsTyped && !readersView(contest, false, m_sent.published, request.table).shows(b))
        return invalid("Resultaten f\xf6r bricka " + number(b) +
                           " visas n\xe4r alla som sitter vid bordet har spelat den",
                       http::kForbidden);
    return answer(TableOutcome::Answer, http::kOk, boardResultsAnswer(contest, b, "ok"));
}

std::string TableService::storedAnswer(const Contest& contest, const TableStore& store) {
    keepTypedSeat(store);
    if (!store.entryId.empty()) {
        if (m_sent.stored.size() >= kMaxEntries) m_sent.stored.clear();
        // What tells a resent entry from another result, as the side file keeps it.
        TableStore& kept = m_sent.stored[store.entryId] = TableStore{};
        kept.board = store.board;
        kept.nsPair = store.nsPair;
        kept.ewPair = store.ewPair;
        kept.nsScore = store.nsScore;
        kept.played = store.played;
        kept.entryId = store.entryId;
        ++m_revision;
    }
    return boardResultsAnswer(contest, store.board, "lagrat");
}

void TableService::keepTypedSeat(const TableStore& store) {
    if (!m_codes.pairsTyped || store.table == 0 || m_sent.seats.size() >= kMaxEntries) return;
    if (m_sent.seats.insert(typedSeatOf(store)).second) ++m_revision;
}

bool TableService::typedHere(int table, int round, int ns, int ew) const {
    return std::any_of(m_sent.seats.begin(), m_sent.seats.end(), [&](const TypedSeat& seat) {
        return seat.table == table && seat.round == round && seat.ns == ns && seat.ew == ew;
    });
}

void TableService::takeEntries(TableEntries entries) {
    m_sent = std::move(entries);
    ++m_revision;
}

std::optional<TableStore> TableService::acceptConflict(int id) {
    auto& held = m_sent.conflicts;
    const auto found = std::find_if(held.begin(), held.end(), [&](const auto& c) { return c.id == id; });
    if (found == held.end()) return std::nullopt;
    TableStore store = found->wanted;
    decide(*found, true);
    held.erase(found);
    return store;
}

bool TableService::rejectConflict(int id) {
    auto& held = m_sent.conflicts;
    const auto found = std::find_if(held.begin(), held.end(), [&](const auto& c) { return c.id == id; });
    if (found == held.end()) return false;
    decide(*found, false);
    held.erase(found);
    return true;
}

void TableService::decide(const PendingConflict& conflict, bool accepted) {
    if (m_sent.decided.size() >= kMaxEntries) m_sent.decided.clear();
    const TableStore& s = conflict.wanted;
    if (!s.entryId.empty()) m_sent.decided[s.entryId] = {s.table, s.board, accepted};
    ++m_revision;
}

void TableService::publishResults() {
    m_sent.published = true;
    ++m_revision;
}

bool TableService::liftLockOut(const std::string& client, std::int64_t nowMs) {
    if (!m_guard.lift(client, nowMs)) return false;
    guardChanged();
    return true;
}

bool TableService::liftTableLock(int table, std::int64_t nowMs) {
    if (!m_guard.liftTable(table, nowMs)) return false;
    guardChanged();
    return true;
}

void TableService::clearLockOuts() {
    m_guard.clear();
    guardChanged();
}

void TableService::restoreGuard(GuardState state) {
    m_guard.restore(std::move(state));
    ++m_guardRevision;
}

void TableService::guardChanged() {
    ++m_guardRevision;
    if (m_guardChanged) m_guardChanged();
}

std::int64_t TableService::lastContact(int table) const {
    const auto found = m_contacts.find(table);
    return found == m_contacts.end() ? -1 : found->second;
}

}  // namespace vindelkast
