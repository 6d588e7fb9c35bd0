#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/board_analysis.h"
#include "analysis/double_dummy.h"
#include "files/deal_encodings.h"
#include "model/member_register.h"

namespace vindelkast {
namespace {

using Row = std::array<int, 5>;  // NT S H D C

// N all spades, E all hearts, S all diamonds, W all clubs: a side wins every trick when
// the trumps are its own, and none otherwise (no one but the leader's side can follow).
constexpr const char* kOneSuitEach = "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";
// North holds the top three of every suit and the jack of spades: in notrump North wins
// every trick, whoever leads.
constexpr const char* kTopCards = "N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.876.8762.765 432.5432.543.432";
constexpr const char* kEveningBoard1 =
    "N:Q942.T95.92.Q932 KT63.A4.T83.KT54 J7.QJ763.QJ64.76 A85.K82.AK75.AJ8";

struct Deals {
    MemberRegister reg;
    Contest contest;
    Deals() { contest.reset(reg); }
    // Stores the deals on boards 1, 2, ... and publishes them.
    void deal(std::initializer_list<const char*> deals) {
        for (const char* text : deals) {
            ++contest.dealCount;
            ASSERT_TRUE(storeDeal(contest.boards[contest.dealCount], std::string("[Deal \"") + text + "\"]",
                                  DealEncoding::Pbn));
        }
        contest.boardCount = contest.dealCount;
    }
};

// A deal turned one seat clockwise: North's hand goes to East and so on.
std::string turned(const std::string& pbn) {
    const auto last = pbn.rfind(' ');
    return "N:" + pbn.substr(last + 1) + " " + pbn.substr(2, last - 2);
}

TEST(DoubleDummy, DealsWithKnownResultsGiveTheirTablesAndPar) {
    Deals d;
    d.deal({kOneSuitEach, kTopCards, kEveningBoard1, turned(kEveningBoard1).c_str()});
    int reported = 0;
    const std::string message = analyseContest(d.contest, [&](int done, int total) {
        EXPECT_EQ(total, 4);
        EXPECT_GT(done, reported);
        reported = done;
        return true;
    });
    EXPECT_EQ(message, "");
    EXPECT_EQ(reported, 4);

    const BoardAnalysis* suits = keptAnalysis(d.contest, 1);
    ASSERT_NE(suits, nullptr);
    EXPECT_EQ(suits->deal, kOneSuitEach);
    for (int seat : {North, South}) EXPECT_EQ(suits->tricks[seat], (Row{0, 13, 0, 13, 0}));
    for (int seat : {East, West}) EXPECT_EQ(suits->tricks[seat], (Row{0, 0, 13, 0, 13}));
    // Both sides make a grand slam; spades outrank hearts and clubs, so North-South win
    // the auction at 7S (board 1: no one vulnerable).
    EXPECT_EQ(suits->parScore, 1510);
    EXPECT_EQ(parContractsText(*suits), "NS 7S");

    const BoardAnalysis* top = keptAnalysis(d.contest, 2);
    ASSERT_NE(top, nullptr);
    for (int seat : {North, South}) EXPECT_EQ(top->tricks[seat][0], 13);
    for (int seat : {East, West}) EXPECT_EQ(top->tricks[seat][0], 0);
    EXPECT_EQ(top->parScore, 2220);  // board 2: NS vulnerable, 7NT
    EXPECT_EQ(parContractsText(*top), "NS 7NT");

    // Turning the deal turns the table with it.
    const BoardAnalysis* plain = keptAnalysis(d.contest, 3);
    const BoardAnalysis* turnedPlain = keptAnalysis(d.contest, 4);
    ASSERT_TRUE(plain && turnedPlain);
    for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(turnedPlain->tricks[(seat + 1) % 4], plain->tricks[seat]);

    // Nothing is left to do; a deal imported anew drops its analysis, and only it is redone.
    EXPECT_TRUE(analysisJobs(d.contest).empty());
    ASSERT_TRUE(
        storeDeal(d.contest.boards[1], std::string("[Deal \"") + kTopCards + "\"]", DealEncoding::Pbn));
    EXPECT_EQ(keptAnalysis(d.contest, 1), nullptr);
    d.contest.boards[2].clearDeal();
    EXPECT_EQ(keptAnalysis(d.contest, 2), nullptr);
    const auto jobs = analysisJobs(d.contest);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].board, 1);
}

TEST(DoubleDummy, CancelKeepsTheBoardsDone) {
    Deals d;
    d.deal({kOneSuitEach, kTopCards, kEveningBoard1});
    const AnalysisRun run = analyseBoards(
        analysisJobs(d.contest), [](int, int) { return false; }, 1);
    EXPECT_TRUE(run.cancelled);
    ASSERT_EQ(run.analyses.size(), 1u);
    EXPECT_EQ(run.analyses[0].first, 1);
    EXPECT_EQ(run.message, "Analysen avbr\xf6ts efter 1 av 3 givar");
}

BoardAnalysis tableOf(Row north, Row east) {
    BoardAnalysis a;
    a.tricks = {north, east, north, east};
    return a;
}

TEST(DoubleDummy, ParOfHandCheckedTables) {
    // NS make 4S vulnerable (620); EW, not vulnerable, go two down in 5D doubled (300).
    BoardAnalysis sacrifice = tableOf({7, 10, 6, 5, 5}, {4, 3, 4, 9, 4});
    computePar(sacrifice, 1, 2);
    EXPECT_EQ(sacrifice.parScore, 300);
    EXPECT_EQ(parContractsText(sacrifice), "EW 5DX");
    EXPECT_EQ(sacrifice.parContracts[0].underTricks, 2);

    // One trick less, and vulnerable, it would cost 800: NS play 4S.
    sacrifice.tricks[East][3] = sacrifice.tricks[West][3] = 8;
    computePar(sacrifice, 1, 1);
    EXPECT_EQ(sacrifice.parScore, 620);
    EXPECT_EQ(parContractsText(sacrifice), "NS 4S");

    // No one takes seven tricks anywhere: passed out.
    BoardAnalysis passed = tableOf({6, 6, 6, 5, 6}, {6, 6, 5, 6, 6});
    computePar(passed, 0, 0);
    EXPECT_EQ(passed.parScore, 0);
    EXPECT_EQ(passed.parCount, 0);
    EXPECT_EQ(parContractsText(passed), "");

    // The solver's 1H+2 reads as 3H, the contract that takes the nine tricks.
    BoardAnalysis partScore = tableOf({5, 5, 4, 5, 5}, {6, 6, 9, 6, 6});
    computePar(partScore, 0, 0);
    EXPECT_EQ(partScore.parScore, -140);
    EXPECT_EQ(parContractsText(partScore), "EW 3H");

    // EW make 3NT; the sign follows North-South.
    BoardAnalysis game = tableOf({4, 5, 4, 4, 3}, {9, 8, 7, 8, 6});
    computePar(game, 3, 3);
    EXPECT_EQ(game.parScore, -600);
    EXPECT_EQ(parContractsText(game), "EW 3NT");
}

}  // namespace
}  // namespace vindelkast
