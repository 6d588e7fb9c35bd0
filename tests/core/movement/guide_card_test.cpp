#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/board_results.h"
#include "movement/built_in_movement.h"
#include "movement/guide_card.h"
#include "movement/guide_card_command.h"
#include "movement_checks.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

GuideCardReading read(Contest& contest, Movement& movement, const std::string& card) {
    std::istringstream in(card);
    return readGuideCard(in, movement, contest.boards);
}

// The 8-pair Howell written as a card, from the table the club plays.
const char* const kEightPairCard =
    "8 21 7 3\r\n"
    "1 8 1 1\r\n1 3 6 10\r\n1 2 7 16\r\n1 5 4 19\r\n"
    "2 8 2 4\r\n2 4 7 13\r\n2 3 1 19\r\n2 6 5 1\r\n"
    "3 8 3 7\r\n3 5 1 16\r\n3 4 2 1\r\n3 7 6 4\r\n"
    "4 8 4 10\r\n4 6 2 19\r\n4 5 3 4\r\n4 1 7 7\r\n"
    "5 8 5 13\r\n5 7 3 1\r\n5 6 4 7\r\n5 2 1 10\r\n"
    "6 8 6 16\r\n6 1 4 4\r\n6 7 5 10\r\n6 3 2 13\r\n"
    "7 8 7 19\r\n7 2 5 7\r\n7 1 6 13\r\n7 4 3 16\r\n";

TEST(GuideCard, EightPairCardLaysDownTheBuiltInMovement) {
    test::ContestFixture card;
    Movement movement;
    const GuideCardReading reading = read(card.c(), movement, kEightPairCard);
    EXPECT_EQ(reading.message, "");
    EXPECT_TRUE(reading.headerTaken);
    EXPECT_EQ(movement.pairCount, 8);
    EXPECT_EQ(movement.boardCount, 21);
    EXPECT_EQ(movement.roundCount, 7);
    EXPECT_EQ(movement.boardsPerRound, 3);

    test::ContestFixture builtIn;
    test::setUp(builtIn.c(), 21, 7, 8);
    buildBuiltInMovement(builtIn.c());
    EXPECT_EQ(test::slotsOf(card.c()), test::slotsOf(builtIn.c()));
    for (int b = 1; b <= 21; ++b)
        for (int i = 0; i < card.c().boards[b].resultCount; ++i) {
            const BoardResult& r = card.c().boards[b].results[i];
            EXPECT_EQ(r.nsScore, kNoScore);
            EXPECT_EQ(r.ewScore, kNoScore);
            EXPECT_EQ(r.nsPoints, 0.0f);
            EXPECT_EQ(r.nsPlayer2, 0);
        }
}

TEST(GuideCard, ConflictsNameThePairAndTheRecordsFirstBoard) {
    {
        test::ContestFixture f;
        Movement m;
        EXPECT_EQ(read(f.c(), m, "8 21 7 3\n1 3 3 1\n").message,
                  w("Fel i guidefil. Par3förekommer flera gånger, giv 1, rad 2"));
        EXPECT_EQ(f.c().boards[1].resultCount, 0);
    }
    {
        // The second record puts pair 4 on board 7 again, inside its set 5..7.
        test::ContestFixture f;
        Movement m;
        const GuideCardReading reading = read(f.c(), m, "8 21 7 3\n1 4 1 7\n2 2 3 4\n2 6 4 5\n3 1 2 10\n");
        EXPECT_EQ(reading.message, w("Fel i guidefil. Par4förekommer flera gånger, giv 5, rad 4"));
        // A card with a fault lays nothing and leaves the movement as it was.
        EXPECT_EQ(test::slotsOf(f.c()), std::vector<test::Slot>{});
        EXPECT_EQ(m.pairCount, 0);
        EXPECT_FALSE(reading.headerTaken);
    }
    {
        // Pair 2 at two tables of round 1, on different boards.
        test::ContestFixture f;
        Movement m;
        EXPECT_EQ(read(f.c(), m, "8 21 7 3\n1 1 2 1\n1 2 3 4\n").message,
                  w("Fel i guidefil. Par 2 sitter vid två bord i rond 1, rad 3"));
        EXPECT_EQ(f.c().boards[1].resultCount, 0);
    }
}

