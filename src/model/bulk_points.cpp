#include "model/bulk_points.h"

#include <algorithm>

#include "model/board_scoring.h"
#include "model/section_scoring.h"

namespace vindelkast {

namespace {

int scoredSlots(const Board& board) {
    int n = 0;
    for (int i = 0; i < board.resultCount; ++i) n += hasScore(board.results[i].nsScore) ? 1 : 0;
    return n;
}

}  // namespace

float raisedPoints(float points, int n, int most, bool neuberg) {
    // -9999 marks a side without a score; scaling it would make a bogus value.
    if (points <= kNoPoints) return points;
    if (neuberg) return static_cast<float>(neubergPoints(points, n, most));
    return static_cast<float>(points * (static_cast<double>(most - 1) / static_cast<double>(n - 1)));
}

void raiseBoard(Board& board, int n, int most, bool neuberg, int section) {
    for (int i = 0; i < std::clamp(board.resultCount, 0, kMaxResults); ++i) {
        BoardResult& r = board.results[i];
        if (section >= 0 && (!board.contest || sectionOf(*board.contest, r.nsPair) != section)) continue;
        if (r.nsScore >= kAdjustedBase) {
            r.nsPoints = adjustedPoints(r.nsScore, Side::NorthSouth, 2 * (most - 1));
            r.ewPoints = adjustedPoints(r.ewScore, Side::EastWest, 2 * (most - 1));
            continue;
        }
        r.nsPoints = raisedPoints(r.nsPoints, n, most, neuberg);
        r.ewPoints = raisedPoints(r.ewPoints, n, most, neuberg);
    }
}

int levelBoards(Contest& contest) {
    // An IMP score is already a mean over the board's comparisons: nothing to raise.
    if (contest.scoringRule.imps()) return 0;
    // Across the field every scoring raises the boards already: twice would raise them again.
    if (contest.sections.any() && contest.sections.acrossField) return 0;
    // Per section, a board's count is its section's: a whole-field count would raise it wrongly.
    if (contest.sections.any()) return levelSections(contest);
    const int boards = contest.lastBoard();
    int most = 0;
    for (int b = 1; b <= boards; ++b) most = std::max(most, scoredSlots(contest.boards[b]));
    int levelled = 0;
    for (int b = 1; b <= boards; ++b) {
        Board& board = contest.boards[b];
        const int n = scoredSlots(board);
        if (n <= 1 || n >= most) continue;
        raiseBoard(board, n, most, contest.scoringRule.neuberg);
        ++levelled;
    }
    return levelled;
}

bool chooseScoringRule(Contest& contest, const ScoringRule& rule) {
    if (contest.scoringRule == rule) return false;
    const bool rescore = contest.scoringRule.method != rule.method;
    contest.scoringRule = rule;
    if (rescore) rescoreBoards(contest);
    return true;
}

bool chooseSectionComparison(Contest& contest, bool acrossField) {
    if (!contest.sections.any() || contest.sections.acrossField == acrossField) return false;
    contest.sections.acrossField = acrossField;
    rescoreBoards(contest);
    return true;
}

void rescoreBoards(Contest& contest) { scoreSectionedBoards(contest); }

}  // namespace vindelkast
