#include "model/entry_grid.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/sections.h"
#include "model/standings.h"

namespace vindelkast {

namespace {

// Where a table sits at, as one pair (player) sees it: its partner (individual contests)
// and its opponents.
struct Company {
    int partner = 0;
    int low = 0;
    int high = 0;
    bool operator==(const Company&) const = default;
};

}  // namespace

bool boardInContest(const Contest& contest, int board) { return board >= 1 && board <= contest.lastBoard(); }

bool pairInContest(const Contest& contest, int number) {
    return number >= 1 && number <= std::min(contest.maxPairNumber, kMaxPair);
}

EntryShape entryShape(const Contest& contest) {
    EntryShape shape;
    int rows = contest.playingTableCount;
    for (int b = 1; b <= contest.lastBoard(); ++b) rows = std::max(rows, contest.boards[b].resultCount);
    shape.rows = std::clamp(rows, 0, kMaxResults);
    shape.columns = std::min(contest.boardsPerRound > 0 ? contest.boardsPerRound : 5, kMaxEntryColumns);
    shape.individual = contest.isIndividual;
    shape.labelled = contest.sections.any();
    return shape;
}

BoardSpan roundSpan(const Contest& contest, int board) {
    if (!boardInContest(contest, board)) return {};
    if (contest.boardsPerRound <= 0) return {board, board};
    return {firstBoardOfRound(contest, board),
            std::min(lastBoardOfRound(contest, board), contest.lastBoard())};
}

bool roundEntryPossible(const Contest& contest) {
    return contest.boardsPerRound >= 1 && contest.boardsPerRound <= kMaxEntryColumns;
}

BoardSpan boardsOnView(const Contest& contest, int board, bool roundMode) {
    if (!boardInContest(contest, board)) return {};
    if (roundMode && roundEntryPossible(contest)) return roundSpan(contest, board);
    return {board, board};
}

int slotRound(const Contest& contest, int board) {
    return contest.boardsPerRound > 0 ? roundOfBoard(contest, board) : board;
}

int boardAfterStep(const Contest& contest, int board, bool roundMode, int direction) {
    const int step = roundMode && roundEntryPossible(contest) ? contest.boardsPerRound : 1;
    const int next = board + direction * step;
    return boardInContest(contest, next) ? next : 0;
}

int mixedPairingsBoard(const Contest& contest, int board) {
    const BoardSpan span = roundSpan(contest, board);
    std::array<Company, kMaxPair + 1> seen{};
    std::array<bool, kMaxPair + 1> met{};
    // True when `number` sits in other company than on an earlier board.
    const auto moved = [&](int number, int partner, int opponent1, int opponent2) {
        if (number < 1 || number > kMaxPair) return false;
        const Company now{partner, std::min(opponent1, opponent2), std::max(opponent1, opponent2)};
        if (!met[number]) {
            met[number] = true;
            seen[number] = now;
            return false;
        }
        return !(seen[number] == now);
    };
    for (int b = span.first; b <= span.last; ++b) {
        const Board& bd = contest.boards[b];
        for (int i = 0; i < bd.resultCount; ++i) {
            const BoardResult& r = bd.results[i];
            bool mixed;
            if (contest.isIndividual) {
                mixed = moved(r.nsPair, r.nsPlayer2, r.ewPair, r.ewPlayer2) ||
                        moved(r.nsPlayer2, r.nsPair, r.ewPair, r.ewPlayer2) ||
                        moved(r.ewPair, r.ewPlayer2, r.nsPair, r.nsPlayer2) ||
                        moved(r.ewPlayer2, r.ewPair, r.nsPair, r.nsPlayer2);
            } else {
                mixed = moved(r.nsPair, 0, r.ewPair, 0) || moved(r.ewPair, 0, r.nsPair, 0);
            }
            if (mixed) return b;
        }
    }
    return 0;
}

std::string columnHeadings(int firstBoard, int count, bool roundMode) {
    if (!roundMode) return std::to_string(firstBoard);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2d", firstBoard);
    std::string text = buffer;
    for (int j = 1; j < count; ++j) {
        std::snprintf(buffer, sizeof buffer, "%7d", firstBoard + j);
        text += buffer;
        if (j % 2 == 1) text += ' ';
    }
    return text;
}

FocusTarget focusAfterStore(int row, int column, int visibleColumns, int rows, bool nextRowNsEmpty,
                            bool firstRowNsEmpty) {
    if (column + 1 < visibleColumns) return {row, EntryField::Score, column + 1};
    if (row + 1 < rows) {
        if (nextRowNsEmpty) return {row + 1, EntryField::Ns, 0};
        return {row + 1, EntryField::Score, 0};
    }
    if (firstRowNsEmpty) return {0, EntryField::Ns, 0};
    return {0, EntryField::Score, 0};
}

}  // namespace vindelkast
