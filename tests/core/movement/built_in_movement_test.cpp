#include <gtest/gtest.h>

#include "model/board_results.h"
#include "movement/built_in_movement.h"
#include "movement/movement.h"
#include "movement_checks.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

using test::Slot;
using test::slotsOf;

// The 8-pair movement round by round, table by table: NS, EW, first board.
struct Table {
    int ns, ew, firstBoard;
};
const Table kEightPairs[7][4] = {
    {{8, 1, 1}, {3, 6, 10}, {2, 7, 16}, {5, 4, 19}}, {{8, 2, 4}, {4, 7, 13}, {3, 1, 19}, {6, 5, 1}},
    {{8, 3, 7}, {5, 1, 16}, {4, 2, 1}, {7, 6, 4}},   {{8, 4, 10}, {6, 2, 19}, {5, 3, 4}, {1, 7, 7}},
    {{8, 5, 13}, {7, 3, 1}, {6, 4, 7}, {2, 1, 10}},  {{8, 6, 16}, {1, 4, 4}, {7, 5, 10}, {3, 2, 13}},
    {{8, 7, 19}, {2, 5, 7}, {1, 6, 13}, {4, 3, 16}},
};

std::vector<Slot> eightPairSlots(int withoutPair) {
    std::vector<Slot> slots;
    for (int round = 1; round <= 7; ++round)
        for (const Table& t : kEightPairs[round - 1]) {
            if (t.ns == withoutPair || t.ew == withoutPair) continue;
            for (int b = t.firstBoard; b < t.firstBoard + 3; ++b) slots.emplace_back(b, round, t.ns, t.ew);
        }
    std::sort(slots.begin(), slots.end());
    return slots;
}

TEST(BuiltInMovement, EightPairsFollowTheTableWhateverRoundsWereTyped) {
    for (int typedRounds : {7, 3, 0}) {
        for (int maxPair : {7, 8}) {
            test::ContestFixture f;
            test::setUp(f.c(), 21, typedRounds, maxPair);
            buildBuiltInMovement(f.c());
            EXPECT_EQ(slotsOf(f.c()), eightPairSlots(0)) << typedRounds << " rounds, " << maxPair << " pairs";
            ASSERT_TRUE(f.c().movement);
            EXPECT_EQ(f.c().movement->roundCount, 7);
            EXPECT_EQ(f.c().movement->boardsPerRound, 3);
            EXPECT_EQ(f.c().movement->cycleLength, 7);
            EXPECT_EQ(test::movementFaults(f.c(), true), "");
            // Every pair meets every other pair.
            EXPECT_EQ(test::meetingsOf(f.c()).size(), 28u);
        }
    }
}

TEST(BuiltInMovement, ByePairIsOnNoBoardAndItsOpponentSitsOut) {
    test::ContestFixture f;
    test::setUp(f.c(), 21, 7, 8, 8);
    buildBuiltInMovement(f.c());
    EXPECT_EQ(slotsOf(f.c()), eightPairSlots(8));
    for (int b = 1; b <= 21; ++b) {
        EXPECT_EQ(f.c().boards[b].resultCount, 3) << b;
        EXPECT_FALSE(hasPair(f.c().boards[b], 8));
    }
    EXPECT_EQ(f.c().movement->byePair, 8);
}

TEST(BuiltInMovement, TwelvePairsKeepTheirStationaryPairsApart) {
    test::ContestFixture f;
    test::setUp(f.c(), 27, 5, 12);
    buildBuiltInMovement(f.c());
    EXPECT_EQ(test::movementFaults(f.c(), true), "");
    const auto met = test::meetingsOf(f.c());
    EXPECT_EQ(met.size(), 54u);  // 9 rounds of 6 tables, all different
    for (auto [a, b] : {std::pair{10, 11}, {10, 12}, {11, 12}}) EXPECT_FALSE(met.count({a, b}));
    for (int p = 1; p <= 12; ++p)
        for (int b = 1; b <= 27; ++b) EXPECT_TRUE(hasPair(f.c().boards[b], p)) << p << " " << b;

    // Round 1 as the club knows it, and pair 11 EW in round 4.
    const std::vector<Table> round1 = {{12, 1, 1}, {11, 4, 4}, {10, 8, 7},
                                       {2, 7, 10}, {9, 6, 13}, {5, 3, 16}};
    for (const Table& t : round1)
        for (int b = t.firstBoard; b < t.firstBoard + 3; ++b) {
            const BoardResult* r = findResult(f.c().boards[b], t.ns, t.ew);
            ASSERT_NE(r, nullptr) << t.ns << "-" << t.ew << " board " << b;
            EXPECT_EQ(r->round, 1);
        }
    bool found = false;
    for (int b = 1; b <= 27; ++b)
        if (const BoardResult* r = findResult(f.c().boards[b], 7, 11)) found = found || r->round == 4;
    EXPECT_TRUE(found);
}

TEST(BuiltInMovement, NineAndTenPairsOnEighteenOrTwentySevenBoards) {
    for (int boards : {18, 27})
        for (int maxPair : {9, 10}) {
            test::ContestFixture f;
            test::setUp(f.c(), boards, 9, maxPair);
            buildBuiltInMovement(f.c());
            EXPECT_EQ(test::movementFaults(f.c(), true), "") << boards << " " << maxPair;
            EXPECT_EQ(test::meetingsOf(f.c()).size(), 45u);
            EXPECT_EQ(f.c().movement->boardsPerRound, boards / 9);
            for (int b = 1; b <= boards; ++b) EXPECT_EQ(f.c().boards[b].resultCount, 5);
        }
}

TEST(BuiltInMovement, OtherFieldsGetAnEmptyMovementFromTheirCounts) {
    const int fields[][3] = {{20, 7, 8}, {21, 7, 9}, {21, 7, 6}, {24, 8, 12}, {27, 9, 13}, {0, 0, 0}};
    for (const auto& field : fields) {
        test::ContestFixture f;
        test::setUp(f.c(), field[0], field[1], field[2], 3);
        buildBuiltInMovement(f.c());
        EXPECT_TRUE(slotsOf(f.c()).empty()) << field[0] << " " << field[2];
        const Movement& m = *f.c().movement;
        EXPECT_EQ(m.boardCount, field[0]);
        EXPECT_EQ(m.roundCount, field[1]);
        EXPECT_EQ(m.cycleLength, field[1]);
        EXPECT_EQ(m.pairCount, field[2]);
        EXPECT_EQ(m.byePair, 3);
        EXPECT_EQ(m.boardsPerRound, field[1] < 1 ? 0 : field[0] / field[1]);
    }
}

TEST(BuiltInMovement, EveryCallMakesANewMovement) {
    test::ContestFixture f;
    test::setUp(f.c(), 20, 5, 8);
    buildBuiltInMovement(f.c());
    const auto first = f.c().movement;
    buildBuiltInMovement(f.c());
    EXPECT_NE(first, f.c().movement);
}

}  // namespace
}  // namespace vindelkast
