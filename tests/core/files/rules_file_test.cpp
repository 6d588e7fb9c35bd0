#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "example_contests.h"
#include "files/contest_on_disk.h"
#include "files/edit_history.h"
#include "files/file_platform.h"
#include "files/member_file.h"
#include "files/rules_file.h"
#include "files/sections_file.h"
#include "files/side_text.h"
#include "model/board_results.h"
#include "model/typed_score.h"
#include "movement/corrections.h"
#include "movement/table_rounds.h"
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

// A real evening edited in a seeded order (typed scores, corrections, names), taken back and
// made again at random: each time the contest file and its side files are, byte for byte, what
// they were at that point.
TEST(EditHistory, UndoAndRedoBringBackTheEveningByteForByte) {
    test::ContestFixture f;
    ASSERT_GT(loadRegister(test::examplePath("medlem.txt"), *f.reg), 1);
    Contest& c = f.c();
    c.reset(*f.reg);
    const std::string path = test::examplePath("kv\xc3\xa4ll16.sco");
    const std::vector<SideFile> kept = contestSideFiles(true);
    ASSERT_EQ(readContestOnDisk(c, path).kind, ContestReadResult::Kind::Ok);
    ASSERT_TRUE(readSideFiles(c, path, kept).empty());
    const auto state = [&] { return eveningState(c, recoverySettingsOf(c, path, false), kept, {}, "3.23"); };
    // A table turned keeps its number while its pairs sit turned: turned twice, it is as it was.
    const std::string opened = state().contestText;
    const TableSeat five = tableSeat(c, 5, 3, false);
    ASSERT_EQ(turnTable(c, 5, 3).problem, "");
    EXPECT_EQ(tableSeat(c, 5, 3, false).nsPair, five.ewPair);
    ASSERT_EQ(turnTable(c, 5, 3).problem, "");
    EXPECT_EQ(state().contestText, opened);
    std::vector<EveningState> timeline{state()};  // the evening after each edit kept; `at` is now
    ASSERT_EQ(timeline[0].sections.size(), 3u) << "the contracts, the analysis and the tables' numbers";
    std::size_t at = 0;
    EditHistory history;
    std::mt19937 random(20261210);
    const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const char* const typed[] = {"42", "5", "-1", "a", "%+-", "", "99", "M-+"};
    int undone = 0, redone = 0;
    for (int step = 0; step < 150; ++step) {
        const int what = pick(10);
        if (what >= 7) {
            const bool redo = what == 9;
            const auto back = redo ? history.redo(state()) : history.undo(state());
            ASSERT_EQ(back.has_value(), redo ? at + 1 < timeline.size() : at > 0) << "step " << step;
            if (!back) continue;
            ASSERT_TRUE(readEveningState(c, back->state, kept).empty());
            at = redo ? at + 1 : at - 1;
            const EveningState now = state();
            EXPECT_EQ(now.contestText, timeline[at].contestText) << "step " << step;
            ASSERT_EQ(now.sections.size(), timeline[at].sections.size()) << "step " << step;
            for (std::size_t i = 0; i < now.sections.size(); ++i)
                EXPECT_EQ(now.sections[i].text, timeline[at].sections[i].text) << now.sections[i].name;
            ++(redo ? redone : undone);
            continue;
        }
        EveningState before = state();
        const int b = 1 + pick(c.boardCount);
        const BoardResult r = c.boards[b].results[pick(c.boards[b].resultCount)];
        EntryRow row;
        row.ns = r.nsPair;
        row.ew = r.ewPair;
        if (what < 3)
            storeTypedScore(c, b, row, typed[pick(8)]);
        else if (what == 3)
            turnResult(c, b, r.nsPair, r.ewPair);
        else if (what == 4)
            moveResult(c, b, r.nsPair, r.ewPair, 1 + pick(c.boardCount));
        else if (what == 5)
            tradePlaces(c, r.nsPair, r.ewPair, 1 + pick(c.roundCount));
        else
            c.participants[static_cast<std::size_t>(r.nsPair)].second =
                f.reg->entry(pick(f.reg->memberCount()));
        if (state() == before) continue;
        history.record({journalTime(0), kTypedSource, "steg", "", "", {}}, std::move(before));
        timeline.resize(at + 1);
        timeline.push_back(state());
        ++at;
    }
    EXPECT_GT(undone, 10);
    EXPECT_GT(redone, 3);
}

// The journal's fields are free text: its own separators in them come back as they were, and a
// field too long for the reader is cut rather than make the journal unreadable.
TEST(EditJournal, TabsNewlinesAndBackslashesComeBackFromTheText) {
    const std::vector<JournalEntry> entries{
        {"2026-12-10 22:41:05", "bord 3", w("namn Åsa\tÖberg"), "a\\b\\\\", "rad 1\r\nrad 2\n", {7, 71}},
        {"2026-12-11 00:00:00", kCommandLineSource, "\\t", "", std::string(2500, '\\'), {}}};
    const std::string text = writeJournal(entries);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << "a line for the header and each entry";
    std::vector<JournalEntry> read;
    ASSERT_EQ(readJournal(read, text), "");
    EXPECT_EQ(read[0], entries[0]);
    EXPECT_EQ(read[1].after, std::string(2000, '\\')) << "4000 bytes written";
    EXPECT_NE(readJournal(read, "%LOGG 1\r\n2026-12-10 22:41:05\tx\ty\\q\t\t\t\r\n"), "");
    EXPECT_EQ(read[0], entries[0]) << "a refused journal leaves the entries read";
}

}  // namespace
}  // namespace vindelkast
