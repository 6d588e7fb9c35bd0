// Rows typed into a contest without a movement: a new pairing laid over its round, cleared
// and retyped rows, a pair that plays elsewhere, the other seating, and the boards on view.
#include "model/entry_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/result_order.h"
#include "model/sections.h"
#include "model/typed_score.h"
#include "support/entry_rows.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::ContestFixture;
using test::entryRow;
using test::layTables;

// A fixture of eight pairs, six boards in two rounds, without a movement: slots come from
// what the director types.
struct Typed : ::testing::Test {
    ContestFixture f;
    Contest& c = f.c();
    void SetUp() override { test::setUp(c, 6, 2, 8); }
    std::vector<std::pair<int, int>> pairsOn(int b) const {
        std::vector<std::pair<int, int>> out;
        for (int i = 0; i < c.boards[b].resultCount; ++i)
            out.emplace_back(c.boards[b].results[i].nsPair, c.boards[b].results[i].ewPair);
        return out;
    }
    int score(int b, int ns, int ew) const {
        const BoardResult* r = findResult(c.boards[b], ns, ew);
        return r ? r->nsScore : -1;
    }
};

TEST_F(Typed, ANewPairingIsCopiedOverTheRoundAndItsTypedScoresStored) {
    EntryView view{1, true, {entryRow(1, 2, {"42", "", "-5"}), entryRow(3, 0, {"", "", ""})}};
    RowCommitResult result = commitRow(c, view, 0);
    EXPECT_EQ(result.kind, RowCommit::Added);
    EXPECT_TRUE(result.changed);
    for (int b = 1; b <= 3; ++b) EXPECT_EQ(pairsOn(b), (std::vector<std::pair<int, int>>{{1, 2}})) << b;
    EXPECT_TRUE(pairsOn(4).empty());
    EXPECT_EQ(score(1, 1, 2), 420);
    EXPECT_EQ(score(2, 1, 2), kNoScore);
    EXPECT_EQ(score(3, 1, 2), -50);
    ASSERT_EQ(result.stores.size(), 2u);
    EXPECT_EQ(result.stores[1].column, 2);
    EXPECT_EQ(findResult(c.boards[2], 1, 2)->round, 1);

    // A row still missing a number commits nothing.
    result = commitRow(c, view, 1);
    EXPECT_EQ(result.kind, RowCommit::Incomplete);
    EXPECT_FALSE(result.changed);
    // Committing the same pairing again changes nothing.
    EXPECT_EQ(commitRow(c, view, 0).kind, RowCommit::Unchanged);

    // Board-wise on board 5: copied to boards 4 and 6, scores stored for board 5 only.
    EntryView board5{5, false, {entryRow(5, 6, {"11"})}};
    EXPECT_EQ(commitRow(c, board5, 0).kind, RowCommit::Added);
    for (int b = 4; b <= 6; ++b) EXPECT_EQ(pairsOn(b), (std::vector<std::pair<int, int>>{{5, 6}}));
    EXPECT_EQ(score(5, 5, 6), 110);
    EXPECT_EQ(score(4, 5, 6), kNoScore);
    EXPECT_EQ(findResult(c.boards[4], 5, 6)->round, 2);
}

