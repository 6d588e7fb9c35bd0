#include <gtest/gtest.h>

#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bulk_points.h"
#include "model/entry_grid.h"
#include "model/section_scoring.h"
#include "model/typed_score.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

std::vector<float> pointsOf(const Board& board, bool ns) {
    std::vector<float> points;
    for (int i = 0; i < board.resultCount; ++i)
        points.push_back(ns ? board.results[i].nsPoints : board.results[i].ewPoints);
    return points;
}

void expectPoints(const Board& board, bool ns, const std::vector<float>& expected) {
    const std::vector<float> got = pointsOf(board, ns);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], expected[i], 1e-4) << (ns ? "NS " : "EW ") << i;
}

// Board 1 played seven times; board 2 five times: 420, 420, 170, -50, -100.
void fillTwoBoards(Contest& c) {
    test::setUp(c, 2, 1, 14);
    for (int t = 0; t < 7; ++t) addResult(c.boards[1], 2 * t + 1, 2 * t + 2, 1, 100 + 10 * t, 0, 0, true);
    int t = 0;
    for (int score : {420, 420, 170, -50, -100}) {
        addResult(c.boards[2], 2 * t + 1, 2 * t + 2, 1, score, 0, 0, true);
        ++t;
    }
    scoreBoard(c.boards[1], c.scoringRule);
    scoreBoard(c.boards[2], c.scoringRule);
}

// Figures worked by hand, nmax = 7, n = 5. Linear: x * 6 / 4. Neuberg: (x + 1) * 7 / 5 - 1.
TEST(Neuberg, LevellingRaisesABoardPlayedFewerTimesByTheFormula) {
    test::ContestFixture linear;
    fillTwoBoards(linear.c());
    expectPoints(linear.c().boards[2], true, {7, 7, 4, 2, 0});
    EXPECT_EQ(levelBoards(linear.c()), 1);
    expectPoints(linear.c().boards[2], true, {10.5f, 10.5f, 6, 3, 0});

    test::ContestFixture neuberg;
    neuberg.c().scoringRule.neuberg = true;
    fillTwoBoards(neuberg.c());
    EXPECT_EQ(levelBoards(neuberg.c()), 1);
    expectPoints(neuberg.c().boards[2], true, {10.2f, 10.2f, 6, 3.2f, 0.4f});
    expectPoints(neuberg.c().boards[2], false, {1.8f, 1.8f, 6, 8.8f, 11.6f});
    // The fully played board is left alone, and both rules keep the board's average at half the top.
    expectPoints(neuberg.c().boards[1], true, {0, 2, 4, 6, 8, 10, 12});
}

// Six results, one adjusted 60/40: the five bridge scores earn 8, 8, 5, 3, 1 by the linear
// rule (a tie with the adjusted result each); by Neuberg (x + 1) * 6 / 5 - 1 of their
// matchpoints among themselves (7, 7, 4, 2, 0 for NS; 1, 1, 4, 6, 8 for EW).
TEST(Neuberg, AdjustedResultsLeaveTheBridgeScoresRaisedToTheWholeField) {
    for (bool useNeuberg : {false, true}) {
        test::ContestFixture f;
        f.c().scoringRule.neuberg = useNeuberg;
        test::setUp(f.c(), 1, 1, 12);
        Board& board = f.c().boards[1];
        int t = 0;
        for (int score : {420, 420, 170, -50, -100, 10064}) {
            addResult(board, 2 * t + 1, 2 * t + 2, 1, score, 0, 0, true);
            ++t;
        }
        scoreBoard(board, f.c().scoringRule);
        if (useNeuberg) {
            expectPoints(board, true, {8.6f, 8.6f, 5, 2.6f, 0.2f, 6});
            expectPoints(board, false, {1.4f, 1.4f, 5, 7.4f, 9.8f, 4});
        } else {
            expectPoints(board, true, {8, 8, 5, 3, 1, 6});
            expectPoints(board, false, {2, 2, 5, 7, 9, 4});
        }
    }
}

