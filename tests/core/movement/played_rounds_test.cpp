// Rounds worked out from who played which boards: every Mitchell the program can hold gets a
// playable set of rounds back, whatever order its tables are listed in.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

#include "movement/played_rounds.h"

namespace vindelkast {
namespace {

// Tables 1..T of a Mitchell: EW pairs move up a table, boards down, every round.
std::vector<Meeting> mitchell(int tables) {
    std::vector<Meeting> meetings;
    for (int round = 1; round <= tables; ++round)
        for (int t = 1; t <= tables; ++t)
            meetings.push_back(
                {t, tables + 1 + (t + round - 2) % tables, ((t - round) % tables + tables) % tables});
    return meetings;
}

void expectPlayable(const std::vector<Meeting>& meetings, const std::vector<int>& rounds, int limit,
                    bool shared) {
    ASSERT_EQ(rounds.size(), meetings.size());
    std::set<std::pair<int, int>> pairs, groups;
    for (std::size_t i = 0; i < meetings.size(); ++i) {
        EXPECT_GE(rounds[i], 1);
        EXPECT_LE(rounds[i], limit);
        EXPECT_TRUE(pairs.insert({meetings[i].nsPair, rounds[i]}).second);
        EXPECT_TRUE(pairs.insert({meetings[i].ewPair, rounds[i]}).second);
        if (!shared) {
            EXPECT_TRUE(groups.insert({meetings[i].group, rounds[i]}).second);
        }
    }
}

// As result files list them: board by board, each board's tables by NS pair.
TEST(PlayedRounds, EveryMitchellListedBoardByBoardGetsPlayableRounds) {
    for (int tables = 3; tables <= 35; tables += 2) {
        std::vector<Meeting> meetings = mitchell(tables);
        std::sort(meetings.begin(), meetings.end(), [](const Meeting& a, const Meeting& b) {
            return std::tie(a.group, a.nsPair) < std::tie(b.group, b.nsPair);
        });
        SCOPED_TRACE(tables);
        expectPlayable(meetings, inferRounds(meetings, tables, false), tables, false);
    }
}

TEST(PlayedRounds, EveryMitchellInAnyOrderGetsPlayableRounds) {
    std::mt19937 shuffle(7);
    for (int tables = 3; tables <= 35; tables += 2) {
        std::vector<Meeting> meetings = mitchell(tables);
        std::shuffle(meetings.begin(), meetings.end(), shuffle);
        SCOPED_TRACE(tables);
        expectPlayable(meetings, inferRounds(meetings, tables, false), tables, false);
    }
}

// Listed in playing order, a movement gets its own rounds.
TEST(PlayedRounds, TablesListedInPlayingOrderKeepTheirRounds) {
    const std::vector<Meeting> meetings = mitchell(5);
    std::vector<int> expected;
    for (int round = 1; round <= 5; ++round) expected.insert(expected.end(), 5, round);
    EXPECT_EQ(inferRounds(meetings, 5, false), expected);
}

// Two tables on one board group in a round (a relay): possible only when groups may be shared.
TEST(PlayedRounds, SharedBoardGroupsNeedLeaveToShare) {
    const std::vector<Meeting> meetings{{1, 2, 0}, {3, 4, 0}, {1, 3, 1}, {2, 4, 1}};
    EXPECT_TRUE(inferRounds(meetings, 2, false).empty());
    expectPlayable(meetings, inferRounds(meetings, 2, true), 2, true);
}

TEST(PlayedRounds, ImpossibleOrHugeAsksEndWithoutAnswer) {
    // Pair 1 meets three pairs but there are two rounds.
    EXPECT_TRUE(inferRounds({{1, 2, 0}, {1, 3, 1}, {1, 4, 2}}, 2, true).empty());
    EXPECT_TRUE(inferRounds({}, 3, false).empty());
    EXPECT_TRUE(inferRounds({{1, 2, 0}}, 500, false).empty());
    // Every pair of 36 meets every other on its own group within too few rounds: no answer,
    // and the bounded search says so at once.
    std::vector<Meeting> all;
    for (int a = 1; a <= 36; ++a)
        for (int b = a + 1; b <= 36; ++b) all.push_back({a, b, static_cast<int>(all.size()) % 40});
    EXPECT_TRUE(inferRounds(all, 34, false).empty());
}

}  // namespace
}  // namespace vindelkast
