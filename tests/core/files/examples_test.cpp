#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "example_contests.h"
#include "files/contest_file.h"
#include "files/deal_import.h"
#include "files/file_platform.h"
#include "files/member_file.h"
#include "files/safe_write.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/name_forms.h"
#include "model/version.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(filePath(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A contest attached to the example register, as the window holds it after start-up.
struct ExampleFixture : test::ContestFixture {
    ExampleFixture() {
        loadRegister(test::examplePath("medlem.txt"), *reg);
        contest->reset(*reg);
    }
};

TEST(Examples, CommittedFilesAreWhatTheScoringProduces) {
    const bool rewrite = std::getenv("VK_WRITE_EXAMPLES") != nullptr;
    for (const test::ExampleContest& example : test::exampleContests()) {
        SCOPED_TRACE(example.fileName);
        ExampleFixture f;
        ASSERT_EQ(f.reg->memberCount(), 61);
        example.build(f.c(), *f.reg);
        const std::string text = contestFileText(f.c(), kVersionText);
        const std::string path = test::examplePath(example.fileName);
        if (rewrite) {
            ASSERT_EQ(writeTextSafely(path, text), "");
        }
        EXPECT_EQ(fileBytes(path), text) << "run the tests with VK_WRITE_EXAMPLES=1 to rewrite the examples";
        // Every bridge score of an example fits its board's vulnerability.
        for (int b = 1; b <= f.c().boardCount; ++b)
            for (int i = 0; i < f.c().boards[b].resultCount; ++i)
                EXPECT_EQ(checkPlausibility(f.c().boards[b].results[i].nsScore, b), 0) << b;
    }
}

// examples/kväll8.pbn holds the deals of the eight-pair evening, for trying the deal import.
TEST(Examples, TheDealFileHoldsTheEveningsDeals) {
    ExampleFixture f;
    test::exampleContests().front().build(f.c(), *f.reg);
    const std::string path = test::examplePath("kväll8.pbn");
    const std::string text = test::pbnFileText(f.c());
    if (std::getenv("VK_WRITE_EXAMPLES") != nullptr) {
        ASSERT_EQ(writeTextSafely(path, text), "");
    }
    EXPECT_EQ(fileBytes(path), text);

    test::ContestFixture g;
    g.c().boardCount = 21;
    EXPECT_EQ(importDealFile(g.c(), path), "");
    EXPECT_EQ(g.c().dealCount, 21);
    for (int b = 1; b <= 21; ++b)
        for (int seat = 0; seat < 4; ++seat)
            for (int k = 0; k < 13; ++k)
                ASSERT_EQ(g.c().boards[b].deal[seat][k].code, f.c().boards[b].deal[seat][k].code) << b;
}

TEST(Examples, TheEightPairEveningFollowsTheHowell) {
    ExampleFixture f;
    const test::ExampleContest& evening = test::exampleContests().front();
    evening.build(f.c(), *f.reg);
    Contest& c = f.c();
    // Round 1 of the 8-pair Howell; pair 8 is the bye, so its table sits out.
    EXPECT_NE(findResult(c.boards[10], 3, 6), nullptr);
    EXPECT_NE(findResult(c.boards[16], 2, 7), nullptr);
    EXPECT_NE(findResult(c.boards[19], 5, 4), nullptr);
    EXPECT_EQ(findResult(c.boards[1], 8, 1), nullptr);
    // Round 4 and 7 of the check table.
    EXPECT_NE(findResult(c.boards[7], 1, 7), nullptr);
    EXPECT_NE(findResult(c.boards[13], 1, 6), nullptr);
    EXPECT_NE(findResult(c.boards[16], 4, 3), nullptr);
    for (int pair = 1; pair <= 7; ++pair) {
        int boardsPlayed = 0;
        for (int b = 1; b <= 21; ++b) boardsPlayed += hasPair(c.boards[b], pair) ? 1 : 0;
        EXPECT_EQ(boardsPlayed, 18) << "each pair sits out one round, pair " << pair;
    }
    for (int b = 1; b <= 21; ++b) {
        float top = 0;
        for (int i = 0; i < 3; ++i) top = std::max(top, c.boards[b].results[i].nsPoints);
        EXPECT_LE(top, 4.0f) << "three results give a top of 4, board " << b;
    }
}

