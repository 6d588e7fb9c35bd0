#include "movement/table_rounds.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "model/board_results.h"
#include "model/sections.h"
#include "model/standings.h"
#include "movement/movement.h"

namespace vindelkast {

namespace {

int groupCount(const Contest& contest) {
    const int k = contest.boardsPerRound;
    return k > 0 ? (contest.lastBoard() + k - 1) / k : contest.lastBoard();
}

int groupOf(const Contest& contest, int board) {
    return contest.boardsPerRound > 0 ? (board - 1) / contest.boardsPerRound : board - 1;
}

// Every slot gathered per round and pairing, with the boards each pairing plays, in one
// pass over the boards; rounds beyond the last board's number are not the movement's.
std::vector<std::vector<TableSeat>> pairingsByRound(const Contest& contest, int rounds) {
    std::map<std::tuple<int, int, int>, TableSeat> seats;
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            if (r.round < 1 || r.round > rounds) continue;
            TableSeat& seat = seats[{r.round, r.nsPair, r.ewPair}];
            if (seat.boards.empty()) seat = {0, r.round, r.nsPair, r.ewPair, r.nsPlayer2, r.ewPlayer2, {}};
            seat.boards.push_back(b);
        }
    }
    std::vector<std::vector<TableSeat>> all(static_cast<std::size_t>(rounds) + 1);
    for (auto& [key, seat] : seats) all[static_cast<std::size_t>(seat.round)].push_back(std::move(seat));
    return all;
}

int movementRounds(const Contest& contest) {
    int last = 0;
    for (int b = 1; b <= contest.lastBoard(); ++b)
        for (int i = 0; i < contest.boards[b].resultCount; ++i)
            last = std::max(last, contest.boards[b].results[i].round);
    return std::min(last, kMaxBoard);
}

// The group a table's boards had in round 1, if boards move one group on per round.
int homeGroup(const Contest& contest, const TableSeat& seat) {
    const int groups = std::max(groupCount(contest), 1);
    const int group = groupOf(contest, seat.boards.front());
    return ((group - (seat.round - 1)) % groups + groups) % groups;
}

// The seats of one round of one field, in the order of their NS pairs.
using FieldRounds = std::vector<std::vector<TableSeat*>>;

// The guide card's own table numbers, when it gave one to every seat of the field and no two
// seats of a round share one: then tables that share boards, or whose boards do not move one
// group on per round, are still told apart.
bool numberFromCard(const Contest& contest, FieldRounds& field) {
    if (!contest.movement || contest.movement->tables.empty()) return false;
    const auto& tables = contest.movement->tables;
    for (std::vector<TableSeat*>& seats : field) {
        std::set<int> taken;
        for (TableSeat* seat : seats) {
            const auto found = tables.find({seat->round, seat->nsPair, seat->ewPair});
            if (found == tables.end() || found->second < 1 || found->second > kMaxPair / 2 ||
                !taken.insert(found->second).second)
                return false;
            seat->table = found->second;
        }
    }
    return true;
}

// A table keeps its number while its boards move one group on per round; where two tables of
// a round would share a number, they are numbered by NS pair. The field's tables follow on
// from `firstTable`.
void numberByHomes(const Contest& contest, FieldRounds& field, int firstTable) {
    std::set<int> homes;
    bool shared = false;
    for (const std::vector<TableSeat*>& seats : field) {
        std::set<int> inRound;
        for (const TableSeat* seat : seats) {
            const int home = homeGroup(contest, *seat);
            homes.insert(home);
            shared = shared || !inRound.insert(home).second;
        }
    }
    for (std::vector<TableSeat*>& seats : field)
        for (std::size_t i = 0; i < seats.size(); ++i) {
            const int home = homeGroup(contest, *seats[i]);
            seats[i]->table =
                firstTable + (shared ? static_cast<int>(i)
                                     : static_cast<int>(std::distance(homes.begin(), homes.find(home))));
        }
}

