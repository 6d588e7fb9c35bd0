#include <benchmark/benchmark.h>

#include <string>

#include "model/board_results.h"
#include "movement/table_rounds.h"
#include "support/sample_contests.h"
#include "tables/table_request.h"
#include "tables/table_service.h"

namespace vindelkast {
namespace {

// 36 tables, 72 pairs, 35 rounds of 2 boards: NS stay, EW and the boards move on.
void layEvening(Contest& contest) {
    test::setUp(contest, 70, 35, 72);
    for (int r = 1; r <= 35; ++r)
        for (int t = 0; t < 36; ++t) {
            const int group = (t + r - 1) % 35;
            for (int b = 2 * group + 1; b <= 2 * group + 2; ++b)
                addResult(contest.boards[b], t + 1, 37 + (t + r - 1) % 36, r, kNoScore, 0.0f, 0.0f, true);
        }
}

// One phone's result from request text to stored score and answer, as the server does it,
// with every table submitting the first board of its round in turn.
void BM_TableSubmitAndStore(benchmark::State& state) {
    test::ContestFixture f;
    layEvening(f.c());
    TableService service(makeTableCodes(36, false, 3));
    int n = 0;
    for (auto _ : state) {
        const int table = n % 36 + 1;
        const TableSeat seat = tableSeat(f.c(), table, currentTableRound(f.c(), table, false), false);
        const std::string body = R"({"table":)" + std::to_string(table) + R"(,"code":")" +
                                 service.codes().tables[table - 1] + R"(","entry":"e)" + std::to_string(n++) +
                                 R"(","board":)" + std::to_string(seat.boards.front()) +
                                 R"(,"contract":"4S","declarer":"N","tricks":10})";
        const TableRequestReading reading = readTableRequest(TableCall::Submit, body);
        TableDecision d = service.handle(f.c(), reading.request, "bench", n);
        if (d.outcome == TableOutcome::Store) {
            storeTableResult(f.c(), d.store);
            d.body = service.storedAnswer(f.c(), d.store);
        }
        benchmark::DoNotOptimize(d.body.size());
    }
}
BENCHMARK(BM_TableSubmitAndStore)->Unit(benchmark::kMicrosecond)->Iterations(36 * 20);

// A phone asking for its round, as every phone on view does every five seconds: the round
// with the evening's progress and, half-way through the evening, where the pairs go next.
void BM_TableRoundPoll(benchmark::State& state) {
    test::ContestFixture f;
    layEvening(f.c());
    for (int r = 1; r <= 17; ++r)
        for (const TableSeat& seat : roundTables(f.c(), r, false))
            for (int b : seat.boards) test::enter(f.c(), b, seat.nsPair, seat.ewPair, 420);
    TableService service(makeTableCodes(36, false, 3));
    int n = 0;
    for (auto _ : state) {
        const int table = n++ % 36 + 1;
        const std::string body = R"({"table":)" + std::to_string(table) + R"(,"code":")" +
                                 service.codes().tables[table - 1] + R"(","round":17})";
        const TableRequestReading reading = readTableRequest(TableCall::Round, body);
        const TableDecision d = service.handle(f.c(), reading.request, "bench", n);
        benchmark::DoNotOptimize(d.body.size());
    }
}
BENCHMARK(BM_TableRoundPoll)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vindelkast
