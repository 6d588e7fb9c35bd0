#include <gtest/gtest.h>

#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/imp_scoring.h"
#include "model/possible_scores.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

using test::ContestFixture;

// Lays one result per score on board `b` (pairs 1-2, 3-4, ...) and scores the board.
Board& boardWithScores(Contest& c, int b, const std::vector<int>& scores) {
    test::setUp(c, 24, 8, 2 * static_cast<int>(scores.size()));
    Board& board = c.boards[b];
    int t = 0;
    for (int score : scores) {
        EXPECT_EQ(addResult(board, 2 * t + 1, 2 * t + 2, 1, score, 0.0f, 0.0f, true), 0);
        ++t;
    }
    scoreBoard(board, ScoringRule{});
    return board;
}

float nsPointsOf(const Board& b, int nsPair) {
    for (int i = 0; i < b.resultCount; ++i)
        if (b.results[i].nsPair == nsPair) return b.results[i].nsPoints;
    return -1;
}
float ewPointsOf(const Board& b, int nsPair) {
    for (int i = 0; i < b.resultCount; ++i)
        if (b.results[i].nsPair == nsPair) return b.results[i].ewPoints;
    return -1;
}

TEST(BoardScoring, BridgeScoresEarnTwoPerBeatenAndOnePerTie) {
    ContestFixture f;
    Board& b = boardWithScores(f.c(), 1, {420, 420, 170, -50, -100});
    const float ns[] = {7, 7, 4, 2, 0};
    const float ew[] = {1, 1, 4, 6, 8};
    for (int t = 0; t < 5; ++t) {
        EXPECT_FLOAT_EQ(nsPointsOf(b, 2 * t + 1), ns[t]) << "table " << t;
        EXPECT_FLOAT_EQ(ewPointsOf(b, 2 * t + 1), ew[t]) << "table " << t;
        EXPECT_EQ(b.results[0].ewScore, -b.results[0].nsScore);
    }
}

TEST(BoardScoring, AdjustedResultsTakeTheirShareAndTieWithEveryBridgeScore) {
    ContestFixture f;
    // One NS 60 / EW 40 among five bridge scores: top 10.
    Board& b = boardWithScores(f.c(), 3, {10064, 420, 400, 400, -50, 100});
    EXPECT_FLOAT_EQ(nsPointsOf(b, 1), 6.0f);
    EXPECT_FLOAT_EQ(ewPointsOf(b, 1), 4.0f);
    EXPECT_EQ(b.results[0].ewScore, 10064) << "an adjusted code is copied to EW";
    // Among the five (top 8) plus one for the adjusted result.
    EXPECT_FLOAT_EQ(nsPointsOf(b, 3), 9.0f);
    EXPECT_FLOAT_EQ(nsPointsOf(b, 5), 6.0f);
    EXPECT_FLOAT_EQ(nsPointsOf(b, 7), 6.0f);
    EXPECT_FLOAT_EQ(nsPointsOf(b, 11), 3.0f);
    EXPECT_FLOAT_EQ(nsPointsOf(b, 9), 1.0f);
    EXPECT_FLOAT_EQ(ewPointsOf(b, 9), 9.0f);
}

TEST(BoardScoring, UnscoredResultsCountInTheTopOfAnAdjustedResultOnly) {
    ContestFixture f;
    // Seven results: one "%+" (both 60 %), one unscored, five bridge scores.
    Board& b = boardWithScores(f.c(), 5, {10066, kNoScore, 100, 200, 300, 300, -100});
    EXPECT_FLOAT_EQ(nsPointsOf(b, 1), 7.2f) << "60 % of a top of 12";
    EXPECT_FLOAT_EQ(ewPointsOf(b, 1), 7.2f);
    EXPECT_FLOAT_EQ(nsPointsOf(b, 3), kNoPoints);
    EXPECT_FLOAT_EQ(ewPointsOf(b, 3), kNoPoints);
    EXPECT_EQ(b.results[1].ewScore, kNoScore);
    EXPECT_FLOAT_EQ(nsPointsOf(b, 9), 8.0f) << "300 ties 300, beats three, +1 for the adjusted";
    EXPECT_FLOAT_EQ(nsPointsOf(b, 13), 1.0f);
    EXPECT_EQ(countScored(b), 6);
}

