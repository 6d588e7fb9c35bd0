#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>

#include "model/board_results.h"
#include "model/contest_scoring.h"
#include "model/standings.h"
#include "output/private_protocol_view.h"
#include "output/progress_view.h"
#include "output/round_html_page.h"
#include "output/round_view.h"
#include "output/score_tables_view.h"
#include "output/standings_view.h"
#include "output_samples.h"
#include "support/test_text.h"

namespace vindelkast {

void PrintTo(const ViewLine& line, std::ostream* out) {
    *out << '"' << test::u(line.text) << "\" colour " << static_cast<int>(line.colour);
}

namespace {

using test::w;

std::vector<std::string> texts(const std::vector<ViewLine>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const ViewLine& line : lines) out.push_back(line.text);
    return out;
}

TEST(StandingsView, TiedPairsGetRunningPlacesAndTeamLinesComeFirst) {
    test::TiedBoard f;
    Contest& c = f.c();
    c.participants[6].first->surname = w("Öberg");
    c.participants[6].first->firstName = "Per";
    c.participants[6].second = nullptr;
    c.isTeamContest = true;
    c.teamName1 = "Norr";
    c.teamName2 = w("Söder");

    EXPECT_EQ(standingsCaption(c), w("Ställning totalt, medel 2"));
    const std::vector<std::string> expected = {
        "                Norr   7.0",
        w("               Söder   5.0"),
        "",
        "pl  nr    namn                                     po    %",
        w(" 1   6 Öberg Per                                   4.0 100.0"),
        " 2   1 Efternamn1 F\xf6rnamn1 & Efternamn2 F\xf6rnamn2    3.0  75.0",
        " 3   3 Efternamn5 F\xf6rnamn5 & Efternamn6 F\xf6rnamn6    3.0  75.0",
        " 4   2 Efternamn3 F\xf6rnamn3 & Efternamn4 F\xf6rnamn4    1.0  25.0",
        " 5   4 Efternamn7 F\xf6rnamn7 & Efternamn8 F\xf6rnamn8    1.0  25.0",
        " 6   5 Efternamn9 F\xf6rnamn9 & Efternamn10 F\xf6rnamn10    0.0   0.0",
    };
    const std::vector<ViewLine> lines = standingsLines(c);
    EXPECT_EQ(texts(lines), expected);
    EXPECT_TRUE(
        std::all_of(lines.begin(), lines.end(), [](const ViewLine& l) { return l.colour == Colour::Black; }));

    // Without any scored board the mean is 0 and every percentage 0.0.
    setScore(c.boards[1].results[0], kNoScore);
    setScore(c.boards[1].results[1], kNoScore);
    setScore(c.boards[1].results[2], kNoScore);
    EXPECT_EQ(standingsCaption(c), w("Ställning totalt, medel 0"));
    const auto unscored = standingsLines(c);
    for (std::size_t i = 4; i < unscored.size(); ++i)
        EXPECT_EQ(unscored[i].text.substr(unscored[i].text.size() - 5), "  0.0");
}

TEST(StandingsView, ByePairHasNoLineInStandingsRoundOrScoreTables) {
    test::Evening f;
    Contest& c = f.c();
    const auto standings = standingsLines(c);
    ASSERT_EQ(standings.size(), 8u);  // heading and pairs 1..7
    for (const ViewLine& line : standings) EXPECT_EQ(line.text.find("fripar"), std::string::npos);

    // Round 2: pair 2 met the bye pair and has no score; pairs 5 and 6 share the top.
    EXPECT_EQ(roundCaption(2), "Resultat rond 2");
    const auto round = texts(roundResultLines(c, 2));
    ASSERT_EQ(round.size(), 8u);
    EXPECT_EQ(round[0], "pl nr   namn                    po");
    EXPECT_EQ(round[1], " 1  5 Efternamn9 F & Efternamn10 F   8.0");
    EXPECT_EQ(round[2], " 2  6 Efternamn11 F & Efternamn12 F   8.0");
    EXPECT_EQ(round[3], w(" 3  1 Åström Ö & H&M Ä           6.0"));
    EXPECT_EQ(round[7], w(" 7  2 <script> É & Efternamn4 F   0.0"));
    EXPECT_TRUE(roundResultLines(c, 0).empty());
    EXPECT_TRUE(roundResultLines(c, 4).empty());

    for (int b = 1; b <= 9; ++b) {
        const auto table = scoreTableLines(c, b, false);
        for (const ViewLine& line : *table) EXPECT_EQ(line.text.find(" 8:"), std::string::npos);
    }

    // In two sections the same pairs are A1..A4 and B1..B4 in every view, the bye B4 in none;
    // each section stands apart, then the field together.
    c.sections = sectionsOfSizes({4, 4}, true);
    EXPECT_EQ(texts(roundResultLines(c, 2))[1], " 1 B1 Efternamn9 F & Efternamn10 F   8.0");
    const auto sectioned = texts(standingsLines(c));
    ASSERT_EQ(sectioned.size(), 2u + 4u + 1u + 2u + 3u + 1u + 2u + 7u);
    EXPECT_EQ(sectioned[0], "Sektion A, medel " + std::to_string(contestMean(c)));
    EXPECT_EQ(sectioned[7].rfind("Sektion B, medel ", 0), 0u) << sectioned[7];
    EXPECT_EQ(sectioned[13], "Alla sektioner (matchpo\xe4ng \xf6ver f\xe4ltet)");
    for (const std::string& line : sectioned) EXPECT_EQ(line.find("B4 "), std::string::npos) << line;
    std::string board1;
    for (const std::string& line : texts(*scoreTableLines(c, 1, false))) board1 += line + "\n";
    EXPECT_NE(board1.find("  A3- A4:   420    1.0   3.0\n"), std::string::npos) << board1;
    const auto protocol = texts(privateProtocolLines(c, 5));
    EXPECT_TRUE(std::any_of(protocol.begin(), protocol.end(),
                            [](const std::string& line) { return line.find("  B1 ") != std::string::npos; }));
}

// Six pairs, two boards played three times each. Board 1: 1-2 420, 3-4 450, 5-6 -100;
// board 2: 1-4 110, 3-6 140, 5-2 -50. By hand, cross-IMPs: board 1 gives NS (-1 + 11) / 2 = 5,
// (1 + 11) / 2 = 6, (-11 - 11) / 2 = -11; board 2 (-1 + 4) / 2 = 1.5, (1 + 5) / 2 = 3,
// (-4 - 5) / 2 = -4.5. Butler: datums 260 and 70, so 4, 5, -8 and 1, 2, -3.
TEST(StandingsView, AnImpEveningShowsTotalAndPerBoardWithADecimalComma) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::fillRegister(*f.reg, 12);
    test::setUp(c, 2, 2, 6);
    test::seatPairs(c, 6);
    for (auto [board, ns, ew, score] :
         {std::array{1, 1, 2, 420}, std::array{1, 3, 4, 450}, std::array{1, 5, 6, -100},
          std::array{2, 1, 4, 110}, std::array{2, 3, 6, 140}, std::array{2, 5, 2, -50}}) {
        ASSERT_EQ(addResult(c.boards[board], ns, ew, board, kNoScore, 0, 0, true), 0);
        test::enter(c, board, ns, ew, score);
    }
    const std::string mpStandings = texts(standingsLines(c))[1];
    EXPECT_TRUE(chooseScoringRule(c, ScoringRule{ScoringMethod::CrossImps, false}));
    EXPECT_EQ(standingsCaption(c), w("Ställning totalt, IMP (korsvis)"));
    const std::vector<std::string> cross = {
        "pl  nr    namn                                        IMP IMP/giv",
        w(" 1   3 Efternamn5 Förnamn5 & Efternamn6 Förnamn6    9,00    4,50"),
        w(" 2   6 Efternamn11 Förnamn11 & Efternamn12 Förnamn12    8,00    4,00"),
        w(" 3   1 Efternamn1 Förnamn1 & Efternamn2 Förnamn2    6,50    3,25"),
        w(" 4   2 Efternamn3 Förnamn3 & Efternamn4 Förnamn4   -0,50   -0,25"),
        w(" 5   4 Efternamn7 Förnamn7 & Efternamn8 Förnamn8   -7,50   -3,75"),
        w(" 6   5 Efternamn9 Förnamn9 & Efternamn10 Förnamn10  -15,50   -7,75"),
    };
    EXPECT_EQ(texts(standingsLines(c)), cross);
    EXPECT_EQ(texts(*scoreTableLines(c, 2, false)),
              (std::vector<std::string>{"    Bricka 2", "  1- 4:   110    1,50  -1,50",
                                        "  3- 6:   140    3,00  -3,00", "  5- 2:   -50   -4,50   4,50"}));
    // Round 2 is board 2: pair 2 won it with 4.50 as EW against 5.
    const std::vector<std::string> round = texts(roundResultLines(c, 2));
    ASSERT_EQ(round.size(), 7u);
    EXPECT_EQ(round[0], "pl nr   namn                       IMP");
    EXPECT_EQ(round[1], " 1  2 Efternamn3 F & Efternamn4 F    4,50");
    EXPECT_EQ(round[6], " 6  5 Efternamn9 F & Efternamn10 F   -4,50");
    // Pair 2: EW -5 on board 1 and 4.50 on board 2, as in the standings.
    EXPECT_EQ(texts(privateProtocolLines(c, 2)),
              (std::vector<std::string>{" 1   1  2   420   5,00  -5,00   Efternamn1 F / Efternamn2 F",
                                        " 2   5  2   -50  -4,50   4,50   Efternamn9 F / Efternamn10 F",
                                        "Summa IMP som ns/ew 0,00 -0,50"}));
    std::ostringstream page;
    ASSERT_EQ(writeRoundHtml(c, page, 2), "");
    for (const char* part :
         {"<td><b>IMP</b></td>\r\n    <td><b>IMP/giv</b></td>",
          "<tr><td>4,50</td><td>4,50</td><td>Efternamn3 F &amp; Efternamn4 F</td></tr>\r\n"
          "<tr><td>3,00</td><td>3,00</td><td>Efternamn5 F &amp; Efternamn6 F</td></tr>\r\n</table>",
          "  Par    Res IMP NS IMP \xd6V\r\n  3  6   140   3,00  -3,00\r\n  1  4   110   1,50  -1,50\r\n",
          "plac par     IMP IMP/giv    rond   namn\r\n\r\n   1   3    9,00    4,50    3,00   Efternamn5 "
          "F&ouml;rnamn5",
          "\r\n   6   5  -15,50   -7,75   -4,50   Efternamn9"})
        EXPECT_NE(page.str().find(part), std::string::npos) << part << "\n" << page.str();
    EXPECT_EQ(page.str().find(" po"), std::string::npos);

