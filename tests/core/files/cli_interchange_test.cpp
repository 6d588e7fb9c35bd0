// vindelkast-cli usebio and import as a director runs them: a contest and its contracts out
// as USEBIO and back, the report on stderr, a refused file leaving nothing behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../movement/movement_checks.h"
#include "cli_fixture.h"
#include "example_contests.h"
#include "files/contest_file.h"
#include "files/contest_on_disk.h"
#include "files/round_file.h"
#include "model/board_results.h"
#include "model/typed_score.h"
#include "movement/contest_setup.h"
#include "movement/movement_generator.h"
#include "support/sample_contests.h"
#include "support/test_text.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

// Every run with the examples' member register; its exit code.
class CliInterchange : public test::Cli {
protected:
    int run(const std::string& arguments) { return Cli::run(arguments + " " + exampleRegister()).exitCode; }
};

TEST_F(CliInterchange, ContestAndContractsGoOutAsUsebioAndComeBackTheSame) {
    std::filesystem::copy_file(test::examplePath("kv\xc3\xa4ll8.sco"), folder.file("kv.sco"));
    // Two tables gave their contracts: one made doubled, one passed out.
    folder.write("kv.kontrakt", "%KONTRAKT 1\r\n1 4 2 4SX E 10\r\n3 4 2 pass N 0\r\n");
    ASSERT_EQ(run("usebio kv.sco kv.xml"), 0) << folder.read("err.txt");
    const std::string xml = folder.read("kv.xml");
    EXPECT_NE(xml.find("<CONTRACT>4SX</CONTRACT>"), std::string::npos);
    EXPECT_NE(xml.find("<CONTRACT>PASS</CONTRACT>"), std::string::npos);

    ASSERT_EQ(run("import kv.xml tillbaka.sco"), 0) << folder.read("err.txt");
    EXPECT_EQ(folder.read("tillbaka.sco"), folder.read("kv.sco"));
    EXPECT_EQ(folder.read("tillbaka.kontrakt"), folder.read("kv.kontrakt"));
    EXPECT_NE(folder.read("out.txt").find("Importerade 63 resultat p\xc3\xa5 21 givar i 7 ronder, 7 par"),
              std::string::npos)
        << folder.read("out.txt");

    // A Mitchell of eight tables plays seven of its eight board groups: seven rounds, not
    // one per group.
    std::filesystem::copy_file(test::examplePath("kv\xc3\xa4ll16.sco"), folder.file("kv16.sco"));
    for (const std::string format : {"usebio xml", "pbn pbn"}) {
        const std::string file = "kv16." + format.substr(format.find(' ') + 1);
        ASSERT_EQ(run(format.substr(0, format.find(' ')) + " kv16.sco " + file), 0) << folder.read("err.txt");
        ASSERT_EQ(run("import " + file + " tillbaka16.sco"), 0) << folder.read("err.txt");
        EXPECT_NE(
            folder.read("out.txt").find("Importerade 168 resultat p\xc3\xa5 24 givar i 7 ronder, 16 par"),
            std::string::npos)
            << format << ": " << folder.read("out.txt");
    }
}

// The slot lines of a round file ("S BOARD NS EW ROUND"), without the guide card's tables.
std::string slotLines(const std::string& roundFile) {
    std::string slots;
    for (std::size_t at = roundFile.find("\nS "); at != std::string::npos;
         at = roundFile.find("\nS ", at + 1))
        slots += roundFile.substr(at + 1, roundFile.find('\n', at + 1) - at);
    return slots;
}

TEST_F(CliInterchange, SessionWhoseTablesShareBoardsComesBackWithItsRounds) {
    // A relay of 16 pairs: tables 1 and 8 play the same boards in one round, so a board has
    // two slots in a round and the contest file alone would number them 1, 2, 3...
    test::ContestFixture laid;
    SetUpRequest request;
    request.guideCard = folder.write(
        "rel\xc3\xa4.gui", guideCardText(generateMovement({MovementKind::Mitchell, 16, 0, 0, true})));
    request.contestName = "Rel\xe4";
    ASSERT_EQ(setUpContest(laid.c(), request).message, "");
    const int scores[] = {420, -50, 170, 100, -620, 140, 450, -100, 110};
    for (const auto& [board, round, ns, ew] : test::slotsOf(laid.c()))
        test::enter(laid.c(), board, ns, ew, scores[(board + ns * 3 + ew) % 9]);
    std::ofstream(folder.file("rela.sco"), std::ios::binary) << contestFileText(laid.c(), "3.23");
    const std::string rounds = writeRounds(laid.c());
    ASSERT_NE(slotLines(rounds), "");
    folder.write("rela.ronder", rounds);

    ASSERT_EQ(run("usebio rela.sco rela.xml"), 0) << folder.read("err.txt");
    ASSERT_EQ(run("import rela.xml tillbaka.sco"), 0) << folder.read("err.txt");
    EXPECT_EQ(slotLines(folder.read("tillbaka.ronder")), slotLines(rounds));
    test::ContestFixture back;
    std::ifstream in(folder.file("tillbaka.sco"), std::ios::binary);
    readContestFile(back.c(), in);
    const auto numbered = test::slotsOf(back.c());
    EXPECT_NE(numbered, test::slotsOf(laid.c())) << "the rounds are not in the contest file";
    ASSERT_TRUE(readSideFiles(back.c(), folder.file("tillbaka.sco"), contestSideFiles(false)).empty());
    EXPECT_EQ(test::slotsOf(back.c()), test::slotsOf(laid.c()));
    for (int b = 1; b <= laid.c().boardCount; ++b)
        for (int i = 0; i < laid.c().boards[b].resultCount; ++i) {
            const BoardResult& r = laid.c().boards[b].results[i];
            EXPECT_EQ(findResult(back.c().boards[b], r.nsPair, r.ewPair)->nsPoints, r.nsPoints);
        }
}

