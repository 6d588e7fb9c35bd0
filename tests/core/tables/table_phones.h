#pragma once

// An evening of the tables' phones driven through the table service: each request read from
// its JSON text and each decided store done the way the session does it.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "files/contest_on_disk.h"
#include "files/recovery_file.h"
#include "model/board_results.h"
#include "model/version.h"
#include "movement/guide_card.h"
#include "movement/table_rounds.h"
#include "support/sample_contests.h"
#include "tables/table_codes.h"
#include "tables/table_entries.h"
#include "tables/table_request.h"
#include "tables/table_service.h"
#include "tables/table_store.h"

namespace vindelkast::test {

struct Reply {
    TableOutcome outcome = TableOutcome::Invalid;
    int status = 0;
    std::string body;
};

class Evening {
public:
    test::ContestFixture fixture;
    Contest& contest = fixture.c();
    TableService service{TableCodes{}};
    std::int64_t now = 1'000'000;

    void start(bool pairsTyped) {
        service = TableService(makeTableCodes(tableCountOfEvening(contest, pairsTyped), pairsTyped, 7));
    }
    // Ten pairs at five tables on the bundled Mitchell card: 25 boards, five a round.
    std::string layTenPairMitchell() {
        test::setUp(contest, 25, 5, 10);
        test::seatPairs(contest, 10);
        Movement movement;
        return readGuideCardFile(VK_SOURCE_DIR "/examples/P10_mitchell.gui", movement, contest.boards)
            .message;
    }
    std::string code(int table) const { return service.codes().tables.at(table - 1); }

    Reply send(TableCall call, const std::string& json, const std::string& client = "10.0.0.1") {
        const TableRequestReading reading = readTableRequest(call, json);
        if (!reading.message.empty()) return {TableOutcome::Invalid, 400, "parse: " + reading.message};
        TableDecision d = service.handle(contest, reading.request, client, now);
        if (d.outcome == TableOutcome::Store) {
            EXPECT_EQ(storeTableResult(contest, d.store), "");
            d.body = service.storedAnswer(contest, d.store);
        }
        return {d.outcome, d.status, d.body};
    }
    Reply submit(int table, int board, const std::string& contract, const std::string& declarer, int tricks,
                 const std::string& entry, const std::string& extra = "") {
        return send(TableCall::Submit, R"({"table":)" + std::to_string(table) + R"(,"code":")" + code(table) +
                                           R"(","entry":")" + entry + R"(","board":)" +
                                           std::to_string(board) + R"(,"contract":")" + contract +
                                           R"(","declarer":")" + declarer + R"(","tricks":)" +
                                           std::to_string(tricks) + extra + "}");
    }
    int score(int board, int ns, int ew) const {
        const BoardResult* r = findResult(contest.boards[board], ns, ew);
        return r ? r->nsScore : -1;
    }
};

// What the program holds while an evening goes on, as its session keeps it: the contest, the
// tables' service, and the side files that carry both to disk and through the recovery file.
struct HeldEvening {
    ContestFixture fixture;
    std::optional<TableService> tables;
    Contest& contest() { return fixture.c(); }
    std::vector<SideFile> sides() {
        std::vector<SideFile> all = contestSideFiles(true);
        all.push_back(
            {kTableCodesExtension,
             [this](const Contest&) { return tables ? writeTableCodes(tables->codes()) : std::string(); },
             [this](Contest&, const std::string& text) {
                 TableCodes codes;
                 std::string problem = readTableCodes(codes, text);
                 if (problem.empty()) tables.emplace(std::move(codes));
                 return problem;
             }});
        all.push_back(
            {kTableEntriesExtension,
             [this](const Contest&) { return tables ? writeTableEntries(tables->entries()) : std::string(); },
             [this](Contest&, const std::string& text) {
                 TableEntries entries;
                 std::string problem = readTableEntries(entries, text);
                 if (problem.empty() && tables) tables->takeEntries(std::move(entries));
                 return problem;
             }});
        return all;
    }
    // A table's phone sends a result: decided, and stored as the session stores it.
    TableDecision submit(int table, int board, const std::string& contract, const std::string& declarer,
                         int tricks, const std::string& entry, std::int64_t nowMs) {
        const TableRequestReading reading = readTableRequest(
            TableCall::Submit,
            R"({"table":)" + std::to_string(table) + R"(,"code":")" + tables->codes().tables.at(table - 1) +
                R"(","entry":")" + entry + R"(","board":)" + std::to_string(board) + R"(,"contract":")" +
                contract + R"(","declarer":")" + declarer + R"(","tricks":)" + std::to_string(tricks) + "}");
        TableDecision d;
        d.body = reading.message;
        if (!reading.message.empty()) return d;
        d = tables->handle(contest(), reading.request, "10.0.0.1", nowMs);
        if (d.outcome != TableOutcome::Store) return d;
        d.body = storeTableResult(contest(), d.store);
        if (d.body.empty()) return {d.outcome, d.status, tables->storedAnswer(contest(), d.store), d.store};
        d.outcome = TableOutcome::Invalid;
        return d;
    }
    // The recovery text as the session writes it after every change, and the evening brought
    // back from one into this empty holder ("" or what went wrong).
    std::string recoveryText() {
        return vindelkast::recoveryText(contest(), {}, kVersionText, recoverySections(contest(), sides()));
    }
    // The contest file and its side files read as opening them does ("" or what went wrong).
    std::string open(const std::string& path) {
        const ContestReadResult read = readContestOnDisk(contest(), path);
        if (read.kind != ContestReadResult::Kind::Ok) return read.message;
        const std::vector<SideProblem> unread = readSideFiles(contest(), path, sides());
        return unread.empty() ? "" : unread.front().shown();
    }
    std::string recover(const std::string& text) {
        RecoverySettings settings;
        std::string contestText;
        std::vector<RecoverySection> parts;
        if (std::string problem = parseRecoveryText(text, settings, contestText, &parts); !problem.empty())
            return problem;
        std::istringstream in(contestText);
        if (const ContestReadResult read = readContestFile(contest(), in);
            read.kind != ContestReadResult::Kind::Ok)
            return read.message;
        return readRecoverySections(contest(), sides(), parts);
    }
};

}  // namespace vindelkast::test