TEST(Examples, EveryExampleReadsWithItsCounts) {
    for (const test::ExampleContest& example : test::exampleContests()) {
        SCOPED_TRACE(example.fileName);
        ExampleFixture f;
        std::ifstream in(filePath(test::examplePath(example.fileName)), std::ios::binary);
        ASSERT_TRUE(in);
        const ContestReadResult read = readContestFile(f.c(), in);
        EXPECT_EQ(read.kind, ContestReadResult::Kind::Ok) << test::u(read.message);
        const Contest& c = f.c();
        EXPECT_EQ(c.boardCount, example.boardCount);
        EXPECT_EQ(c.roundCount, example.roundCount);
        EXPECT_EQ(c.boardsPerRound, example.boardCount / example.roundCount);
        EXPECT_EQ(c.maxPairNumber, example.maxPairNumber);
        EXPECT_EQ(c.byePair, example.byePair);
        EXPECT_EQ(c.participantCount, example.participantCount);
        EXPECT_EQ(c.dealCount, example.dealCount);
        EXPECT_EQ(c.isIndividual, example.individual);
        EXPECT_EQ(c.tableCount,
                  example.maxPairNumber / (example.individual ? 4 : 2) - (example.byePair ? 1 : 0));
        EXPECT_EQ(f.reg->memberCount(), 61) << "every name of an example is in examples/medlem.txt";
        int slots = 0, scored = 0;
        for (int b = 1; b <= c.boardCount; ++b) {
            slots += c.boards[b].resultCount;
            scored += countScored(c.boards[b]);
            EXPECT_EQ(c.boards[b].hasDeal(), b <= example.dealCount);
            if (b <= example.dealCount) {
                EXPECT_TRUE(c.boards[b].dealComplete()) << b;
            }
        }
        EXPECT_EQ(slots, example.resultSlots);
        EXPECT_EQ(scored, example.scoredSlots);
        for (int p = 1; p <= c.participantCount; ++p) {
            EXPECT_NE(c.participants[p].first, nullptr) << p;
            if (!c.isIndividual) {
                EXPECT_NE(c.participants[p].second, nullptr) << p;
            }
        }
    }
}

// Every contest file in examples/, also those made elsewhere: write, read, write gives the
// same bytes, and every field the file records reads back equal.
TEST(Examples, EveryContestFileSurvivesARoundTrip) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::examplesDir())) {
        if (entry.path().extension() != ".sco") continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        ExampleFixture f;
        std::ifstream in(entry.path(), std::ios::binary);
        const ContestReadResult first = readContestFile(f.c(), in);
        EXPECT_TRUE(first.kind == ContestReadResult::Kind::Ok ||
                    first.kind == ContestReadResult::Kind::MissingNames)
            << test::u(first.message);
        const std::string text = contestFileText(f.c(), kVersionText);
        EXPECT_EQ(text, fileBytes(entry.path().string())) << "an example is written as the program writes it";

        ExampleFixture g;
        std::istringstream again(text);
        EXPECT_EQ(readContestFile(g.c(), again).kind, first.kind);
        const Contest& a = f.c();
        const Contest& b = g.c();
        EXPECT_EQ(b.contestName, a.contestName);
        EXPECT_EQ(b.contestDate, a.contestDate);
        EXPECT_EQ(b.arranger, a.arranger);
        EXPECT_EQ(b.isBarometer, a.isBarometer);
        EXPECT_EQ(b.isGronaHissen, a.isGronaHissen);
        EXPECT_EQ(b.ghVariant, a.ghVariant);
        EXPECT_EQ(b.isIndividual, a.isIndividual);
        EXPECT_EQ(b.boardCount, a.boardCount);
        EXPECT_EQ(b.roundCount, a.roundCount);
        EXPECT_EQ(b.boardsPerRound, a.boardsPerRound);
        EXPECT_EQ(b.dealCount, a.dealCount);
        EXPECT_EQ(b.maxPairNumber, a.maxPairNumber);
        EXPECT_EQ(b.byePair, a.byePair);
        EXPECT_EQ(b.participantCount, a.participantCount);
        for (int board = 1; board <= a.boardCount; ++board) {
            ASSERT_EQ(b.boards[board].resultCount, a.boards[board].resultCount) << board;
            EXPECT_EQ(b.boardHasScores[board], a.boardHasScores[board]) << board;
            for (int i = 0; i < a.boards[board].resultCount; ++i) {
                const BoardResult& x = a.boards[board].results[i];
                const BoardResult& y = b.boards[board].results[i];
                EXPECT_EQ(y.nsPair, x.nsPair);
                EXPECT_EQ(y.ewPair, x.ewPair);
                EXPECT_EQ(y.nsPlayer2, x.nsPlayer2);
                EXPECT_EQ(y.ewPlayer2, x.ewPlayer2);
                EXPECT_EQ(y.nsScore, x.nsScore);
                EXPECT_EQ(y.nsPoints, x.nsPoints);
                EXPECT_EQ(y.ewPoints, x.ewPoints);
            }
            for (int seat = 0; seat < 4; ++seat)
                for (int k = 0; k < 13; ++k)
                    EXPECT_EQ(b.boards[board].deal[seat][k].code, a.boards[board].deal[seat][k].code);
        }
        for (int p = 1; p <= a.participantCount; ++p) {
            EXPECT_EQ(longNameOrDashes(b.participants[p].first), longNameOrDashes(a.participants[p].first))
                << p;
            EXPECT_EQ(longNameOrDashes(b.participants[p].second), longNameOrDashes(a.participants[p].second))
                << p;
        }
    }
    EXPECT_GE(files, 3);
}

}  // namespace
}  // namespace vindelkast