// Every round's tables of a built-in movement or guide card, numbered. In an evening of
// sections each section numbers its own tables, on from the sections before it, so a table
// keeps its number whichever tables of the other sections rest.
std::vector<std::vector<TableSeat>> movementTables(const Contest& contest) {
    const int rounds = movementRounds(contest);
    std::vector<std::vector<TableSeat>> all = pairingsByRound(contest, rounds);
    const int sections = contest.sections.any() ? static_cast<int>(contest.sections.list.size()) : 1;
    for (int s = 0; s < sections; ++s) {
        const bool whole = !contest.sections.any();
        const int first = whole ? 0 : contest.sections.list[static_cast<std::size_t>(s)].firstPair;
        const int last = whole ? kMaxPair : contest.sections.list[static_cast<std::size_t>(s)].lastPair;
        FieldRounds field(all.size());
        for (std::size_t r = 0; r < all.size(); ++r)
            for (TableSeat& seat : all[r])
                if (seat.nsPair >= first && seat.nsPair <= last) field[r].push_back(&seat);
        if (!numberFromCard(contest, field))
            numberByHomes(contest, field, whole ? 1 : firstTableOfSection(contest, s));
    }
    for (std::vector<TableSeat>& seats : all)
        std::sort(seats.begin(), seats.end(),
                  [](const TableSeat& a, const TableSeat& b) { return a.table < b.table; });
    return all;
}

// What the movement's tables follow from: every slot's round and seats, the board
// groups and the card's table numbers. Scores are left out, so storing a result keeps it the same.
std::vector<int> seatingKey(const Contest& contest) {
    std::vector<int> key{contest.boardCount, contest.boardsPerRound};
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        key.push_back(board.resultCount);
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            key.insert(key.end(), {r.round, r.nsPair, r.ewPair, r.nsPlayer2, r.ewPlayer2});
        }
    }
    if (contest.movement)
        for (const auto& [seat, table] : contest.movement->tables)
            key.insert(key.end(), {std::get<0>(seat), std::get<1>(seat), std::get<2>(seat), table});
    return key;
}

// A request from a table asks for the movement's tables several times, and a whole evening
// of requests mostly sees the same seating: the last answer is kept while the seating is
// the same (compared in full, so a kept answer is never another seating's).
const std::vector<std::vector<TableSeat>>& keptMovementTables(const Contest& contest) {
    thread_local std::vector<int> keptKey;
    thread_local std::vector<std::vector<TableSeat>> kept;
    thread_local bool filled = false;
    std::vector<int> key = seatingKey(contest);
    if (!filled || key != keptKey) {
        kept = movementTables(contest);
        keptKey = std::move(key);
        filled = true;
    }
    return kept;
}

// Gröna Hissen: the round's group of boards, the slot's round field being the table.
std::vector<TableSeat> drawnTables(const Contest& contest, int round) {
    std::map<int, TableSeat> seats;
    for (int b : boardsOfGroupRound(contest, round)) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            TableSeat& seat = seats[r.round];
            if (seat.boards.empty())
                seat = {r.round, round, r.nsPair, r.ewPair, r.nsPlayer2, r.ewPlayer2, {}};
            seat.boards.push_back(b);
        }
    }
    std::vector<TableSeat> list;
    for (auto& [table, seat] : seats) list.push_back(std::move(seat));
    return list;
}

}  // namespace

bool seatFinished(const Contest& contest, const TableSeat& seat) {
    for (int b : seat.boards) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            if (r.nsPair == seat.nsPair && r.ewPair == seat.ewPair && !hasScore(r.nsScore)) return false;
        }
    }
    return true;
}

bool seatStarted(const Contest& contest, const TableSeat& seat) {
    for (int b : seat.boards) {
        const BoardResult* slot = findResult(contest.boards[b], seat.nsPair, seat.ewPair);
        if (slot && hasScore(slot->nsScore)) return true;
    }
    return false;
}

bool tableRests(const Contest& contest, int table, int round) {
    if (contest.roundsDrawn() || table < 1 || table > tableCountOfEvening(contest, false) || round < 1 ||
        round > lastTableRound(contest, false))
        return false;
    return tableSeat(contest, table, round, false).table == 0;
}

bool tablesFollowMovement(const Contest& contest) {
    if (contest.roundsDrawn()) return true;
    bool allBoardsLaid = contest.lastBoard() > 0;
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        allBoardsLaid = allBoardsLaid && board.resultCount > 0;
        // Typed slots carry their board group's round; a movement's rarely all do.
        for (int i = 0; i < board.resultCount; ++i)
            if (contest.boardsPerRound > 0 && board.results[i].round != roundOfBoard(contest, b)) return true;
    }
    return allBoardsLaid;
}

