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
    chosen.c().neuberg = true;
    ASSERT_EQ(writeRulesBeside(chosen.c(), contestPath), "");
    EXPECT_EQ(folder.read("kv\xc3\xa4ll.regler"), "%REGLER 1\r\nNEUBERG\r\n");
    test::ContestFixture read;
    ASSERT_EQ(readRulesBeside(read.c(), contestPath), "");
    EXPECT_TRUE(read.c().neuberg);

    // Going back to the linear rule removes the file, and a contest without one is linear.
    chosen.c().neuberg = false;
    ASSERT_EQ(writeRulesBeside(chosen.c(), contestPath), "");
    EXPECT_FALSE(folder.exists("kv\xc3\xa4ll.regler"));
    ASSERT_EQ(readRulesBeside(read.c(), contestPath), "");
    EXPECT_TRUE(read.c().neuberg) << "a missing file changes nothing the contest file set";

    // A folder where the file would be is not removed as if it were one.
    std::filesystem::create_directory(filePath(folder.file("kv\xc3\xa4ll.regler")));
    EXPECT_NE(writeRulesBeside(chosen.c(), contestPath), "");
    EXPECT_TRUE(folder.exists("kv\xc3\xa4ll.regler"));
}

TEST(RulesFile, FileWithAFaultIsRefusedAndLeavesTheRule) {
    test::ContestFixture f;
    f.c().neuberg = true;
    EXPECT_EQ(readRules(f.c(), "%REGLER 2\r\nNEUBERG\r\n"), w("Filen är ingen regelfil (version 1)"));
    EXPECT_EQ(readRules(f.c(), "%REGLER 1\r\nLINJ\xc4R\r\n"), w("Fel i regelfilen, rad 2: okänd regel"));
    EXPECT_EQ(readRules(f.c(), "%REGLER 1\r\n" + std::string(5000, 'x')), w("Regelfilen är för stor"));
    EXPECT_TRUE(f.c().neuberg);
    EXPECT_EQ(readRules(f.c(), "%REGLER 1\n"), "");
    EXPECT_FALSE(f.c().neuberg);
    EXPECT_EQ(writeRules(f.c()), "");
}

}  // namespace
}  // namespace vindelkast