TEST_F(CliInterchange, OtherProgramsFileIsReportedLineByLine) {
    const std::string in = std::string(VK_SOURCE_DIR) + "/tests/data/interchange/usebio12_phantom.xml";
    ASSERT_EQ(run("import '" + in + "' tisdag.sco"), 0) << folder.read("err.txt");
    const std::string report = folder.read("err.txt");
    EXPECT_NE(report.find("rad 74: par 6 \xc3\xa4r ett fantompar och blir fripar"), std::string::npos)
        << report;
    EXPECT_NE(report.find("rad 216: giv 6 par 1-5: justerat resultat NS 70 %"), std::string::npos) << report;
    EXPECT_NE(report.find("skiljer sig fr\xc3\xa5n filens p\xc3\xa5 giv 6 "), std::string::npos) << report;
    EXPECT_TRUE(folder.exists("tisdag.sco"));
}

TEST_F(CliInterchange, RefusedFileLeavesNothingBehind) {
    folder.write(
        "fel.pbn",
        "[Board \"1\"]\n[ScoreTable \"PairId_NS\\2R;PairId_EW\\2R;Score_NS\\6R\"]\n1 2 420\n1 3 100\n");
    EXPECT_EQ(run("import fel.pbn ut.sco"), 1);
    EXPECT_FALSE(folder.exists("ut.sco"));
    EXPECT_NE(folder.read("err.txt").find(
                  "rad 4: par 1 spelar giv 1 tv\xc3\xa5 g\xc3\xa5nger (ocks\xc3\xa5 rad 3)"),
              std::string::npos)
        << folder.read("err.txt");
    EXPECT_EQ(run("usebio saknas.sco ut.xml"), 1);
    EXPECT_FALSE(folder.exists("ut.xml"));
}

