#include <gtest/gtest.h>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/contest_scoring.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// Boards 1 and 2 played seven times, board 3 six times and once more without a score.
void fillUneven(Contest& c) {
    test::setUp(c, 3, 1, 14);
    for (int b = 1; b <= 3; ++b) {
        for (int t = 0; t < 7; ++t) {
            const int score = b == 3 && t == 6 ? kNoScore : 100 + 30 * t;
            addResult(c.boards[b], 2 * t + 1, 2 * t + 2, 1, score, 0, 0, true);
        }
        scoreBoard(c.boards[b], ScoringRule{});
    }
}

float topOf(const Board& board) {
    float top = 0;
    for (int i = 0; i < board.resultCount; ++i) top = std::max(top, board.results[i].nsPoints);
    return top;
}

TEST(BulkPoints, LevellingGivesEveryBoardTheWeightOfTheMostPlayed) {
    test::ContestFixture f;
    Contest& c = f.c();
    fillUneven(c);
    EXPECT_EQ(topOf(c.boards[1]), 12.0f);
    EXPECT_EQ(topOf(c.boards[3]), 10.0f);
    const BoardResult* unscored = findResult(c.boards[3], 13, 14);
    ASSERT_NE(unscored, nullptr);
    EXPECT_EQ(unscored->nsPoints, kNoPoints);

    EXPECT_EQ(levelBoards(c), 1);
    EXPECT_EQ(topOf(c.boards[1]), 12.0f);
    EXPECT_FLOAT_EQ(topOf(c.boards[3]), 12.0f) << "factor 6 / 5";
    EXPECT_FLOAT_EQ(findResult(c.boards[3], 3, 4)->ewPoints, 8 * 1.2f);
    EXPECT_EQ(unscored->nsPoints, kNoPoints) << "a side without a score keeps its mark";

    // Not remembered: a second run scales the same board again.
    EXPECT_EQ(levelBoards(c), 1);
    EXPECT_FLOAT_EQ(topOf(c.boards[3]), 14.4f);

    // Rescoring undoes the levelling.
    rescoreBoards(c);
    EXPECT_EQ(topOf(c.boards[3]), 10.0f);

    // Equally played boards, and boards with a single result, stay as they are.
    test::ContestFixture g;
    test::setUp(g.c(), 2, 1, 4);
    addResult(g.c().boards[1], 1, 2, 1, 100, 0, 0, true);
    addResult(g.c().boards[1], 3, 4, 1, 200, 0, 0, true);
    addResult(g.c().boards[2], 1, 2, 1, 100, 0, 0, true);
    scoreBoard(g.c().boards[1], ScoringRule{});
    scoreBoard(g.c().boards[2], ScoringRule{});
    EXPECT_EQ(levelBoards(g.c()), 0);
    EXPECT_EQ(topOf(g.c().boards[1]), 2.0f);
    EXPECT_EQ(g.c().boards[2].results[0].nsPoints, 0.0f);
}

}  // namespace
}  // namespace vindelkast
