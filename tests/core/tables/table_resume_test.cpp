// What the tables sent survives a crash: the service taken back from its side files answers a
// resent entry as before and still holds the result waiting for the director. And a table's
// own phone is never held up by someone guessing its code.
#include <gtest/gtest.h>

#include <string>

#include "model/version.h"
#include "table_phones.h"
#include "tables/login_guard_file.h"
#include "tables/table_batch.h"
#include "tables/table_entries.h"
#include "tables/table_status_view.h"

namespace vindelkast {
namespace {

using test::Evening;
using test::Reply;

// Five tables of a Mitchell, 5 boards a round.
void setUpMitchell(Evening& e) {
    ASSERT_EQ(e.layTenPairMitchell(), "");
    e.start(false);
}

std::string login(int table, const std::string& code) {
    return R"({"table":)" + std::to_string(table) + R"(,"code":")" + code + R"("})";
}

TEST(TableResume, EntriesAndHeldResultsComeBackFromTheSideFile) {
    Evening e;
    setUpMitchell(e);
    for (int b = 1; b <= 5; ++b)
        ASSERT_EQ(e.submit(1, b, "4S", "N", 10, "t1-" + std::to_string(b)).outcome, TableOutcome::Store);
    std::uint64_t revision = e.service.revision();
    // Two other results for stored slots are held: one whose slot has a contract, one typed.
    test::enter(e.contest, 6, 2, 7, 100);
    EXPECT_EQ(e.submit(1, 2, "4S", "N", 8, "t1-2x").outcome, TableOutcome::Conflict);
    EXPECT_EQ(e.submit(2, 6, "2H", "E", 9, "t2-6").outcome, TableOutcome::Conflict);
    EXPECT_GT(e.service.revision(), revision);
    // Reading calls and resent entries change nothing that is kept.
    revision = e.service.revision();
    EXPECT_EQ(e.submit(1, 3, "4S", "N", 10, "t1-3").outcome, TableOutcome::Duplicate);
    EXPECT_EQ(e.send(TableCall::Round, login(1, e.code(1))).status, 200);
    EXPECT_EQ(e.service.revision(), revision);

    // The side file, read back into a fresh service (the program after a crash).
    const std::string text = writeTableEntries(e.service.entries());
    TableEntries entries;
    ASSERT_EQ(readTableEntries(entries, text), "");
    EXPECT_EQ(entries, e.service.entries());
    EXPECT_EQ(writeTableEntries(entries), text);
    const std::vector<PendingConflict> held = e.service.conflicts();
    ASSERT_EQ(held.size(), 2u);
    EXPECT_TRUE(held[0].existingHasContract);
    EXPECT_FALSE(held[1].existingHasContract);
    TableCodes codes;
    ASSERT_EQ(readTableCodes(codes, writeTableCodes(e.service.codes())), "");
    e.service = TableService(codes);
    e.service.takeEntries(entries);

    // A resent entry is known; the same entry with another result is refused as such (a new
    // entry would have been held as a conflict).
    EXPECT_EQ(e.submit(1, 3, "4S", "N", 10, "t1-3").outcome, TableOutcome::Duplicate);
    const Reply other = e.submit(1, 3, "4S", "N", 9, "t1-3");
    EXPECT_EQ(other.status, 409);
    EXPECT_NE(other.body.find(R"("status":"fel")"), std::string::npos) << other.body;
    // The held results wait as they did, on the desk's pane too; a new one gets a new number.
    EXPECT_EQ(e.service.conflicts(), held);
    EXPECT_EQ(conflictText(e.contest, e.service.conflicts()[0]), conflictText(e.contest, held[0]));
    EXPECT_EQ(e.submit(1, 4, "4S", "N", 7, "t1-4x").outcome, TableOutcome::Conflict);
    EXPECT_EQ(e.service.conflicts().back().id, held.back().id + 1);
    const auto accepted = e.service.acceptConflict(held[0].id);
    ASSERT_TRUE(accepted);
    ASSERT_EQ(storeTableResult(e.contest, *accepted), "");
    e.service.storedAnswer(e.contest, *accepted);
    EXPECT_EQ(e.score(2, 1, 6), -200);  // board 2: NS vulnerable, two down
    EXPECT_EQ(e.submit(1, 2, "4S", "N", 8, "t1-2x").outcome, TableOutcome::Duplicate);

    // The director's decisions and the published results pages come back too.
    ASSERT_TRUE(e.service.rejectConflict(e.service.conflicts().at(0).id));
    e.service.publishResults();
    TableEntries decided;
    ASSERT_EQ(readTableEntries(decided, writeTableEntries(e.service.entries())), "");
    EXPECT_EQ(decided, e.service.entries());
    EXPECT_TRUE(decided.published);
    ASSERT_EQ(decided.decided.size(), 2u);
    EXPECT_TRUE(decided.decided.at("t1-2x").accepted);
    EXPECT_FALSE(decided.decided.at("t2-6").accepted);
    TableEntries onlyPublished;
    onlyPublished.published = true;
    EXPECT_EQ(writeTableEntries(onlyPublished), "%BORDPOSTER 1\r\npublicerad\r\n");
}

// Results submitted together are one batch; the owner writes the recovery file once and the
// batch's answers follow what that write did.
struct Batches {
    Evening& e;
    TableSubmissions submissions;
    TableBatch decide(int board, int tricks, const std::string& entry) {
        const std::string json = R"({"table":1,"code":")" + e.code(1) + R"(","entry":")" + entry +
                                 R"(","board":)" + std::to_string(board) +
                                 R"(,"contract":"4S","declarer":"N","tricks":)" + std::to_string(tricks) +
                                 "}";
        return submissions.decide(e.contest, e.service,
                                  {{readTableRequest(TableCall::Submit, json).request, "p"}}, e.now);
    }
};

