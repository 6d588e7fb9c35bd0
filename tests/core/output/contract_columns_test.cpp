// Contracts, declarers and tricks the tables gave, on the XHTML page and in the PBN export;
// pages of contests without contracts stay as they were.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/board_results.h"
#include "output/hand_record_sheet.h"
#include "output/pbn_export.h"
#include "output/xhtml_page.h"
#include "output_samples.h"
#include "support/sample_analysis.h"
#include "support/sample_evening.h"

namespace vindelkast {
namespace {

using test::written;

TEST(ContractColumns, TheXhtmlScoreTablesAndPbnCarryTheTablesContracts) {
    test::Evening plain;
    const std::string before = written([&](std::ostream& out) { writeXhtml(plain.c(), out, 2); });
    const std::string pbnBefore = written([&](std::ostream& out) { writePbn(plain.c(), out); });

    test::Evening f;
    Contest& c = f.c();
    // Board 1's first result: 4 spades by North, 10 tricks; its second passed out.
    const BoardResult& first = c.boards[1].results[0];
    const BoardResult& second = c.boards[1].results[1];
    c.contracts[{1, first.nsPair, first.ewPair}] = {{4, Strain::Spades, 0}, North, 10};
    c.contracts[{1, second.nsPair, second.ewPair}] = {};
    c.contracts[{4, c.boards[4].results[0].nsPair, c.boards[4].results[0].ewPair}] = {
        {3, Strain::NoTrump, 1}, East, 8};

    const std::string page = written([&](std::ostream& out) { writeXhtml(c, out, 2); });
    std::string report;
    const int status = test::runXmllint("--valid", page, report);
    if (status != test::kNoXmllint) {
        EXPECT_EQ(status, 0) << report;
    }
    EXPECT_NE(page.find("<th class='scores'>Kontrakt</th>\r\n<th class='scores'>Spelf&ouml;rare</th>\r\n"
                        "<th class='scores'>Stick</th>\r\n<th class='scores'>Resultat</th>"),
              std::string::npos);
    EXPECT_NE(page.find("<td class='scores'>4&spades;</td>\r\n<td class='scores'>N</td>\r\n"
                        "<td class='scores'>10</td>"),
              std::string::npos);
    EXPECT_NE(
        page.find("<td class='scores'>Pass</td>\r\n<td class='scores'></td>\r\n<td class='scores'></td>"),
        std::string::npos);
    EXPECT_NE(page.find("<td class='scores'>3NTX</td>\r\n<td class='scores'>&Ouml;</td>\r\n"
                        "<td class='scores'>8</td>"),
              std::string::npos);

    const std::string pbn = written([&](std::ostream& out) { writePbn(c, out); });
    EXPECT_NE(pbn.find("[ScoreTable \"PairId_NS\\2R;PairId_EW\\2R;Contract\\4L;Declarer\\1R;Result\\2R;"
                       "Score_NS\\6R;"),
              std::string::npos);
    EXPECT_NE(pbn.find(" 4S   N 10 "), std::string::npos);
    EXPECT_NE(pbn.find(" Pass - - "), std::string::npos);
    EXPECT_NE(pbn.find(" 3NTX E  8 "), std::string::npos);

    // Without contracts both are byte for byte what they were.
    c.contracts.clear();
    EXPECT_EQ(written([&](std::ostream& out) { writeXhtml(c, out, 2); }), before);
    EXPECT_EQ(written([&](std::ostream& out) { writePbn(c, out); }), pbnBefore);
}

TEST(HandRecordSheet, HeadedTablesSwedishHonoursAndTheBoardsLeftOut) {
    test::Evening f;
    Contest& c = f.c();
    test::keepSampleAnalyses(c);
    c.analyses[6] = {};  // dealt but not analysed
    const std::string sheet = handRecordSheet(c);
    // Board 1: North holds every spade.
    EXPECT_NE(sheet.find("&#9824;&nbsp;E K D Kn 10 9 8 7 6 5 4 3 2<br/>"), std::string::npos);
    EXPECT_NE(sheet.find("<tr><th></th><th align='right'>NT</th><th align='right'>&#9824;</th>"),
              std::string::npos);
    EXPECT_NE(
        sheet.find(
            "<tr><th align='left'>N</th><td align='right' style='white-space:nowrap'>&nbsp;8&nbsp;</td>"),
        std::string::npos);
    EXPECT_NE(sheet.find("<p>Givar utan kortf&ouml;rdelning: 8, 9</p>"), std::string::npos);
    EXPECT_NE(sheet.find("<p>Givar som inte &auml;r analyserade: 6</p>"), std::string::npos);
}

}  // namespace
}  // namespace vindelkast