TEST(BoardScoring, SingleScoredResultGetsOnlyTheAdjustedTies) {
    ContestFixture f;
    Board& lone = boardWithScores(f.c(), 1, {420, kNoScore});
    EXPECT_FLOAT_EQ(nsPointsOf(lone, 1), 0.0f);
    EXPECT_FLOAT_EQ(ewPointsOf(lone, 1), 0.0f);
    ContestFixture g;
    Board& withAdjusted = boardWithScores(g.c(), 2, {420, 10055});
    EXPECT_FLOAT_EQ(nsPointsOf(withAdjusted, 1), 1.0f);
    EXPECT_FLOAT_EQ(nsPointsOf(withAdjusted, 3), 1.0f);
}

TEST(BoardScoring, TypedScoresAreCompletedAndNoScoreStaysNoScore) {
    const std::pair<int, int> cases[] = {
        {1, 100}, {4, 400},      {5, 50},         {6, 600},           {7, 70},       {42, 420},
        {50, 50}, {60, 600},     {62, 620},       {110, 110},         {-1, -100},    {-5, -50},
        {0, 0},   {1234, 12340}, {-1234, -12340}, {-20000, kNoScore}, {99999, 99999}};
    for (auto [typed, expected] : cases) EXPECT_EQ(expandTypedScore(typed), expected) << typed;

    // -12340 is below -9998: no score on both sides, never a "negative adjusted code".
    ContestFixture f;
    Board& b = boardWithScores(f.c(), 1, {expandTypedScore(-1234), 420});
    EXPECT_EQ(b.results[0].nsScore, kNoScore);
    EXPECT_EQ(b.results[0].ewScore, kNoScore);
    EXPECT_FLOAT_EQ(b.results[0].ewPoints, kNoPoints);
    EXPECT_EQ(countScored(b), 1);
    EXPECT_EQ(ewScoreFor(10000), -10000) << "exactly 10000 is negated like a bridge score";
}

TEST(BoardScoring, AdjustedScoresAreReadAndShown) {
    const std::pair<const char*, int> cases[] = {
        {"%+-", 10064},    {"M+-", 10064},   {"%=", 10055},    {"%+", 10066},    {"%-", 10044},
        {"%+%-", 10064},   {"M+M-", 10064},  {"%-+", 10046},   {"m+", kNoScore}, {"%", kNoScore},
        {"%+x", kNoScore}, {"%x", kNoScore}, {"+-", kNoScore}, {"", kNoScore},   {"%+%", kNoScore}};
    for (auto [text, code] : cases) EXPECT_EQ(parseAdjustedScore(text), code) << text;
    EXPECT_EQ(adjustedScoreText(10064), "%+-");
    EXPECT_EQ(adjustedScoreText(10055), "%==");
    EXPECT_EQ(adjustedScoreText(10046), "%-+");
    EXPECT_EQ(adjustedScoreText(9999), "");
    EXPECT_EQ(adjustedScoreText(10073), "%");
}