TEST(TableResume, NothingIsAcknowledgedThatTheRecoveryFileDoesNotHold) {
    Evening e;
    setUpMitchell(e);
    Batches b{e, {}};
    const std::string fails = "Kunde inte skriva filen vindelkast-aterstall.txt";
    const TableBatch first = b.decide(1, 10, "t1-1");
    EXPECT_TRUE(first.needsWrite);
    const BatchReply told = b.submissions.answer(first, "").at(0);
    EXPECT_EQ(told.status, 200);
    EXPECT_NE(told.body.find(R"("status":"lagrat")"), std::string::npos) << told.body;
    // Sent again once secured: "redan" without a write.
    const TableBatch again = b.decide(1, 10, "t1-1");
    EXPECT_FALSE(again.needsWrite);
    EXPECT_NE(b.submissions.answer(again, "").at(0).body.find(R"("status":"redan")"), std::string::npos);

    // The folder cannot be written. Board 2 is stored in memory; while its failed write is being
    // told (a message box runs the event loop), the phone sends the entry again: that batch is
    // decided and answered before the first one is.
    const TableBatch lost = b.decide(2, 10, "t1-2");
    EXPECT_TRUE(b.submissions.unsecured());
    const TableBatch resent = b.decide(2, 10, "t1-2");
    EXPECT_TRUE(resent.needsWrite);
    for (const TableBatch* batch : {&resent, &lost}) {
        const std::vector<BatchReply> replies = b.submissions.answer(*batch, fails);
        EXPECT_EQ(replies.at(0).status, 503);
        EXPECT_EQ(replies.at(0).body.find("redan"), std::string::npos) << replies.at(0).body;
        EXPECT_EQ(replies.at(0).body.find("lagrat"), std::string::npos);
        EXPECT_NE(replies.at(0).body.find("vindelkast-aterstall.txt"), std::string::npos);
    }
    // Until a write succeeds every re-send writes again and hears 503, and so does a result
    // held for the director (a held result is not held until it is secured).
    EXPECT_EQ(b.submissions.answer(b.decide(2, 10, "t1-2"), fails).at(0).status, 503);
    const TableBatch held = b.decide(2, 8, "t1-2x");
    EXPECT_TRUE(held.needsWrite);
    EXPECT_EQ(b.submissions.answer(held, fails).at(0).status, 503);
    // Writable again: the re-send is written and acknowledged; the next one needs no write.
    const TableBatch secured = b.decide(2, 10, "t1-2");
    EXPECT_TRUE(secured.needsWrite);
    EXPECT_NE(b.submissions.answer(secured, "").at(0).body.find(R"("status":"redan")"), std::string::npos);
    EXPECT_FALSE(b.submissions.unsecured());
    EXPECT_FALSE(b.decide(2, 10, "t1-2").needsWrite);

    // A good write secures only what was decided before it: a batch decided while an earlier
    // good write is still being answered stays unsecured after its own write failed.
    const TableBatch early = b.decide(3, 10, "t1-3");
    const TableBatch late = b.decide(4, 10, "t1-4");
    EXPECT_EQ(b.submissions.answer(late, fails).at(0).status, 503);
    EXPECT_EQ(b.submissions.answer(early, "").at(0).status, 200);
    EXPECT_TRUE(b.submissions.unsecured());
    const TableBatch late2 = b.decide(4, 10, "t1-4");
    EXPECT_TRUE(late2.needsWrite);
    EXPECT_EQ(b.submissions.answer(late2, fails).at(0).status, 503);
    // The director's own changes wait for a write the same way.
    const std::uint64_t mark = b.submissions.changed();
    b.submissions.written(mark, "");
    EXPECT_FALSE(b.submissions.unsecured());
}

