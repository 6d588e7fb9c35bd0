#include <gtest/gtest.h>

#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bulk_points.h"
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

}  // namespace
}  // namespace vindelkast
