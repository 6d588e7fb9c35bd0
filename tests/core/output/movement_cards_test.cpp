#include <gtest/gtest.h>

#include <fstream>

#include "../files/temp_folder.h"
#include "movement/contest_setup.h"
#include "movement/movement_generator.h"
#include "output/movement_cards.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

// Five pairs in a Howell: pair 6 is the bye pair, so every round one pair sits out and the
// table it would have played at rests.
TEST(MovementCards, HowellForFivePairsTellsEachTableAndPairItsEvening) {
    test::TempFolder folder;
    const GeneratedMovement made = generateMovement({MovementKind::Howell, 5, 0, 2, false});
    ASSERT_EQ(made.message, "");
    test::ContestFixture f;
    SetUpRequest request;
    request.guideCard = folder.write("h5.gui", guideCardText(made));
    request.byePair = "6";
    request.contestName = "Tisdag";
    ASSERT_EQ(setUpContest(f.c(), request).message, "");

    const std::vector<PrintedCard> tables = tableCards(f.c());
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0][0], "Bord 1  -  Tisdag");
    EXPECT_EQ(tables[0][2], "Rond  NS    \xd6V           Givar");
    const std::vector<PrintedCard> pairs = pairCards(f.c());
    ASSERT_EQ(pairs.size(), 5u);  // not the bye pair

    // Every line agrees with the movement as it was made.
    int resting = 0;
    for (const TableRound& seat : made.seats) {
        const std::string boards = boardRanges({made.firstBoard(seat), made.firstBoard(seat) + 1});
        const std::string& tableLine = tables[seat.table - 1][static_cast<std::size_t>(seat.round) + 2];
        if (const int out = sittingOut(made, seat)) {
            ++resting;
            EXPECT_EQ(tableLine, "   " + std::to_string(seat.round) + "  -     -            bordet vilar");
            EXPECT_EQ(pairs[out - 1][static_cast<std::size_t>(seat.round) + 2],
                      w("   " + std::to_string(seat.round) + "  -                  står över"));
            continue;
        }
        EXPECT_EQ(tableLine, "   " + std::to_string(seat.round) + "  " + std::to_string(seat.nsPair) +
                                 "     " + std::to_string(seat.ewPair) + "            " + boards);
        char line[80];
        std::snprintf(line, sizeof line, "%4d  %-5d %-6s %-5d %s", seat.round, seat.table, "NS", seat.ewPair,
                      boards.c_str());
        EXPECT_EQ(pairs[seat.nsPair - 1][static_cast<std::size_t>(seat.round) + 2], line);
    }
    EXPECT_EQ(resting, 5);
}

TEST(MovementCards, BoardListsAreShownAsRanges) {
    EXPECT_EQ(boardRanges({1, 2, 3, 4}), "1-4");
    EXPECT_EQ(boardRanges({5, 9, 10}), "5,9-10");
    EXPECT_EQ(boardRanges({}), "");
}

}  // namespace
}  // namespace vindelkast
