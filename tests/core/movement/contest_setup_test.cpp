#include <gtest/gtest.h>

#include <sstream>

#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/start_list.h"
#include "movement/built_in_movement.h"
#include "movement/bye_pair.h"
#include "movement/contest_setup.h"
#include "movement/guide_card_command.h"
#include "movement/movement.h"
#include "movement/set_up_fields.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

SetUpRequest fields(const std::string& boards, const std::string& rounds, const std::string& maxPair,
                    const std::string& byePair = "") {
    SetUpRequest f;
    f.boards = boards;
    f.rounds = rounds;
    f.maxPair = maxPair;
    f.byePair = byePair;
    f.contestName = w("Partävling");
    f.contestDate = "2015-07-27";
    f.arranger = "BK Vindeln";
    return f;
}

TEST(SetUpFields, WholeNumbersOnly) {
    EXPECT_EQ(fieldNumber("24"), 24);
    EXPECT_EQ(fieldNumber(" 24 "), 24);
    EXPECT_EQ(fieldNumber("+7"), 7);
    EXPECT_EQ(fieldNumber("-5"), -5);
    for (const char* text : {"", "-1", "2,5", "12a", "x", "+-3", "99999999999", "-", "+"}) {
        EXPECT_EQ(fieldNumber(text), 0) << text;
        EXPECT_EQ(fieldIsInvalidNumber(text), std::string(text) != "") << text;
    }
    EXPECT_FALSE(fieldIsInvalidNumber("0"));
    EXPECT_EQ(byePairFromField("8"), 8);
    EXPECT_EQ(byePairFromField("73"), 0);
    EXPECT_EQ(byePairFromField("-4"), 0);
    EXPECT_EQ(byePairFromField("fri"), 0);
}

TEST(CompleteSetUp, CountsTextsAndTheBuiltInMovement) {
    test::ContestFixture f;
    SetUpRequest in = fields("21", "7", "8");
    in.barometer = true;
    EXPECT_EQ(setUpContest(f.c(), in).message, "");
    const Contest& c = f.c();
    EXPECT_TRUE(c.setUpDone);
    EXPECT_EQ(c.contestName, w("Partävling"));
    EXPECT_EQ(c.contestDate, "2015-07-27");
    EXPECT_EQ(c.arranger, "BK Vindeln");
    EXPECT_EQ(c.boardCount, 21);
    EXPECT_EQ(c.roundCount, 7);
    EXPECT_EQ(c.boardsPerRound, 3);
    EXPECT_EQ(c.maxPairNumber, 8);
    EXPECT_EQ(c.tableCount, 4);
    EXPECT_EQ(c.playingTableCount, 4);
    EXPECT_EQ(c.byePair, 0);
    EXPECT_TRUE(c.isBarometer);
    EXPECT_FALSE(c.isIndividual);
    ASSERT_TRUE(c.movement);
    for (int b = 1; b <= 21; ++b) EXPECT_EQ(c.boards[b].resultCount, 4);
}

TEST(CompleteSetUp, RefusesBoardsRoundsAndPairsOutsideTheArrays) {
    struct Case {
        const char* boards;
        const char* rounds;
        const char* maxPair;
        const char* byePair;
        const char* message;
    };
    const Case cases[] = {
        {"72", "8", "8", "", "Fyll i givar och ronder"},
        {"0", "8", "8", "", "Fyll i givar och ronder"},
        {"24", "0", "8", "", "Fyll i givar och ronder"},
        {"24", "-2", "8", "", "Fyll i givar och ronder"},
        {"tjugo", "8", "8", "", "Fyll i givar och ronder"},
        {"999", "8", "8", "", "Fyll i givar och ronder"},
        {"24", "8", "73", "", "Max parnr får vara högst 72"},
        {"24", "8", "8", "73", "Nr fripar ska vara ett parnummer 1-72"},
        {"24", "8", "8", "-3", "Nr fripar ska vara ett parnummer 1-72"},
    };
    for (const Case& k : cases) {
        test::ContestFixture f;
        f.c().maxPairNumber = 10;
        EXPECT_EQ(setUpContest(f.c(), fields(k.boards, k.rounds, k.maxPair, k.byePair)).message, w(k.message))
            << k.boards;
        EXPECT_FALSE(f.c().setUpDone);
        EXPECT_FALSE(f.c().movement);
        EXPECT_EQ(f.c().byePair, 0);
        EXPECT_LE(f.c().boardCount, kMaxBoard);
        EXPECT_LE(f.c().maxPairNumber, kMaxPair);
        EXPECT_EQ(f.c().contestName, w("Partävling"));  // what was copied stays
    }
    test::ContestFixture f;
    EXPECT_EQ(setUpContest(f.c(), fields("71", "71", "72")).message, "");
    EXPECT_EQ(f.c().boardsPerRound, 1);
    EXPECT_EQ(f.c().tableCount, 36);
}

