#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "model/start_list.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// A start list of `count` pairs: pair p holds members 2p-1 and 2p of a register of 200.
struct StartList : test::ContestFixture {
    explicit StartList(int count) {
        test::fillRegister(*reg, 200);
        c().maxPairNumber = count;
        test::seatPairs(c(), count);
        c().participantCount = count;
    }
    Member* m(int index) { return reg->entry(index); }
    // Which original pair (by its first member) sits under each number 1..participantCount.
    std::vector<int> seating() {
        std::vector<int> pairs;
        for (int p = 1; p <= c().participantCount; ++p) {
            const Member* first = c().participants[p].first;
            pairs.push_back(!first ? 0 : first == c().byeMember ? -1 : (first->memberId + 1) / 2);
        }
        return pairs;
    }
};

// A generator that plays back fixed values.
struct Script {
    std::deque<int> values;
    int operator()() {
        const int v = values.front();
        values.pop_front();
        return v;
    }
};

TEST(StartList, SeatingRaisesCountsAndTakesFriparAsByePairOnlyAtTheEnd) {
    StartList s(0);
    Contest& c = s.c();
    seatMember(c, s.m(5), 3, 0);
    seatMember(c, s.m(6), 3, 1);
    EXPECT_EQ(c.participants[3].first, s.m(5));
    EXPECT_EQ(c.participants[3].second, s.m(6));
    EXPECT_EQ(c.participantCount, 3);
    EXPECT_EQ(c.maxPairNumber, 3);

    // "fripar" below the last number is just a name; at the last number it makes the bye pair.
    seatMember(c, c.byeMember, 2, 0);
    EXPECT_EQ(c.byePair, 0);
    seatMember(c, c.byeMember, 4, 0);
    EXPECT_EQ(c.byePair, 4);
    EXPECT_EQ(c.maxPairNumber, 4);

    // A set-up with a larger field keeps its highest pair number.
    c.maxPairNumber = 14;
    seatMember(c, s.m(9), 1, 0);
    EXPECT_EQ(c.maxPairNumber, 14);
    EXPECT_EQ(c.participantCount, 4);

    // Numbers outside 1..72 are never written.
    seatMember(c, s.m(7), 73, 0);
    seatMember(c, s.m(7), 0, 1);
    EXPECT_EQ(c.participantCount, 4);
    seatMember(c, s.m(7), 72, 1);
    EXPECT_EQ(c.participants[72].second, s.m(7));
    EXPECT_EQ(c.participantCount, 72);
    EXPECT_EQ(c.maxPairNumber, 72);
}

TEST(StartList, ShuffleKeepsFrozenPlacesAndDrawsTheRestFromTheFreePlaces) {
    StartList s(8);
    Contest& c = s.c();
    c.nameFrozen[2] = true;
    c.nameFrozen[5] = true;
    Script random{{9, 0, 13, 4, 2, 7}};
    const auto draws = shuffleStartList(c, std::ref(random));

    // Free places start as 1 3 4 6 7 8; each draw takes the (value mod free)+1-th still free.
    const std::vector<std::string> expected = {"6 3 1 6", "5 0 3 1", "4 1 4 4",
                                               "3 1 6 7", "2 0 7 3", "1 0 8 8"};
    std::vector<std::string> lines;
    for (const SeatingDraw& d : draws) lines.push_back(seatingDrawLine(d));
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(s.seating(), (std::vector<int>{3, 2, 7, 4, 5, 1, 6, 8}));
    EXPECT_EQ(c.participants[6].second, s.m(2));
    EXPECT_TRUE(c.nameFrozen[2] && c.nameFrozen[5]);
    EXPECT_EQ(c.participantCount, 8);
}