TEST(GuideCard, RecordsEndAtTheEndOfTheNumbers) {
    test::ContestFixture f;
    Movement m;
    // Skipped: round 0, NS 0, EW -1. Then a record that runs into the end of the file.
    EXPECT_EQ(read(f.c(), m, "4 4 2 2\n0 1 2 1\n1 0 2 1\n1 1 -1 1\n1 1 2 1\n2 1 3 3").message, "");
    EXPECT_EQ(test::slotsOf(f.c()), (std::vector<test::Slot>{{1, 1, 1, 2}, {2, 1, 1, 2}}));

    test::ContestFixture g;
    EXPECT_EQ(read(g.c(), m, "4 4 2 2\n1 1 2 1\n2 1 3 3\n").message, "");
    EXPECT_EQ(g.c().boards[3].resultCount, 1);

    // A first board of 0 ends the card without a message.
    test::ContestFixture h;
    EXPECT_EQ(read(h.c(), m, "4 4 2 2\n1 3 4 0\n2 1 3 3\n").message, "");
    EXPECT_EQ(h.c().boards[3].resultCount, 0);
}

TEST(GuideCard, IndividualCardSeatsFourPlayers) {
    test::ContestFixture f;
    f.c().isIndividual = true;
    Movement m;
    const GuideCardReading reading =
        read(f.c(), m, "-12 3 3 1\n1 1 2 3 4 1\n1 5 6 7 8 2\n1 9 10 11 12 3\n2 1 5 9 12 2\n");
    EXPECT_EQ(reading.message, "");
    EXPECT_EQ(m.pairCount, 12);
    const BoardResult* r = findResult(f.c().boards[2], 1, 9);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->nsPlayer2, 5);
    EXPECT_EQ(r->ewPlayer2, 12);
    EXPECT_EQ(r->round, 2);
    r = findResult(f.c().boards[1], 1, 3);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->nsPlayer2, 2);
    EXPECT_EQ(r->ewPlayer2, 4);
    // Player 12 already sits West on board 2.
    EXPECT_EQ(read(f.c(), m, "-12 3 3 1\n3 12 1 2 3 2\n").message,
              w("Fel i guidefil. Par12förekommer flera gånger, giv 2, rad 2"));
}

TEST(GuideCard, HeadersThatDoNotFitTheContestAreRefusedBeforeAnythingIsTaken) {
    const std::pair<const char*, const char*> cards[] = {
        {"73 21 7 3\n", "Fel i guidefil. Fler än 72 par"},
        {"-80 21 7 3\n", "Fel i guidefil. Fler än 72 spelare"},
        {"8 72 7 3\n", "Fel i guidefil. Fler än 71 givar"},
        {"8 21 0 3\n", "Fel i guidefil. Inga ronder"},
        {"8 4 7 3\n", "Fel i guidefil. Fler ronder än givar"},
        {"8 21 7", "Fel i guidefil. Huvudet ska ha fyra tal"},
        {"-9223372036854775808 21 7 3\n", "Fel i guidefil. Fler än 72 spelare"},
        {"8 21 7 99999999999\n", "Fel i guidefil. Fler givar per rond än givar"},
        {"8 21 7 -1\n", "Fel i guidefil. Fler givar per rond än givar"},
        {"8 21 99999999999 3\n", "Fel i guidefil. Fler ronder än givar"},
    };
    for (const auto& [card, message] : cards) {
        test::ContestFixture f;
        Movement m;
        m.pairCount = 5;
        m.boardCount = 6;
        const std::string text = std::string(card).back() == '\n' ? std::string(card) + "1 1 2 1\n" : card;
        const GuideCardReading reading = read(f.c(), m, text);
        EXPECT_EQ(reading.message, w(message)) << card;
        EXPECT_FALSE(reading.headerTaken);
        EXPECT_EQ(m.pairCount, 5);
        EXPECT_EQ(m.boardCount, 6);
        EXPECT_EQ(f.c().boards[1].resultCount, 0);
    }
}

TEST(GuideCard, RecordsOutsideTheBoardsAndPairsAreNotStored) {
    test::ContestFixture f;
    Movement m;
    EXPECT_EQ(read(f.c(), m, "8 71 7 3\n1 1 2 67\n2 1 2 70\n").message,
              w("Fel i guidefil. Givarna 70-72 går utöver giv 71, rad 3"));
    EXPECT_EQ(f.c().boards[69].resultCount, 0);
    EXPECT_EQ(f.c().boards[70].resultCount, 0);
    EXPECT_EQ(f.c().boards[72].resultCount, 0);

    test::ContestFixture g;
    EXPECT_EQ(read(g.c(), m, "8 21 7 3\n1 1 73 4\n").message,
              w("Fel i guidefil. Par 73 finns inte (högst 72), giv 4, rad 2"));
    EXPECT_EQ(read(g.c(), m, "8 21 7 3\n99999999999 1 2 4\n").message,
              w("Fel i guidefil. Rond 99999999999 finns inte (kortet har 7 ronder), giv 4, rad 2"));
    EXPECT_EQ(read(g.c(), m, "-8 21 7 3\n1 1 2 3 80 4\n").message,
              w("Fel i guidefil. Spelare 80 finns inte (högst 72), giv 4, rad 2"));
    EXPECT_EQ(read(g.c(), m, "-8 21 7 3\n1 1 -2 3 4 4\n").message,
              w("Fel i guidefil. Spelare -2 finns inte (högst 72), giv 4, rad 2"));
    for (int b = 1; b <= kMaxBoard; ++b) EXPECT_EQ(g.c().boards[b].resultCount, 0);
}

