// The figures a club evening showed wrong: a Mitchell whose boards are played fewer times
// than there are tables, a winner without names, standings in the middle of the evening, and
// the director's corrections of what the tables got wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>

#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/evening_progress.h"
#include "model/live_standings.h"
#include "model/standings.h"
#include "movement/corrections.h"
#include "movement/typed_corrections.h"
#include "output/old_html_page.h"
#include "output/pbn_export.h"
#include "output/progress_view.h"
#include "output/xhtml_page.h"
#include "output/xml_export.h"
#include "output_samples.h"
#include "support/sample_evening.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::written;

TEST(EveningFigures, ProgressGridTurnsBlueWhenEverySlotTheMovementLaidIsScored) {
    test::MitchellEvening e;
    e.play(7);
    int results = 0;
    for (int b = 1; b <= 24; ++b) results += countScored(e.c().boards[b]);
    ASSERT_EQ(results, 168);  // 7 plays of 24 boards at 8 tables
    for (const ProgressCell& cell : progressCells(e.c(), {})) EXPECT_EQ(cell.colour, Colour::Blue);

    // One table's result taken back: that board alone is red again.
    setScore(e.c().boards[5].results[2], kNoScore);
    const auto cells = progressCells(e.c(), {});
    for (int b = 1; b <= 24; ++b) EXPECT_EQ(cells[b - 1].colour, b == 5 ? Colour::Red : Colour::Blue) << b;
}

TEST(EveningFigures, APairWithResultsButNoNamesIsPublishedEverywhere) {
    test::MitchellEvening e;
    e.play(7);
    Contest& c = e.c();
    // Pair 11 wins: every board it played, its side gets the top.
    for (int b = 1; b <= 24; ++b) {
        Board& board = c.boards[b];
        for (int i = 0; i < board.resultCount; ++i)
            if (board.results[i].ewPair == 11) setScore(board.results[i], -2000);
        scoreBoard(board, ScoringRule{});
    }
    // A number nobody used is still left out.
    c.maxPairNumber = 17;
    c.participantCount = 17;
    ASSERT_EQ(contestTotals(c).ranking[1], 11);

    const std::string xhtml = written([&](std::ostream& out) { writeXhtml(c, out, 2); });
    EXPECT_NE(xhtml.find("<td class='res'>1</td>\r\n<td class='res'>11</td>"), std::string::npos);
    EXPECT_NE(xhtml.find("<td class='res'>Par 11</td>"), std::string::npos);
    EXPECT_EQ(xhtml.find("<td class='res'>17</td>"), std::string::npos);

    const std::string old = written([&](std::ostream& out) { writeOldHtml(c, out, 2, false); });
    EXPECT_NE(old.find("\r\n 1  11"), std::string::npos);
    EXPECT_NE(old.find("Par 11"), std::string::npos);

    const std::string pbn = written([&](std::ostream& out) { writePbn(c, out); });
    const std::size_t table = pbn.find("[TotalScoreTable");
    const std::string ranked = pbn.substr(table, pbn.find("\r\n\r\n", table) - table);
    EXPECT_NE(ranked.find("\r\n 1 11 \"Par 11\""), std::string::npos);
    EXPECT_EQ(std::count(ranked.begin(), ranked.end(), '\n'), 16);

    const std::string xml = written([&](std::ostream& out) { writeXml(c, out); });
    EXPECT_NE(xml.find("<result>\r\n<tNr>11</tNr>\r\n<place>1</place>"), std::string::npos);
}

TEST(EveningFigures, StandingsDuringTheEveningShareOutWhatHasBeenScored) {
    test::MitchellEvening e;
    Contest& c = e.c();
    e.play(1);
    LiveStandings s = liveStandings(c);
    EXPECT_EQ(roundsText(s), "efter 1 av 7 ronder");
    // Each board has been played once: nothing to compare yet, so no pair shows a figure.
    for (int pair = 1; pair <= 16; ++pair) EXPECT_FALSE(s.pairs[pair].hasFigure) << pair;
    EXPECT_EQ(s.order.size(), 16u);

    e.play(2);
    s = liveStandings(c);
    EXPECT_EQ(roundsText(s), "efter 2 av 7 ronder");
    // Each pair's 6 boards now have two results each, a top of 2.
    double sum = 0.0;
    for (int pair = 1; pair <= 16; ++pair) {
        EXPECT_TRUE(s.pairs[pair].hasFigure) << pair;
        EXPECT_EQ(s.pairs[pair].top, 6 * 2) << pair;
        sum += s.pairs[pair].percent;
    }
    EXPECT_NEAR(sum / 16, 50.0, 0.01);  // every board's matchpoints shared out in full

    e.play(4);
    s = liveStandings(c);
    EXPECT_EQ(roundsText(s), "efter 4 av 7 ronder");
    EXPECT_FALSE(s.final);
    for (int pair = 1; pair <= 16; ++pair) {
        EXPECT_GT(s.pairs[pair].percent, 30.0) << pair;
        EXPECT_LT(s.pairs[pair].percent, 70.0) << pair;
    }
    for (std::size_t i = 1; i < s.order.size(); ++i)
        EXPECT_GE(s.pairs[s.order[i - 1]].percent, s.pairs[s.order[i]].percent);

    e.play(7);
    s = liveStandings(c);
    EXPECT_TRUE(s.final);
    EXPECT_EQ(roundsText(s), "efter 7 av 7 ronder");
    const Totals totals = contestTotals(c);
    for (int place = 1; place <= 16; ++place) {
        const int pair = totals.ranking[place];
        EXPECT_EQ(s.order[place - 1], pair);
        EXPECT_EQ(s.pairs[pair].points, totals.total[pair]);
        EXPECT_EQ(s.pairs[pair].percent, percentOfMean(totals.total[pair], contestMean(c)));
    }
}

