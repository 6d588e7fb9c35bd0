#include "model/contest_scoring.h"

#include <algorithm>
#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/sections.h"

namespace vindelkast {

namespace {

// Each section's results on the board scored among themselves, as if the board held only them.
void scoreBySection(const Contest& contest, Board& board) {
    for (std::size_t s = 0; s < contest.sections.list.size(); ++s) {
        Board part;
        part.number = board.number;
        part.contest = board.contest;
        std::vector<int> slots;
        for (int i = 0; i < board.resultCount; ++i)
            if (sectionOf(contest, board.results[i].nsPair) == static_cast<int>(s)) {
                part.results[static_cast<std::size_t>(part.resultCount++)] = board.results[i];
                slots.push_back(i);
            }
        scoreBoard(part, contest.scoringRule);
        for (std::size_t k = 0; k < slots.size(); ++k) board.results[slots[k]] = part.results[k];
    }
}

// Raises each board played fewer times than the most-played ones, counted among the results
// of `section` (-1: the whole field), to that count. Returns whether each board was raised.
std::vector<bool> raiseToMostPlayed(Contest& contest, int section) {
    const int boards = contest.lastBoard();
    std::vector<bool> raised(static_cast<std::size_t>(boards + 1), false);
    int most = 0;
    for (int b = 1; b <= boards; ++b) most = std::max(most, countScored(contest.boards[b], section));
    for (int b = 1; b <= boards; ++b) {
        const int n = countScored(contest.boards[b], section);
        if (n <= 1 || n >= most) continue;
        raiseBoard(contest.boards[b], n, most, contest.scoringRule.neuberg, section);
        raised[static_cast<std::size_t>(b)] = true;
    }
    return raised;
}

// Every board scored over the whole field, then the boards played fewer times raised.
void scoreAcrossField(Contest& contest) {
    for (int b = 1; b <= contest.lastBoard(); ++b) scoreBoard(contest.boards[b], contest.scoringRule);
    // IMPs are a mean over the comparisons already: nothing to raise.
    if (!contest.scoringRule.imps()) raiseToMostPlayed(contest, -1);
}

}  // namespace

void scoreContestBoard(Contest& contest, Board& board) {
    if (!contest.sections.any())
        scoreBoard(board, contest.scoringRule);
    else if (contest.sections.acrossField)
        scoreAcrossField(contest);
    else
        scoreBySection(contest, board);
}

void rescoreBoards(Contest& contest) {
    if (contest.sections.any() && contest.sections.acrossField) {
        scoreAcrossField(contest);
        return;
    }
    for (int b = 1; b <= contest.lastBoard(); ++b) scoreContestBoard(contest, contest.boards[b]);
}

int levelBoards(Contest& contest) {
    // An IMP score is already a mean over the board's comparisons: nothing to raise.
    if (contest.scoringRule.imps()) return 0;
    // Across the field every scoring raises the boards already: twice would raise them again.
    if (contest.sections.any() && contest.sections.acrossField) return 0;
    // Per section, a board's count is its section's: a whole-field count would raise it wrongly.
    std::vector<bool> levelled(static_cast<std::size_t>(contest.lastBoard() + 1), false);
    const int parts = contest.sections.any() ? static_cast<int>(contest.sections.list.size()) : 1;
    for (int s = 0; s < parts; ++s) {
        const std::vector<bool> raised = raiseToMostPlayed(contest, contest.sections.any() ? s : -1);
        for (std::size_t b = 0; b < raised.size(); ++b) levelled[b] = levelled[b] || raised[b];
    }
    return static_cast<int>(std::count(levelled.begin(), levelled.end(), true));
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

}  // namespace vindelkast
