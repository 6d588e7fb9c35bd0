#include <gtest/gtest.h>

#include <random>

#include "model/board_results.h"
#include "model/bridge_tables.h"
#include "model/member_register.h"
#include "model/name_forms.h"
#include "model/result_order.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

TEST(ContestModel, BoardNumbersGiveDealerVulnerabilityAndCards) {
    EXPECT_EQ(dealerName(1), "Nord");
    EXPECT_EQ(vulnerabilityName(1), "Ingen");
    EXPECT_EQ(dealerName(4), w("Väst"));
    EXPECT_EQ(vulnerabilityName(4), "Alla");
    EXPECT_EQ(dealerName(16), w("Väst"));
    EXPECT_EQ(vulnerabilityName(16), w("ÖV"));
    EXPECT_EQ(dealerName(2), w("Öst"));
    EXPECT_EQ(dealerName(3), "Syd");
    for (int b = 1; b <= 16; ++b) {
        EXPECT_EQ(vulnerability(b + 16), vulnerability(b));
        EXPECT_EQ(dealerName(b + 16), dealerName(b));
    }
    const char* cycle[] = {"Ingen", "NS",   "ÖV",    "Alla", "NS",   "ÖV",    "Alla", "Ingen",
                           "ÖV",    "Alla", "Ingen", "NS",   "Alla", "Ingen", "NS",   "ÖV"};
    for (int b = 1; b <= 16; ++b) EXPECT_EQ(vulnerabilityName(b), w(cycle[b - 1])) << b;

    const Card aceSpades = cardFromCode(1);
    EXPECT_EQ(aceSpades.suit, 0);
    EXPECT_EQ(aceSpades.rank, 14);
    EXPECT_EQ(cardFromCode(13).rank, 2);
    EXPECT_EQ(cardFromCode(14).suit, 1);
    EXPECT_EQ(cardFromCode(14).rank, 14);
    EXPECT_EQ(cardFromCode(52).suit, 3);
    EXPECT_EQ(cardFromCode(52).rank, 2);
    for (int code = 1; code <= 52; ++code) {
        const Card c = cardFromCode(code);
        EXPECT_EQ(cardFromSuitRank(c.suit, c.rank).code, code);
    }
    EXPECT_TRUE(cardFromCode(0).empty());
    EXPECT_TRUE(cardFromCode(53).empty());
    EXPECT_EQ(rankChar(10), 'T');
    EXPECT_EQ(rankChar(14), 'A');
    EXPECT_EQ(rankFromChar('E'), 14);
    EXPECT_EQ(rankFromChar('A'), 14);
    EXPECT_EQ(rankFromChar('D'), 12);
    EXPECT_EQ(rankFromChar('Q'), 12);
    EXPECT_EQ(rankFromChar('7'), 7);
    EXPECT_EQ(ewScoreFor(420), -420);
    EXPECT_EQ(ewScoreFor(10064), 10064);
    EXPECT_EQ(ewScoreFor(kNoScore), kNoScore);
}