TEST(TableResume, ABrokenSideFileIsRefusedAndChangesNothing) {
    TableEntries entries;
    entries.stored["kept"] = {};
    const TableEntries before = entries;
    const std::string head = "%BORDPOSTER 1\r\n";
    for (const std::string& bad :
         {std::string("%BORDKODER 1\r\n"), head + "post a b\r\n", head + "post a 72 1 2 4S N 10\r\n",
          head + "post a 1 3 3 4S N 10\r\n", head + "post a! 1 1 2 4S N 10\r\n",
          head + "post a 1 1 2 4S N 10\r\npost a 2 1 2 4S N 10\r\n", head + "post a 1 1 2 8S N 10\r\n",
          head + "konflikt 1 1 1 1 1 6 0 0 0 x 420 4S N 11 4S\r\n",
          head + "konflikt 1 1 1 1 1 6 0 0 0 x 420 4S N 11\r\nkonflikt 1 1 1 2 1 6 0 0 0 y 420 4S N 11\r\n",
          head + "okand rad\r\n", head + std::string(600 * 1024, 'x')}) {
        EXPECT_NE(readTableEntries(entries, bad), "") << bad.substr(0, 80);
        EXPECT_EQ(entries, before);
    }
    EXPECT_EQ(writeTableEntries(TableEntries{}), "");
}

