// Whole rounds submitted from the tables' phones through the table service, each request
// read from its JSON text and each decided store done the way the session will do it.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "files/contract_file.h"
#include "model/board_results.h"
#include "movement/built_in_movement.h"
#include "movement/table_rounds.h"
#include "support/sample_contests.h"
#include "table_phones.h"
#include "tables/table_codes.h"
#include "tables/table_request.h"
#include "tables/table_service.h"
#include "tables/table_status_view.h"

namespace vindelkast {
namespace {

using test::Evening;
using test::Reply;

TEST(TableEvening, MitchellRoundsFromFivePhones) {
    Evening e;
    ASSERT_EQ(e.layTenPairMitchell(), "");
    ASSERT_TRUE(tablesFollowMovement(e.contest));
    e.start(false);
    ASSERT_EQ(e.service.codes().tables.size(), 5u);

    // NS stay at their table while the boards move one table on per round.
    const TableSeat t5r2 = tableSeat(e.contest, 5, 2, false);
    EXPECT_EQ(t5r2.nsPair, 5);
    EXPECT_EQ(t5r2.ewPair, 9);
    EXPECT_EQ(t5r2.boards, (std::vector<int>{1, 2, 3, 4, 5}));

    // A stranger guessing table 2's code is slowed down and then locked out.
    const std::string wrong = R"({"table":2,"code":"AAAA"})";
    for (int i = 0; i < 3; ++i) EXPECT_EQ(e.send(TableCall::Login, wrong, "10.0.0.66").status, 401);
    // One second to wait, said as one: "1 sekund", not "1 sekunder".
    const Reply slowed = e.send(TableCall::Login, wrong, "10.0.0.66");
    EXPECT_EQ(slowed.status, 429);
    EXPECT_NE(slowed.body.find("V\\u00e4nta 1 sekund och"), std::string::npos) << slowed.body;
    e.now += 1'500;
    e.send(TableCall::Login, wrong, "10.0.0.66");
    EXPECT_NE(e.send(TableCall::Login, wrong, "10.0.0.66").body.find("V\\u00e4nta 2 sekunder och"),
              std::string::npos);
    for (int i = 4; i < 10; ++i) {
        e.now += 31'000;
        EXPECT_EQ(e.send(TableCall::Login, wrong, "10.0.0.66").status, 401);
    }
    e.now += 31'000;
    const std::string right = R"({"table":2,"code":")" + e.code(2) + R"("})";
    EXPECT_EQ(e.send(TableCall::Login, right, "10.0.0.66").status, 403);
    // The director's desk lists the phone locked out, and the table it tried.
    std::vector<LockOut> locked = e.service.lockOuts(e.now);
    ASSERT_EQ(locked.size(), 1u);
    EXPECT_EQ(lockOutText(e.contest, locked[0]), "10.0.0.66, bord 2: utel\xe5st 10 minuter till");
    e.now += 509'000;  // a minute left
    EXPECT_EQ(lockOutText(e.contest, e.service.lockOuts(e.now).at(0)),
              "10.0.0.66, bord 2: utel\xe5st 1 minut till");
    // Only a phone locked out can be let in; the director lets this one in, and its right
    // code opens the table at once, with neither the phone's nor the table's count slowing it.
    EXPECT_FALSE(e.service.liftLockOut("10.0.0.2", e.now));
    EXPECT_TRUE(e.service.liftLockOut("10.0.0.66", e.now));
    EXPECT_TRUE(e.service.lockOuts(e.now).empty());
    EXPECT_FALSE(e.service.liftLockOut("10.0.0.66", e.now));
    EXPECT_EQ(e.send(TableCall::Login, right, "10.0.0.66").status, 200);
    EXPECT_EQ(e.send(TableCall::Login, right, "10.0.0.2").status, 200);
    // Table 1's code does not open table 2.
    EXPECT_EQ(e.send(TableCall::Login, R"({"table":2,"code":")" + e.code(1) + R"("})", "10.0.0.3").status,
              401);

    // Round 1: every table plays its five boards; 4S by North, 10 tricks, on all.
    for (int t = 1; t <= 5; ++t)
        for (int k = 0; k < 5; ++k) {
            const int board = 5 * (t - 1) + 1 + k;
            const Reply r =
                e.submit(t, board, "4S", "N", 10, "t" + std::to_string(t) + "-" + std::to_string(board));
            ASSERT_EQ(r.outcome, TableOutcome::Store) << r.body;
        }
    EXPECT_EQ(e.score(1, 1, 6), 420);  // board 1: nobody vulnerable
    EXPECT_EQ(e.score(7, 2, 7), 620);  // board 7: NS vulnerable
    EXPECT_EQ(currentTableRound(e.contest, 1, false), 2);

    // A retry of an acknowledged entry, and the same result from the partner's phone.
    EXPECT_EQ(e.submit(3, 11, "4S", "N", 10, "t3-11").outcome, TableOutcome::Duplicate);
    EXPECT_EQ(e.submit(3, 11, "4S", "N", 10, "partner-1").outcome, TableOutcome::Duplicate);
    // An entry id reused for another result is refused.
    EXPECT_EQ(e.submit(3, 11, "3NT", "S", 9, "t3-11").status, 409);

    // Round 2 at table 1 (boards 6-10, EW pair 10); a board of another table is refused,
    // and so is a result outside 0..13 tricks.
    EXPECT_EQ(e.submit(1, 6, "3NT", "S", 10, "t1-6b").outcome, TableOutcome::Store);
    EXPECT_EQ(e.score(6, 1, 10), 430);  // board 6: EW vulnerable
    EXPECT_EQ(e.submit(1, 11, "4S", "N", 10, "t1-11").status, 422);
    EXPECT_EQ(e.submit(1, 7, "4S", "N", 14, "t1-7").status, 400);
    EXPECT_EQ(
        e.send(TableCall::Submit, R"({"table":1,"code":")" + e.code(1) +
                                      R"(","entry":"x","board":7,"contract":"8S","declarer":"N","tricks":9})")
            .status,
        400);

