#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/member_register.h"
#include "model/result_order.h"
#include "model/standings.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// The 8-pair, 21-board Howell: line (a, b, c); the first line keeps pair 8 NS.
void layEightPairHowell(Contest& c) {
    const int lines[4][3] = {{8, 1, 1}, {3, 6, 10}, {2, 7, 16}, {5, 4, 19}};
    for (int line = 0; line < 4; ++line) {
        for (int r = 0; r < 7; ++r) {
            const int ns = line == 0 ? 8 : (lines[line][0] - 1 + r) % 7 + 1;
            const int ew = (lines[line][1] - 1 + r) % 7 + 1;
            const int first = (lines[line][2] - 1 + 3 * r) % 21 + 1;
            for (int b = first; b < first + 3; ++b)
                addResult(c.boards[b], ns, ew, r + 1, kNoScore, 0, 0, true);
        }
    }
}

// Matchpoints by plain counting: 2 per bridge score beaten, 1 per tie or adjusted result.
float referencePoints(const Board& b, int pair) {
    const int own = pairScore(b, pair);
    if (own <= kNoScore) return kNoPoints;
    const bool ns = std::any_of(b.results.begin(), b.results.begin() + b.resultCount,
                                [&](const BoardResult& r) { return r.nsPair == pair; });
    float points = 0;
    for (int i = 0; i < b.resultCount; ++i) {
        const BoardResult& r = b.results[i];
        if (r.nsPair == pair || r.ewPair == pair || r.nsScore <= kNoScore) continue;
        if (r.nsScore >= kAdjustedBase) {
            points += 1;
            continue;
        }
        const int other = ns ? r.nsScore : r.ewScore;
        points += own > other ? 2.0f : own == other ? 1.0f : 0.0f;
    }
    return points;
}

TEST(Standings, EightPairEveningWithByePair) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::fillRegister(*f.reg, 20);
    test::setUp(c, 21, 7, 8, 8);
    layEightPairHowell(c);
    test::seatPairs(c, 7);
    c.participants[8] = {c.byeMember, c.byeMember};
    c.participantCount = 8;
    for (int b = 1; b <= 21; ++b) sortResults(c.boards[b]);

    // Pair 8 is on no board, and in every round one other pair sits out.
    for (int b = 1; b <= 21; ++b) {
        ASSERT_EQ(c.boards[b].resultCount, 3) << "board " << b;
        EXPECT_FALSE(hasPair(c.boards[b], 8));
    }
    for (int round = 1; round <= 7; ++round) {
        std::map<int, int> seen;
        for (int b = 1; b <= 21; ++b)
            for (int i = 0; i < 3; ++i)
                if (c.boards[b].results[i].round == round) {
                    ++seen[c.boards[b].results[i].nsPair];
                    ++seen[c.boards[b].results[i].ewPair];
                }
        EXPECT_EQ(seen.size(), 6u) << "round " << round;
    }

    // Deterministic scores with ties; board 5 has an adjusted result.
    unsigned seed = 7;
    for (int b = 1; b <= 21; ++b) {
        for (int i = 0; i < 3; ++i) {
            seed = seed * 1103515245u + 12345u;
            const int score = static_cast<int>((seed >> 16) % 5) * 100 - 200;
            test::enter(c, b, c.boards[b].results[i].nsPair, c.boards[b].results[i].ewPair,
                        b == 5 && i == 0 ? 10064 : score);
        }
    }
    for (int b = 1; b <= 21; ++b)
        for (int p = 1; p <= 7; ++p) {
            const float reference = referencePoints(c.boards[b], p);
            if (b != 5 || pairScore(c.boards[b], p) < kAdjustedBase) {
                EXPECT_FLOAT_EQ(pairMatchpoints(c.boards[b], p), reference) << b << "/" << p;
            }
        }

    Totals t = contestTotals(c);
    EXPECT_EQ(t.n, 8);
    EXPECT_FLOAT_EQ(t.total[8], -1.0f);
    EXPECT_EQ(t.ranking[8], 8) << "the bye pair takes the last slot";
    for (int p = 1; p <= 7; ++p) {
        double sum = 0;
        for (int b = 1; b <= 21; ++b) sum += std::max(0.0f, pairMatchpoints(c.boards[b], p));
        EXPECT_FLOAT_EQ(t.total[p], cutToTenth(sum)) << "pair " << p << " played every round";
    }
    for (int place = 2; place <= 7; ++place) {
        const int above = t.ranking[place - 1];
        const int here = t.ranking[place];
        EXPECT_TRUE(t.total[above] > t.total[here] || (t.total[above] == t.total[here] && above < here));
    }
    // Each pair plays 18 boards; 3 results per board: the mean is 18 × 2.
    EXPECT_EQ(contestMean(c), 36);
    EXPECT_EQ(boardTop(c), 4);
    EXPECT_DOUBLE_EQ(percentOfMean(45.0, 36), 62.5);

    // An unscored result: its two pairs missed a board, the others none, so each of
    // them gets its own average for that board.
    Board& b7 = c.boards[7];
    const int ns = b7.results[0].nsPair;
    const int ew = b7.results[0].ewPair;
    setScore(b7.results[0], kNoScore);
    scoreBoard(b7, ScoringRule{});
    t = contestTotals(c);
    for (int pair : {ns, ew}) {
        float raw = 0;
        for (int b = 1; b <= 21; ++b) raw += std::max(0.0f, pairMatchpoints(c.boards[b], pair));
        EXPECT_FLOAT_EQ(t.total[pair], cutToTenth(raw + raw / 17.0)) << "pair " << pair;
    }

    // Round totals never carry compensation; round 1 is boards 1..3.
    const Totals round = roundTotals(c, 3);
    for (int p = 1; p <= 7; ++p) {
        double sum = 0;
        for (int b = 7; b <= 9; ++b) sum += std::max(0.0f, pairMatchpoints(c.boards[b], p));
        EXPECT_FLOAT_EQ(round.total[p], cutToTenth(sum)) << p;
    }
    EXPECT_EQ(firstBoardOfRound(c, 5), 4);
    EXPECT_EQ(lastBoardOfRound(c, 5), 6);
    EXPECT_EQ(roundOfBoard(c, 21), 7);
}

