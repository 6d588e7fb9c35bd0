#include <gtest/gtest.h>

#include <filesystem>

#include "files/contest_on_disk.h"
#include "files/file_platform.h"
#include "files/rules_file.h"
#include "files/sections_file.h"
#include "files/side_text.h"
#include "model/board_results.h"
#include "support/sample_contests.h"
#include "support/test_text.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

using test::w;

// The side files a contest keeps, as the command line saves them.
std::vector<SideFile> sides() { return contestSideFiles(false); }

TEST(RulesFile, NeubergIsKeptBesideTheContestAndTheLinearRuleLeavesNoFile) {
    test::TempFolder folder;
    const std::string contestPath = folder.file("kv\xc3\xa4ll.sco");
    test::ContestFixture chosen;
    chosen.c().scoringRule.neuberg = true;
    ASSERT_EQ(saveContestOnDisk(chosen.c(), contestPath, sides(), "3.23"), "");
    EXPECT_EQ(folder.read("kv\xc3\xa4ll.regler"), "%REGLER 1\r\nNEUBERG\r\n");
    test::ContestFixture read;
    ASSERT_TRUE(readSideFiles(read.c(), contestPath, sides()).empty());
    EXPECT_TRUE(read.c().scoringRule.neuberg);

    // Going back to the linear rule removes the file, and a contest without one is linear.
    chosen.c().scoringRule.neuberg = false;
    ASSERT_EQ(saveContestOnDisk(chosen.c(), contestPath, sides(), "3.23"), "");
    EXPECT_FALSE(folder.exists("kv\xc3\xa4ll.regler"));
    ASSERT_TRUE(readSideFiles(read.c(), contestPath, sides()).empty());
    EXPECT_TRUE(read.c().scoringRule.neuberg) << "a missing file changes nothing the contest file set";

    // A folder where the file would be is not removed as if it were one.
    std::filesystem::create_directory(filePath(folder.file("kv\xc3\xa4ll.regler")));
    EXPECT_NE(saveContestOnDisk(chosen.c(), contestPath, sides(), "3.23"), "");
    EXPECT_TRUE(folder.exists("kv\xc3\xa4ll.regler"));
}

TEST(RulesFile, ANameThatCannotCarryItsSideFilesWritesNothing) {
    test::TempFolder folder;
    test::ContestFixture chosen;
    chosen.c().scoringRule.neuberg = true;
    // 247 bytes and ".kontrakt" is one more than a file system allows in a name.
    const std::string tooLong = folder.file(std::string(245, 'k') + "\xc3\xa5.sco");
    EXPECT_EQ(saveContestOnDisk(chosen.c(), tooLong, sides(), "3.23"),
              w("Namnet är för långt: en tävlings namn får vara högst 246 byte utan .sco (å, ä och ö "
                "räknas som två), annars får sidofilen .kontrakt inte plats. Ingenting sparades."));
    EXPECT_TRUE(std::filesystem::is_empty(filePath(folder.file(""))));

    // At the longest name allowed everything is written, and read back.
    const std::string longest = folder.file(std::string(246, 'k') + ".sco");
    ASSERT_EQ(saveContestOnDisk(chosen.c(), longest, sides(), "3.23"), "");
    EXPECT_TRUE(folder.exists(std::string(246, 'k') + ".regler"));
    test::ContestFixture read;
    EXPECT_EQ(readContestOnDisk(read.c(), longest).kind, ContestReadResult::Kind::Ok);
    ASSERT_TRUE(readSideFiles(read.c(), longest, sides()).empty());
    EXPECT_TRUE(read.c().scoringRule.neuberg);

    // A side file whose name no file system holds is not there to remove.
    EXPECT_EQ(removeSideFile(folder.file(std::string(250, 'k') + ".regler")), "");
}

TEST(RulesFile, FileWithAFaultIsRefusedAndLeavesTheRule) {
    test::ContestFixture f;
    f.c().scoringRule.neuberg = true;
    EXPECT_EQ(readRules(f.c(), "%REGLER 2\r\nNEUBERG\r\n"), w("Filen är ingen regelfil (version 1)"));
    EXPECT_EQ(readRules(f.c(), "%REGLER 1\r\nLINJ\xc4R\r\n"), w("Fel i regelfilen, rad 2: okänd regel"));
    EXPECT_EQ(readRules(f.c(), "%REGLER 1\r\n" + std::string(5000, 'x')), w("Regelfilen är för stor"));
    EXPECT_TRUE(f.c().scoringRule.neuberg);
    EXPECT_EQ(readRules(f.c(), "%REGLER 1\r\nKORSIMP\r\nBUTLER\r\n"),
              w("Fel i regelfilen, rad 3: två sätt att räkna"));
    EXPECT_EQ(f.c().scoringRule, (ScoringRule{ScoringMethod::Matchpoints, true}));
    EXPECT_EQ(readRules(f.c(), "%REGLER 1\n"), "");
    EXPECT_FALSE(f.c().scoringRule.neuberg);
    EXPECT_EQ(writeRules(f.c()), "");
}

