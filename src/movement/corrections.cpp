#include "movement/corrections.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/contest_scoring.h"
#include "model/entry_grid.h"
#include "model/evening_progress.h"
#include "model/result_order.h"
#include "model/sections.h"
#include "model/typed_score.h"
#include "movement/movement.h"
#include "movement/table_rounds.h"

namespace vindelkast {

namespace {

Correction refused(std::string problem) { return {std::move(problem), "", {}}; }

std::string number(int n) { return std::to_string(n); }

// "3-12", as the slips and the grid write a table's pairs.
std::string pairsText(const Contest& contest, int ns, int ew) {
    return pairLabel(contest, ns) + "-" + pairLabel(contest, ew);
}

std::string boardProblem(const Contest& contest, int board) {
    if (boardInContest(contest, board)) return "";
    return "Giv " + number(board) + " finns inte i t\xe4vlingen (1-" + number(contest.lastBoard()) + ")";
}

std::string pairProblem(const Contest& contest, int pair) {
    if (!pairInContest(contest, pair)) return "Par " + number(pair) + " finns inte i t\xe4vlingen";
    if (sitsOut(contest, pair)) return "Par " + pairLabel(contest, pair) + " sitter \xf6ver";
    return "";
}

// The slot of the result, or the message why there is none.
std::string findSlot(Contest& contest, int board, int ns, int ew, BoardResult*& slot) {
    slot = nullptr;
    if (std::string problem = boardProblem(contest, board); !problem.empty()) return problem;
    slot = findResult(contest.boards[board], ns, ew);
    if (slot) return "";
    return pairsText(contest, ns, ew) + " spelar inte giv " + number(board) + " mot varandra";
}

// An adjusted code with its NS and EW percentages changed places; any other score as it is.
int turnedScore(int score) {
    if (score < kAdjustedBase) return score;
    const int ns = (score / 10) % 10;
    const int ew = score % 10;
    return kAdjustedBase + ew * 10 + ns;
}

void turnSlot(BoardResult& slot) {
    std::swap(slot.nsPair, slot.ewPair);
    std::swap(slot.nsPlayer2, slot.ewPlayer2);
    setScore(slot, turnedScore(slot.nsScore));
}

// Where the contract of a result goes when the result's board or pairs change.
struct ContractMove {
    ContractKey from;
    ContractKey to;
};

// Moves every contract at once, so pairs that trade numbers do not overwrite each other's.
void moveContracts(Contest& contest, const std::vector<ContractMove>& moves) {
    std::vector<std::pair<ContractKey, PlayedContract>> taken;
    for (const ContractMove& move : moves) {
        const auto found = contest.contracts.find(move.from);
        if (found == contest.contracts.end()) continue;
        taken.emplace_back(move.to, found->second);
        contest.contracts.erase(found);
    }
    for (const auto& [key, played] : taken) contest.contracts.insert_or_assign(key, played);
}

// A guide card's table numbers are keyed by the round and the seats' pairs: the table keeps
// its number when the pairs at it are renamed or turned round.
using CardSeat = std::tuple<int, int, int>;  // round, NS, EW
void renameCardSeats(Contest& contest, const std::function<CardSeat(const CardSeat&)>& rename) {
    if (!contest.movement || contest.movement->tables.empty()) return;
    std::map<CardSeat, int> renamed;
    for (const auto& [seat, table] : contest.movement->tables) renamed[rename(seat)] = table;
    contest.movement->tables = std::move(renamed);
}

// Tables numbered from the movement's boards and pairs alone may come out numbered otherwise once
// a seat's pairs turn or trade, and a table's phone would find another table's pairs: the numbers
// the evening plays under are kept as a card's before the first such correction.
void keepTableNumbers(Contest& contest) {
    if (contest.roundsDrawn() || !tablesFollowMovement(contest)) return;
    if (contest.movement && !contest.movement->tables.empty()) return;
    std::map<CardSeat, int> tables;
    for (const std::vector<TableSeat>& round : eveningTables(contest, false))
        for (const TableSeat& seat : round) tables[{seat.round, seat.nsPair, seat.ewPair}] = seat.table;
    if (tables.empty()) return;
    if (!contest.movement) contest.movement = std::make_shared<Movement>();
    contest.movement->tables = std::move(tables);
}

// The changed boards sorted into the contest's result order and scored afresh.
Correction done(Contest& contest, std::string name, const std::set<int>& changed) {
    for (int b : changed) {
        Board& board = contest.boards[b];
        sortResults(board);
        if (countScored(board) > 0) contest.boardHasScores[b] = true;
    }
    if (contest.sections.any() && contest.sections.acrossField)
        rescoreBoards(contest);  // one board's count moves the top of all
    else
        for (int b : changed) scoreContestBoard(contest, contest.boards[b]);
    return {"", std::move(name), {changed.begin(), changed.end()}};
}

void eraseSlot(Board& board, const BoardResult* slot) {
    const auto at = static_cast<int>(slot - board.results.data());
    for (int i = at; i + 1 < board.resultCount; ++i) board.results[i] = board.results[i + 1];
    board.results[--board.resultCount] = BoardResult{};
}

// The slot of `toBoard` the moved result fills: an unscored one of the same two pairs, or a new
// one; "" or why neither will do.
std::string moveTarget(Contest& contest, const BoardResult& moved, int toBoard, BoardResult*& target) {
    Board& board = contest.boards[toBoard];
    target = nullptr;
    for (int i = 0; i < board.resultCount; ++i) {
        BoardResult& r = board.results[i];
        const bool samePairs = (r.nsPair == moved.nsPair && r.ewPair == moved.ewPair) ||
                               (r.nsPair == moved.ewPair && r.ewPair == moved.nsPair);
        if (samePairs && !hasScore(r.nsScore)) target = &r;
    }
    for (int pair : {moved.nsPair, moved.ewPair, moved.nsPlayer2, moved.ewPlayer2}) {
        if (pair == 0 || !hasPair(board, pair)) continue;
        if (target && (target->nsPair == pair || target->ewPair == pair || target->nsPlayer2 == pair ||
                       target->ewPlayer2 == pair))
            continue;
        return "Par " + pairLabel(contest, pair) + " har redan ett resultat p\xe5 giv " + number(toBoard);
    }
    if (!target && board.resultCount >= kMaxResults)
        return "Giv " + number(toBoard) + " har redan " + number(kMaxResults) + " resultat";
    return "";
}

}  // namespace

Correction turnTable(Contest& contest, int table, int round) {
    const bool typed = !tablesFollowMovement(contest);
    if (typed)
        return refused(
            "T\xe4vlingen har ingen r\xf6relse som s\xe4ger vilka par som satt vid bordet; v\xe4nd "
            "resultaten ett och ett");
    const TableSeat seat = tableSeat(contest, table, round, false);
    if (seat.table == 0)
        return refused("Bord " + tableLabel(contest, table) + " spelar inte i rond " + number(round));
    keepTableNumbers(contest);
    std::set<int> changed;
    std::vector<ContractMove> moves;
    for (int b : seat.boards) {
        BoardResult* slot = findResult(contest.boards[b], seat.nsPair, seat.ewPair);
        if (!slot) continue;
        turnSlot(*slot);
        moves.push_back({{b, seat.nsPair, seat.ewPair}, {b, seat.ewPair, seat.nsPair}});
        changed.insert(b);
    }
    moveContracts(contest, moves);
    // A drawn round's slots carry their table, not their round: no card numbers them.
    if (!contest.roundsDrawn()) {
        const CardSeat before{round, seat.nsPair, seat.ewPair};
        renameCardSeats(contest, [&](const CardSeat& key) {
            return key == before ? CardSeat{round, seat.ewPair, seat.nsPair} : key;
        });
    }
    return done(contest, "NS/\xd6V omv\xe4nda bord " + tableLabel(contest, table) + ", rond " + number(round),
                changed);
}

Correction moveResult(Contest& contest, int fromBoard, int nsPair, int ewPair, int toBoard) {
    BoardResult* slot = nullptr;
    if (std::string problem = findSlot(contest, fromBoard, nsPair, ewPair, slot); !problem.empty())
        return refused(problem);
    if (std::string problem = boardProblem(contest, toBoard); !problem.empty()) return refused(problem);
    if (toBoard == fromBoard) return refused("Resultatet st\xe5r redan p\xe5 giv " + number(toBoard));
    BoardResult* target = nullptr;
    if (std::string problem = moveTarget(contest, *slot, toBoard, target); !problem.empty())
        return refused(problem);

    const bool laid = tablesFollowMovement(contest);
    BoardResult moved = *slot;
    if (target) {
        // The movement's slot says when the pairs play the board.
        moved.round = target->round;
        *target = moved;
    } else {
        // Typed as it goes, a slot's round is its board's group.
        if (!laid) moved.round = slotRound(contest, toBoard);
        Board& to = contest.boards[toBoard];
        to.results[static_cast<std::size_t>(to.resultCount++)] = moved;
    }
    // The movement still seats the pairs at the board they left: it waits for its own score.
    if (laid)
        setScore(*slot, kNoScore);
    else
        eraseSlot(contest.boards[fromBoard], slot);
    moveContracts(contest, {{{fromBoard, nsPair, ewPair}, {toBoard, nsPair, ewPair}}});
    return done(contest,
                "Resultatet " + pairsText(contest, nsPair, ewPair) + " flyttat fr\xe5n giv " +
                    number(fromBoard) + " till giv " + number(toBoard),
                {fromBoard, toBoard});
}

Correction giveArtificialScore(Contest& contest, int board, int nsPair, int ewPair, std::string_view typed) {
    BoardResult* slot = nullptr;
    if (std::string problem = findSlot(contest, board, nsPair, ewPair, slot); !problem.empty())
        return refused(problem);
    const TypedScore reading = readTypedScore(typed, board);
    if (reading.kind != TypedScore::Kind::Score || reading.value < kAdjustedBase)
        return refused("Inget konstlat resultat: " + std::string(typed) +
                       " (skriv det som i rutan: %=, %+, %-, %+-, %-+ ...)");
    setScore(*slot, reading.value);
    // No contract was played to it.
    contest.contracts.erase({board, nsPair, ewPair});
    return done(contest,
                "Konstlat resultat " + adjustedScoreText(reading.value) + " giv " + number(board) + ", " +
                    pairsText(contest, nsPair, ewPair),
                {board});
}

Correction turnResult(Contest& contest, int board, int nsPair, int ewPair) {
    BoardResult* slot = nullptr;
    if (std::string problem = findSlot(contest, board, nsPair, ewPair, slot); !problem.empty())
        return refused(problem);
    turnSlot(*slot);
    moveContracts(contest, {{{board, nsPair, ewPair}, {board, ewPair, nsPair}}});
    return done(contest,
                "NS/\xd6V omv\xe4nda giv " + number(board) + ", " + pairsText(contest, nsPair, ewPair),
                {board});
}

Correction renumberResult(Contest& contest, int board, int nsPair, int ewPair, int newNs, int newEw) {
    BoardResult* slot = nullptr;
    if (std::string problem = findSlot(contest, board, nsPair, ewPair, slot); !problem.empty())
        return refused(problem);
    for (int pair : {newNs, newEw})
        if (std::string problem = pairProblem(contest, pair); !problem.empty()) return refused(problem);
    if (newNs == newEw) return refused("Ett par kan inte spela mot sig sj\xe4lvt");
    if (newNs == nsPair && newEw == ewPair)
        return refused(pairsText(contest, nsPair, ewPair) + " har redan de numren p\xe5 giv " +
                       number(board));
    const Board& bd = contest.boards[board];
    for (int pair : {newNs, newEw})
        for (int i = 0; i < bd.resultCount; ++i) {
            const BoardResult& r = bd.results[i];
            if (&r == slot) continue;
            if (r.nsPair == pair || r.ewPair == pair ||
                (contest.isIndividual && (r.nsPlayer2 == pair || r.ewPlayer2 == pair)))
                return refused("Par " + pairLabel(contest, pair) + " har redan ett resultat p\xe5 giv " +
                               number(board));
        }
    slot->nsPair = newNs;
    slot->ewPair = newEw;
    moveContracts(contest, {{{board, nsPair, ewPair}, {board, newNs, newEw}}});
    return done(contest,
                "Nya parnummer giv " + number(board) + ": " + pairsText(contest, nsPair, ewPair) + " blir " +
                    pairsText(contest, newNs, newEw),
                {board});
}

Correction tradePlaces(Contest& contest, int pairA, int pairB, int fromRound) {
    for (int pair : {pairA, pairB})
        if (std::string problem = pairProblem(contest, pair); !problem.empty()) return refused(problem);
    if (pairA == pairB) return refused("Ett par kan inte byta plats med sig sj\xe4lvt");
    const int rounds = eveningRoundCount(contest);
    if (fromRound < 1 || fromRound > rounds)
        return refused("Rond " + number(fromRound) + " finns inte (kv\xe4llen har " + number(rounds) +
                       " ronder)");

    const auto traded = [&](int pair) { return pair == pairA ? pairB : pair == pairB ? pairA : pair; };
    // A pair that played a board before the round and now would again is no trade of places.
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        std::set<int> seated;
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            const bool later = slotRound(contest, b, r) >= fromRound;
            for (int seat : {r.nsPair, r.ewPair, r.nsPlayer2, r.ewPlayer2})
                if (seat != 0 && !seated.insert(later ? traded(seat) : seat).second)
                    return refused("Par " + pairLabel(contest, later ? traded(seat) : seat) +
                                   " skulle f\xe5 tv\xe5 resultat p\xe5 giv " + number(b));
        }
    }
    keepTableNumbers(contest);
    std::set<int> changed;
    std::vector<ContractMove> moves;
    bool bPlays = false;
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            BoardResult& r = board.results[i];
            if (slotRound(contest, b, r) < fromRound) continue;
            const BoardResult before = r;
            for (int* seat : {&r.nsPair, &r.ewPair, &r.nsPlayer2, &r.ewPlayer2}) {
                bPlays = bPlays || *seat == pairB;
                *seat = traded(*seat);
            }
            if (r.nsPair == before.nsPair && r.ewPair == before.ewPair && r.nsPlayer2 == before.nsPlayer2 &&
                r.ewPlayer2 == before.ewPlayer2)
                continue;
            changed.insert(b);
            moves.push_back({{b, before.nsPair, before.ewPair}, {b, r.nsPair, r.ewPair}});
        }
    }
    if (changed.empty())
        return refused("Varken par " + pairLabel(contest, pairA) + " eller par " + pairLabel(contest, pairB) +
                       " spelar fr\xe5n rond " + number(fromRound));
    moveContracts(contest, moves);
    if (!contest.roundsDrawn())
        renameCardSeats(contest, [&](const CardSeat& key) {
            const auto [round, ns, ew] = key;
            return round < fromRound ? key : CardSeat{round, traded(ns), traded(ew)};
        });
    const std::string a = pairLabel(contest, pairA);
    const std::string b = pairLabel(contest, pairB);
    return done(contest,
                (bPlays ? "Par " + a + " och " + b + " byter plats" : "Par " + a + " blir par " + b) +
                    " fr\xe5n rond " + number(fromRound),
                changed);
}

}  // namespace vindelkast