TEST(ContestModel, ResetKeepsTextsAndTheOneByePerson) {
    test::ContestFixture f;
    Contest& c = f.c();
    c.contestName = w("Partävling");
    c.contestDate = "2026-12-08";
    c.roundCount = 8;
    test::setUp(c, 24, 8, 14, 14);
    c.isGronaHissen = c.isBarometer = c.hasHandicap = true;
    c.ghVariant = 1;
    c.resultOrder = 3;
    c.nameFrozen[3] = true;
    addResult(c.boards[1], 1, 2, 1, 420, 0, 0, true);
    c.boardHasScores[1] = true;
    Member* bye = c.byeMember;
    ASSERT_EQ(bye, f.reg->entry(0));

    c.reset(*f.reg);
    EXPECT_EQ(c.byeMember, bye) << "the bye person keeps its identity across a clear";
    EXPECT_EQ(f.reg->entry(0), c.byeMember);
    EXPECT_EQ(longName(*c.byeMember), "fripar");
    EXPECT_EQ(c.ghVariant, 2);
    EXPECT_EQ(c.resultOrder, 1);
    EXPECT_EQ(c.contestName, w("Partävling"));
    EXPECT_EQ(c.contestDate, "2026-12-08");
    EXPECT_EQ(c.roundCount, 8) << "reset leaves the round count to the set-up";
    EXPECT_EQ(c.boardCount, 0);
    EXPECT_EQ(c.byePair, 0);
    EXPECT_FALSE(c.isGronaHissen || c.isBarometer || c.hasHandicap || c.setUpDone);
    EXPECT_FALSE(c.nameFrozen[3]);
    EXPECT_FALSE(c.boardHasScores[1]);
    EXPECT_EQ(c.boards[1].resultCount, 0);
    EXPECT_EQ(c.boards[5].number, 5);
    EXPECT_EQ(c.boards[5].contest, &c);
    EXPECT_EQ(c.nextBoardAfterScored(), 1);
    c.boardHasScores[7] = true;
    EXPECT_EQ(c.nextBoardAfterScored(), 8);
}

TEST(ContestModel, NameFormsOfMembersAndPairs) {
    test::ContestFixture f;
    Contest& c = f.c();
    Member* anna = f.reg->append(Member{"Andersson", "Anna Maria", 12345, 3.5});
    Member* berg = f.reg->append(Member{"Berg", "", 17, 0});
    EXPECT_EQ(longName(*anna), "Andersson Anna Maria");
    EXPECT_EQ(shortName(*anna), "Andersson A");
    EXPECT_EQ(longName(*berg), "Berg");
    EXPECT_EQ(shortName(*berg), "Berg ");
    EXPECT_EQ(f.reg->findByLongName("Andersson Anna Maria"), anna);
    EXPECT_EQ(f.reg->findByLongName("Andersson"), nullptr);

    c.participants[1] = {anna, berg};
    c.participants[2] = {c.byeMember, c.byeMember};
    c.participants[3] = {nullptr, berg};
    c.participantCount = 3;
    EXPECT_EQ(pairName(c, 1, NameForm::Long), "Andersson Anna Maria & Berg");
    EXPECT_EQ(pairName(c, 1, NameForm::Short), "Andersson A & Berg ");
    EXPECT_EQ(pairName(c, 2, NameForm::Long), "fripar");
    EXPECT_EQ(pairName(c, 3, NameForm::Long), "--  & Berg");
    EXPECT_EQ(pairName(c, 4, NameForm::Long), "-- ");
    EXPECT_EQ(pairName(c, 0, NameForm::Long), "-- ");
    EXPECT_EQ(longNameOrDashes(nullptr), "--");
}

