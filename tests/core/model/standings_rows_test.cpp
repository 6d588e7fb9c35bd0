#include <gtest/gtest.h>

#include <random>

#include "model/board_results.h"
#include "model/contest_scoring.h"
#include "model/scoring_form.h"
#include "model/sections.h"
#include "model/standings.h"
#include "support/random_contests.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// The standings read each board once for all its pairs. They must give every pair what the
// board gives it when asked for that pair alone (pairMatchpoints, pairScore, as the score
// tables and the protocols ask), in whatever state an evening leaves the boards.
std::array<double, kParticipantSlots> pairByPairTotals(const Contest& c, int first, int last) {
    std::array<float, kParticipantSlots> sums{};
    if (c.byePair > 0 && c.byePair <= c.maxPairNumber) sums[c.byePair] = -1.0f;
    for (int b = first; b <= last; ++b)
        for (int pair = 1; pair <= c.maxPairNumber; ++pair) {
            const float points = pairMatchpoints(c.boards[b], pair);
            sums[pair] += points == kNoPoints ? 0.0f : points;
        }
    std::array<double, kParticipantSlots> totals{};
    for (int pair = 1; pair <= c.maxPairNumber; ++pair) totals[pair] = cutToTenth(sums[pair]);
    return totals;
}

int pairByPairMean(const Contest& c, int last) {
    int mostPlayed = 0, fullest = 0;
    for (int pair = 1; pair <= c.maxPairNumber; ++pair) {
        int played = 0;
        for (int b = 1; b <= last; ++b) played += pairScore(c.boards[b], pair) >= -9998 ? 1 : 0;
        mostPlayed = std::max(mostPlayed, played);
    }
    for (int b = 1; b <= last; ++b) fullest = std::max(fullest, c.boards[b].resultCount);
    return fullest == 0 ? 0 : mostPlayed * (fullest - 1);
}

TEST(StandingsRows, EveryPairGetsWhatItsBoardsGiveItAfterManyChanges) {
    std::mt19937 random(20240518);
    for (int contest = 0; contest < 40; ++contest) {
        test::ContestFixture f;
        Contest& c = f.c();
        test::fillRandomContest(c, random);
        for (int change = 0; change < 60; ++change) {
            test::changeRandomly(c, random);
            const int last = std::uniform_int_distribution<int>(1, c.boardCount)(random);
            const Totals totals = computeTotals(c, 1, last, false, false);
            const auto expected = pairByPairTotals(c, 1, last);
            for (int pair = 1; pair <= c.maxPairNumber; ++pair) {
                ASSERT_EQ(totals.total[pair], static_cast<float>(expected[pair]))
                    << "contest " << contest << ", change " << change << ", pair " << pair;
            }
            ASSERT_EQ(contestMean(c, last), pairByPairMean(c, last)) << "contest " << contest;
        }
    }
}

// Whatever the way of scoring, its standings list every pair that plays once, a place being
// one more than the lines with a better total as shown (totals that read alike tie), and IMPs per
// board the total over the boards it has points on.
void expectFormStandings(const Contest& c, int contest) {
    const ScoringForm& form = scoringForm(c);
    const Standings s = form.standings(c);
    const auto shown = [&s](double total) { return figureText(s.columns[0], total); };
    std::vector<int> listed;
    for (const StandingsRow& row : s.rows) {
        listed.push_back(row.pair);
        int better = 0;
        for (const StandingsRow& other : s.rows)
            better += other.figures[0] > row.figures[0] && shown(other.figures[0]) != shown(row.figures[0]);
        EXPECT_EQ(row.place, better + 1) << "contest " << contest << ", pair " << row.pair;
        if (form.totalsAreMeans()) {
            EXPECT_NEAR(row.figures[1] * row.boards, row.figures[0], 1e-6) << "contest " << contest;
        }
    }
    std::vector<int> playing;
    for (int pair = 1; pair <= c.maxPairNumber; ++pair)
        if (!sitsOut(c, pair)) playing.push_back(pair);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, playing) << "contest " << contest;
}

TEST(StandingsRows, EveryFormListsEachPairOnceInOrderOfItsTotal) {
    std::mt19937 random(20261209);
    const ScoringMethod methods[] = {ScoringMethod::Matchpoints, ScoringMethod::CrossImps,
                                     ScoringMethod::Butler};
    for (int contest = 0; contest < 30; ++contest) {
        test::ContestFixture f;
        Contest& c = f.c();
        test::fillRandomContest(c, random);
        for (int change = 0; change < 5; ++change) test::changeRandomly(c, random);
        chooseScoringRule(c, ScoringRule{methods[contest % 3]});
        expectFormStandings(c, contest);
    }
    // IMPs are read as players read them, halves away from nought; matchpoints as printf has them.
    const FigureColumn imps = scoringForm(ScoringRule{ScoringMethod::CrossImps}).pointsColumn();
    EXPECT_EQ(figureText(imps, 2.125), "2,13");
    EXPECT_EQ(figureText(imps, -2.375), "-2,38");
    EXPECT_EQ(figureText(imps, -0.004), "0,00");
    EXPECT_EQ(figureText(scoringForm(ScoringRule{}).figureColumns()[0], 45.96), "46.0");
}

}  // namespace
}  // namespace vindelkast