TEST(GuideCard, EmptyCardIsRefusedAsNoCard) {
    test::ContestFixture f;
    Movement m;
    m.pairCount = 8;
    const GuideCardReading reading = read(f.c(), m, "  \r\n");
    EXPECT_EQ(reading.message, w("Fel i guidefil. Filen är tom"));
    EXPECT_FALSE(reading.headerTaken);
    EXPECT_EQ(m.pairCount, 8);
}

TEST(GuideCard, FileNamesAndFilterPatterns) {
    test::ContestFixture f;
    Movement m;
    EXPECT_EQ(readGuideCard("", m, f.c().boards), "Inget filnamn");
    EXPECT_EQ(readGuideCard("/inget/sådant/kort.gui", m, f.c().boards), w("Kan inte öppna filen"));

    EXPECT_EQ(guideCardPattern(8, 0, false), "P8*.GUI");
    EXPECT_EQ(guideCardPattern(7, 0, false), "P8*.GUI");
    EXPECT_EQ(guideCardPattern(0, 7, false), "P8*.GUI");
    EXPECT_EQ(guideCardPattern(12, 14, true), "I12*.GUI");
    EXPECT_EQ(guideCardPattern(0, 0, false), "*.GUI");
    EXPECT_EQ(guideCardPattern(-3, 8, false), "*.GUI");
    EXPECT_EQ(guideCardFilter(11, 0, false), "Guidekortsfiler (*.gui)|P12*.GUI");
}

// The guide-card command: the counts from the fields, the built-in movement when it fits,
// else a card; the card's counts go back into the contest.
class GuideCardCommand : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("vk_guide_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string card(const std::string& name, const std::string& text) {
        const auto path = m_dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    std::filesystem::path m_dir;
};

TEST_F(GuideCardCommand, BuiltInMovementNeedsNoDialog) {
    test::ContestFixture f;
    const GuideCardStart start = startGuideCard(f.c(), {"21", "5", "8", "8", false});
    EXPECT_FALSE(start.needsCard);
    EXPECT_EQ(f.c().boardCount, 21);
    EXPECT_EQ(f.c().roundCount, 5);
    EXPECT_EQ(f.c().boardsPerRound, 4);
    EXPECT_EQ(f.c().maxPairNumber, 8);
    EXPECT_EQ(f.c().byePair, 8);
    EXPECT_EQ(f.c().tableCount, 3);
    EXPECT_EQ(f.c().boards[1].resultCount, 3);  // 8-1 is gone with the bye pair
}

TEST_F(GuideCardCommand, CardCountsGoBackIntoTheContest) {
    test::ContestFixture f;
    const GuideCardStart start = startGuideCard(f.c(), {"20", "x", "7", "", false});
    EXPECT_TRUE(start.needsCard);
    EXPECT_EQ(start.filter, "Guidekortsfiler (*.gui)|P8*.GUI");
    EXPECT_EQ(f.c().roundCount, 0);
    EXPECT_EQ(f.c().tableCount, 3);

    EXPECT_EQ(useGuideCard(f.c(), ""), w("Kan inte läsa filen"));
    EXPECT_EQ(useGuideCard(f.c(), (m_dir / "saknas.gui").string()), w("Kan inte läsa filen"));
    EXPECT_EQ(useGuideCard(f.c(), card("P8.gui", kEightPairCard)), "");
    EXPECT_EQ(f.c().boardCount, 21);
    EXPECT_EQ(f.c().roundCount, 7);
    EXPECT_EQ(f.c().boardsPerRound, 3);
    EXPECT_EQ(f.c().maxPairNumber, 8);
    EXPECT_EQ(f.c().tableCount, 4);
    EXPECT_FALSE(f.c().isIndividual);
    EXPECT_EQ(f.c().boards[1].resultCount, 4);
    // Board 1 has its slots now: no dialog the next time.
    EXPECT_FALSE(startGuideCard(f.c(), {"20", "7", "8", "", true}).needsCard);
}