TEST(Standings, CompensationForMissedBoards) {
    test::ContestFixture f;
    Contest& c = f.c();
    // Four pairs, 26 boards, two tables each board: 1-2 and 3-4.
    test::setUp(c, 26, 13, 4);
    for (int b = 1; b <= 26; ++b) {
        addResult(c.boards[b], 1, 2, 1, 420, 0, 0, true);
        if (b != 26) addResult(c.boards[b], 3, 4, 2, 400, 0, 0, true);
        scoreBoard(c.boards[b], ScoringRule{});
    }
    // Pair 1 won 25 boards (2 each) and board 26 alone (0); pair 3 missed board 26.
    Totals t = contestTotals(c);
    EXPECT_FLOAT_EQ(t.total[1], 50.0f);
    EXPECT_FLOAT_EQ(t.total[3], 0.0f);
    EXPECT_FLOAT_EQ(t.total[4], cutToTenth(50.0 * 26 / 25));
    // Nobody played boards 27 and 28: every pair missed them, nobody gains.
    c.boardCount = 28;
    t = contestTotals(c);
    EXPECT_FLOAT_EQ(t.total[4], cutToTenth(50.0 * 26 / 25));
    EXPECT_FLOAT_EQ(t.total[1], 50.0f);

    // A pair with no result at all in range gets half a nominal top per board of a round.
    test::setUp(c, 26, 13, 6);
    t = contestTotals(c);
    EXPECT_FLOAT_EQ(t.total[5], (6 - 2) * 0.5f * 2);
    EXPECT_FLOAT_EQ(computeTotals(c, 1, 26, false, false).total[5], 0.0f);
}

TEST(Standings, HandicapBonusUsesTheWholeContest) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 24, 8, 12);
    c.hasHandicap = true;
    Member* a1 = f.reg->append(Member{"A", "a", 1, 4});
    Member* a2 = f.reg->append(Member{"A", "b", 2, 6});
    Member* b1 = f.reg->append(Member{"B", "a", 3, 0});
    Member* b2 = f.reg->append(Member{"B", "b", 4, 2});
    c.participants[1] = {a1, a2};
    c.participants[2] = {b1, b2};
    c.participantCount = 2;
    EXPECT_EQ(boardTop(c), 10);
    Totals t = contestTotals(c);
    EXPECT_FLOAT_EQ(t.total[1], 10.0f);
    EXPECT_FLOAT_EQ(t.total[2], 0.0f);
    EXPECT_EQ(t.ranking[1], 1);
    EXPECT_FLOAT_EQ(roundTotals(c, 1).total[1], 0.0f) << "round totals carry no handicap";
    // With 13 pairs numbered to 14 and 14 as bye the top stays 10.
    c.maxPairNumber = 14;
    c.byePair = 14;
    EXPECT_EQ(boardTop(c), 10);
}

