#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "../files/temp_folder.h"
#include "generated_card_rules.h"
#include "model/board_results.h"
#include "model/contest_scoring.h"
#include "model/standings.h"
#include "movement/contest_setup.h"
#include "movement/movement_generator.h"
#include "movement/section_cards.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

struct Asked {
    MovementKind kind;
    int pairs, rounds, perRound;
    bool relay;
};

std::string describe(const Asked& a) {
    return std::string(a.kind == MovementKind::Mitchell ? "mitchell" : "howell") + " pairs " +
           std::to_string(a.pairs) + " rounds " + std::to_string(a.rounds) + " per round " +
           std::to_string(a.perRound) + (a.relay ? " relay" : "");
}

// Every size the generator offers, with default counts and with every number of rounds.
std::vector<Asked> everySize() {
    std::vector<Asked> all;
    for (int tables = 3; tables <= 15; ++tables)
        for (int pairs : {2 * tables - 1, 2 * tables}) {
            all.push_back({MovementKind::Mitchell, pairs, 0, 0, false});
            const int most = tables % 2 == 1 ? tables : tables - 1;
            for (int r = 1; r <= most; ++r) all.push_back({MovementKind::Mitchell, pairs, r, 2, false});
            if (tables % 2 == 0) all.push_back({MovementKind::Mitchell, pairs, 0, 0, true});
        }
    for (int pairs = 4; pairs <= 16; ++pairs) {
        all.push_back({MovementKind::Howell, pairs, 0, 0, false});
        const int even = pairs + pairs % 2;
        for (int r = 1; r < even - 1; ++r) all.push_back({MovementKind::Howell, pairs, r, 2, false});
    }
    return all;
}

// Lays the card through the program as the window's set-up does, scores every slot at
// random and checks that every pair but the bye pair gets a total.
void layAndScore(const std::string& cardPath, const GeneratedMovement& made) {
    test::ContestFixture fixture;
    Contest& contest = fixture.c();
    SetUpRequest request;
    request.guideCard = cardPath;
    request.byePair = made.byePair > 0 ? std::to_string(made.byePair) : "";
    request.contestName = "Kv\xe4ll";
    const SetUpOutcome outcome = setUpContest(contest, request);
    ASSERT_EQ(outcome.message, "");
    ASSERT_EQ(contest.boardCount, made.boardCount());
    ASSERT_EQ(contest.byePair, made.byePair);
    std::mt19937 random(7);
    for (int b = 1; b <= contest.boardCount; ++b)
        for (int i = 0; i < contest.boards[b].resultCount; ++i)
            setScore(contest.boards[b].results[i], static_cast<int>(random() % 20) * 10 - 100);
    std::map<int, int> boardsToPlay;
    for (const TableRound& seat : made.seats)
        if (sittingOut(made, seat) == 0)
            for (int p : {seat.nsPair, seat.ewPair}) boardsToPlay[p] += made.boardsPerRound;
    rescoreBoards(contest);
    for (int p = 1; p <= made.cardPairs; ++p) {
        int scored = 0;
        for (int b = 1; b <= contest.boardCount; ++b) scored += pairMatchpoints(contest.boards[b], p) >= 0.0f;
        EXPECT_EQ(scored, p == made.byePair ? 0 : boardsToPlay[p]) << "pair " << p;
    }
    EXPECT_EQ(contestTotals(contest).n, made.cardPairs);
}

TEST(GeneratedCard, EveryCardOfEverySizeObeysTheRulesAndIsScored) {
    test::TempFolder folder;
    for (const Asked& asked : everySize()) {
        SCOPED_TRACE(describe(asked));
        const GeneratedMovement made =
            generateMovement({asked.kind, asked.pairs, asked.rounds, asked.perRound, asked.relay});
        if (made.boardCount() > kMaxBoard) {
            EXPECT_NE(made.message, "");
            continue;
        }
        ASSERT_EQ(made.message, "");
        const std::string path = folder.file("kort.gui");
        std::ofstream(path, std::ios::binary) << guideCardText(made);
        std::ifstream in(path, std::ios::binary);
        const test::Card card = test::parseCard({std::istreambuf_iterator<char>(in), {}});

        test::CardShape shape;
        shape.rounds = asked.rounds > 0 ? asked.rounds : made.rounds;
        shape.perRound = asked.perRound > 0 ? asked.perRound : made.boardsPerRound;
        shape.byePair = asked.pairs % 2 == 1 ? asked.pairs + 1 : 0;
        shape.mitchell = asked.kind == MovementKind::Mitchell;
        shape.complete = !shape.mitchell && shape.rounds == card.pairs - 1;
        shape.sitOutsEven = shape.byePair == 0 || (shape.mitchell ? shape.rounds == card.pairs / 2
                                                                  : shape.rounds >= card.pairs / 2);
        EXPECT_EQ(card.pairs, asked.pairs + asked.pairs % 2);
        EXPECT_EQ(test::cardFaults(card, shape), "");
        layAndScore(path, made);
    }
}

