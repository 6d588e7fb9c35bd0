#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/result_order.h"
#include "output/round_html_page.h"
#include "output_samples.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

TEST(RoundHtmlPage, LeadersBoardsAndStandingsAfterTheRound) {
    test::Evening f;
    Contest& c = f.c();
    std::ostringstream out;
    EXPECT_EQ(writeRoundHtml(c, out, 2), "");
    const std::string page = out.str();
    EXPECT_EQ(c.resultOrder, TableOrder) << "the page leaves the contest as it is";

    EXPECT_EQ(page.rfind("<HTML>\r\n<BODY>\r\n<TITLE>Rondresultat rond 2</TITLE>\r\n<body>\r\n", 0), 0u);
    // Pairs 5 and 6 scored 8; the next pair's 6 is below the second pair's 8, so two rows.
    EXPECT_NE(
        page.find("  </tr>\r\n<tr><td>8.0</td><td>66.7</td><td>Efternamn9 F &amp; Efternamn10 F</td></tr>\r\n"
                  "<tr><td>8.0</td><td>66.7</td><td>Efternamn11 F &amp; Efternamn12 F</td></tr>\r\n"
                  "</table>\r\n<p>\r\n"),
        std::string::npos);
    // Three board cells with diagrams; board 4 in result order.
    EXPECT_NE(page.find("<td> <pre>\r\n 4      T932\r\nV\xe4st    KQT\r\n"), std::string::npos);
    EXPECT_NE(page.find("  Par     Res      Po   \r\n  6  7  650     4   0\r\n  4  5  620     2   2\r\n"
                        "  1  3    -100  0   4\r\n</pre> </td> \r\n"),
              std::string::npos);
    // Pair 2 met the bye pair in round 2; ties on truncated totals leave the place empty.
    EXPECT_NE(page.find("plac par po\xe4ng proc  rond   namn"), std::string::npos);
    EXPECT_NE(page.find("\r\n    1  6  17.0  70.8  8.0  Efternamn11"), std::string::npos);
    EXPECT_NE(page.find("\r\n       5  11.0  45.8  8.0  Efternamn9"), std::string::npos);
    EXPECT_NE(
        page.find(w("\r\n    7  2   2.0   8.3  --   &lt;script&gt; Éva &amp; Efternamn4 F&ouml;rnamn4\r\n")),
        std::string::npos);
    EXPECT_EQ(page.find("fripar"), std::string::npos);

    // Round 1 shows the adjusted score with both sides' shares.
    std::ostringstream first;
    writeRoundHtml(c, first, 1);
    EXPECT_NE(first.str().find("\r\n 3- 4       %60-40\r\n"), std::string::npos);
}

TEST(RoundHtmlPage, TeamLinesAndRefusedRounds) {
    test::Evening f;
    Contest& c = f.c();
    c.isTeamContest = true;
    c.teamName1 = "Norr";
    c.teamName2 = w("Söder & Co");
    std::ostringstream out;
    writeRoundHtml(c, out, 3);
    const std::string page = out.str();
    EXPECT_NE(page.find("<tr><td colspan='3'>Norr - S&ouml;der &amp; Co: "), std::string::npos);
    EXPECT_NE(page.find("<p> <pre>\r\nNorr                 "), std::string::npos);
    EXPECT_NE(page.find("\r\nS&ouml;der &amp; Co"), std::string::npos);

    for (int round : {0, 4, -1}) {
        std::ostringstream refused;
        EXPECT_FALSE(writeRoundHtml(c, refused, round).empty()) << round;
        EXPECT_TRUE(refused.str().empty()) << round;
    }
    EXPECT_EQ(roundPageRefusal(c, 4), "Rond 4 finns inte");
    c.boardsPerRound = 0;
    EXPECT_EQ(roundPageRefusal(c, 1), w("Tävlingen har inga ronder"));
}

}  // namespace
}  // namespace vindelkast
