#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>
#include <tuple>

#include "../files/temp_folder.h"
#include "../movement/movement_checks.h"
#include "files/contest_file.h"
#include "files/round_file.h"
#include "movement/contest_setup.h"
#include "movement/movement_generator.h"
#include "movement/table_rounds.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

// Two sections of an 18-table Mitchell with skip playing the same boards at once: table t
// and table t + 18 share board group each round. 72 pairs at 36 tables, 54 boards, 17 rounds.
std::string twoSectionCard() {
    std::ostringstream card;
    card << "72 54 17 3\r\n";
    for (int r = 0; r < 17; ++r) {
        const int moved = r + (r >= 9 ? 1 : 0);
        for (int section = 0; section < 2; ++section)
            for (int t = 0; t < 18; ++t)
                card << r + 1 << ' ' << section * 36 + t + 1 << ' '
                     << section * 36 + 19 + (t - moved + 18) % 18 << ' ' << (t + r) % 18 * 3 + 1 << "\r\n";
    }
    return card.str();
}

// A contest laid from the card the way "Klar" lays it.
void lay(test::ContestFixture& fixture, const test::TempFolder& folder, const std::string& card) {
    SetUpRequest request;
    request.guideCard = folder.write("kort.gui", card);
    request.contestName = "Kv\xe4ll";
    ASSERT_EQ(setUpContest(fixture.c(), request).message, "");
}

// Saves the contest file and the round file as the window does and opens both again.
void saveAndOpen(Contest& from, test::ContestFixture& into, bool withRounds) {
    std::ostringstream out;
    writeContest(from, out, "3.23");
    const std::string rounds = writeRounds(from);
    std::istringstream in(out.str());
    readContestFile(into.c(), in);
    if (withRounds) {
        ASSERT_EQ(readRounds(into.c(), rounds), "");
    }
}

using Evening = std::vector<std::vector<std::tuple<int, int, int, std::vector<int>>>>;

Evening tablesOf(const Contest& contest) {
    Evening evening;
    for (const std::vector<TableSeat>& round : eveningTables(contest, false)) {
        evening.emplace_back();
        for (const TableSeat& seat : round)
            evening.back().emplace_back(seat.table, seat.nsPair, seat.ewPair, seat.boards);
    }
    return evening;
}

TEST(RoundFile, RelayCardComesBackTheSameMovementAfterSaveAndOpen) {
    test::TempFolder folder;
    const GeneratedMovement made = generateMovement({MovementKind::Mitchell, 16, 0, 0, true});
    test::ContestFixture laid;
    lay(laid, folder, guideCardText(made));
    // Tables 1 and 8 share a group: a board has two slots in the same round.
    EXPECT_EQ(roundTables(laid.c(), 1, false).size(), 8u);

    test::ContestFixture opened;
    saveAndOpen(laid.c(), opened, true);
    EXPECT_EQ(test::slotsOf(opened.c()), test::slotsOf(laid.c()));
    EXPECT_EQ(tablesOf(opened.c()), tablesOf(laid.c()));

    // Without the round file the reader numbers each board's slots 1, 2, 3...
    test::ContestFixture bare;
    saveAndOpen(laid.c(), bare, false);
    EXPECT_NE(test::slotsOf(bare.c()), test::slotsOf(laid.c()));
}

TEST(RoundFile, ThirtySixTablesSharingBoardsKeepTheirNumbersAndTheirOwnRounds) {
    test::TempFolder folder;
    test::ContestFixture laid;
    lay(laid, folder, twoSectionCard());
    EXPECT_EQ(tableCountOfEvening(laid.c(), false), 36);
    const TableSeat first = tableSeat(laid.c(), 1, 2, false);
    EXPECT_EQ(std::make_pair(first.nsPair, first.ewPair), std::make_pair(1, 36));
    const TableSeat partner = tableSeat(laid.c(), 19, 2, false);
    EXPECT_EQ(partner.boards, first.boards);

    test::ContestFixture opened;
    saveAndOpen(laid.c(), opened, true);
    EXPECT_EQ(tableCountOfEvening(opened.c(), false), 36);
    EXPECT_EQ(tablesOf(opened.c()), tablesOf(laid.c()));
    for (int table = 1; table <= 36; ++table)
        for (int round = 1; round <= 17; ++round)
            EXPECT_EQ(tableSeat(opened.c(), table, round, false).nsPair, table <= 18 ? table : table + 18);
}

