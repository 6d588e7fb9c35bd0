#include <gtest/gtest.h>

#include <filesystem>

#include "files/rules_file.h"
#include "support/sample_contests.h"
#include "support/test_text.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

using test::w;

TEST(RulesFile, NeubergIsKeptBesideTheContestAndTheLinearRuleLeavesNoFile) {
    test::TempFolder folder;
    const std::string contestPath = folder.file("kv\xc3\xa4ll.sco");
    test::ContestFixture chosen;
    chosen.c().scoringRule.neuberg = true;
    ASSERT_EQ(writeRulesBeside(chosen.c(), contestPath), "");
    EXPECT_EQ(folder.read("kv\xc3\xa4ll.regler"), "%REGLER 1\r\nNEUBERG\r\n");
    test::ContestFixture read;
    ASSERT_EQ(readRulesBeside(read.c(), contestPath), "");
    EXPECT_TRUE(read.c().scoringRule.neuberg);

    // Going back to the linear rule removes the file, and a contest without one is linear.
    chosen.c().scoringRule.neuberg = false;
    ASSERT_EQ(writeRulesBeside(chosen.c(), contestPath), "");
    EXPECT_FALSE(folder.exists("kv\xc3\xa4ll.regler"));
    ASSERT_EQ(readRulesBeside(read.c(), contestPath), "");
    EXPECT_TRUE(read.c().scoringRule.neuberg) << "a missing file changes nothing the contest file set";

    // A folder where the file would be is not removed as if it were one.
    std::filesystem::create_directory(filePath(folder.file("kv\xc3\xa4ll.regler")));
    EXPECT_NE(writeRulesBeside(chosen.c(), contestPath), "");
    EXPECT_TRUE(folder.exists("kv\xc3\xa4ll.regler"));
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

}  // namespace
}  // namespace vindelkast
