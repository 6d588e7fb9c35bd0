#include "tables/table_evening.h"

#include <algorithm>
#include <set>
#include <utility>

#include "model/board_results.h"

namespace vindelkast {

namespace {

// The pairings that typed a result on a round's boards, each with the round's boards.
std::vector<TableSeat> typedTables(const Contest& contest, int round) {
    const std::vector<int> boards = boardsOfGroupRound(contest, round);
    std::set<std::pair<int, int>> pairings;
    for (int b : boards)
        for (int i = 0; i < contest.boards[b].resultCount; ++i)
            pairings.insert({contest.boards[b].results[i].nsPair, contest.boards[b].results[i].ewPair});
    std::vector<TableSeat> seats;
    for (const auto& [ns, ew] : pairings) seats.push_back({0, round, ns, ew, 0, 0, boards});
    return seats;
}

int typedTableCount(const Contest& contest) {
    return contest.playingTableCount > 0 ? contest.playingTableCount : tableCountOfEvening(contest, true);
}

std::vector<TableSeat> tablesOfRound(const Contest& contest, int round, bool pairsTyped,
                                     const std::vector<std::vector<TableSeat>>& movement) {
    if (pairsTyped) return typedTables(contest, round);
    return movement[static_cast<std::size_t>(round)];
}

std::vector<int> participantsOf(const Contest& contest, const TableSeat& seat) {
    if (contest.isIndividual) return {seat.nsPair, seat.ewPair, seat.nsPartner, seat.ewPartner};
    return {seat.nsPair, seat.ewPair};
}

// The seat a participant has at a table: N and E for the pairs' lines, all four alone.
int seatAt(const TableSeat& seat, int participant) {
    if (participant == seat.ewPair) return East;
    if (participant == seat.nsPartner) return South;
    if (participant == seat.ewPartner) return West;
    return North;
}

}  // namespace

EveningState eveningState(const Contest& contest, bool pairsTyped) {
    EveningState state;
    state.rounds = lastTableRound(contest, pairsTyped);
    const std::vector<std::vector<TableSeat>> movement =
        pairsTyped ? std::vector<std::vector<TableSeat>>() : eveningTables(contest, false);
    for (int r = 1; r <= state.rounds; ++r) {
        const std::vector<TableSeat> seats = tablesOfRound(contest, r, pairsTyped, movement);
        state.round = r;
        state.tables = pairsTyped ? typedTableCount(contest) : static_cast<int>(seats.size());
        state.tablesDone = static_cast<int>(std::count_if(
            seats.begin(), seats.end(), [&](const TableSeat& s) { return seatFinished(contest, s); }));
        // A round not yet drawn, or one a table has not finished, is the round in play.
        if (state.tables == 0 || state.tablesDone < state.tables) return state;
    }
    state.over = state.rounds > 0;
    return state;
}

std::vector<NextSeat> nextSeats(const Contest& contest, const TableSeat& seat) {
    std::vector<NextSeat> moves;
    if (seat.table == 0 || seat.round >= lastTableRound(contest, false)) return moves;
    const std::vector<TableSeat> next = roundTables(contest, seat.round + 1, false);
    if (next.empty()) return moves;  // a Gröna Hissen round not drawn yet
    if (seat.nsPair == 0) {
        for (const TableSeat& there : next)
            if (there.table == seat.table)
                for (int participant : participantsOf(contest, there))
                    moves.push_back({participant, there.table, seatAt(there, participant), there.boards});
        return moves;
    }
    for (int participant : participantsOf(contest, seat)) {
        NextSeat move;
        move.participant = participant;
        for (const TableSeat& there : next)
            for (int p : participantsOf(contest, there))
                if (p == participant) {
                    move.table = there.table;
                    move.seat = seatAt(there, participant);
                    move.boards = there.boards;
                }
        moves.push_back(move);
    }
    return moves;
}

int tableRoundOnView(const Contest& contest, int table, bool pairsTyped, const EveningState& state) {
    const int current = currentTableRound(contest, table, pairsTyped);
    if (pairsTyped || contest.roundsDrawn() || state.over || current == 0) return current;
    int begun = 0;
    for (int r = 1; r <= state.rounds; ++r)
        if (seatStarted(contest, tableSeat(contest, table, r, false))) begun = r;
    const bool allPlayed = seatFinished(contest, tableSeat(contest, table, current, false));
    for (int r = std::max(state.round, begun + 1); r <= (allPlayed ? state.rounds : current - 1); ++r)
        if (tableRests(contest, table, r)) return r;
    return current;
}

bool nextRoundStarted(const Contest& contest, int table, int round, bool pairsTyped) {
    return nextRoundStarted(contest, table, round, pairsTyped, eveningState(contest, pairsTyped));
}

bool nextRoundStarted(const Contest& contest, int table, int round, bool pairsTyped,
                      const EveningState& state) {
    if (state.over) return true;
    // The round after one every table has finished begins once the director has drawn it.
    if (state.round > round) return state.round > round + 1 || state.tables > 0;
    if (pairsTyped) return false;
    const TableSeat next = tableSeat(contest, table, round + 1, false);
    for (int b : next.boards) {
        const BoardResult* slot = findResult(contest.boards[b], next.nsPair, next.ewPair);
        if (slot && hasScore(slot->nsScore)) return true;
    }
    return false;
}

}  // namespace vindelkast
