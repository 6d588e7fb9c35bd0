#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "analysis/board_analysis.h"
#include "analysis/double_dummy.h"
#include "files/deal_import.h"
#include "output/pbn_export.h"
#include "output_samples.h"
#include "support/sample_analysis.h"

namespace vindelkast {
namespace {

std::string pbnText(const Contest& c) {
    std::ostringstream out;
    writePbn(c, out);
    return out.str();
}

std::string game(const std::string& pbn, int board) {
    const auto start = pbn.find("[Board \"" + std::to_string(board) + "\"]");
    const auto end = pbn.find("\r\n\r\n", start);
    return start == std::string::npos ? "" : pbn.substr(start, end - start);
}

TEST(PbnExport, DealsComeBackThroughTheDealImportAndAnalysedBoardsCarryTheirTables) {
    // The sample analyses take their par from the solver.
    if (!solverAvailable()) GTEST_SKIP() << "ingen dubbeldummyl\xc3\xb6sare i det h\xc3\xa4r bygget";
    test::Evening f;
    Contest& c = f.c();
    test::keepSampleAnalyses(c);
    c.boards[3].clearDeal();  // a deal cleared after the analysis: neither deal nor analysis
    c.dealCount = 7;
    const std::string pbn = pbnText(c);

    test::ContestFixture back;
    back.c().boardCount = c.boardCount;
    std::istringstream in(pbn);
    importDeals(back.c(), in, DealFileFormat::Pbn);
    // The import stops at the first board without a deal; none is read into a wrong board.
    EXPECT_EQ(back.c().dealCount, 2);
    for (int b = 1; b <= 2; ++b) EXPECT_EQ(dealPbn(back.c().boards[b].deal), dealPbn(c.boards[b].deal));
    test::ContestFixture rest;
    rest.c().boardCount = 4;
    std::istringstream tail(pbn.substr(pbn.find("[Board \"4\"]")));
    importDeals(rest.c(), tail, DealFileFormat::Pbn);
    for (int b = 4; b <= 7; ++b) EXPECT_EQ(dealPbn(rest.c().boards[b - 3].deal), dealPbn(c.boards[b].deal));

    EXPECT_EQ(pbn.rfind("% PBN 2.1\r\n% EXPORT\r\n% Content-type: text/x-pbn; charset=UTF-8\r\n", 0), 0u);
    // Board 1, no one vulnerable: North-South 8..12 tricks in NT..C, East-West 5..1.
    const std::string one = game(pbn, 1);
    EXPECT_NE(one.find("[Dealer \"N\"]\r\n[Vulnerable \"None\"]\r\n[Deal \"N:AKQJT98765432..."),
              std::string::npos);
    EXPECT_NE(one.find("[DoubleDummyTricks \"89abc89abc5432154321\"]"), std::string::npos);
    EXPECT_NE(one.find("E  D  2\r\nE  C  1\r\nW NT  5\r\n"), std::string::npos);
    EXPECT_NE(one.find("[OptimumScore \"NS 920\"]\r\n[ParContract \"NS 6C\"]"), std::string::npos);
    // The standings ride with the first game, names in UTF-8.
    EXPECT_NE(one.find("[TotalScoreTable \"Rank\\2R;PairId\\2R;Names\\40L;"), std::string::npos);
    EXPECT_NE(one.find("\"<script> \xc3\x89va & Efternamn4 F\xc3\xb6rnamn4\""), std::string::npos);

    const std::string three = game(pbn, 3);
    EXPECT_NE(three.find("[Deal \"N:- - - -\"]"), std::string::npos);
    EXPECT_EQ(three.find("[DoubleDummyTricks"), std::string::npos);
    EXPECT_NE(game(pbn, 8).find("[Deal \"N:- - - -\"]"), std::string::npos);
    // Board 2's adjusted result has each side's share and matchpoints; board 9's unscored one
    // no row.
    EXPECT_NE(game(pbn, 2).find("   60%    40%   2.4   1.6\r\n"), std::string::npos);
    EXPECT_EQ(game(pbn, 9).find("\r\n 1 "), std::string::npos);
}

}  // namespace
}  // namespace vindelkast
