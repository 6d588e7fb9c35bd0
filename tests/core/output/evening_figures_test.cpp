// The figures a club evening showed wrong: a Mitchell whose boards are played fewer times
// than there are tables, a winner without names, and standings in the middle of the evening.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/evening_progress.h"
#include "model/live_standings.h"
#include "model/standings.h"
#include "output/old_html_page.h"
#include "output/pbn_export.h"
#include "output/progress_view.h"
#include "output/xhtml_page.h"
#include "output/xml_export.h"
#include "output_samples.h"
#include "support/sample_evening.h"

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

}  // namespace
}  // namespace vindelkast
