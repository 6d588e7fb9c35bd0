#include "model/bulk_points.h"

#include <algorithm>

#include "model/board_scoring.h"

namespace vindelkast {

namespace {

int scoredSlots(const Board& board) {
    int n = 0;
    for (int i = 0; i < board.resultCount; ++i) n += board.results[i].nsScore != kNoScore ? 1 : 0;
    return n;
}

float scaled(float points, double factor) {
    // -9999 marks a side without a score; scaling it would make a bogus value.
    if (points <= kNoPoints) return points;
    return static_cast<float>(points * factor);
}

}  // namespace

int levelBoards(Contest& contest) {
    const int boards = std::clamp(contest.boardCount, 0, kMaxBoard);
    int most = 0;
    for (int b = 1; b <= boards; ++b) most = std::max(most, scoredSlots(contest.boards[b]));
    int levelled = 0;
    for (int b = 1; b <= boards; ++b) {
        Board& board = contest.boards[b];
        const int n = scoredSlots(board);
        if (n <= 1 || n >= most) continue;
        const double factor = static_cast<double>(most - 1) / static_cast<double>(n - 1);
        for (int i = 0; i < board.resultCount; ++i) {
            board.results[i].nsPoints = scaled(board.results[i].nsPoints, factor);
            board.results[i].ewPoints = scaled(board.results[i].ewPoints, factor);
        }
        ++levelled;
    }
    return levelled;
}

void rescoreBoards(Contest& contest) {
    const int boards = std::clamp(contest.boardCount, 0, kMaxBoard);
    for (int b = 1; b <= boards; ++b) scoreBoard(contest.boards[b]);
}

}  // namespace vindelkast
