#include "movement/round_draw.h"

#include <algorithm>
#include <vector>

#include "model/board_results.h"
#include "model/standings.h"

namespace vindelkast {

namespace {

bool seatsOnBoard(const BoardResult& r, int pair) {
    return r.nsPair == pair || r.ewPair == pair || r.nsPlayer2 == pair || r.ewPlayer2 == pair;
}

// The first board without a result that has no score among `first`..`last`, or 0.
int firstUnscoredBoard(const Contest& contest, int first, int last) {
    for (int b = std::max(first, 1); b <= std::min(last, kMaxBoard); ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i)
            if (!hasScore(board.results[i].nsScore)) return b;
    }
    return 0;
}

struct SavedBoard {
    int resultCount;
    std::array<BoardResult, kMaxResults> results;
};

}  // namespace

DrawField drawFieldFor(Contest& contest, int firstBoard) {
    DrawField field;
    const Totals totals = contestTotals(contest);
    field.placeCount = totals.n;
    for (int place = 1; place <= totals.n; ++place) field.pairAt[place] = totals.ranking[place];
    const int bye = Contest::validPair(contest.byePair) ? contest.byePair : 0;
    if (totals.n > 0 && field.pairAt[totals.n] == 0 && bye > 0) field.pairAt[totals.n] = bye;
    field.byePair = bye;
    field.meetingLimit = contest.ghVariant;

    const int k = contest.boardsPerRound;
    for (int b = 1; k > 0 && b <= firstBoard - 1 && b <= kMaxBoard; b += k) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            if (!Contest::validPair(r.nsPair) || !Contest::validPair(r.ewPair)) continue;
            ++field.meetings[r.nsPair][r.ewPair];
            if (r.nsPair != r.ewPair) ++field.meetings[r.ewPair][r.nsPair];
        }
        if (b > contest.boardCount) continue;
        for (int p = 1; p <= kMaxPair; ++p) {
            if (field.satOut[p]) continue;
            bool seated = false;
            for (int i = 0; i < board.resultCount && !field.satOut[p]; ++i) {
                const BoardResult& r = board.results[i];
                if (r.nsPair == p && r.ewPair == contest.byePair) field.satOut[p] = true;
                if (seatsOnBoard(r, p)) seated = true;
            }
            if (!seated) field.satOut[p] = true;
        }
    }

    if (contest.tableCount < totals.n / 2) contest.tableCount = totals.n / 2;
    field.tableCount = contest.tableCount;
    return field;
}

int drawRound(Contest& contest) {
    const int lastBoard = contest.lastBoard();
    if (lastBoard < 1 || contest.boardsPerRound < 0) return 0;
    int b = 1;
    while (b < lastBoard && contest.boards[b].resultCount > 0) ++b;
    if (contest.boardsPerRound == 0) contest.boardsPerRound = 2;
    const int k = contest.boardsPerRound;
    const int round = lastBoardOfRound(contest, b) / k;

    if (const int missing = firstUnscoredBoard(contest, 1, (round - 1) * k)) return -missing;
    if (contest.boards[b].resultCount > 0) {
        if (const int missing = firstUnscoredBoard(contest, firstBoardOfRound(contest, b), lastBoard))
            return -missing;
        return kEveryRoundDrawn;
    }

    const DrawField field = drawFieldFor(contest, b);
    if (field.tableCount <= 0) return 0;
    const std::vector<DrawnTable> tables = seatTables(field);
    if (tables.empty()) return 0;

    // A round's boards past the contest's last board are not played.
    const int roundEnd = std::min(lastBoardOfRound(contest, b), lastBoard);
    std::vector<SavedBoard> saved;
    for (int board = b; board <= roundEnd; ++board)
        saved.push_back({contest.boards[board].resultCount, contest.boards[board].results});
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const int ns = field.pairAt[tables[t].upper];
        const int ew = field.pairAt[tables[t].lower];
        for (int board = b; board <= roundEnd; ++board) {
            if (addResult(contest.boards[board], ns, ew, static_cast<int>(t) + 1, kNoScore, 0.0f, 0.0f,
                          true) == 0)
                continue;
            // A failed draw leaves the boards as they were.
            for (int s = b; s <= roundEnd; ++s) {
                contest.boards[s].resultCount = saved[s - b].resultCount;
                contest.boards[s].results = saved[s - b].results;
            }
            return 0;
        }
    }
    return round;
}

}  // namespace vindelkast