    // Table 1 corrects board 1 of its previous round: held for the director, who accepts.
    const Reply held = e.submit(1, 1, "4S", "N", 11, "t1-1b");
    EXPECT_EQ(held.outcome, TableOutcome::Conflict);
    EXPECT_EQ(e.submit(1, 1, "4S", "N", 11, "t1-1c").outcome, TableOutcome::Conflict);  // held once
    ASSERT_EQ(e.service.conflicts().size(), 1u);
    EXPECT_EQ(e.score(1, 1, 6), 420);
    const auto accepted = e.service.acceptConflict(e.service.conflicts()[0].id);
    ASSERT_TRUE(accepted);
    ASSERT_EQ(storeTableResult(e.contest, *accepted), "");
    EXPECT_EQ(e.score(1, 1, 6), 450);

    // The director typed board 7 for table 1; the phone's other result is held and rejected.
    test::enter(e.contest, 7, 1, 10, 100);
    EXPECT_EQ(e.submit(1, 7, "2H", "E", 9, "t1-7").outcome, TableOutcome::Conflict);
    ASSERT_TRUE(e.service.rejectConflict(e.service.conflicts().at(0).id));
    EXPECT_EQ(e.score(7, 1, 10), 100);
    // The phone waiting on them hears both decisions with its round answer, in any round.
    const std::string decisions =
        R"("decided":[{"accepted":true,"board":1,"entry":"t1-1b"},{"accepted":false,"board":7,"entry":"t1-7"}])";
    for (int round : {1, 3}) {
        const Reply r = e.send(TableCall::Round, R"({"table":1,"code":")" + e.code(1) + R"(","round":)" +
                                                     std::to_string(round) + "}");
        EXPECT_NE(r.body.find(decisions), std::string::npos) << r.body;
    }
    EXPECT_NE(e.send(TableCall::Round, R"({"table":2,"code":")" + e.code(2) + R"(","round":1})")
                  .body.find(R"("decided":[])"),
              std::string::npos);
    // The same score as typed only adds its contract.
    EXPECT_EQ(e.submit(1, 7, "3NT", "W", 8, "t1-7d").outcome, TableOutcome::Store);
    EXPECT_EQ(e.contest.contracts.at({7, 1, 10}).contract.level, 3);

