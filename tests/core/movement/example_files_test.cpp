#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "files/contest_file.h"
#include "files/member_file.h"
#include "model/board_results.h"
#include "movement/draw_pane.h"
#include "movement/guide_card.h"
#include "movement/round_draw.h"
#include "movement_checks.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

const std::filesystem::path kExamples = std::filesystem::path(VK_SOURCE_DIR) / "examples";

TEST(ExampleGuideCards, EveryCardIsASoundMitchellForItsField) {
    int cards = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        if (entry.path().extension() != ".gui") continue;
        ++cards;
        const std::string name = entry.path().filename().string();
        test::ContestFixture f;
        Movement m;
        EXPECT_EQ(readGuideCard(entry.path().string(), m, f.c().boards), "") << name;
        f.c().boardCount = m.boardCount;
        EXPECT_EQ(test::movementFaults(f.c(), true), "") << name;
        // The dialog offers the card for its field.
        EXPECT_EQ(name.rfind(guideCardPattern(m.pairCount, 0, false).substr(0, name.find('_')), 0), 0u)
            << name;

        // Every NS pair meets every EW pair (one fewer with an even number of tables), and
        // every pair plays one table a round.
        const int tables = m.pairCount / 2;
        EXPECT_EQ(m.roundCount, tables % 2 == 1 ? tables : tables - 1) << name;
        EXPECT_EQ(m.boardCount, tables * m.boardsPerRound) << name;
        EXPECT_EQ(test::meetingsOf(f.c()).size(), static_cast<std::size_t>(tables * m.roundCount)) << name;
        for (const auto& [ns, ew] : test::meetingsOf(f.c())) {
            EXPECT_LE(ns, tables) << name;
            EXPECT_GT(ew, tables) << name;
        }
        for (int p = 1; p <= m.pairCount; ++p) {
            int boards = 0;
            for (int b = 1; b <= m.boardCount; ++b) boards += hasPair(f.c().boards[b], p) ? 1 : 0;
            EXPECT_EQ(boards, m.roundCount * m.boardsPerRound) << name << " pair " << p;
        }
    }
    EXPECT_EQ(cards, 7);  // 3 to 9 tables
}

TEST(ExampleGronaHissen, TwoScoredRoundsAndTheThirdDrawn) {
    test::ContestFixture f;
    // Its pairs are members of the example register, so it opens without a message.
    ASSERT_GT(loadRegister((kExamples / "medlem.txt").string(), *f.reg), 1);
    std::ifstream in(kExamples / "grona_hissen.sco", std::ios::binary);
    const ContestReadResult read = readContestFile(f.c(), in);
    EXPECT_EQ(read.kind, ContestReadResult::Kind::Ok) << read.message;
    Contest& c = f.c();
    EXPECT_TRUE(c.isGronaHissen);
    EXPECT_EQ(c.ghVariant, 2);
    EXPECT_EQ(c.byePair, 10);
    EXPECT_EQ(c.maxPairNumber, 10);
    EXPECT_EQ(c.boardCount, 16);
    EXPECT_EQ(c.boardsPerRound, 2);
    EXPECT_EQ(c.contestName, w("Gröna Hissen"));
    std::set<int> satOut;
    for (int round = 1; round <= 2; ++round)
        for (int b = 2 * round - 1; b <= 2 * round; ++b) {
            EXPECT_EQ(c.boards[b].resultCount, 4) << b;
            EXPECT_EQ(countScored(c.boards[b]), 4) << b;
            for (int p = 1; p <= 9; ++p)
                if (!hasPair(c.boards[b], p)) satOut.insert(p);
        }
    EXPECT_EQ(satOut.size(), 2u);

    const DrawPane pane = drawRoundPane(c);
    EXPECT_EQ(pane.message, "");
    EXPECT_EQ(pane.round, 3);
    ASSERT_EQ(pane.lines.size(), 7u);
    EXPECT_EQ(pane.lines[0], w("Lottning för rond 3"));
    const std::string last = test::u(pane.lines.back());
    ASSERT_EQ(last.rfind("Par ", 0), 0u);
    EXPECT_FALSE(satOut.count(std::stoi(last.substr(4)))) << last;
    for (int b = 5; b <= 6; ++b) EXPECT_EQ(c.boards[b].resultCount, 4);
    c.boardCount = 6;  // the rounds drawn so far
    EXPECT_EQ(test::movementFaults(c, false), "");
}

}  // namespace
}  // namespace vindelkast
