#include <gtest/gtest.h>

#include <string>

#include "analysis/board_analysis.h"
#include "analysis/double_dummy.h"
#include "files/analysis_file.h"
#include "files/contest_on_disk.h"
#include "model/bridge_tables.h"
#include "support/sample_analysis.h"
#include "support/sample_contests.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

// Boards 1..4 dealt by turning one deal round the table.
void dealFour(Contest& c) {
    test::setUp(c, 4, 1, 8);
    for (int b = 1; b <= 4; ++b)
        for (int seat = 0; seat < 4; ++seat)
            for (int k = 0; k < 13; ++k)
                c.boards[b].deal[(seat + b) % 4][k] = cardFromCode(seat * 13 + k + 1);
    c.dealCount = 4;
}

TEST(AnalysisFile, RoundTripKeepsWhatBelongsToTheDealsAndRefusesDamage) {
    // The sample analyses take their par from the solver.
    if (!solverAvailable()) GTEST_SKIP() << "ingen dubbeldummyl\xc3\xb6sare i det h\xc3\xa4r bygget";
    test::ContestFixture f;
    Contest& c = f.c();
    dealFour(c);
    test::keepSampleAnalyses(c);
    c.analyses[2].parCount = 2;  // two par contracts, one a sacrifice
    c.analyses[2].parContracts[1] = {5, 3, 5, 0, 2};
    const std::string text = analysisFileText(c);
    EXPECT_EQ(text.rfind("%FACIT 1\r\n1\tN:", 0), 0u);

    test::ContestFixture g;
    Contest& d = g.c();
    dealFour(d);
    d.boards[3].deal = d.boards[4].deal;  // a deal changed since the analysis
    ASSERT_EQ(readAnalysisFile(d, text), "");
    EXPECT_EQ(keptAnalysis(d, 3), nullptr);
    for (int b : {1, 2, 4}) {
        ASSERT_NE(keptAnalysis(d, b), nullptr);
        EXPECT_EQ(keptAnalysis(d, b)->tricks, c.analyses[b].tricks);
        EXPECT_EQ(parContractsText(*keptAnalysis(d, b)), parContractsText(c.analyses[b]));
    }
    d.boards[3].deal = c.boards[3].deal;
    EXPECT_EQ(analysisFileText(d), text);

    // Damage anywhere leaves the analyses as they were.
    const std::string line2 = text.substr(text.find("\r\n2\t") + 2);
    for (const std::string& bad : {std::string("%FACIT 2\r\n"), text + "72\t" + line2,
                                   text + "5\tN:\tzz\t0\t\r\n", text.substr(0, text.size() - 2) + ",1\r\n",
                                   text + line2.substr(0, line2.find('\t', 3)) + "\r\n", std::string()}) {
        EXPECT_NE(readAnalysisFile(d, bad), "") << bad;
        EXPECT_EQ(analysisFileText(d), text);
    }
}

TEST(AnalysisFile, LivesBesideTheContestFile) {
    // The sample analyses take their par from the solver.
    if (!solverAvailable()) GTEST_SKIP() << "ingen dubbeldummyl\xc3\xb6sare i det h\xc3\xa4r bygget";
    EXPECT_EQ(besidePath("/klubb/kv\xe4ll.2024/m\xe5ndag.sco", kAnalysisExtension),
              "/klubb/kv\xe4ll.2024/m\xe5ndag.facit");
    EXPECT_EQ(besidePath("klubb.d/m\xe5ndag", kAnalysisExtension), "klubb.d/m\xe5ndag.facit");
    const std::vector<SideFile> sides = contestSideFiles(true);

    test::TempFolder folder;
    test::ContestFixture f;
    dealFour(f.c());
    EXPECT_TRUE(readSideFiles(f.c(), folder.file("kv\xe4ll.sco"), sides).empty());  // none yet: no analysis
    test::keepSampleAnalyses(f.c());
    ASSERT_EQ(saveContestOnDisk(f.c(), folder.file("kv\xe4ll.sco"), sides, "3.23"), "");
    test::ContestFixture g;
    dealFour(g.c());
    ASSERT_TRUE(readSideFiles(g.c(), folder.file("kv\xe4ll.sco"), sides).empty());
    EXPECT_TRUE(hasKeptAnalysis(g.c()));
    folder.write("kv\xe4ll.facit", "%FACIT 1\r\nnej\r\n");
    const std::vector<SideProblem> problems = readSideFiles(g.c(), folder.file("kv\xe4ll.sco"), sides);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].shown().find(".facit: Facitfilen \xe4r skadad p\xe5 rad 2"), std::string::npos);
}

}  // namespace
}  // namespace vindelkast