// An evening in two sections, imported from another program and set up anew: the sections
// beside the contest, the pairs as A1 and B7, each section's standings and the field's, and
// the choice across the field or per section made and unmade by rescore.
TEST_F(CliInterchange, TwoSectionsAreImportedSetUpAndRescoredBothWays) {
    const std::string in = std::string(VK_SOURCE_DIR) + "/tests/data/interchange/usebio12_sections.xml";
    ASSERT_EQ(run("import '" + in + "' kv.sco"), 0) << folder.read("err.txt");
    EXPECT_EQ(folder.read("kv.sektion"), "%SEKTIONER 1\r\nOVER-FALTET\r\nA 1 18\r\nB 19 36\r\n");
    EXPECT_EQ(folder.read("kv.regler"), "%REGLER 1\r\nNEUBERG\r\n");
    EXPECT_EQ(folder.read("err.txt").find("skiljer sig"), std::string::npos) << folder.read("err.txt");
    ASSERT_EQ(run("standings kv.sco"), 0) << folder.read("err.txt");
    const std::string standings = folder.read("out.txt");
    for (const char* shown :
         {"Sektion A, medel 288", "Sektion B, medel 288", "Alla sektioner", " B18 ", " A17 "})
        EXPECT_NE(standings.find(shown), std::string::npos) << shown << "\n" << standings;
    EXPECT_EQ(standings.find(" A9 "), std::string::npos) << "A's missing pair has no line";
    ASSERT_EQ(run("scores kv.sco 8"), 0);
    EXPECT_NE(folder.read("out.txt").find(" B1-B16:"), std::string::npos) << folder.read("out.txt");

    ASSERT_EQ(run("rescore kv.sco per.sco --per-section"), 0) << folder.read("err.txt");
    EXPECT_EQ(folder.read("per.sektion"), "%SEKTIONER 1\r\nSEKTIONSVIS\r\nA 1 18\r\nB 19 36\r\n");
    EXPECT_NE(folder.read("per.sco"), folder.read("kv.sco"));
    ASSERT_EQ(run("rescore per.sco igen.sco --across"), 0) << folder.read("err.txt");
    EXPECT_EQ(folder.read("igen.sco"), folder.read("kv.sco"));
    EXPECT_EQ(run("rescore kv.sco x.sco --across --per-section"), 2);

    // PBN and XML carry each pair's section beside its own number, places within the section;
    // the PBN comes back as the same two sections and the same matchpoints.
    ASSERT_EQ(run("pbn kv.sco ut.pbn"), 0) << folder.read("err.txt");
    const std::string pbn = folder.read("ut.pbn");
    EXPECT_NE(pbn.find("[TotalScoreTable \"Section\\1L;Rank\\2R;PairId\\2R;"), std::string::npos);
    EXPECT_NE(pbn.find("[ScoreTable \"Section\\1L;PairId_NS\\2R;PairId_EW\\2R;"), std::string::npos);
    EXPECT_NE(pbn.find("\r\nB  1 "), std::string::npos) << "section B has its own first place";
    ASSERT_EQ(run("import ut.pbn tillbaka.sco"), 0) << folder.read("err.txt");
    EXPECT_EQ(folder.read("tillbaka.sektion"), folder.read("kv.sektion"));
    EXPECT_EQ(folder.read("err.txt").find("skiljer sig"), std::string::npos) << folder.read("err.txt");
    ASSERT_EQ(run("xml kv.sco ut.xml"), 0) << folder.read("err.txt");
    const std::string xml = folder.read("ut.xml");
    EXPECT_NE(xml.find("<tNr>19</tNr>\r\n<section>B</section>\r\n<place>"), std::string::npos) << xml;
    std::size_t winners = 0;
    for (std::size_t at = xml.find("<place>1</place>"); at != std::string::npos;
         at = xml.find("<place>1</place>", at + 1))
        ++winners;
    EXPECT_EQ(winners, 2u) << "one winner in each section";

    ASSERT_EQ(run("movement --boards 18 --rounds 9 --sections 10,9 --per-section --date 2024-05-21 ny.sco"),
              0)
        << folder.read("err.txt");
    EXPECT_EQ(folder.read("ny.sektion"), "%SEKTIONER 1\r\nSEKTIONSVIS\r\nA 1 10\r\nB 11 20\r\n");
    EXPECT_NE(folder.read("out.txt").find("fripar B9"), std::string::npos) << folder.read("out.txt");
    EXPECT_EQ(run("movement --boards 18 --rounds 9 --sections 10,12 x.sco"), 1);
    EXPECT_NE(folder.read("err.txt").find("Sektion B: inget inbyggt spel passar 18 givar och 12 par"),
              std::string::npos)
        << folder.read("err.txt");
    EXPECT_FALSE(folder.exists("x.sco"));
    ASSERT_EQ(run("scores ny.sco 1"), 0);
    EXPECT_NE(folder.read("out.txt").find(" B10- B1:"), std::string::npos) << folder.read("out.txt");

    // Results entered as typed in the grid, the pairs by their labels.
    ASSERT_EQ(run("enter ny.sco ny.sco 1 B10 B1 42"), 0) << folder.read("err.txt");
    EXPECT_EQ(folder.read("out.txt"), "Giv 1 B10-B1: 420\n");
    ASSERT_EQ(run("enter ny.sco ny.sco 1 B6 B8 -5"), 0) << folder.read("err.txt");
    ASSERT_EQ(run("scores ny.sco 1"), 0);
    EXPECT_NE(folder.read("out.txt").find(" B10- B1:   420    2.0   0.0"), std::string::npos)
        << folder.read("out.txt");
    ASSERT_EQ(run("enter ny.sco ny.sco 1 B6 B8 455"), 0);
    EXPECT_NE(folder.read("err.txt").find("4550"), std::string::npos) << "stored with the grid's warning";

    // The letters and signs the grid stores (board 1, nobody vulnerable), as the grid reads them;
    // adjusted scores, removals and what the grid refuses are typed in every evening of
    // tests/core/tables/evening_matrix_test.cpp.
    const std::pair<const char*, const char*> typedScores[] = {
        {"a", "400"}, {"s", "420"}, {"S", "-420"}, {"\xc2\xa7", "50"}, {"\xc2\xbd", "-50"}, {"-5", "-50"}};
    for (const auto& [typed, stored] : typedScores) {
        EXPECT_EQ(run("enter ny.sco ut.sco 1 B10 B1 \"" + std::string(typed) + "\""), 0) << typed;
        EXPECT_EQ(readTypedScore(test::w(typed), 1).refusal, "") << typed << " as the grid reads it";
        EXPECT_EQ(folder.read("out.txt"), "Giv 1 B10-B1: " + std::string(stored) + "\n");
    }
}

}  // namespace
}  // namespace vindelkast