    // Others' results of a board show once the table has given its own.
    EXPECT_EQ(e.send(TableCall::Results, R"({"table":2,"code":")" + e.code(2) + R"(","board":11})").status,
              403);
    const Reply slip = e.send(TableCall::Results, R"({"table":1,"code":")" + e.code(1) + R"(","board":6})");
    EXPECT_NE(slip.body.find(R"("contract":"3NT")"), std::string::npos) << slip.body;

    // Rounds 2 and 3 finished at table 1: round 1 is no longer open to it.
    for (int b = 8; b <= 10; ++b) e.submit(1, b, "pass", "N", 0, "p" + std::to_string(b));
    for (int b = 11; b <= 15; ++b) e.submit(1, b, "1C", "N", 7, "q" + std::to_string(b));
    EXPECT_EQ(currentTableRound(e.contest, 1, false), 4);
    EXPECT_EQ(e.submit(1, 2, "4S", "N", 9, "late").status, 422);
    EXPECT_EQ(e.score(8, 1, 10), 0);

    // The contracts survive in their side file.
    test::ContestFixture again;
    ASSERT_EQ(readContracts(again.c(), writeContracts(e.contest)), "");
    EXPECT_EQ(again.c().contracts, e.contest.contracts);
    EXPECT_EQ(e.contest.contracts.size(), 25u + 1 + 1 + 3 + 5);
}

TEST(TableEvening, TablesTypeTheirPairsWithoutAMovement) {
    Evening e;
    test::setUp(e.contest, 4, 2, 4);
    test::seatPairs(e.contest, 4);
    ASSERT_FALSE(tablesFollowMovement(e.contest));
    e.start(true);
    ASSERT_EQ(e.service.codes().tables.size(), 2u);
    EXPECT_EQ(e.submit(1, 1, "1NT", "S", 8, "a", R"(,"ns":1,"ew":2)").outcome, TableOutcome::Store);
    // The pairing is laid on the other board of the round too, as a grid row is.
    EXPECT_EQ(e.score(2, 1, 2), kNoScore);
    EXPECT_EQ(e.score(1, 1, 2), 120);
    EXPECT_EQ(e.submit(2, 1, "1NT", "S", 8, "b", R"(,"ns":3,"ew":1)").status, 422);
    EXPECT_EQ(e.submit(2, 1, "1NT", "S", 8, "c", R"(,"ns":3,"ew":5)").status, 422);
    EXPECT_EQ(e.submit(2, 1, "1NT", "S", 6, "d", R"(,"ns":3,"ew":4)").outcome, TableOutcome::Store);
    EXPECT_EQ(e.score(1, 3, 4), -50);
    EXPECT_EQ(e.contest.boards[1].resultCount, 2);
    // A table reads and writes only the pairs it typed: table 2 claiming pairs 1 and 2 is refused.
    const auto call = [&](TableCall what, int table, const std::string& rest) {
        return e.send(what, R"({"table":)" + std::to_string(table) + R"(,"code":")" + e.code(table) + "\"" +
                                rest + "}");
    };
    const std::string oneTwo = R"(,"board":1,"ns":1,"ew":2)";
    EXPECT_EQ(call(TableCall::Results, 1, oneTwo).status, 200);
    EXPECT_EQ(call(TableCall::Results, 2, oneTwo).status, 403);
    EXPECT_EQ(call(TableCall::Round, 2, R"(,"round":1,"ns":1,"ew":2)").status, 403);
    const Reply taken = e.submit(2, 2, "1NT", "S", 8, "e", R"(,"ns":1,"ew":2)");
    EXPECT_EQ(taken.status, 422);
    EXPECT_NE(taken.body.find("Par 1 sitter vid bord 1"), std::string::npos) << taken.body;
    EXPECT_EQ(e.score(2, 1, 2), kNoScore);
    // In round 2 table 2 mistypes its pairs as 1 and 3: table 1, where they sit, is refused
    // until the director has taken the row out of the grid.
    EXPECT_EQ(e.submit(2, 3, "2S", "N", 8, "f", R"(,"ns":1,"ew":3)").outcome, TableOutcome::Store);
    EXPECT_EQ(e.submit(1, 3, "2S", "N", 9, "g", R"(,"ns":1,"ew":3)").status, 422);
    for (int board : {3, 4}) removePair(e.contest.boards[board], 1);
    EXPECT_EQ(e.submit(1, 3, "2S", "N", 9, "g", R"(,"ns":1,"ew":3)").outcome, TableOutcome::Store);
    EXPECT_EQ(e.submit(2, 3, "2S", "N", 8, "h", R"(,"ns":2,"ew":4)").outcome, TableOutcome::Store);
    // The seats survive in the side file, so a restart keeps them.
    TableEntries back;
    ASSERT_EQ(readTableEntries(back, writeTableEntries(e.service.entries())), "");
    EXPECT_EQ(back.seats, e.service.entries().seats);
    EXPECT_EQ(back.seats.size(), 5u);
}

}  // namespace
}  // namespace vindelkast