TEST(CompleteSetUp, HighestPairNumberNeverShrinks) {
    test::ContestFixture f;
    f.c().maxPairNumber = 14;
    EXPECT_EQ(setUpContest(f.c(), fields("24", "8", "10")).message, "");
    EXPECT_EQ(f.c().maxPairNumber, 14);
    EXPECT_EQ(f.c().tableCount, 7);
}

TEST(CompleteSetUp, TypedByePairTakesTheFriparPersonAndLeavesTheBoards) {
    test::ContestFixture f;
    test::fillRegister(*f.reg, 20);
    test::seatPairs(f.c(), 7);
    EXPECT_EQ(setUpContest(f.c(), fields("21", "7", "8", "8")).message, "");
    EXPECT_EQ(f.c().byePair, 8);
    EXPECT_EQ(f.c().participants[8].first, f.c().byeMember);
    EXPECT_EQ(f.c().participants[8].second, f.c().byeMember);
    EXPECT_EQ(f.c().playingTableCount, 3);
    for (int b = 1; b <= 21; ++b) {
        EXPECT_EQ(f.c().boards[b].resultCount, 3);
        EXPECT_FALSE(hasPair(f.c().boards[b], 8));
    }
}

TEST(CompleteSetUp, ByePairFromTheStartListOrFromAnOddField) {
    {
        // "fripar" chosen for pair 6: it becomes the bye pair, the field stays.
        test::ContestFixture f;
        test::fillRegister(*f.reg, 20);
        test::seatPairs(f.c(), 7);
        f.c().participants[6].first = f.c().byeMember;
        EXPECT_EQ(setUpContest(f.c(), fields("20", "5", "7", "0")).message, "");
        EXPECT_EQ(f.c().byePair, 6);
        EXPECT_EQ(f.c().maxPairNumber, 7);
    }
    {
        // Seven pairs typed without names: the odd number itself becomes the bye pair and
        // the field grows to eight.
        test::ContestFixture f;
        EXPECT_EQ(setUpContest(f.c(), fields("21", "7", "7", "")).message, "");
        EXPECT_EQ(f.c().byePair, 7);
        EXPECT_EQ(f.c().maxPairNumber, 8);
        EXPECT_EQ(f.c().participants[7].first, f.c().byeMember);
        EXPECT_EQ(f.c().tableCount, 4);
        EXPECT_EQ(f.c().playingTableCount, 3) << "seven pairs play three tables";
        // The built-in movement for eight pairs, without pair 7.
        for (int b = 1; b <= 21; ++b) EXPECT_FALSE(hasPair(f.c().boards[b], 7));
        EXPECT_EQ(f.c().boards[1].resultCount, 3);
    }
    {
        // Seven named pairs: pair 7 keeps its names, the new number 8 sits out.
        test::ContestFixture f;
        test::fillRegister(*f.reg, 20);
        test::seatPairs(f.c(), 7);
        Member* seventh = f.c().participants[7].first;
        EXPECT_EQ(setUpContest(f.c(), fields("21", "7", "7", "")).message, "");
        EXPECT_EQ(f.c().byePair, 8);
        EXPECT_EQ(f.c().maxPairNumber, 8);
        EXPECT_EQ(f.c().participants[7].first, seventh);
        EXPECT_EQ(f.c().participants[8].first, f.c().byeMember);
        for (int b = 1; b <= 21; ++b) EXPECT_EQ(f.c().boards[b].resultCount, 3);
        EXPECT_FALSE(hasPair(f.c().boards[1], 8));
    }
    {
        // An even field without "fripar" plays without a bye pair.
        test::ContestFixture f;
        EXPECT_EQ(setUpContest(f.c(), fields("24", "6", "10", "")).message, "");
        EXPECT_EQ(f.c().byePair, 0);
        EXPECT_EQ(f.c().maxPairNumber, 10);
    }
    {
        // More rounds than boards is refused like missing boards or rounds.
        test::ContestFixture f;
        EXPECT_EQ(setUpContest(f.c(), fields("4", "5", "8", "")).message, kFillInBoardsAndRounds);
        EXPECT_FALSE(f.c().setUpDone);
        EXPECT_EQ(f.c().boardsPerRound, 0);
    }
}