TEST(Standings, TheCutToOneDecimalLosesNoTenth) {
    EXPECT_FLOAT_EQ(cutToTenth(7.1999998f), 7.2f);
    EXPECT_FLOAT_EQ(cutToTenth(45.96), 45.9f);
    EXPECT_FLOAT_EQ(cutToTenth(-1.0f), -1.0f);
    EXPECT_FLOAT_EQ(cutToTenth(0.0), 0.0f);
    EXPECT_FLOAT_EQ(cutToTenth(4969.95f), 4969.9f);
    float sum = 0;
    for (float v : {1.0f, 1.0f, 1.0f, 1.2f, 1.2f, 1.2f}) sum += v;
    EXPECT_FLOAT_EQ(cutToTenth(sum), 6.6f);

    // Through the engine: an adjusted 60 % of a top of 12 shows 7.2.
    test::ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 1, 1, 14);
    for (int t = 0; t < 7; ++t)
        addResult(c.boards[1], 2 * t + 1, 2 * t + 2, 1, t == 0 ? 10066 : 100 * t, 0, 0, true);
    scoreBoard(c.boards[1], ScoringRule{});
    EXPECT_FLOAT_EQ(contestTotals(c).total[1], 7.2f);
}

TEST(Standings, TiesTakeConsecutivePlacesAndShareOne) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 1, 1, 8);
    addResult(c.boards[1], 7, 1, 1, 420, 0, 0, true);
    addResult(c.boards[1], 3, 2, 1, 420, 0, 0, true);
    addResult(c.boards[1], 5, 4, 1, 100, 0, 0, true);
    addResult(c.boards[1], 6, 8, 1, -200, 0, 0, true);
    scoreBoard(c.boards[1], ScoringRule{});
    Totals t = contestTotals(c);
    // NS 5, 5, 2, 0 and EW 1, 1, 4, 6: pair 8 leads, 3 and 7 tie behind it.
    const int expected[] = {0, 8, 3, 7, 4, 5, 1, 2, 6};
    for (int place = 1; place <= 8; ++place) EXPECT_EQ(t.ranking[place], expected[place]) << place;
    EXPECT_EQ(sharedPlace(t.total[3], t), 2);
    EXPECT_EQ(sharedPlace(t.total[7], t), 2);
    EXPECT_EQ(sharedPlace(t.total[4], t), 4);
    EXPECT_EQ(sharedPlace(t.total[1], t), 6);
}

TEST(Standings, IndividualPlayersCollectTheirSidesPoints) {
    test::ContestFixture f;
    Contest& c = f.c();
    c.isIndividual = true;
    test::setUp(c, 2, 1, 8);
    for (int b = 1; b <= 2; ++b) {
        addResult(c.boards[b], 1, 2, 1, 420, 0, 0, true);
        setSecondPlayers(c.boards[b], 1, 3, 4);
        addResult(c.boards[b], 5, 6, 1, 170, 0, 0, true);
        setSecondPlayers(c.boards[b], 5, 7, 8);
        scoreBoard(c.boards[b], ScoringRule{});
    }
    EXPECT_TRUE(hasPair(c.boards[1], 3));
    EXPECT_EQ(pairScore(c.boards[1], 4), -420);
    EXPECT_EQ(addResult(c.boards[1], 3, 9, 1, kNoScore, 0, 0, true), 3) << "South already plays";
    Totals t = contestTotals(c);
    EXPECT_FLOAT_EQ(t.total[1], 4.0f);
    EXPECT_FLOAT_EQ(t.total[3], 4.0f);
    EXPECT_FLOAT_EQ(t.total[8], 4.0f);
    EXPECT_FLOAT_EQ(t.total[2], 0.0f);
    EXPECT_EQ(boardTop(c), 2);
    EXPECT_EQ(contestMean(c), 2);
}

TEST(Standings, TeamMatchAddsTheAveragePairToTheByeTeam) {
    Totals t;
    t.n = 14;
    for (int p = 1; p <= 13; ++p) t.total[p] = static_cast<float>(p);
    t.total[14] = -1.0f;
    const TeamTotals teams = teamTotals(t, 14);
    const double first = 1 + 2 + 3 + 4 + 5 + 6 + 7;
    const double second = 8 + 9 + 10 + 11 + 12 + 13;
    EXPECT_DOUBLE_EQ(teams.first, first);
    EXPECT_DOUBLE_EQ(teams.second, second + (first + second) / 13);
    const TeamTotals noBye = teamTotals(t, 0);
    EXPECT_DOUBLE_EQ(noBye.first, first);
    EXPECT_DOUBLE_EQ(noBye.second, second - 1);
}

}  // namespace
}  // namespace vindelkast