// An IMP evening keeps its method in the same file, beside the matchpoint scaling, and reads
// back as it was; a matchpoint contest's file is as it always was.
TEST(RulesFile, ImpMethodsAreKeptBesideTheScaling) {
    for (const ScoringRule& rule :
         {ScoringRule{ScoringMethod::CrossImps, false}, ScoringRule{ScoringMethod::Butler, true}}) {
        test::ContestFixture chosen, read;
        chosen.c().scoringRule = rule;
        const std::string text = writeRules(chosen.c());
        EXPECT_EQ(text, rule.neuberg ? "%REGLER 1\r\nNEUBERG\r\nBUTLER\r\n" : "%REGLER 1\r\nKORSIMP\r\n");
        ASSERT_EQ(readRules(read.c(), text), "");
        EXPECT_EQ(read.c().scoringRule, rule);
    }
}

// Sections travel beside the contest and in the recovery file; the contest file keeps pairs
// 1..N. A bad file is refused line by line and leaves the evening as it was; going back to
// one field removes the file.
TEST(RulesFile, SectionsAreKeptBesideTheContestAndInTheRecoveryFile) {
    test::TempFolder folder;
    const std::string contestPath = folder.file("kv\xc3\xa4ll_tv\xc3\xa5.sco");
    test::ContestFixture chosen;
    chosen.c().sections = sectionsOfSizes({16, 18}, true);
    ASSERT_EQ(saveContestOnDisk(chosen.c(), contestPath, sides(), "3.23"), "");
    EXPECT_EQ(folder.read("kv\xc3\xa4ll_tv\xc3\xa5.sektion"),
              "%SEKTIONER 1\r\nOVER-FALTET\r\nA 1 16\r\nB 17 34\r\n");
    test::ContestFixture read;
    read.c().maxPairNumber = 34;
    ASSERT_TRUE(readSideFiles(read.c(), contestPath, sides()).empty());
    EXPECT_EQ(read.c().sections, chosen.c().sections);
    EXPECT_EQ(pairLabel(read.c(), 16), "A16");
    EXPECT_EQ(pairLabel(read.c(), 17), "B1");

    test::ContestFixture recovered;
    recovered.c().maxPairNumber = 34;
    ASSERT_EQ(readRecoverySections(recovered.c(), sides(), recoverySections(chosen.c(), sides())), "");
    EXPECT_EQ(recovered.c().sections, chosen.c().sections);

    EXPECT_EQ(readSections(read.c(), "%SEKTIONER 1\r\nSEKTIONSVIS\r\nA 1 16\r\nB 16 30\r\n"),
              w("Fel i sektionsfilen, rad 4: sektion B börjar inom sektionen före"));
    EXPECT_EQ(readSections(read.c(), "%SEKTIONER 1\r\nSEKTIONSVIS\r\nA 1 16\r\nC 17 30\r\n"),
              w("Fel i sektionsfilen, rad 4: sektion C ska heta B"));
    EXPECT_EQ(readSections(read.c(), "%SEKTIONER 1\r\nSEKTIONSVIS\r\nA 1 16\r\nB 17 73\r\n"),
              w("Fel i sektionsfilen, rad 4: ska vara en bokstav och två parnummer 1-72"));
    EXPECT_EQ(readSections(read.c(), "%SEKTIONER 1\r\nSEKTIONSVIS\r\nA 1 16\r\n"),
              w("Fel i sektionsfilen, rad 3: minst två sektioner behövs"));
    EXPECT_EQ(readSections(read.c(), "%SEKTIONER 1\r\nA 1 16\r\nB 17 34\r\n"),
              w("Fel i sektionsfilen, rad 2: OVER-FALTET eller SEKTIONSVIS saknas"));
    // Every pair of the contest in a section (a pair above 34 that plays too), none past them.
    addResult(read.c().boards[1], 35, 1, 1, kNoScore, 0, 0, true);
    read.c().boardCount = 1;
    for (const auto& [ranges, why] : std::vector<std::pair<std::string, std::string>>{
             {"A 2 16\r\nB 17 35", "par 1 ingår inte i någon sektion"},
             {"A 1 16\r\nB 18 35", "par 17 ingår inte i någon sektion"},
             {"A 1 16\r\nB 17 34", "par 35 ingår inte i någon sektion"},
             {"A 1 16\r\nB 17 36", "sektion B går till par 36, men tävlingen har 35 par"}})
        EXPECT_EQ(readSections(read.c(), "%SEKTIONER 1\r\nSEKTIONSVIS\r\n" + ranges + "\r\n"),
                  w("Sektionerna passar inte tävlingen: " + why));
    read.c().isGronaHissen = true;
    EXPECT_EQ(readSections(read.c(), writeSections(chosen.c())),
              w("Sektionerna passar inte tävlingen: Gröna Hissen spelas inte i sektioner"));
    EXPECT_EQ(read.c().sections, chosen.c().sections);

    chosen.c().sections = Sections{};
    EXPECT_EQ(pairLabel(chosen.c(), 17), "17");
    ASSERT_EQ(saveContestOnDisk(chosen.c(), contestPath, sides(), "3.23"), "");
    EXPECT_FALSE(folder.exists("kv\xc3\xa4ll_tv\xc3\xa5.sektion"));
}

}  // namespace
}  // namespace vindelkast