TEST(ContestModel, BoardOperationsRefuseDuplicatesAndKeepOrder) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 3, 1, 8);
    Board& b = c.boards[1];
    EXPECT_EQ(addResult(b, 3, 3, 1, kNoScore, 0, 0, true), 3) << "a pair against itself";
    EXPECT_EQ(addResult(b, 1, 2, 1, kNoScore, 0, 0, true), 0);
    EXPECT_EQ(addResult(b, 3, 4, 2, kNoScore, 0, 0, true), 0);
    EXPECT_EQ(addResult(b, 5, 2, 3, kNoScore, 0, 0, true), 2) << "pair 2 already on the board";
    EXPECT_EQ(addResult(b, 4, 6, 3, kNoScore, 0, 0, true), 4) << "NS is tested before EW";
    EXPECT_EQ(addResult(b, 6, 4, 3, kNoScore, 0, 0, true), 4);
    EXPECT_EQ(addResult(b, 5, 6, 3, 420, 0, 0, true), 0);
    EXPECT_EQ(addResult(b, 7, 8, 4, kNoScore, 0, 0, true), 0);
    ASSERT_EQ(b.resultCount, 4);
    EXPECT_EQ(b.results[2].ewScore, -420);
    EXPECT_EQ(b.results[0].ewScore, kNoScore);

    EXPECT_TRUE(hasPair(b, 6));
    EXPECT_FALSE(hasPair(b, 9));
    EXPECT_EQ(pairScore(b, 5), 420);
    EXPECT_EQ(pairScore(b, 6), -420);
    EXPECT_EQ(pairScore(b, 1), kNoScore);
    EXPECT_EQ(opponentOf(b, 6), 5);
    EXPECT_EQ(opponentOf(b, 3), 4);
    EXPECT_EQ(opponentOf(b, 9), 0);
    EXPECT_EQ(findResult(b, 4, 3), nullptr);
    ASSERT_NE(findResult(b, 3, 4), nullptr);
    EXPECT_FLOAT_EQ(pairMatchpoints(b, 1), kNoPoints);
    EXPECT_FLOAT_EQ(pairMatchpoints(b, 9), kNoPoints);

    removePair(b, 4);
    ASSERT_EQ(b.resultCount, 3);
    EXPECT_EQ(b.results[0].nsPair, 1);
    EXPECT_EQ(b.results[1].nsPair, 5);
    EXPECT_EQ(b.results[1].nsScore, 420);
    EXPECT_EQ(b.results[2].nsPair, 7);
    EXPECT_EQ(b.results[3].nsPair, 0) << "the freed place is emptied";
    EXPECT_EQ(b.results[3].nsScore, kNoScore);

    // An unscored copy on another board, refused when a pair already sits there.
    Board& other = c.boards[2];
    copyResultTo(other, b.results[1]);
    copyResultTo(other, b.results[1]);
    ASSERT_EQ(other.resultCount, 1);
    EXPECT_EQ(other.results[0].nsScore, kNoScore);
    EXPECT_EQ(other.results[0].round, 3);

    // The board holds at most 72 results.
    Board& full = c.boards[3];
    for (int i = 0; i < kMaxResults; ++i) ASSERT_EQ(addResult(full, 0, 0, 1, kNoScore, 0, 0, false), 0);
    EXPECT_EQ(addResult(full, 0, 0, 1, kNoScore, 0, 0, false), kBoardFull);
    EXPECT_EQ(full.resultCount, kMaxResults);
}

TEST(ContestModel, MostFrequentScoreCountsUpToTheFirstGap) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 1, 1, 16);
    c.resultOrder = 1;
    Board& b = c.boards[1];
    const int scores[] = {140, 420, 420, kNoScore, 140, 140, 140, 100};
    for (int t = 0; t < 8; ++t) addResult(b, 2 * t + 1, 2 * t + 2, t + 1, scores[t], 0, 0, true);
    // 140 counts 1 (stops at the gap), 420 counts 2, the later 140 counts 3.
    EXPECT_EQ(mostFrequentScore(b), 140);
    Board& empty = c.boards[2];
    EXPECT_EQ(mostFrequentScore(empty), kNoScore);
    addResult(empty, 1, 2, 1, 420, 0, 0, true);
    addResult(empty, 3, 4, 2, 100, 0, 0, true);
    EXPECT_EQ(mostFrequentScore(empty), 420) << "the earlier score wins a tie";
}