TEST(BoardScoring, PlausibilityFollowsTheBoardsVulnerability) {
    // Board 1: nobody vulnerable; 2: NS; 3: EW; 4: all.
    struct Case {
        int score, board, code;
    };
    const Case cases[] = {{650, 1, 0},  {620, 1, 1},   {-620, 1, 1},     {600, 1, 1},  {720, 1, 1},
                          {500, 2, 0},  {420, 2, 2},   {-420, 3, 2},     {-420, 2, 0}, {-50, 2, 2},
                          {-50, 4, 2},  {-50, 3, 0},   {50, 3, 2},       {50, 2, 0},   {1430, 1, 2},
                          {1440, 3, 2}, {-1470, 2, 2}, {1430, 2, 0},     {920, 2, 2},  {-1020, 3, 2},
                          {920, 1, 0},  {10064, 2, 0}, {kNoScore, 4, 0}, {0, 1, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(checkPlausibility(c.score, c.board), c.code) << c.score << " on board " << c.board;
    EXPECT_EQ(plausibilityMessage(1), "Troligen fel resultat i ozon");
    EXPECT_EQ(plausibilityMessage(2), "Troligen fel resultat i zon");
}

TEST(BoardScoring, PossibleScoresAreThoseSomeContractGives) {
    // Made: 1C 70, 1S 80, 1NT 90 and 120 with one over, 2S 110, 1S+5 230, 3NT 400 and 600,
    // 4S+1 450, 1CX 140 and 440 with three over, 3NT+1 630, 6NT 990 and 1440, 7NT 2220,
    // 7NTXX vulnerable 2980, 5HX vulnerable with two over 1250. Down: 50, 100, 200, 300 (two
    // doubled), 500, 800, 1100, and 7600, the largest: seven no trump redoubled and vulnerable
    // without a trick.
    for (int score : {0,   70,   80,   90,   120,  110, 230, 400, 600, 450, 140, 440,  630,
                      990, 1440, 2220, 2980, 1250, 50,  100, 200, 300, 500, 800, 1100, 7600})
        for (int sign : {1, -1}) EXPECT_TRUE(isPossibleScore(sign * score)) << sign * score;
    for (int score : {10, 40, 60, 455, 4550, 7610, 9990, 2990, 1260})
        for (int sign : {1, -1}) EXPECT_FALSE(isPossibleScore(sign * score)) << sign * score;

    EXPECT_EQ(impossibleScoreMessage(4550),
              "Inget kontrakt ger 4550. N\xe4rmaste m\xf6jliga resultat: 4000 och 4600");
    EXPECT_EQ(impossibleScoreMessage(-455),
              "Inget kontrakt ger -455. N\xe4rmaste m\xf6jliga resultat: -460 och -450");
    EXPECT_EQ(impossibleScoreMessage(9990), "Inget kontrakt ger 9990. N\xe4rmaste m\xf6jliga resultat: 7600");
    EXPECT_EQ(impossibleScoreMessage(420), "");
    EXPECT_EQ(impossibleScoreMessage(kNoScore), "");
    EXPECT_EQ(impossibleScoreMessage(10064), "");  // an adjusted score is no contract's
}

TEST(BoardScoring, RoundHalfUpRoundsHalvesUp) {
    EXPECT_EQ(roundHalfUp(2.5), 3);
    EXPECT_EQ(roundHalfUp(-2.5), -2);
    EXPECT_EQ(roundHalfUp(2.49), 2);
    EXPECT_EQ(roundHalfUp(-0.6), -1);
}

// --- IMPs ---

struct ImpStep {
    int difference;
    int imps;
};

class ImpScale : public testing::TestWithParam<ImpStep> {};

// Both ends of every step of the scale, and the same differences the other way round.
TEST_P(ImpScale, EveryStepBeginsAndEndsWhereTheScaleSays) {
    EXPECT_EQ(impsForDifference(GetParam().difference), GetParam().imps) << GetParam().difference;
    EXPECT_EQ(impsForDifference(-GetParam().difference), -GetParam().imps) << -GetParam().difference;
}

INSTANTIATE_TEST_SUITE_P(
    Scale, ImpScale,
    testing::Values(ImpStep{0, 0}, ImpStep{10, 0}, ImpStep{20, 1}, ImpStep{40, 1}, ImpStep{50, 2},
                    ImpStep{80, 2}, ImpStep{90, 3}, ImpStep{120, 3}, ImpStep{130, 4}, ImpStep{160, 4},
                    ImpStep{170, 5}, ImpStep{210, 5}, ImpStep{220, 6}, ImpStep{260, 6}, ImpStep{270, 7},
                    ImpStep{310, 7}, ImpStep{320, 8}, ImpStep{360, 8}, ImpStep{370, 9}, ImpStep{420, 9},
                    ImpStep{430, 10}, ImpStep{490, 10}, ImpStep{500, 11}, ImpStep{590, 11}, ImpStep{600, 12},
                    ImpStep{740, 12}, ImpStep{750, 13}, ImpStep{890, 13}, ImpStep{900, 14}, ImpStep{1090, 14},
                    ImpStep{1100, 15}, ImpStep{1290, 15}, ImpStep{1300, 16}, ImpStep{1490, 16},
                    ImpStep{1500, 17}, ImpStep{1740, 17}, ImpStep{1750, 18}, ImpStep{1990, 18},
                    ImpStep{2000, 19}, ImpStep{2240, 19}, ImpStep{2250, 20}, ImpStep{2490, 20},
                    ImpStep{2500, 21}, ImpStep{2990, 21}, ImpStep{3000, 22}, ImpStep{3490, 22},
                    ImpStep{3500, 23}, ImpStep{3990, 23}, ImpStep{4000, 24}, ImpStep{7600, 24}));

struct DatumCase {
    std::vector<int> scores;
    int datum;
};

class ButlerDatum : public testing::TestWithParam<DatumCase> {};

TEST_P(ButlerDatum, MeanOfTheScoresRoundedToTen) {
    EXPECT_EQ(butlerDatum(GetParam().scores), GetParam().datum);
}

// Four results: all count (mean 240). Five: the 420 and the -100 are left out, (420 + 170 -
// 50) / 3 = 180, where all five would give 172 and so 170. Halves go away from zero.
INSTANTIATE_TEST_SUITE_P(Datum, ButlerDatum,
                         testing::Values(DatumCase{{420, 420, 170, -50}, 240},
                                         DatumCase{{420, 420, 170, -50, -100}, 180},
                                         DatumCase{{100, 110, 110}, 110}, DatumCase{{450, 400}, 430},
                                         DatumCase{{-450, -400}, -430}, DatumCase{{-620}, -620},
                                         DatumCase{{}, 0}));

// One board: 420, 420, 170, -50 at the table, an adjusted 60/40 and a result not yet
// entered. Cross-IMPs by hand: 420 gets (0 + 6 + 10) / 3, 170 (-6 - 6 + 6) / 3, -50
// (-10 - 10 - 6) / 3. Butler: the datum is 240 (the adjusted and the empty result are no
// scores), 420 is +180 = 5, 170 is -70 = 2, -50 is -290 = 7 IMPs.
TEST(ImpScoring, CrossImpsAndButlerLeaveOutAdjustedAndUnscoredResults) {
    ContestFixture f;
    test::setUp(f.c(), 1, 1, 12);
    Board& board = f.c().boards[1];
    int t = 0;
    for (int score : {420, 420, 170, -50, kAdjustedBase + 64, kNoScore}) {
        ASSERT_EQ(addResult(board, 2 * t + 1, 2 * t + 2, 1, score, 0, 0, true), 0);
        ++t;
    }
    struct Expected {
        ScoringMethod method;
        std::vector<float> ns;
    };
    for (const Expected& e : {Expected{ScoringMethod::CrossImps, {16 / 3.0f, 16 / 3.0f, -2, -26 / 3.0f, 3}},
                              Expected{ScoringMethod::Butler, {5, 5, -2, -7, 3}}}) {
        scoreBoard(board, ScoringRule{e.method, false});
        for (std::size_t i = 0; i < e.ns.size(); ++i) {
            EXPECT_NEAR(nsPointsOf(board, 2 * static_cast<int>(i) + 1), e.ns[i], 1e-5) << i;
            EXPECT_NEAR(ewPointsOf(board, 2 * static_cast<int>(i) + 1), -e.ns[i], 1e-5) << i;
        }
        EXPECT_EQ(nsPointsOf(board, 11), kNoPoints);
        EXPECT_EQ(ewPointsOf(board, 11), kNoPoints);
    }
    // The Neuberg choice is the matchpoints' scaling: it changes nothing in IMPs.
    scoreBoard(board, ScoringRule{ScoringMethod::Butler, true});
    EXPECT_EQ(nsPointsOf(board, 1), 5.0f);
    // A board with one score has nothing to compare it with.
    Board& lone = boardWithScores(f.c(), 2, {-1430});
    scoreBoard(lone, ScoringRule{ScoringMethod::CrossImps, false});
    EXPECT_EQ(nsPointsOf(lone, 1), 0.0f);
    scoreBoard(lone, ScoringRule{ScoringMethod::Butler, false});
    EXPECT_EQ(nsPointsOf(lone, 1), 0.0f);
    EXPECT_EQ(boardDatum(lone), -1430);
}

}  // namespace
}  // namespace vindelkast