    // Butler: pair 1 4 + 1, pair 2 -4 + 3, pair 3 5 + 2, pair 4 -5 - 1, pair 5 -8 - 3, pair 6 8 - 2.
    EXPECT_TRUE(chooseScoringRule(c, ScoringRule{ScoringMethod::Butler, false}));
    EXPECT_EQ(standingsCaption(c), w("Ställning totalt, IMP (Butler)"));
    std::vector<std::string> order;
    for (const std::string& line : texts(standingsLines(c)))
        order.push_back(line.substr(0, 7) + line.substr(line.size() - 16));
    EXPECT_EQ(order, (std::vector<std::string>{"pl  nr      IMP IMP/giv", " 1   3     7,00    3,50",
                                               " 2   6     6,00    3,00", " 3   1     5,00    2,50",
                                               " 4   2    -1,00   -0,50", " 5   4    -6,00   -3,00",
                                               " 6   5   -11,00   -5,50"}));
    EXPECT_EQ(texts(*scoreTableLines(c, 1, false))[0], "    Bricka 1, datum 260");
    std::ostringstream butlerPage;
    ASSERT_EQ(writeRoundHtml(c, butlerPage, 1), "");
    EXPECT_NE(butlerPage.str().find(
                  "  Datum 260\r\n  Par    Res IMP NS IMP \xd6V\r\n  3  4   450   5,00  -5,00\r\n"),
              std::string::npos)
        << butlerPage.str();
    // Back to matchpoints, every board is matchpointed again.
    EXPECT_TRUE(chooseScoringRule(c, ScoringRule{}));
    EXPECT_EQ(texts(standingsLines(c))[1], mpStandings);
}