TEST(EveningFigures, TheRoundsAreTheMovementsEvenWhereTheContestFileSaysOtherwise) {
    test::MitchellEvening e;
    e.play(2);
    std::ostringstream file;
    writeContest(e.c(), file, "test");
    test::ContestFixture back;
    test::fillRegister(*back.reg, 32);
    std::istringstream in(file.str());
    ASSERT_EQ(readContestFile(back.c(), in).kind, ContestReadResult::Kind::Ok);
    // 24 boards of 3 read back as 8 rounds; the slots are played in 7.
    EXPECT_EQ(back.c().roundCount, 8);
    EXPECT_EQ(eveningRoundCount(back.c()), 7);
    EXPECT_EQ(roundsText(liveStandings(back.c())), "efter 2 av 7 ronder");
}

// Every NS score on the board +100 but the pair's: its result alone stands out.
void oneStandsOut(Contest& c, int board, int nsPair, int score) {
    Board& b = c.boards[board];
    for (int i = 0; i < b.resultCount; ++i)
        setScore(b.results[i], b.results[i].nsPair == nsPair ? score : 100);
    scoreBoard(b, c.scoringRule);
}

// The card's first round seats NS t against EW 8 + t at table t on boards 3t-2..3t; each board
// is played 7 times, a top of 12.
TEST(EveningFigures, CorrectionsMendWhatTheTablesGotWrong) {
    test::MitchellEvening e;
    e.play(7);
    Contest& c = e.c();

    // Table 1 sat EW/NS in round 1. Board 1: NS +420 against six +100s, a top.
    oneStandsOut(c, 1, 1, 420);
    test::enter(c, 2, 1, 9, 10064);  // %+-: 60 % to pair 1, 40 % to pair 9
    const PlayedContract played = c.contracts.at({1, 1, 9});
    const float third1 = pairMatchpoints(c.boards[3], 1), third9 = pairMatchpoints(c.boards[3], 9);
    const Totals before = contestTotals(c);
    // Each as the window asks for it, in one line of words.
    Correction done = typedCorrection(c, CorrectionKind::TurnTable, "1 1");
    ASSERT_EQ(done.problem, "");
    EXPECT_EQ(done.name, test::w("NS/ÖV omvända bord 1, rond 1"));
    EXPECT_EQ(done.boards, (std::vector<int>{1, 2, 3}));
    // The NS cards' 420 now belongs to pair 9: its top of 12, pair 1's bottom. The 60 % stays
    // pair 1's (7.2 of 12) from the EW seat; board 3's points change hands.
    EXPECT_EQ(pairMatchpoints(c.boards[1], 9), 12.0f);
    EXPECT_EQ(pairMatchpoints(c.boards[1], 1), 0.0f);
    EXPECT_FLOAT_EQ(pairMatchpoints(c.boards[2], 1), 7.2f);
    EXPECT_FLOAT_EQ(pairMatchpoints(c.boards[2], 9), 4.8f);
    EXPECT_EQ(c.contracts.at({1, 9, 1}), played);
    EXPECT_EQ(c.contracts.count({1, 1, 9}), 0u);
    const Totals after = contestTotals(c);
    EXPECT_NEAR(after.total[1], before.total[1] - 12 - third1 + third9, 0.051);
    EXPECT_NEAR(after.total[9], before.total[9] + 12 - third9 + third1, 0.051);

    // Table 2 (2 against 10, boards 4-6) typed board 5's -200 as board 4 and left 5 empty.
    oneStandsOut(c, 4, 2, -200);
    oneStandsOut(c, 5, 2, kNoScore);
    const PlayedContract onFour = c.contracts.at({4, 2, 10});
    done = typedCorrection(c, CorrectionKind::MoveResult, "4 2 10 5");
    ASSERT_EQ(done.problem, "");
    EXPECT_EQ(done.name, test::w("Resultatet 2-10 flyttat från giv 4 till giv 5"));
    // Board 5: -200 below six +100s, 0 for pair 2 and 12 for pair 10. Board 4 keeps the slot
    // empty, and its six equal +100s share a top of 10: 5 each.
    EXPECT_EQ(pairMatchpoints(c.boards[5], 2), 0.0f);
    EXPECT_EQ(pairMatchpoints(c.boards[5], 10), 12.0f);
    const BoardResult* left = findResult(c.boards[4], 2, 10);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->nsScore, kNoScore);
    EXPECT_EQ(pairMatchpoints(c.boards[4], 1), 5.0f);
    EXPECT_EQ(c.contracts.at({5, 2, 10}), onFour);
    EXPECT_EQ(c.contracts.count({4, 2, 10}), 0u);
    // Pair 2 played board 6 too: nothing moves.
    EXPECT_EQ(moveResult(c, 5, 2, 10, 6).problem, test::w("Par 2 har redan ett resultat på giv 6"));
    EXPECT_EQ(findResult(c.boards[5], 2, 10)->nsScore, -200);

    // Table 3 (3 against 11) played board 8 wrongly: %+- for them, six tied +100s keep 5 each
    // and 1 more for the adjusted result, counted a tie.
    oneStandsOut(c, 8, 3, 100);
    EXPECT_NE(giveArtificialScore(c, 8, 3, 11, "420").problem, "");
    done = typedCorrection(c, CorrectionKind::ArtificialScore, "8 3 11 %+-");
    ASSERT_EQ(done.problem, "");
    EXPECT_EQ(done.name, "Konstlat resultat %+- giv 8, 3-11");
    EXPECT_FLOAT_EQ(pairMatchpoints(c.boards[8], 3), 7.2f);
    EXPECT_FLOAT_EQ(pairMatchpoints(c.boards[8], 11), 4.8f);
    EXPECT_EQ(pairMatchpoints(c.boards[8], 1), 6.0f);
    EXPECT_EQ(c.contracts.count({8, 3, 11}), 0u);

    // Table 4's slip for board 10 had its pairs the wrong way round.
    oneStandsOut(c, 10, 4, 420);
    done = typedCorrection(c, CorrectionKind::TurnResult, " 10  4 12 ");
    EXPECT_EQ(done.name, test::w("NS/ÖV omvända giv 10, 4-12"));
    EXPECT_EQ(pairMatchpoints(c.boards[10], 12), 12.0f);
    EXPECT_EQ(pairMatchpoints(c.boards[10], 4), 0.0f);
    EXPECT_EQ(c.contracts.count({10, 12, 4}), 1u);

    // A slip for board 13 said 5 where another pair played: 14 of the 16 play each board.
    int absent = 1, present = 1;
    while (hasPair(c.boards[13], absent)) ++absent;
    while (!hasPair(c.boards[13], present) || present == 5 || present == 13) ++present;
    const float fivePoints = pairMatchpoints(c.boards[13], 5);
    EXPECT_EQ(renumberResult(c, 13, 5, 13, present, 13).problem,
              test::w("Par " + std::to_string(present) + " har redan ett resultat på giv 13"));
    ASSERT_EQ(
        typedCorrection(c, CorrectionKind::Renumber, "13 5 13 " + std::to_string(absent) + " 13").problem,
        "");
    EXPECT_EQ(pairMatchpoints(c.boards[13], absent), fivePoints);
    EXPECT_EQ(pairMatchpoints(c.boards[13], 5), kNoPoints);

    // NS 1 plays boards 4-6 in round 2, which NS 2 played in round 1: they cannot have traded
    // places from round 2.
    EXPECT_EQ(tradePlaces(c, 1, 2, 2).problem, test::w("Par 2 skulle få två resultat på giv 4"));
    // NS 6 plays boards 4-12 in rounds 5-7; a new number 17 takes them over.
    c.maxPairNumber = 17;
    std::array<float, 25> six{};
    for (int b = 1; b <= 24; ++b) six[b] = pairMatchpoints(c.boards[b], 6);
    EXPECT_EQ(typedCorrection(c, CorrectionKind::TradePlaces, "6 18 5").problem,
              test::w("Par 18 finns inte i tävlingen"));
    done = typedCorrection(c, CorrectionKind::TradePlaces, "6 17 5");
    ASSERT_EQ(done.problem, "");
    EXPECT_EQ(done.name, test::w("Par 6 blir par 17 från rond 5"));
    EXPECT_EQ(done.boards, (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 11, 12}));
    for (int b = 1; b <= 24; ++b) {
        const bool moved = b >= 4 && b <= 12;
        EXPECT_EQ(pairMatchpoints(c.boards[b], 17), moved ? six[b] : kNoPoints) << b;
        EXPECT_EQ(pairMatchpoints(c.boards[b], 6), moved ? kNoPoints : six[b]) << b;
    }
}

}  // namespace
}  // namespace vindelkast
