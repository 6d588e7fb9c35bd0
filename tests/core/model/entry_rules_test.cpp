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

TEST(EntryRules, LetterShortcutsFollowTheVulnerabilityOfTheSideThatScored) {
    // Board 1 nobody vulnerable, 2 NS, 3 EW, 4 both.
    for (int board = 1; board <= 4; ++board) {
        EXPECT_EQ(letterScore('a', board), board % 2 == 0 ? 600 : 400) << board;
        EXPECT_EQ(letterScore('A', board), board >= 3 ? -600 : -400) << board;
    }
    // A capital is East-West's same score: the small letter on the board with the sides'
    // vulnerability exchanged (2 and 3), negated. Vulnerable never scores less.
    for (char small = 'a'; small <= 'z'; ++small) {
        const char capital = static_cast<char>(small - 'a' + 'A');
        const std::optional<int> vulnerable = letterScore(small, 2);
        ASSERT_EQ(vulnerable.has_value(), small != 'p') << small;
        EXPECT_EQ(letterScore(capital, 3), vulnerable ? std::optional(-*vulnerable) : std::nullopt) << small;
        EXPECT_EQ(letterScore(capital, 1),
                  vulnerable ? std::optional(-*letterScore(small, 1)) : std::nullopt);
        if (vulnerable) {
            EXPECT_LE(*letterScore(small, 1), *vulnerable) << small;
        }
    }
    // A few that directors type all evening.
    EXPECT_EQ(letterScore('s', 1), 420);
    EXPECT_EQ(letterScore('s', 4), 620);
    EXPECT_EQ(letterScore('g', 3), 450);
    EXPECT_EQ(letterScore('G', 3), -650);
    EXPECT_EQ(letterScore('m', 4), 800);
    EXPECT_EQ(letterScore('Z', 1), -100);
    // The section and half signs are the same on every board; other keys are no shortcut.
    EXPECT_EQ(letterScore('\xa7', 4), 50);
    EXPECT_EQ(letterScore('\xbd', 1), -50);
    for (char key : {'4', '%', ' ', '\xe5', '\xc5'}) EXPECT_EQ(letterScore(key, 1), std::nullopt) << key;
}

TEST(EntryRules, FocusMovesAlongTheRowThenDownThenBackToTheTop) {
    // Within the row.
    EXPECT_EQ(focusAfterStore(0, 0, 3, 4, true, false), (FocusTarget{0, EntryField::Score, 1}));
    // Last column: the next row's NS field when empty, else its first score cell.
    EXPECT_EQ(focusAfterStore(1, 2, 3, 4, true, false), (FocusTarget{2, EntryField::Ns, 0}));
    EXPECT_EQ(focusAfterStore(1, 2, 3, 4, false, true), (FocusTarget{2, EntryField::Score, 0}));
    EXPECT_EQ(focusAfterStore(2, 0, 1, 4, false, true), (FocusTarget{3, EntryField::Score, 0}));
    // Last row: back to the first row.
    EXPECT_EQ(focusAfterStore(3, 0, 1, 4, true, true), (FocusTarget{0, EntryField::Ns, 0}));
    EXPECT_EQ(focusAfterStore(3, 2, 3, 4, true, false), (FocusTarget{0, EntryField::Score, 0}));
}