TEST(ScoreTablesView, ScoresStandInTheirColumnsAndAdjustedScoresAreRed) {
    test::Evening f;
    Contest& c = f.c();
    const auto board2 = scoreTableLines(c, 2, false);
    ASSERT_TRUE(board2.has_value());
    const std::vector<ViewLine> expected = {
        {"    Bricka 2", Colour::Black},
        {"  3- 4:  %+-     2.4   1.6", Colour::Red},
        {"  5- 6:    -100   1   3", Colour::Black},
        {"  7- 2:  140      3   1", Colour::Black},
    };
    EXPECT_EQ(*board2, expected);

    // The unscored result of board 9 shows its pairs only.
    const auto board9 = texts(*scoreTableLines(c, 9, false));
    ASSERT_EQ(board9.size(), 4u);
    EXPECT_EQ(board9[2], "  7- 1:");

    // Round-wise: board 5 brings the whole round 4..6, each board closed by an empty line.
    const auto round = texts(*scoreTableLines(c, 5, true));
    ASSERT_EQ(round.size(), 15u);
    EXPECT_EQ(round[0], "    Bricka 4");
    EXPECT_EQ(round[4], "");
    EXPECT_EQ(round[5], "    Bricka 5");
    EXPECT_EQ(round[10], "    Bricka 6");
    EXPECT_EQ(round[14], "");

    EXPECT_FALSE(scoreTableLines(c, 0, false).has_value());
    EXPECT_FALSE(scoreTableLines(c, 10, true).has_value());

    // A last round with fewer boards than the others stops at the last board.
    c.boardCount = 8;
    EXPECT_EQ(scoreTableLines(c, 8, true)->size(), 10u);
}