TEST_F(Typed, ClearedNumbersAndRetypedRowsTakeStaleSlotsOff) {
    EntryView view{1, true, {entryRow(1, 2, {"42", "43", "44"}), entryRow(3, 4, {"1", "2", "3"})}};
    commitRow(c, view, 0);
    commitRow(c, view, 1);
    ASSERT_EQ(pairsOn(2).size(), 2u);

    // Row 1 emptied: its slot leaves every board of the round.
    view.rows[1] = entryRow(3, 0, {"1", "2", "3"});
    RowCommitResult result = commitRow(c, view, 1);
    EXPECT_EQ(result.kind, RowCommit::Incomplete);
    EXPECT_TRUE(result.changed);
    for (int b = 1; b <= 3; ++b) EXPECT_EQ(pairsOn(b), (std::vector<std::pair<int, int>>{{1, 2}}));

    // Two pairs new to the board: a new slot, and the one the row showed before goes.
    view.rows[1] = entryRow(3, 4, {"1", "2", "3"});
    EXPECT_EQ(commitRow(c, view, 1).kind, RowCommit::Added);
    view.rows[1] = entryRow(5, 6, {"1", "2", "3"});
    EXPECT_EQ(commitRow(c, view, 1).kind, RowCommit::Added);
    for (int b = 1; b <= 3; ++b)
        EXPECT_EQ(pairsOn(b), (std::vector<std::pair<int, int>>{{1, 2}, {5, 6}})) << b;
    EXPECT_EQ(score(3, 5, 6), 300);  // a lone 3 is 300
    EXPECT_EQ(score(3, 1, 2), 440);

    // Board-wise removal touches the current board only.
    EntryView board2{2, false, {entryRow(1, 2, {"43"}), entryRow(0, 6, {""})}};
    EXPECT_TRUE(removeStaleSlots(c, board2));
    EXPECT_EQ(pairsOn(2), (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(pairsOn(3).size(), 2u);
}

TEST_F(Typed, APairThatPlaysElsewhereOnTheBoardLaysTheBoardsAgain) {
    EntryView view{1, true, {entryRow(1, 2, {"42", "43", "44"}), entryRow(3, 4, {"1", "2", "3"})}};
    commitRow(c, view, 0);
    commitRow(c, view, 1);
    // 3 against 5 instead of 3 against 4.
    view.rows[1] = entryRow(3, 5, {"1", "2", "-3"});
    RowCommitResult result = commitRow(c, view, 1);
    EXPECT_EQ(result.kind, RowCommit::Rebuilt);
    EXPECT_EQ(result.stores.size(), 6u);
    for (int b = 1; b <= 3; ++b)
        EXPECT_EQ(pairsOn(b), (std::vector<std::pair<int, int>>{{1, 2}, {3, 5}})) << b;
    EXPECT_EQ(score(1, 1, 2), 420);
    EXPECT_EQ(score(3, 3, 5), -300);
    // The scores were scored again: 440 beats -300 on board 3.
    EXPECT_FLOAT_EQ(findResult(c.boards[3], 1, 2)->nsPoints, 2.0f);
}

TEST_F(Typed, TheOtherSeatingIsKeptOrChangedOnlyWhenAsked) {
    EntryView view{1, true, {entryRow(1, 2, {"42", "43", "44"}), entryRow(3, 4, {"1", "2", "3"})}};
    commitRow(c, view, 0);
    commitRow(c, view, 1);
    // Board 2 had the pairs 1 and 2 the other way round.
    BoardResult* board2 = findResult(c.boards[2], 1, 2);
    board2->nsPair = 2;
    board2->ewPair = 1;
    ASSERT_NE(findResult(c.boards[2], 2, 1), nullptr);
    const auto contents = entryGridContents(c, 1, true, entryShape(c));
    EXPECT_TRUE(contents[0].seatsChange);
    EXPECT_TRUE(contents[0].cells[1].swapped);
    EXPECT_FALSE(contents[0].cells[2].swapped);
    EXPECT_EQ(contents[0].cells[1].text, "430");
    EXPECT_FALSE(contents[1].seatsChange);

    // The grid laid again keeps board 2's seating.
    view.rows[0].seatsChange = true;
    rebuildFromGrid(c, view);
    EXPECT_NE(findResult(c.boards[2], 2, 1), nullptr);
    EXPECT_EQ(score(2, 2, 1), 430);
    EXPECT_EQ(boardDisagreeingWithGrid(c, view), 0);

    // Typed 2-1 on board 1: asked; "no" seats board 1 only, "yes" the whole round.
    EntryView turned{1, true, {entryRow(2, 1, {"42", "43", "44"}), entryRow(3, 4, {"1", "2", "3"})}};
    EXPECT_EQ(commitRow(c, turned, 0).kind, RowCommit::Swapped);
    EXPECT_NE(findResult(c.boards[1], 1, 2), nullptr);
    seatRowAsTyped(c, turned, 0, false);
    EXPECT_NE(findResult(c.boards[1], 2, 1), nullptr);
    EXPECT_NE(findResult(c.boards[3], 1, 2), nullptr);
    EXPECT_EQ(score(1, 2, 1), 420);  // the score stays with the NS seat
    seatRowAsTyped(c, EntryView{1, true, {entryRow(1, 2)}}, 0, true);
    for (int b = 1; b <= 3; ++b) EXPECT_NE(findResult(c.boards[b], 1, 2), nullptr) << b;
}

TEST_F(Typed, TheGridMustShowEveryBoardOnViewBeforeLeavingIt) {
    EntryView view{1, true, {entryRow(1, 2, {"", "", ""}), entryRow(3, 4, {"", "", ""})}};
    commitRow(c, view, 0);
    commitRow(c, view, 1);
    EXPECT_EQ(boardDisagreeingWithGrid(c, view), 0);
    view.rows[1].ew = 0;  // fewer rows with pairs than slots
    EXPECT_EQ(boardDisagreeingWithGrid(c, view), 1);
    view.rows[1].ew = 5;  // a pairing the board does not hold
    EXPECT_EQ(boardDisagreeingWithGrid(c, view), 1);
    view.rows[1].ew = 4;
    removePair(c.boards[3], 3);
    EXPECT_EQ(boardDisagreeingWithGrid(c, view), 3);
    view.roundMode = false;
    EXPECT_EQ(boardDisagreeingWithGrid(c, view), 0);
}

TEST_F(Typed, TableOrderSurvivesLayingTheBoardsAgain) {
    layTables(c, 1, 3, {{1, 2}, {3, 4}, {5, 6}});
    findResult(c.boards[1], 1, 2)->round = 3;  // table order 3-4, 5-6, 1-2
    findResult(c.boards[1], 3, 4)->round = 1;
    findResult(c.boards[1], 5, 6)->round = 2;
    sortResults(c.boards[1]);
    EntryView view{1, false, {entryRow(3, 4, {"1"}), entryRow(5, 6, {"2"}), entryRow(1, 2, {"3"})}};
    rebuildFromGrid(c, view);
    EXPECT_EQ(pairsOn(1), (std::vector<std::pair<int, int>>{{3, 4}, {5, 6}, {1, 2}}));
    EXPECT_EQ(findResult(c.boards[1], 1, 2)->round, 3);
    EXPECT_EQ(score(1, 5, 6), 200);
    EXPECT_EQ(pairsOn(2).size(), 3u);  // board-wise: the rest of the round stays as it was
}

}  // namespace
}  // namespace vindelkast
