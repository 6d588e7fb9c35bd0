#pragma once

// An evening of the tables' phones driven through the table service: each request read from
// its JSON text and each decided store done the way the session does it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/board_results.h"
#include "movement/guide_card.h"
#include "support/sample_contests.h"
#include "tables/table_codes.h"
#include "tables/table_request.h"
#include "tables/table_rounds.h"
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

}  // namespace vindelkast::test