TEST(EntryRules, ColumnHeadingsAndNumbers) {
    EXPECT_EQ(columnHeadings(7, 3, false), "7");
    EXPECT_EQ(columnHeadings(4, 3, true), " 4      5       6");
    EXPECT_EQ(columnHeadings(13, 4, true), "13     14      15     16 ");
    EXPECT_EQ(columnHeadings(1, 1, true), " 1");

    EXPECT_EQ(wholeNumber("42"), 42);
    EXPECT_EQ(wholeNumber(" -50 "), -50);
    EXPECT_EQ(wholeNumber("+7"), 7);
    EXPECT_EQ(wholeNumber("4 2"), std::nullopt);
    EXPECT_EQ(wholeNumber("-"), std::nullopt);
    EXPECT_EQ(wholeNumber("%+-"), std::nullopt);
    EXPECT_EQ(wholeNumber("99999999999999999999"), std::nullopt);

    EXPECT_EQ(pairFieldNumber("8", 8), 8);
    EXPECT_EQ(pairFieldNumber("9", 8), 0);
    EXPECT_EQ(pairFieldNumber("80", 100), 0);  // never beyond the 72 pairs of the arrays
    EXPECT_EQ(pairFieldNumber("0", 8), 0);
    EXPECT_EQ(pairFieldNumber("x", 8), 0);

    EXPECT_EQ(scoreCellText(kNoScore), "");
    EXPECT_EQ(scoreCellText(-420), "-420");
    EXPECT_EQ(scoreCellText(10064), "%+-");
    EXPECT_EQ(scoreCellText(10055), "%==");
}

TEST(EntryRules, PairFieldsMarkDuplicatesAndTextsThatAreNoPairNumber) {
    const PairFieldCheck check = checkPairFields({"1", "2", "3", "1", "", "x", "0", " 2", "5"});
    using S = PairFieldState;
    EXPECT_EQ(check.states, (std::vector<S>{S::Duplicate, S::Duplicate, S::Plain, S::Duplicate, S::Plain,
                                            S::Invalid, S::Invalid, S::Duplicate, S::Plain}));
    EXPECT_TRUE(check.duplicates);
    const PairFieldCheck clean = checkPairFields({"1", "2", "", "-3"});
    EXPECT_FALSE(clean.duplicates);
    EXPECT_EQ(clean.states[3], S::Invalid);
    // In sections (A 1-10, B 11-20) a field shows "B3" and takes it or 13 for the same pair, no
    // section or number beyond it for none.
    ContestFixture f;
    f.c().maxPairNumber = 20;
    f.c().sections = sectionsOfSizes({10, 10}, true);
    EXPECT_EQ(pairFieldText(f.c(), 13), "B3");
    EXPECT_EQ(pairFieldNumber(f.c(), " b3") + pairFieldNumber(f.c(), "C1") + pairFieldNumber(f.c(), "B11"),
              13);
    EXPECT_EQ(checkPairFields(f.c(), {"B3", "13", "A3"}).states,
              (std::vector<S>{S::Duplicate, S::Duplicate, S::Plain}));
}

TEST(EntryRules, ShapeAndRoundsFitTheContest) {
    ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 22, 7, 14, 14);  // 3 boards a round; board 22 makes a short last round
    EXPECT_EQ(entryShape(c), (EntryShape{6, 3, false}));
    // A board with more slots than tables in play still gets a row for each.
    c.byePair = 0;
    for (int p = 1; p <= 7; ++p) addResult(c.boards[5], p, p + 7, 1, kNoScore, 0, 0, true);
    EXPECT_EQ(entryShape(c).rows, 7);

    EXPECT_EQ(roundSpan(c, 5).first, 4);
    EXPECT_EQ(roundSpan(c, 5).last, 6);
    EXPECT_EQ(roundSpan(c, 22).first, 22);
    EXPECT_EQ(roundSpan(c, 22).last, 22);  // never beyond the contest's boards
    EXPECT_EQ(roundSpan(c, 23).count(), 0);
    EXPECT_EQ(boardsOnView(c, 4, false).count(), 1);
    EXPECT_EQ(boardsOnView(c, 4, true).count(), 3);
    EXPECT_EQ(slotRound(c, 5), 2);

    EXPECT_EQ(boardAfterStep(c, 4, true, 1), 7);
    EXPECT_EQ(boardAfterStep(c, 19, true, 1), 22);
    EXPECT_EQ(boardAfterStep(c, 22, true, 1), 0);
    EXPECT_EQ(boardAfterStep(c, 1, true, -1), 0);
    EXPECT_EQ(boardAfterStep(c, 22, false, -1), 21);

    // Nine boards a round: the grid keeps eight columns and offers board-wise entry only.
    test::setUp(c, 18, 2, 14);
    EXPECT_EQ(entryShape(c).columns, 8);
    EXPECT_FALSE(roundEntryPossible(c));
    EXPECT_EQ(boardsOnView(c, 1, true).count(), 1);
    EXPECT_EQ(boardAfterStep(c, 1, true, 1), 2);
    c.boardsPerRound = 0;
    EXPECT_EQ(entryShape(c).columns, 5);
    EXPECT_EQ(slotRound(c, 9), 9);
}

