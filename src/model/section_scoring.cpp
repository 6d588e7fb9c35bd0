#include "model/section_scoring.h"

#include <algorithm>
#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bulk_points.h"

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

// Every board scored over the whole field, then the boards played fewer times raised.
void scoreAcrossField(Contest& contest) {
    const int boards = contest.lastBoard();
    int most = 0;
    for (int b = 1; b <= boards; ++b) {
        scoreBoard(contest.boards[b], contest.scoringRule);
        most = std::max(most, countScored(contest.boards[b]));
    }
    // IMPs are a mean over the comparisons already: nothing to raise.
    if (contest.scoringRule.imps()) return;
    for (int b = 1; b <= boards; ++b) {
        Board& board = contest.boards[b];
        const int n = countScored(board);
        if (n > 1 && n < most) raiseBoard(board, n, most, contest.scoringRule.neuberg);
    }
}

}  // namespace

void scoreSectionedBoards(Contest& contest) {
    if (contest.sections.any() && contest.sections.acrossField) {
        scoreAcrossField(contest);
        return;
    }
    for (int b = 1; b <= contest.lastBoard(); ++b) scoreContestBoard(contest, contest.boards[b]);
}

void scoreContestBoard(Contest& contest, Board& board) {
    if (!contest.sections.any())
        scoreBoard(board, contest.scoringRule);
    else if (contest.sections.acrossField)
        scoreAcrossField(contest);
    else
        scoreBySection(contest, board);
}

int levelSections(Contest& contest) {
    const int boards = contest.lastBoard();
    std::vector<bool> levelled(static_cast<std::size_t>(boards + 1), false);
    for (std::size_t s = 0; s < contest.sections.list.size(); ++s) {
        const auto inSection = [&](const BoardResult& r) {
            return sectionOf(contest, r.nsPair) == static_cast<int>(s) && hasScore(r.nsScore);
        };
        std::vector<int> count(static_cast<std::size_t>(boards + 1), 0);
        int most = 0;
        for (int b = 1; b <= boards; ++b) {
            const Board& board = contest.boards[b];
            for (int i = 0; i < board.resultCount; ++i) count[b] += inSection(board.results[i]) ? 1 : 0;
            most = std::max(most, count[b]);
        }
        for (int b = 1; b <= boards; ++b) {
            if (count[b] <= 1 || count[b] >= most) continue;
            raiseBoard(contest.boards[b], count[b], most, contest.scoringRule.neuberg, static_cast<int>(s));
            levelled[b] = true;
        }
    }
    return static_cast<int>(std::count(levelled.begin(), levelled.end(), true));
}

SectionStandings sectionStandings(const Contest& contest, int section) {
    SectionStandings out;
    out.totals = contestTotals(contest);
    std::vector<int> pairs, field;
    for (int slot = 1; slot <= out.totals.n; ++slot) {
        const int pair = out.totals.ranking[slot];
        // The standings give a number no board seats (a section's sit-out) no place.
        if (pair != 0 && !sitsOut(contest, pair)) field.push_back(pair);
        if (pair != 0 && !sitsOut(contest, pair) && sectionOf(contest, pair) == section)
            pairs.push_back(pair);
    }
    out.totals.ranking.fill(0);
    for (std::size_t i = 0; i < pairs.size(); ++i) out.totals.ranking[i + 1] = pairs[i];
    // A pair of a section scored alone meets at most the section's results on a board.
    int mostPlayed = 0, fullest = 0;
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        int here = 0;
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            const bool ours = contest.sections.acrossField || sectionOf(contest, r.nsPair) == section;
            here += ours ? 1 : 0;
        }
        fullest = std::max(fullest, here);
    }
    // The totals make up a missed board up to the most any pair of the field played (a
    // section with a sit-out against one without), so the mean counts that many boards.
    for (int pair : field) {
        int played = 0;
        for (int b = 1; b <= contest.lastBoard(); ++b)
            for (int i = 0; i < contest.boards[b].resultCount; ++i) {
                const BoardResult& r = contest.boards[b].results[i];
                if ((r.nsPair == pair || r.ewPair == pair) && hasScore(r.nsScore)) ++played;
            }
        mostPlayed = std::max(mostPlayed, played);
    }
    out.mean = fullest > 0 ? mostPlayed * (fullest - 1) : 0;
    return out;
}

}  // namespace vindelkast