// A share written by hand (tests/data/P8_delade_givar.gui): tables 1 and 2, and 3 and 4,
// play the same boards each round, and in round 2 pair 1 moves to table 2. Every record is
// the table of its place in the round, whatever boards it shares, before and after a save;
// a resting table's record (pairs 0) keeps its place too.
TEST(RoundFile, HandWrittenShareGivesEveryTableItsOwnRecord) {
    std::ifstream file(std::string(VK_SOURCE_DIR) + "/tests/data/P8_delade_givar.gui", std::ios::binary);
    const std::string card((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(card.empty());
    const std::vector<std::array<int, 5>> records{{1, 1, 1, 5, 1}, {1, 2, 2, 6, 1}, {1, 3, 3, 7, 3},
                                                  {1, 4, 4, 8, 3}, {2, 1, 2, 5, 3}, {2, 2, 1, 6, 3},
                                                  {2, 3, 4, 7, 1}, {2, 4, 3, 8, 1}};
    test::TempFolder folder;
    test::ContestFixture laid;
    lay(laid, folder, card);
    test::ContestFixture opened;
    saveAndOpen(laid.c(), opened, true);
    for (const Contest* c : {&laid.c(), &opened.c()}) {
        EXPECT_EQ(tableCountOfEvening(*c, false), 4);
        for (const auto& [round, table, ns, ew, first] : records) {
            const TableSeat seat = tableSeat(*c, table, round, false);
            EXPECT_EQ(std::make_tuple(seat.nsPair, seat.ewPair, seat.boards),
                      std::make_tuple(ns, ew, std::vector<int>{first, first + 1}))
                << "round " << round << " table " << table;
        }
    }
    // Table 2 rests in round 2: table 3 is still the third record's.
    test::ContestFixture resting;
    lay(resting, folder, "6 4 2 2\r\n1 1 4 1\r\n1 2 5 1\r\n1 3 6 3\r\n2 1 5 3\r\n2 0 0 3\r\n2 2 4 3\r\n");
    EXPECT_EQ(tableSeat(resting.c(), 3, 2, false).nsPair, 2);
    EXPECT_EQ(tableSeat(resting.c(), 2, 2, false).table, 0);
}

TEST(RoundFile, FileWithAFaultIsRefusedWithItsLineAndChangesNothing) {
    test::TempFolder folder;
    test::ContestFixture laid;
    lay(laid, folder, guideCardText(generateMovement({MovementKind::Howell, 8, 0, 0, false})));
    const auto before = test::slotsOf(laid.c());
    EXPECT_EQ(readRounds(laid.c(), "%RONDER 2\r\n"), w("Filen är ingen rondfil (version 1)"));
    EXPECT_EQ(readRounds(laid.c(), "%RONDER 1\r\nS 1 8 1 5\r\nS 1 2 3 x\r\n"),
              w("Fel i rondfilen, rad 3: ronden ska vara 1-71"));
    EXPECT_EQ(readRounds(laid.c(), "%RONDER 1\r\nS 1 8 1 5\r\nS 2 5 6 2\r\n"),
              w("Fel i rondfilen, rad 3: par 5-6 spelar inte giv 2"));
    EXPECT_EQ(readRounds(laid.c(), "%RONDER 1\r\nT 1 8 1 40\r\n"),
              w("Fel i rondfilen, rad 2: bordet ska vara 1-36"));
    EXPECT_EQ(test::slotsOf(laid.c()), before);
    // A contest the file keeps whole needs no round file.
    test::ContestFixture typed;
    test::setUp(typed.c(), 2, 1, 4);
    EXPECT_EQ(writeRounds(typed.c()), "");
}

}  // namespace
}  // namespace vindelkast