TEST(StartList, ShuffleMovesTheByePairWithFriparAndKeepsSecondOnlyEntries) {
    StartList s(6);
    Contest& c = s.c();
    c.participants[6] = {c.byeMember, c.byeMember};
    c.byePair = 6;
    c.participants[3].first = nullptr;  // only the second person is known yet
    const Member* lonely = c.participants[3].second;
    Script random{{0, 0, 0, 0, 0}};
    const auto draws = shuffleStartList(c, std::ref(random));
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(draws.front().freeCount, 5);
    EXPECT_EQ(c.participants[3].second, lonely);
    EXPECT_EQ(c.participants[3].first, nullptr);
    // Always the first free place: the order stays, skipping number 3.
    EXPECT_EQ(s.seating(), (std::vector<int>{1, 2, 0, 4, 5, -1}));
    EXPECT_EQ(c.byePair, 6);

    Script last{{4, 3, 2, 1, 0}};
    shuffleStartList(c, std::ref(last));
    EXPECT_EQ(s.seating(), (std::vector<int>{-1, 5, 0, 4, 2, 1}));
    EXPECT_EQ(c.byePair, 1);
    EXPECT_EQ(c.participants[3].second, lonely);

    // Whatever the generator says, everybody lands somewhere exactly once.
    for (int seed = 0; seed < 50; ++seed) {
        StartList big(40);
        for (int p = 1; p <= 40; p += 7) big.c().nameFrozen[p] = true;
        std::uint32_t x = static_cast<std::uint32_t>(seed);
        shuffleStartList(big.c(), [&x] {
            x = x * 1103515245u + 12345u;
            return static_cast<int>(x >> 1);
        });
        auto seated = big.seating();
        for (int p = 1; p <= 40; p += 7) EXPECT_EQ(seated[p - 1], p);
        std::sort(seated.begin(), seated.end());
        for (int p = 1; p <= 40; ++p) EXPECT_EQ(seated[p - 1], p);
    }
}

TEST(StartList, SwapFollowsFriparAndDeleteRemovesTheMarkedPersons) {
    StartList s(8);
    Contest& c = s.c();
    c.participants[8] = {c.byeMember, c.byeMember};
    c.byePair = 8;
    swapParticipants(c, 3, 8);
    EXPECT_EQ(c.byePair, 3);
    EXPECT_EQ(s.seating(), (std::vector<int>{1, 2, -1, 4, 5, 6, 7, 3}));
    swapParticipants(c, 3, 8);
    EXPECT_EQ(c.byePair, 8);
    swapParticipants(c, 1, 2);
    EXPECT_EQ(s.seating(), (std::vector<int>{2, 1, 3, 4, 5, 6, 7, -1}));
    EXPECT_EQ(c.byePair, 8);

    // Deleting 3 of 8 moves 4..8 up; the frozen mark stays with number 5.
    c.nameFrozen[5] = true;
    deleteParticipants(c, {3});
    EXPECT_EQ(s.seating(), (std::vector<int>{2, 1, 4, 5, 6, 7, -1}));
    EXPECT_EQ(c.participants[8].first, nullptr);
    EXPECT_EQ(c.participantCount, 7);
    EXPECT_EQ(c.maxPairNumber, 7);
    EXPECT_TRUE(c.nameFrozen[5]);
    EXPECT_EQ(c.byePair, 7);  // the bye pair moved up with its entry

    // Several marks delete the persons marked, not those who moved into the marked rows.
    deleteParticipants(c, {2, 3, 7});
    EXPECT_EQ(s.seating(), (std::vector<int>{2, 5, 6, 7}));
    EXPECT_EQ(c.byePair, 0);
    EXPECT_EQ(c.maxPairNumber, 4);
    deleteParticipants(c, {0, 9, 73});
    EXPECT_EQ(c.participantCount, 4);
}

TEST(StartList, IndividualDeleteMovesOnlyThePlayersAndFreezeToggles) {
    StartList s(4);
    Contest& c = s.c();
    c.isIndividual = true;
    for (int p = 1; p <= 4; ++p) c.participants[p].second = nullptr;
    deleteParticipant(c, 2);
    EXPECT_EQ(s.seating(), (std::vector<int>{1, 3, 4}));
    deleteParticipant(c, 4);
    EXPECT_EQ(c.participantCount, 3);
    toggleFrozen(c, 2);
    EXPECT_TRUE(c.nameFrozen[2]);
    toggleFrozen(c, 2);
    EXPECT_FALSE(c.nameFrozen[2]);
    toggleFrozen(c, 73);
    toggleFrozen(c, 0);
    EXPECT_FALSE(c.nameFrozen[0]);
}

}  // namespace
}  // namespace vindelkast