TEST(CompleteSetUp, IndividualContestKeepsItsByeSetting) {
    test::ContestFixture f;
    SetUpRequest in = fields("24", "8", "13", "12");
    in.individual = true;
    EXPECT_EQ(setUpContest(f.c(), in).message, "");
    EXPECT_TRUE(f.c().isIndividual);
    EXPECT_EQ(f.c().byePair, 0);
    EXPECT_EQ(f.c().maxPairNumber, 13);
    EXPECT_EQ(f.c().tableCount, 3);
}

TEST(CompleteSetUp, MovementIsBuiltOnlyOnceAndNotWithoutGuideCard) {
    test::ContestFixture f;
    SetUpRequest in = fields("21", "7", "8");
    in.withoutGuideCard = true;
    EXPECT_EQ(setUpContest(f.c(), in).message, "");
    EXPECT_FALSE(f.c().movement);
    EXPECT_EQ(f.c().boards[1].resultCount, 0);

    // After a clear the old movement stays, so "Klar" lays nothing down.
    test::ContestFixture g;
    test::setUp(g.c(), 20, 5, 8);
    buildBuiltInMovement(g.c());
    const auto kept = g.c().movement;
    g.c().reset(*g.reg);
    EXPECT_EQ(setUpContest(g.c(), fields("21", "7", "8")).message, "");
    EXPECT_EQ(g.c().movement, kept);
    EXPECT_EQ(g.c().boards[1].resultCount, 0);
}

TEST(SetUpContest, TextsThatWouldBreakTheContestFileAreRefused) {
    struct Case {
        std::string SetUpRequest::*text;
        const char* message;
    };
    for (const Case& k : {Case{&SetUpRequest::contestName, kControlCharsInName},
                          Case{&SetUpRequest::contestDate, kControlCharsInDate},
                          Case{&SetUpRequest::arranger, kControlCharsInArranger}}) {
        for (const char* bad : {"Kv\xe4ll\n-1 99 1", "Kv\xe4ll\r", "\tKv\xe4ll", "Kv\x7f\xe4ll"}) {
            test::ContestFixture f;
            SetUpRequest in = fields("21", "7", "8");
            in.*k.text = bad;
            const SetUpOutcome out = setUpContest(f.c(), in);
            EXPECT_EQ(out.title, kSetUpRefusedTitle);
            EXPECT_EQ(out.message, k.message) << bad;
            EXPECT_FALSE(f.c().setUpDone);
            EXPECT_EQ(f.c().contestName, "") << "nothing is taken from a refused set-up";
        }
    }
    // Every other Windows-1252 character is a text like any other and survives the file.
    test::ContestFixture f;
    SetUpRequest in = fields("21", "7", "8");
    in.contestName = w("Kväll € «ÅÄÖ» ¶");
    ASSERT_EQ(setUpContest(f.c(), in).message, "");
    test::ContestFixture g;
    std::istringstream file(contestFileText(f.c(), "v"));
    ASSERT_EQ(readContest(g.c(), file), "");
    EXPECT_EQ(g.c().contestName, in.contestName);
}

TEST(SetUpContest, AGuideCardIsReadBeforeKlarAndItsCountsAreTaken) {
    test::ContestFixture f;
    SetUpRequest in = fields("24", "8", "10");
    SetUpOutcome out = setUpContest(f.c(), in);
    EXPECT_EQ(out.message, "");
    EXPECT_TRUE(out.lacksMovement) << "no built-in movement for 10 pairs and 24 boards";

    test::ContestFixture g;
    in.guideCard = std::string(VK_SOURCE_DIR) + "/examples/P10_mitchell.gui";
    out = setUpContest(g.c(), in);
    EXPECT_EQ(out.message, "");
    EXPECT_FALSE(out.lacksMovement);
    EXPECT_TRUE(g.c().setUpDone);
    EXPECT_EQ(g.c().boardCount, 25);
    EXPECT_EQ(g.c().roundCount, 5);
    EXPECT_EQ(g.c().boardsPerRound, 5);
    EXPECT_EQ(g.c().tableCount, 5);
    EXPECT_EQ(g.c().boards[25].resultCount, 5);

    test::ContestFixture h;
    in.guideCard = std::string(VK_SOURCE_DIR) + "/examples/saknas.gui";
    out = setUpContest(h.c(), in);
    EXPECT_EQ(out.title, kGuideCardRefusedTitle);
    EXPECT_EQ(out.message, w("Kan inte läsa filen"));
    EXPECT_FALSE(h.c().setUpDone);
}