TEST(ResultOrder, OrdersSortAndDropTheByePair) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 2, 1, 6);
    Board& b = c.boards[1];
    addResult(b, 5, 6, 1, 420, 0, 0, true);
    addResult(b, 2, 3, 2, -50, 0, 0, true);
    addResult(b, 1, 4, 3, 420, 0, 0, true);
    EXPECT_EQ(setResultOrder(c, ScoreOrder), TableOrder);
    EXPECT_EQ(b.results[0].nsPair, 1);
    EXPECT_EQ(b.results[1].nsPair, 5);
    EXPECT_EQ(b.results[2].nsPair, 2);
    setResultOrder(c, PairOrder);
    EXPECT_EQ(b.results[0].nsPair, 1);
    EXPECT_EQ(b.results[2].nsPair, 5);
    setResultOrder(c, TableOrder);
    EXPECT_EQ(b.results[0].round, 1);
    EXPECT_EQ(b.results[2].round, 3);

    // Stepping runs 1, 3, 2, 1 and returns the value before each step.
    EXPECT_EQ(setResultOrder(c, 0), 1);
    EXPECT_EQ(c.resultOrder, 3);
    EXPECT_EQ(setResultOrder(c, 0), 3);
    EXPECT_EQ(c.resultOrder, 2);
    EXPECT_EQ(setResultOrder(c, 0), 2);
    EXPECT_EQ(c.resultOrder, 1);
    c.resultOrder = 7;
    setResultOrder(c, 0);
    EXPECT_EQ(c.resultOrder, 2);

    // Without a bye pair a result still missing a pair sorts last.
    c.resultOrder = TableOrder;
    Board& b2 = c.boards[2];
    addResult(b2, 1, 0, 1, kNoScore, 0, 0, false);
    addResult(b2, 3, 4, 2, kNoScore, 0, 0, false);
    EXPECT_EQ(b2.results[0].nsPair, 3);
    EXPECT_EQ(b2.results[1].ewPair, 0);

    // A bye pair's slots vanish on the next sort; the others keep every field.
    c.byePair = 4;
    sortResults(b);
    ASSERT_EQ(b.resultCount, 2);
    EXPECT_FALSE(hasPair(b, 4));
    EXPECT_EQ(b.results[0].nsPair, 5);
    EXPECT_EQ(b.results[0].nsScore, 420);
    EXPECT_EQ(b.results[1].nsPair, 2);
    EXPECT_EQ(b.results[1].round, 2);
    Board& empty = c.boards[40];
    sortResults(empty);
    EXPECT_EQ(empty.resultCount, 0);
}

// A writer reads a board through orderedSlots and must see exactly what sorting the board in
// place shows, ties included: the sort exchanges equal keys, so a plain stable sort would not.
TEST(ResultOrder, OrderedSlotsMatchTheInPlaceSortOnRandomBoards) {
    test::ContestFixture f;
    Contest& c = f.c();
    std::mt19937 random(20261208);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    for (int trial = 0; trial < 400; ++trial) {
        Board& board = c.boards[1];
        board.resultCount = pick(0, 14);
        for (int i = 0; i < board.resultCount; ++i) {
            BoardResult& r = board.results[i];
            r = BoardResult{};
            // Few rounds, scores and pairs, so that keys tie often; pair 0 and the bye pair too.
            r.round = pick(1, 3);
            r.nsPair = pick(0, 6);
            r.ewPair = pick(0, 6);
            setScore(r, pick(0, 3) == 0 ? kNoScore : pick(-2, 2) * 10);
            r.nsPoints = static_cast<float>(i);  // tells the results apart
        }
        c.byePair = pick(0, 1) ? pick(1, 6) : 0;
        const int first = pick(1, 3);
        const int second = pick(1, 3);
        const Board before = board;

        const std::vector<int> slots = orderedSlots(c, before, second, orderedSlots(c, before, first));
        c.resultOrder = static_cast<std::uint8_t>(first);
        sortResults(board);
        c.resultOrder = static_cast<std::uint8_t>(second);
        sortResults(board);
        ASSERT_EQ(slots.size(), static_cast<std::size_t>(board.resultCount)) << trial;
        for (std::size_t i = 0; i < slots.size(); ++i)
            ASSERT_EQ(before.results[slots[i]].nsPoints, board.results[i].nsPoints) << trial << " " << i;
    }
}

}  // namespace
}  // namespace vindelkast