namespace vindelkast {
namespace {

TEST(TableEvening, HowellTablesKeepTheirNumbersAndCodesSurvive) {
    Evening e;
    test::setUp(e.contest, 21, 7, 8);
    buildBuiltInMovement(e.contest);
    ASSERT_EQ(tableCountOfEvening(e.contest, false), 4);
    for (int r = 1; r <= 7; ++r) {
        const std::vector<TableSeat> seats = roundTables(e.contest, r, false);
        ASSERT_EQ(seats.size(), 4u);
        std::set<int> seated;
        for (std::size_t t = 0; t < seats.size(); ++t) {
            EXPECT_EQ(seats[t].table, static_cast<int>(t) + 1);
            EXPECT_EQ(seats[t].boards.size(), 3u);
            seated.insert({seats[t].nsPair, seats[t].ewPair});
        }
        EXPECT_EQ(seated.size(), 8u) << "round " << r;
        // The stationary pair keeps table 1, and a table's boards move on one group per round.
        EXPECT_EQ(seats[0].nsPair, 8);
        EXPECT_EQ(seats[0].boards.front(), 3 * (r - 1) + 1);
    }

    e.start(false);
    TableCodes back;
    ASSERT_EQ(readTableCodes(back, writeTableCodes(e.service.codes())), "");
    EXPECT_EQ(back, e.service.codes());
    EXPECT_EQ(tableOfCode(back, " " + std::string(1, static_cast<char>(std::tolower(back.tables[3][0]))) +
                                    back.tables[3].substr(1)),
              4);
    EXPECT_NE(readTableCodes(back, "%BORDKODER 1\r\nledare ACDEFH\r\nbord 2 AC34\r\n"), "");
    const TableCodes drawn = makeTableCodes(4, false);
    EXPECT_NE(drawn.tables, makeTableCodes(4, false).tables);
    for (const std::string& code : drawn.tables) {
        ASSERT_EQ(code.size(), 8u);
        EXPECT_EQ(code.find_first_not_of(kCodeAlphabet), std::string::npos) << code;
    }
    // A slip shows the code in two groups; typed so, it opens its table.
    const std::string shown = codeForReading(back.tables[2]);
    EXPECT_EQ(shown, back.tables[2].substr(0, 4) + " " + back.tables[2].substr(4));
    EXPECT_EQ(tableOfCode(back, shown), 3);
    // An evening saved with the short codes of before goes on with them; a code of another
    // length is no code.
    ASSERT_EQ(readTableCodes(back, "%BORDKODER 1\r\nledare ACDEFH\r\nbord 1 AC34\r\nbord 2 X7WY\r\n"), "");
    EXPECT_EQ(tableOfCode(back, "x7wy"), 2);
    EXPECT_NE(readTableCodes(back, "%BORDKODER 1\r\nledare ACDEFH\r\nbord 1 ACDEF\r\n"), "");
}

}  // namespace
}  // namespace vindelkast