TEST(TableResume, ALoggedInPhoneIsNeverSlowedByOthersWrongCodes) {
    Evening e;
    setUpMitchell(e);
    const std::string phone = "10.0.0.1";  // the client Evening::submit sends from
    ASSERT_EQ(e.send(TableCall::Login, login(2, e.code(2)), phone).status, 200);

    // A stranger guesses table 2's code until it is slowed, then locked out.
    const std::string wrong = login(2, "AAAA");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(e.send(TableCall::Login, wrong, "10.0.0.66").status, 401);
    EXPECT_EQ(e.send(TableCall::Login, wrong, "10.0.0.66").status, 429);
    // The table's phone goes on at once, with every call.
    EXPECT_EQ(e.send(TableCall::Round, login(2, e.code(2)), phone).status, 200);
    EXPECT_EQ(e.submit(2, 6, "3NT", "S", 9, "t2-6").outcome, TableOutcome::Store);
    // A device that has not given the code before still waits: the wait tells a guesser nothing.
    EXPECT_EQ(e.send(TableCall::Login, login(2, e.code(2)), "10.0.0.7").status, 429);
    for (int i = 3; i < 10; ++i) {
        e.now += 31'000;
        EXPECT_EQ(e.send(TableCall::Login, wrong, "10.0.0.66").status, 401);
    }
    e.now += 31'000;
    EXPECT_EQ(e.send(TableCall::Login, login(2, e.code(2)), "10.0.0.66").status, 403);
    EXPECT_EQ(e.send(TableCall::Login, login(2, e.code(2)), phone).status, 200);
    // Known for table 2 is not known for table 3.
    EXPECT_EQ(e.send(TableCall::Login, login(3, "AAAA"), phone).status, 401);

    // Two hundred addresses share out the guessing of table 3, nine wrong codes each, one a
    // second. No more codes are tried than the table's limit allows a window, the table's phone
    // plays on, and a new phone is refused while the table is locked.
    ASSERT_EQ(e.send(TableCall::Login, login(3, e.code(3)), phone).status, 200);
    const std::string newPhone = "10.0.9.9";
    const std::int64_t start = e.now;
    int tried = 0;
    int lockedSeen = 0;
    for (int a = 0; a < 200; ++a) {
        const std::string guesser = "10.1." + std::to_string(a / 100) + "." + std::to_string(a % 100);
        for (int k = 0; k < 9; ++k) {
            e.now += 1'000;
            const int status = e.send(TableCall::Login, login(3, "AAAAAAAA"), guesser).status;
            ASSERT_TRUE(status == 401 || status == 429 || status == 403) << status;
            tried += status == 401;
        }
        const std::vector<TableAttack> attacks = e.service.tableAttacks(e.now);
        if (attacks.empty() || attacks[0].lockSeconds == 0) continue;
        ++lockedSeen;
        EXPECT_EQ(attacks[0].table, 3);
        EXPECT_EQ(e.send(TableCall::Round, login(3, e.code(3)), phone).status, 200);
        EXPECT_EQ(e.send(TableCall::Login, login(3, e.code(3)), newPhone).status, 403);
    }
    EXPECT_GT(lockedSeen, 0);
    EXPECT_GE(tried, kTableLockAfter);
    EXPECT_LE(tried, kTableLockAfter * ((e.now - start) / kTableWindowMs + 1));
    const std::vector<TableAttack> attack = e.service.tableAttacks(e.now);
    ASSERT_EQ(attack.size(), 1u);
    EXPECT_GT(attack[0].wrongCodes, 0);
    EXPECT_EQ(
        tableAttackText(e.contest, {3, 24, 17, 480}),
        "Bord 3: 24 felaktiga koder fr\xe5n 17 adresser \x96 l\xe5st f\xf6r nya telefoner i 8 minuter till");

    // A crash in the middle of it: the guard comes back from the recovery file, still locked,
    // its counts and the tables' phones as they were.
    const std::string recovery = recoveryText(
        e.contest, {}, kVersionText, {{kLoginGuardSection, writeGuardState(e.service.guardState())}});
    RecoverySettings settings;
    std::string contestText;
    std::vector<RecoverySection> sections;
    ASSERT_EQ(parseRecoveryText(recovery, settings, contestText, &sections), "");
    ASSERT_EQ(sections.size(), 1u);
    GuardState guard;
    ASSERT_EQ(readGuardState(guard, sections[0].text), "");
    EXPECT_EQ(guard, e.service.guardState());
    e.service = TableService(e.service.codes());
    e.service.restoreGuard(guard);
    EXPECT_EQ(e.send(TableCall::Login, login(3, e.code(3)), newPhone).status, 403);
    EXPECT_EQ(e.send(TableCall::Round, login(3, e.code(3)), phone).status, 200);
    EXPECT_EQ(e.send(TableCall::Login, login(3, "AAAAAAAA"), "10.2.0.1").status, 403);
    EXPECT_EQ(e.service.tableAttacks(e.now).at(0).wrongCodes, attack[0].wrongCodes + 1);
    // The director lifts the lock and the new phone comes in; or the lock runs out.
    EXPECT_FALSE(e.service.liftTableLock(4, e.now));
    ASSERT_TRUE(e.service.liftTableLock(3, e.now));
    EXPECT_EQ(e.send(TableCall::Login, login(3, e.code(3)), newPhone).status, 200);
    e.service.restoreGuard(guard);
    e.now += kTableLockMs + kTableWindowMs;
    EXPECT_EQ(e.send(TableCall::Login, login(3, e.code(3)), "10.0.9.10").status, 200);
    EXPECT_NE(readGuardState(guard, "%INLOGGNINGAR 1\r\nbord 37 0 0 0 0 0\r\n"), "");
}

}  // namespace
}  // namespace vindelkast