TEST(ByePair, ClosingTheNamePanelEvensTheField) {
    test::ContestFixture f;
    test::fillRegister(*f.reg, 20);
    test::seatPairs(f.c(), 7);
    f.c().maxPairNumber = 7;
    settleByePairOnNamesClosed(f.c());
    EXPECT_EQ(f.c().maxPairNumber, 8);
    EXPECT_EQ(f.c().byePair, 8);
    EXPECT_EQ(f.c().participants[8].first, f.c().byeMember);

    // Even field: nothing changes, no real pair turns into "fripar".
    test::ContestFixture g;
    test::fillRegister(*g.reg, 20);
    test::seatPairs(g.c(), 8);
    g.c().maxPairNumber = 8;
    settleByePairOnNamesClosed(g.c());
    EXPECT_EQ(g.c().maxPairNumber, 8);
    EXPECT_EQ(g.c().byePair, 0);
    EXPECT_NE(g.c().participants[8].first, g.c().byeMember);

    // An odd field that has a bye pair already only grows.
    test::ContestFixture h;
    h.c().maxPairNumber = 9;
    h.c().byePair = 3;
    settleByePairOnNamesClosed(h.c());
    EXPECT_EQ(h.c().maxPairNumber, 10);
    EXPECT_EQ(h.c().byePair, 3);
    EXPECT_EQ(h.c().participants[10].first, nullptr);

    // Individual contests keep an odd number of players.
    test::ContestFixture i;
    i.c().isIndividual = true;
    i.c().maxPairNumber = 13;
    settleByePairOnNamesClosed(i.c());
    EXPECT_EQ(i.c().maxPairNumber, 13);
    EXPECT_EQ(i.c().byePair, 0);
}

TEST(ByePair, LatePairInTheByeEntryPlaysAndADeletedPairTakesTheByeEntryAlong) {
    // Seven pairs; closing the name panel adds bye pair 8; a late pair is typed over it.
    test::ContestFixture f;
    Contest& c = f.c();
    test::fillRegister(*f.reg, 20);
    test::seatPairs(c, 7);
    c.participantCount = c.maxPairNumber = 7;
    settleByePairOnNamesClosed(c);
    ASSERT_EQ(c.byePair, 8);
    seatMember(c, f.reg->entry(15), 8, 0);
    EXPECT_EQ(c.byePair, 0);
    EXPECT_EQ(c.participants[8].second, nullptr);  // no "fripar" beside the late player
    seatMember(c, f.reg->entry(16), 8, 1);
    settleByePairOnNamesClosed(c);
    // A bye number typed anyway is refused; without one "Klar" keeps the names.
    EXPECT_EQ(setUpContest(c, fields("21", "7", "8", "8")).message, "Par 8 har namn och kan inte vara fripar");
    EXPECT_EQ(setUpContest(c, fields("21", "7", "8", "")).message, "");
    EXPECT_EQ(c.participants[8].first, f.reg->entry(15));
    EXPECT_EQ(c.participants[8].second, f.reg->entry(16));
    EXPECT_EQ(c.playingTableCount, 4);

    // Nine pairs and bye pair 10; deleting pair 3 moves everybody up, "fripar" too, and on
    // closing the panel the eight pairs left play without a bye pair.
    test::ContestFixture g;
    Contest& d = g.c();
    test::fillRegister(*g.reg, 20);
    test::seatPairs(d, 9);
    d.participantCount = d.maxPairNumber = 9;
    settleByePairOnNamesClosed(d);
    ASSERT_EQ(d.byePair, 10);
    Member* ninth = d.participants[9].first;
    deleteParticipants(d, {3});
    EXPECT_EQ(d.participants[8].first, ninth);
    EXPECT_EQ(d.byePair, 9);
    EXPECT_EQ(d.participants[9].first, d.byeMember);
    settleByePairOnNamesClosed(d);
    EXPECT_EQ(d.maxPairNumber, 8);
    EXPECT_EQ(d.byePair, 0);
    EXPECT_EQ(d.participants[9].first, nullptr);
    EXPECT_EQ(setUpContest(d, fields("21", "7", "8", "")).message, "");
    EXPECT_EQ(d.playingTableCount, 4);
}

TEST(ByePair, FriparChosenInTheStartList) {
    test::ContestFixture f;
    test::fillRegister(*f.reg, 20);
    test::seatPairs(f.c(), 5);
    EXPECT_FALSE(takeByePairIfFripar(f.c(), 5));
    EXPECT_EQ(f.c().byePair, 0);
    f.c().participants[6].first = f.c().byeMember;
    EXPECT_TRUE(takeByePairIfFripar(f.c(), 6));
    EXPECT_EQ(f.c().byePair, 6);
    EXPECT_FALSE(takeByePairIfFripar(f.c(), 0));
    EXPECT_FALSE(takeByePairIfFripar(f.c(), 73));
    EXPECT_EQ(f.c().byePair, 6);
    makeByePair(f.c(), 80);
    EXPECT_EQ(f.c().byePair, 6);
}

}  // namespace
}  // namespace vindelkast