TEST(EntryRules, MixedPairingsNameTheFirstBoardWhereAPairMeetsAnother) {
    ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 6, 2, 8);
    layTables(c, 1, 3, {{1, 2}, {3, 4}});
    layTables(c, 4, 6, {{1, 2}, {3, 4}});
    EXPECT_EQ(mixedPairingsBoard(c, 2), 0);
    // The other seating of the same two pairs is no change of pairing.
    removePair(c.boards[2], 1);
    addResult(c.boards[2], 2, 1, 1, kNoScore, 0, 0, true);
    EXPECT_EQ(mixedPairingsBoard(c, 1), 0);
    // Board 6 sets 1 against 4 and 3 against 2.
    c.boards[6].resultCount = 0;
    layTables(c, 6, 6, {{1, 4}, {3, 2}});
    EXPECT_EQ(mixedPairingsBoard(c, 4), 6);
    EXPECT_EQ(mixedPairingsBoard(c, 1), 0);
}

TEST(EntryRules, MixedPairingsInAnIndividualContestWatchThePartners) {
    ContestFixture f;
    Contest& c = f.c();
    c.isIndividual = true;
    test::setUp(c, 4, 2, 8);
    for (int b = 1; b <= 2; ++b) {
        addResult(c.boards[b], 1, 2, 1, kNoScore, 0, 0, true);
        setSecondPlayers(c.boards[b], 1, 3, 4);
    }
    EXPECT_EQ(mixedPairingsBoard(c, 1), 0);
    setSecondPlayers(c.boards[2], 1, 4, 3);  // South and West change places
    EXPECT_EQ(mixedPairingsBoard(c, 1), 2);
}