// Two sections of three tables, A pairs 1-6 and B pairs 7-12, the same two boards. Board 2's
// last table of B has not played it yet (its slot is there, unscored).
//
// Across the field, board 1 (six results, top 10), NS: 1-2 420, 3-4 170, 5-6 -50 (A),
// 7-8 420, 9-10 450, 11-12 -100 (B). 450 beats five: 10; the two 420s beat three and tie
// once: 7 each; 170 beats two: 4; -50: 2; -100: 0. EW get 10 minus NS.
// Board 2, NS 1-2 140, 3-4 110, 5-6 -100, 7-8 140, 9-10 600: five results, top 8. NS 600: 8,
// the 140s 5 each, 110: 2, -100: 0; EW 0, 3, 3, 6, 8. Raised to the six results of board 1
// by Neuberg, (x + 1) * 6 / 5 - 1: 8 → 9.8, 5 → 6.2, 2 → 2.6, 0 → 0.2; EW 3 → 3.8, 6 → 7.4.
// Totals: 1: 7 + 6.2 = 13.2; 2: 3 + 3.8 = 6.8; 3: 4 + 2.6 = 6.6; 4: 6 + 7.4 = 13.4;
// 5: 2 + 0.2 = 2.2; 6: 8 + 9.8 = 17.8; 7: 13.2; 8: 6.8; 9: 10 + 9.8 = 19.8; 10: 0 + 0.2 = 0.2;
// 11 and 12 played one board of two: their 0 and 10 count twice (the missed board at their
// average), 0 and 20. Section A in order 6, 4, 1, 2, 3, 5; B 12, 9, 7, 8, 10, 11.
// Per section board 1 compares A's 420, 170, -50 (4, 2, 0) and B's 450, 420, -100 apart.
TEST(Neuberg, TwoSectionsAcrossTheFieldRaiseABoardPlayedFewerTimes) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 2, 1, 12);
    c.scoringRule.neuberg = true;
    c.sections = sectionsOfSizes({6, 6}, true);
    const int board1[] = {420, 170, -50, 420, 450, -100};
    const int board2[] = {140, 110, -100, 140, 600, kNoScore};
    for (int t = 0; t < 6; ++t) {
        addResult(c.boards[1], 2 * t + 1, 2 * t + 2, 1, board1[t], 0, 0, true);
        addResult(c.boards[2], 2 * t + 1, 2 * t + 2, 1, board2[t], 0, 0, true);
    }
    rescoreBoards(c);
    expectPoints(c.boards[1], true, {7, 4, 2, 7, 10, 0});
    expectPoints(c.boards[2], true, {6.2f, 2.6f, 0.2f, 6.2f, 9.8f, kNoPoints});
    expectPoints(c.boards[2], false, {3.8f, 7.4f, 9.8f, 3.8f, 0.2f, kNoPoints});
    EXPECT_EQ(levelBoards(c), 0) << "across the field the boards are raised already";

    const SectionStandings a = sectionStandings(c, 0), b = sectionStandings(c, 1);
    const std::vector<int> orderA{6, 4, 1, 2, 3, 5}, orderB{12, 9, 7, 8, 10, 11};
    const std::vector<float> totalsA{17.8f, 13.4f, 13.2f, 6.8f, 6.6f, 2.2f},
        totalsB{20, 19.8f, 13.2f, 6.8f, 0.2f, 0};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(a.totals.ranking[i + 1], orderA[i]);
        EXPECT_NEAR(a.totals.total[orderA[i]], totalsA[i], 1e-4);
        EXPECT_EQ(b.totals.ranking[i + 1], orderB[i]);
        EXPECT_NEAR(b.totals.total[orderB[i]], totalsB[i], 1e-4);
    }
    EXPECT_EQ(a.totals.ranking[7], 0);
    EXPECT_EQ(a.mean, 2 * 5) << "two boards of the whole field's six results";
    EXPECT_EQ(pairLabel(c, 12), "B6");

    // The last table's score comes in: board 2 now has the count of board 1 and is no longer
    // raised. 600: 10; the three 140s beat two and tie twice: 6; 110: 2; -100: 0.
    EntryRow row;
    row.ns = 11;
    row.ew = 12;
    EXPECT_TRUE(storeTypedScore(c, 2, row, "140").written);
    expectPoints(c.boards[2], true, {6, 2, 0, 6, 10, 6});

    // Per section each section's results are compared among themselves.
    c.sections.acrossField = false;
    rescoreBoards(c);
    expectPoints(c.boards[1], true, {4, 2, 0, 2, 4, 0});
    EXPECT_EQ(sectionStandings(c, 0).mean, 2 * 2) << "a section of three tables has the top 4";

    // Levelled per section: B's board 2 without 11-12 has two results against B's three on
    // board 1. 600 beats 140: 2, raised to (2 + 1) * 3 / 2 - 1 = 3.5; 140: 0 → 0.5. A's board
    // 2 keeps its three results' 4, 2, 0.
    EXPECT_TRUE(storeTypedScore(c, 2, row, "").written);
    EXPECT_EQ(levelBoards(c), 1);
    expectPoints(c.boards[2], true, {4, 2, 0, 0.5f, 3.5f, kNoPoints});
}

}  // namespace
}  // namespace vindelkast