TEST(ScoreTablesView, IndividualLinesShowAllFourPlayers) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::fillRegister(*f.reg, 8);
    c.isIndividual = true;
    test::setUp(c, 1, 1, 8);
    addResult(c.boards[1], 1, 2, 1, kNoScore, 0, 0, true);
    addResult(c.boards[1], 5, 6, 1, kNoScore, 0, 0, true);
    c.boards[1].results[0].nsPlayer2 = 3;
    c.boards[1].results[0].ewPlayer2 = 4;
    c.boards[1].results[1].nsPlayer2 = 7;
    c.boards[1].results[1].ewPlayer2 = 8;
    test::enter(c, 1, 1, 2, 420);
    const std::vector<std::string> expected = {"    Bricka 1", "  1  3- 2  4:   420    0    0",
                                               "  5  7- 6  8: "};
    EXPECT_EQ(texts(*scoreTableLines(c, 1, false)), expected);
}

TEST(PrivateProtocolView, ByeRoundsUnscoredBoardsAndOpponents) {
    test::Evening f;
    Contest& c = f.c();
    const auto lines = texts(privateProtocolLines(c, 1));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], " 1 frirond");
    EXPECT_EQ(lines[2], " 3 frirond");
    EXPECT_EQ(lines[3], " 4   1  3  -100     0   4   Efternamn5 F / Efternamn6 F");
    EXPECT_EQ(lines[4], " 5   1  3   120     4   0   Efternamn5 F / Efternamn6 F");
    EXPECT_EQ(lines[7], " 8   7  1  -420     0   4   Efternamn13 F / Efternamn14 F");
    EXPECT_EQ(lines[8], " 9   7  1 -9999 -9999 -9999   Efternamn13 F / Efternamn14 F");
    // NS: 0 + 4 + 2; EW: 0 + 4, and nothing for the unscored board 9.
    EXPECT_EQ(lines[9], "Summa som ns/ew     6   4");

    // Opponents without a second member, or without any member.
    c.participants[3].second = nullptr;
    EXPECT_EQ(texts(privateProtocolLines(c, 1))[3], " 4   1  3  -100     0   4   Efternamn5 F");
    c.participants[3].first = nullptr;
    EXPECT_EQ(texts(privateProtocolLines(c, 1))[3], " 4   1  3  -100     0   4   ");

    EXPECT_EQ(privateProtocolPair(c, "3"), 3);
    EXPECT_EQ(privateProtocolPair(c, " 8 "), 8);
    EXPECT_EQ(privateProtocolPair(c, "9"), 0);
    EXPECT_EQ(privateProtocolPair(c, "0"), 0);
    EXPECT_EQ(privateProtocolPair(c, "3x"), 0);
    EXPECT_EQ(privateProtocolPair(c, ""), 0);
    EXPECT_TRUE(privateProtocolLines(c, 9).empty());
    c.isIndividual = true;
    EXPECT_TRUE(privateProtocolLines(c, 1).empty());
}

TEST(ProgressView, BoardsByScoredTablesAndBarometerByTypedNumbers) {
    test::Evening f;
    Contest& c = f.c();
    for (int i = 0; i < 3; ++i) setScore(c.boards[8].results[i], kNoScore);
    EXPECT_EQ(progressCellCount(c), 9);
    EXPECT_EQ(progressCaption(c), "Beh. givar: (F8)");
    EXPECT_EQ(progressRefreshCaption(c), "Beh. givar: (F8)");
    const auto boards = progressCells(c, {});
    ASSERT_EQ(boards.size(), 9u);
    for (int b = 0; b < 7; ++b) EXPECT_EQ(boards[b].colour, Colour::Blue) << b + 1;
    EXPECT_EQ(boards[7].colour, Colour::White);
    EXPECT_EQ(boards[8].colour, Colour::Red);

    c.isBarometer = true;
    EXPECT_EQ(progressCellCount(c), 8);
    EXPECT_EQ(progressCaption(c), "Inmatade par: (F8)");
    EXPECT_EQ(progressRefreshCaption(c), "  Inmatade par: ");
    EXPECT_TRUE(progressNumberAllowed(c, 8));
    EXPECT_FALSE(progressNumberAllowed(c, 9));
    const auto pairs = progressCells(c, {3, 5, 0, 12, 5});
    ASSERT_EQ(pairs.size(), 8u);
    for (int p = 1; p <= 8; ++p) {
        EXPECT_EQ(pairs[p - 1].colour, p == 3 || p == 5 ? Colour::Blue : Colour::White) << p;
        EXPECT_EQ(pairs[p - 1].visible, p != 8) << p;
    }
    c.isIndividual = true;
    EXPECT_EQ(progressRefreshCaption(c), "  Inmatade spelare: ");
}

}  // namespace
}  // namespace vindelkast