TEST(GeneratedCard, DefaultsMakeAClubEvening) {
    for (int pairs : {6, 11, 14, 22, 30}) {
        const GeneratedMovement made = generateMovement({MovementKind::Mitchell, pairs, 0, 0, false});
        EXPECT_GE(made.rounds * made.boardsPerRound, 21) << pairs;
        EXPECT_LE(made.rounds * made.boardsPerRound, 30) << pairs;
    }
    // Relay Mitchell for 14 pairs: 7 tables is odd, but 8 tables of 16 pairs take it.
    const GeneratedMovement relay = generateMovement({MovementKind::Mitchell, 16, 0, 0, true});
    EXPECT_EQ(relay.rounds, 8);
    const std::vector<std::string> summary = movementSummary(relay);
    EXPECT_EQ(summary[0], "Mitchell med rel\xe4 f\xf6r 16 par: 8 bord, 8 ronder, 3 givar per rond, 24 givar");
    EXPECT_EQ(summary[1], "Rond 1: bord 1 och 8 delar givar");
}

TEST(GeneratedCard, OddFieldsSitOutOneByOneAndImpossibleRequestsAreRefused) {
    const GeneratedMovement howell = generateMovement({MovementKind::Howell, 9, 0, 0, false});
    ASSERT_EQ(howell.message, "");
    EXPECT_EQ(howell.byePair, 10);
    std::set<int> out;
    for (const TableRound& seat : howell.seats)
        if (const int p = sittingOut(howell, seat)) {
            EXPECT_TRUE(out.insert(p).second) << p;
        }
    EXPECT_EQ(out.size(), 9u);  // each of the nine sits out once in nine rounds

    EXPECT_EQ(generateMovement({MovementKind::Mitchell, 4, 0, 0, false}).message,
              "Mitchell g\xf6rs f\xf6r 3-15 bord (5-30 par)");
    EXPECT_EQ(generateMovement({MovementKind::Mitchell, 14, 0, 0, true}).message,
              "Rel\xe4 beh\xf6vs bara med j\xe4mnt antal bord");
    EXPECT_EQ(generateMovement({MovementKind::Mitchell, 12, 6, 0, false}).message,
              "H\xf6gst 5 ronder med 6 bord");
    EXPECT_EQ(generateMovement({MovementKind::Mitchell, 12, 4, 0, true}).message,
              "Med rel\xe4 spelas alla 6 ronder");
    EXPECT_EQ(generateMovement({MovementKind::Howell, 17, 0, 0, false}).message,
              "Howell g\xf6rs f\xf6r 4-16 par");
    EXPECT_EQ(generateMovement({MovementKind::Mitchell, 30, 0, 5, false}).message,
              "15 givgrupper med 5 givar blir 75 givar, h\xf6gst 71");
}

TEST(GeneratedCard, SectionsGetOneCardPerCountAndAllPlayTheSameBoards) {
    // Five and six tables cannot play nine Mitchell rounds: a Howell for every count.
    const std::vector<GeneratedMovement> made = sectionMovements({10, 9, 12, 9}, 18, 9);
    ASSERT_EQ(made.size(), 3u);
    for (const GeneratedMovement& m : made) {
        EXPECT_EQ(m.message, "");
        EXPECT_EQ(m.kind, MovementKind::Howell);
        EXPECT_EQ(m.boardCount(), 18);
    }
    // Nothing typed: the first count's movement gives the second its rounds and boards.
    const std::vector<GeneratedMovement> club = sectionMovements({14, 13}, 0, 0);
    EXPECT_EQ(club[1].boardCount(), club[0].boardCount());
    EXPECT_EQ(club[1].rounds, club[0].rounds);
    EXPECT_EQ(sectionMovements({13, 13}, 20, 7)[0].message,
              "Sektionerna A och B (13 par): ingen Mitchell eller Howell spelar 20 givar i 7 ronder");
    EXPECT_EQ(sectionMovements({13, 40}, 21, 7)[1].message,
              "Sektion B (40 par): Mitchell g\xf6rs f\xf6r 3-15 bord (5-30 par)");
}

}  // namespace
}  // namespace vindelkast