std::vector<int> boardsOfGroupRound(const Contest& contest, int round) {
    std::vector<int> boards;
    const int k = contest.boardsPerRound;
    if (k <= 0 || round < 1) return boards;
    for (int b = (round - 1) * k + 1; b <= std::min(round * k, contest.lastBoard()); ++b) boards.push_back(b);
    return boards;
}

int lastTableRound(const Contest& contest, bool pairsTyped) {
    if (pairsTyped || contest.roundsDrawn()) return contest.boardsPerRound > 0 ? groupCount(contest) : 0;
    return movementRounds(contest);
}

std::vector<std::vector<TableSeat>> eveningTables(const Contest& contest, bool pairsTyped) {
    const int rounds = lastTableRound(contest, pairsTyped);
    if (pairsTyped) return std::vector<std::vector<TableSeat>>(static_cast<std::size_t>(rounds) + 1);
    if (!contest.roundsDrawn()) return keptMovementTables(contest);
    std::vector<std::vector<TableSeat>> all(static_cast<std::size_t>(rounds) + 1);
    for (int r = 1; r <= rounds; ++r) all[static_cast<std::size_t>(r)] = drawnTables(contest, r);
    return all;
}

std::vector<TableSeat> roundTables(const Contest& contest, int round, bool pairsTyped) {
    if (pairsTyped || round < 1 || round > lastTableRound(contest, pairsTyped)) return {};
    if (contest.roundsDrawn()) return drawnTables(contest, round);
    return keptMovementTables(contest)[static_cast<std::size_t>(round)];
}

TableSeat tableSeat(const Contest& contest, int table, int round, bool pairsTyped) {
    if (pairsTyped || round < 1 || round > lastTableRound(contest, pairsTyped)) return {};
    if (contest.roundsDrawn()) {
        for (const TableSeat& seat : drawnTables(contest, round))
            if (seat.table == table) return seat;
        return {};
    }
    for (const TableSeat& seat : keptMovementTables(contest)[static_cast<std::size_t>(round)])
        if (seat.table == table) return seat;
    return {};
}

int tableCountOfEvening(const Contest& contest, bool pairsTyped) {
    if (pairsTyped) {
        const int perTable = contest.isIndividual ? 4 : 2;
        const int pairs = std::clamp(contest.maxPairNumber, 0, kMaxPair);
        return std::min((pairs + perTable - 1) / perTable, kMaxPair / 2);
    }
    int count = 0;
    for (const std::vector<TableSeat>& round : eveningTables(contest, false))
        for (const TableSeat& seat : round) count = std::max(count, seat.table);
    return std::min(count, kMaxPair / 2);
}

int currentTableRound(const Contest& contest, int table, bool pairsTyped) {
    const int rounds = lastTableRound(contest, pairsTyped);
    if (pairsTyped) {
        int highest = 0;
        for (int r = 1; r <= rounds; ++r)
            for (int b : boardsOfGroupRound(contest, r))
                for (int i = 0; i < contest.boards[b].resultCount; ++i)
                    if (hasScore(contest.boards[b].results[i].nsScore)) highest = r;
        return std::max(highest, rounds > 0 ? 1 : 0);
    }
    int last = 0;
    std::vector<std::vector<TableSeat>> drawn;
    if (contest.roundsDrawn()) drawn = eveningTables(contest, false);
    const std::vector<std::vector<TableSeat>>& all =
        contest.roundsDrawn() ? drawn : keptMovementTables(contest);
    for (int r = 1; r <= rounds; ++r) {
        for (const TableSeat& seat : all[static_cast<std::size_t>(r)]) {
            if (seat.table != table) continue;
            if (!seatFinished(contest, seat)) return r;
            last = r;
        }
    }
    return last;
}

TableSeat currentTableSeat(const Contest& contest, int table) {
    if (contest.roundsDrawn())
        return tableSeat(contest, table, currentTableRound(contest, table, false), false);
    const std::vector<std::vector<TableSeat>>& all = keptMovementTables(contest);
    const int rounds = std::min(lastTableRound(contest, false), static_cast<int>(all.size()) - 1);
    const TableSeat* last = nullptr;
    for (int r = 1; r <= rounds; ++r) {
        for (const TableSeat& seat : all[static_cast<std::size_t>(r)]) {
            if (seat.table != table) continue;
            if (!seatFinished(contest, seat)) return seat;
            last = &seat;
        }
    }
    return last ? *last : TableSeat{};
}

}  // namespace vindelkast