TEST(EntryRules, StoringATypedScoreCompletesChecksAndScores) {
    ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 4, 1, 6);
    layTables(c, 1, 4, {{1, 2}, {3, 4}, {5, 6}});
    const auto store = [&](int board, const EntryRow& r, const std::string& text) {
        return storeTypedScore(c, board, r, text);
    };

    StoredScore s = store(1, entryRow(1, 2), "42");
    EXPECT_TRUE(s.found && s.written);
    EXPECT_EQ(s.value, 420);
    EXPECT_EQ(s.text, "420");
    EXPECT_EQ(s.ink, ScoreInk::Plus);
    EXPECT_EQ(findResult(c.boards[1], 1, 2)->nsScore, 420);
    EXPECT_EQ(findResult(c.boards[1], 1, 2)->ewScore, -420);
    EXPECT_TRUE(c.boardHasScores[1]);
    EXPECT_EQ(store(1, entryRow(3, 4), "5").value, 50);
    // The board is scored at once: 420 beats 50.
    EXPECT_FLOAT_EQ(findResult(c.boards[1], 1, 2)->nsPoints, 2.0f);
    EXPECT_FLOAT_EQ(findResult(c.boards[1], 3, 4)->nsPoints, 0.0f);

    s = store(1, entryRow(5, 6), "%+-");
    EXPECT_EQ(s.value, 10064);
    EXPECT_EQ(s.text, "%+-");
    EXPECT_EQ(s.ink, ScoreInk::Plus);

    // A plausibility warning does not stop the store.
    s = store(1, entryRow(1, 2), "62");
    EXPECT_EQ(s.value, 620);
    EXPECT_EQ(plausibilityMessage(s.plausibility), "Troligen fel resultat i ozon");
    EXPECT_EQ(store(1, entryRow(1, 2), "65").plausibility, 0);
    EXPECT_EQ(store(2, entryRow(1, 2), "-42").plausibility, 0);
    EXPECT_EQ(plausibilityMessage(store(2, entryRow(1, 2), "42").plausibility),
              "Troligen fel resultat i zon");
    // So does a score no contract gives: 455 is stored as 4550, with a warning that names
    // the nearest possible scores; the director decides.
    s = store(2, entryRow(1, 2), "455");
    EXPECT_EQ(findResult(c.boards[2], 1, 2)->nsScore, 4550);
    EXPECT_EQ(s.impossible, "Inget kontrakt ger 4550. N\xe4rmaste m\xf6jliga resultat: 4000 och 4600");
    EXPECT_EQ(store(2, entryRow(1, 2), "-43").impossible, "");

    // Not a score: stored as none, the text stays and is lime.
    s = store(1, entryRow(1, 2), "abc");
    EXPECT_TRUE(s.written);
    EXPECT_EQ(s.value, kNoScore);
    EXPECT_EQ(s.text, "abc");
    EXPECT_EQ(s.ink, ScoreInk::Minus);
    EXPECT_EQ(findResult(c.boards[1], 1, 2)->nsScore, kNoScore);
    s = store(1, entryRow(1, 2), "");
    EXPECT_EQ(s.ink, ScoreInk::Empty);
    EXPECT_EQ(findResult(c.boards[1], 1, 2)->nsPoints, kNoPoints);

    // Numbers beyond the bridge scores never become adjusted-score codes: the cell shows
    // them unscored and the director hears the number that was refused.
    EXPECT_EQ(store(3, entryRow(3, 4), "42").value, 420);  // a stored score, to be taken back
    for (const char* text : {"1234", "99999", "-12345", "10064"}) {
        s = store(3, entryRow(3, 4), text);
        EXPECT_EQ(findResult(c.boards[3], 3, 4)->nsScore, kNoScore) << text;
        EXPECT_TRUE(s.text.empty() && s.refusal.starts_with("Ogiltigt resultat: ")) << text;
    }
    EXPECT_EQ(s.refusal, "Ogiltigt resultat: 10064");
    EXPECT_EQ(store(3, entryRow(3, 4), "1234").refusal, "Ogiltigt resultat: 12340");
    EXPECT_EQ(store(3, entryRow(3, 4), "999").refusal, "");

    // No slot for the row: nothing happens; the other seating counts only with the swap box.
    EXPECT_FALSE(store(1, entryRow(2, 1), "42").found);
    EXPECT_TRUE(store(1, entryRow(2, 1, {}, true), "42").found);
    EXPECT_EQ(findResult(c.boards[1], 1, 2)->nsScore, 420);
    EXPECT_FALSE(store(5, entryRow(1, 2), "42").found);  // no board 5 in this contest
}

TEST(EntryRules, IndividualRowsCarryBothPartners) {
    ContestFixture f;
    Contest& c = f.c();
    c.isIndividual = true;
    test::setUp(c, 4, 2, 8);
    EntryRow r = entryRow(1, 2, {"42", ""});
    r.nsPartner = 3;
    r.ewPartner = 4;
    EntryView view{1, true, {r}};
    EXPECT_EQ(commitRow(c, view, 0).kind, RowCommit::Added);
    const BoardResult* slot = findResult(c.boards[2], 1, 2);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->nsPlayer2, 3);
    EXPECT_EQ(slot->ewPlayer2, 4);

    // South and West change places: the partners follow on the boards on view.
    view.rows[0].nsPartner = 4;
    view.rows[0].ewPartner = 3;
    const RowCommitResult result = commitRow(c, view, 0);
    EXPECT_EQ(result.kind, RowCommit::Unchanged);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(findResult(c.boards[1], 1, 2)->nsPlayer2, 4);
    EXPECT_EQ(findResult(c.boards[2], 1, 2)->ewPlayer2, 3);

    // A missing partner makes an incomplete row; the table itself is still shown.
    view.rows[0].ewPartner = 0;
    EXPECT_EQ(commitRow(c, view, 0).kind, RowCommit::Incomplete);
    EXPECT_EQ(c.boards[1].resultCount, 1);
}

}  // namespace
}  // namespace vindelkast