TEST_F(GuideCardCommand, IndividualCardMakesAnIndividualContest) {
    test::ContestFixture f;
    const GuideCardStart start = startGuideCard(f.c(), {"", "", "12", "", true});
    EXPECT_TRUE(start.needsCard);
    EXPECT_FALSE(f.c().movement);
    EXPECT_EQ(useGuideCard(f.c(), card("I12.gui", "-12 3 3 1\n1 1 2 3 4 1\n1 5 6 7 8 2\n")), "");
    ASSERT_TRUE(f.c().movement);
    EXPECT_TRUE(f.c().isIndividual);
    EXPECT_EQ(f.c().maxPairNumber, 12);
    EXPECT_EQ(f.c().tableCount, 3);
}

TEST_F(GuideCardCommand, RefusedCardGivesNoCounts) {
    test::ContestFixture f;
    startGuideCard(f.c(), {"24", "8", "10", "", false});
    EXPECT_EQ(useGuideCard(f.c(), card("fel.gui", "10 27 9 3\n1 1 1 1\n")),
              w("Fel i guidefil. Par1förekommer flera gånger, giv 1, rad 2"));
    EXPECT_EQ(f.c().boardCount, 24);
    EXPECT_EQ(f.c().roundCount, 8);

    test::ContestFixture g;
    startGuideCard(g.c(), {"24", "8", "10", "", false});
    EXPECT_EQ(useGuideCard(g.c(), card("stor.gui", "80 27 9 3\n1 1 2 1\n")),
              w("Fel i guidefil. Fler än 72 par"));
    EXPECT_EQ(g.c().boardCount, 24);
    EXPECT_EQ(g.c().roundCount, 8);
    EXPECT_EQ(g.c().maxPairNumber, 10);

    test::ContestFixture h;
    startGuideCard(h.c(), {"24", "8", "10", "", false});
    EXPECT_EQ(useGuideCard(h.c(), card("tom.gui", "")), w("Fel i guidefil. Filen är tom"));
    EXPECT_EQ(h.c().boardCount, 24);
    EXPECT_EQ(h.c().roundCount, 8);
    EXPECT_EQ(h.c().maxPairNumber, 10);
}

}  // namespace
}  // namespace vindelkast

namespace vindelkast {
namespace {

// Cards that break a rule are refused with the rule and the line, and nothing is laid.
TEST(GuideCard, BrokenCardsNameTheRuleAndTheLineAndLayNothing) {
    const std::vector<std::pair<std::string, std::string>> cards = {
        {"8 21 7 3\n1 1 5 1\n8 2 6 4\n",
         "Fel i guidefil. Rond 8 finns inte (kortet har 7 ronder), giv 4, rad 3"},
        {"8 21 7 3\n1 1 5 1\n1 2 sex 4\n", "Fel i guidefil. \"sex\" är inget tal, rad 3"},
        {"8 21 7 3\n1 1 5 1\n\n2 1 6 4\n3 2 6 4\n",
         "Fel i guidefil. Par6förekommer flera gånger, giv 4, rad 5"},
        {"%SCO2 \r\nKväll\r\n", "Fel i guidefil. Filen är inget guidekort: den börjar inte med ett tal"},
        {"8 21 sju 3\n", "Fel i guidefil. \"sju\" är inget tal, rad 1"},
        {"8 21 7 3\n1 1 5 1\n1 2 6\n", "Fel i guidefil. Sista posten har bara 3 tal, rad 3"},
        {"8 21 7 3\n1 1 5 19\n1 2 6 22\n",
         "Fel i guidefil. Givarna 22-24 finns inte (kortet har 21 givar), rad 3"},
        {"8 21 7 3\n1 1 9 1\n", "Fel i guidefil. Par 9 finns inte (kortet har 8), rad 2"},
    };
    for (const auto& [card, message] : cards) {
        test::ContestFixture f;
        Movement m;
        std::istringstream in(card);
        const GuideCardReading reading = readGuideCard(in, m, f.c().boards);
        EXPECT_EQ(reading.message, w(message)) << card;
        EXPECT_FALSE(reading.headerTaken) << card;
        EXPECT_EQ(test::slotsOf(f.c()), std::vector<test::Slot>{}) << card;
    }
}

}  // namespace
}  // namespace vindelkast
