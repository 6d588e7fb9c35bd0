#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "analysis/double_dummy.h"
#include "model/board_results.h"
#include "model/result_order.h"
#include "output/page_parts.h"
#include "output/xhtml_page.h"
#include "output_samples.h"
#include "support/sample_analysis.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

std::string xhtmlPage(Contest& c, int order = ScoreOrder) {
    std::ostringstream out;
    writeXhtml(c, out, order);
    settleAfterPageExport(c, order);  // as the window's command does
    return out.str();
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

void expectValid(const std::string& page) {
    std::string report;
    const int status = test::runXmllint("--valid", page, report);
    if (status != test::kNoXmllint) {
        EXPECT_EQ(status, 0) << report;
    }
}

TEST(XhtmlPage, EveningValidatesAsStrictXhtml) {
    test::Evening f;
    Contest& c = f.c();
    setResultOrder(c, PairOrder);
    const std::string page = xhtmlPage(c);
    expectValid(page);
    EXPECT_EQ(c.resultOrder, PairOrder);

    EXPECT_EQ(page.rfind("<?xml version='1.0' encoding='ISO-8859-1'?>\r\n<!DOCTYPE html PUBLIC", 0), 0u);
    EXPECT_NE(page.find("<title>H&ouml;stcup &amp; &lt;b&gt;fest&lt;/b&gt;</title>"), std::string::npos);
    EXPECT_NE(page.find("<h1>H&ouml;stcup &amp; &lt;b&gt;fest&lt;/b&gt; 2024-10-08 S&amp;B \"Vinden\"</h1>"),
              std::string::npos);
    EXPECT_NE(page.find(w("<td class='res'>&lt;script&gt; Éva &amp; Efternamn4 F&ouml;rnamn4</td>")),
              std::string::npos);
    EXPECT_EQ(page.find("fripar"), std::string::npos);
    // Seven standings rows besides the heading; the tie of pairs 3 and 4 leaves one place empty.
    EXPECT_EQ(count(page, "<tr class='res'>"), 8u);
    EXPECT_EQ(count(page, "<td class='res'></td>"), 1u);
    EXPECT_NE(page.find("<td class='res'>21.3</td>"), std::string::npos);

    // Nine boards two by two: the fifth row's right cell is empty.
    EXPECT_EQ(count(page, "<h2>Giv "), 9u);
    EXPECT_NE(page.find("<td class='grid'>\r\n</td>\r\n</tr>\r\n</tbody>"), std::string::npos);
    EXPECT_NE(page.find("<td class='scores'>M+/M-</td>\r\n<td class='scores'>2.4</td>\r\n"
                        "<td class='scores'>1.6</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<td class='scores'><span class='space' />-100</td>\r\n<td class='scores'>1.0</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<td class='scores'>450<span class='space' /></td>\r\n<td class='scores'>4</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<td class='scores'></td><td class='scores'></td><td class='scores'></td>"),
              std::string::npos);
    EXPECT_NE(
        page.find(
            "<td class='deal'>&spades;AKQJT98765432<br />&hearts;--<br />&diams;--<br />&clubs;--</td>"),
        std::string::npos);
    EXPECT_NE(page.find(w("<td class='deal'>G: Nord<br />Z: Ingen</td>")), std::string::npos);
    EXPECT_NE(page.find("<td class='deal'>G: V&auml;st<br />Z: Alla</td>"), std::string::npos);
    // Boards 8 and 9 have no deal: empty hand cells.
    EXPECT_EQ(count(page, "<td class='deal'></td>"), 8u);
    // The style sheet: the last two rules follow each other without an empty line.
    EXPECT_NE(
        page.find(
            "html\r\n{\r\n    background-color : #ffc;\r\n}\r\n\r\nbody\r\n{\r\n    width  : 55em;\r\n"),
        std::string::npos);
    EXPECT_NE(page.find("span.space\r\n{\r\n    margin-left : 1.5em;\r\n}\r\nimg.w3c\r\n{\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("}\r\n</style>"), std::string::npos);
    // The footer stays inside a comment.
    EXPECT_NE(page.find("<!--\r\n<div class='footer'>"), std::string::npos);
}

TEST(XhtmlPage, NamesWithEuroSignsAndControlCharactersStillParse) {
    // A damaged contest file may carry control characters, and Windows-1252 has letters that
    // the declared ISO-8859-1 lacks.
    test::Evening f;
    Contest& c = f.c();
    c.contestName = "V\xe5rcup\x01 \x80\x1b";
    c.arranger = "\x93Klubben\x94";
    const std::string page = xhtmlPage(c);
    expectValid(page);
    EXPECT_NE(page.find("<title>V&aring;rcup &#8364;</title>"), std::string::npos);
    EXPECT_NE(page.find("&#8220;Klubben&#8221;</h1>"), std::string::npos);
}

TEST(XhtmlPage, DealsPastTheDealCountAreNotShownButKept) {
    test::Evening f;
    Contest& c = f.c();
    c.dealCount = 5;
    const std::string page = xhtmlPage(c);
    expectValid(page);
    EXPECT_EQ(count(page, "<td class='deal'></td>"), 4u * 4u);
    EXPECT_TRUE(c.boards[6].hasDeal());
    EXPECT_TRUE(c.boards[7].hasDeal());
}

TEST(XhtmlPage, AnalysedBoardsShowTheirTableAndParUntilTheDealChanges) {
    // The sample analyses take their par from the solver.
    if (!solverAvailable()) GTEST_SKIP() << "ingen dubbeldummyl\xc3\xb6sare i det h\xc3\xa4r bygget";
    test::Evening f;
    Contest& c = f.c();
    const std::string plain = xhtmlPage(c);
    test::keepSampleAnalyses(c);
    const std::string analysed = xhtmlPage(c);
    expectValid(analysed);
    EXPECT_EQ(count(analysed, "<table class='dd'"), 7u);  // boards 1..7 have deals
    // Board 1 (no one vulnerable): North-South take 8, 9, 10, 11, 12 tricks in NT, S, H, D, C.
    const std::string board1 = test::linesBetween(analysed, "<h2>Giv 1</h2>", "<h2>Giv 2</h2>");
    EXPECT_NE(board1.find("<td class='dd'>&Ouml;</td>\r\n<td class='dd' style='text-align : right;'>5</td>"),
              std::string::npos);
    EXPECT_NE(board1.find("<p class='par'>Par: NS +920 (6&clubs; NS)</p>"), std::string::npos);

    // The blocks are all that was added: without them the page is as it was.
    std::string stripped = analysed;
    for (auto at = stripped.find("<table class='dd'"); at != std::string::npos;
         at = stripped.find("<table class='dd'"))
        stripped.erase(at, stripped.find("</p>\r\n", at) + 6 - at);
    EXPECT_EQ(stripped, plain);

    // A board dealt anew or cleared drops its analysis; its old deal brings it back.
    const Deal first = c.boards[1].deal;
    c.boards[1].deal = c.boards[3].deal;
    c.boards[7].clearDeal();
    EXPECT_EQ(count(xhtmlPage(c), "<table class='dd'"), 5u);
    c.boards[1].deal = first;
    EXPECT_EQ(count(xhtmlPage(c), "<table class='dd'"), 6u);
}

TEST(XhtmlPage, WholeTotalsHaveNoDecimalsAndIndividualPagesValidate) {
    test::TiedBoard tied;
    tied.c().arranger = "S&B";
    const std::string page = xhtmlPage(tied.c());
    expectValid(page);
    EXPECT_NE(page.find("<td class='res'>4</td>\r\n</tr>"), std::string::npos);
    EXPECT_EQ(page.find(".0</td>\r\n</tr>"), std::string::npos);

    test::ContestFixture ind;
    Contest& c = ind.c();
    test::fillRegister(*ind.reg, 8);
    c.isIndividual = true;
    test::setUp(c, 2, 1, 8);
    for (int b = 1; b <= 2; ++b) {
        addResult(c.boards[b], 1, 2, 1, kNoScore, 0, 0, true);
        addResult(c.boards[b], 5, 6, 1, kNoScore, 0, 0, true);
        setSecondPlayers(c.boards[b], 1, 3, 4);
        setSecondPlayers(c.boards[b], 5, 7, 8);
        test::enter(c, b, 1, 2, 620);
        test::enter(c, b, 5, 6, -100);
    }
    for (int p = 1; p <= 8; ++p) c.participants[p].first = c.memberRegister->entry(p);
    c.participantCount = 8;
    const std::string individual = xhtmlPage(c);
    expectValid(individual);
    EXPECT_NE(individual.find("<th class='scores'>N</th>\r\n<th class='scores'>S</th>\r\n"
                              "<th class='scores'>&Ouml;</th>\r\n<th class='scores'>V</th>"),
              std::string::npos);
    EXPECT_NE(individual.find("<td class='scores'>5</td>\r\n<td class='scores'>7</td>\r\n"
                              "<td class='scores'>6</td>\r\n<td class='scores'>8</td>"),
              std::string::npos);
}

}  // namespace
}  // namespace vindelkast
