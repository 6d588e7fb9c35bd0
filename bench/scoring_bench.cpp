#include <benchmark/benchmark.h>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/standings.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// One board of 36 results, scored afresh as result entry does after every keystroke.
void BM_ScoreBoard36(benchmark::State& state) {
    test::ContestFixture f;
    test::fillLargestContest(f.c());
    Board& board = f.c().boards[17];
    for (auto _ : state) {
        scoreBoard(board, ScoringRule{});
        benchmark::DoNotOptimize(board.results[0].nsPoints);
    }
}
BENCHMARK(BM_ScoreBoard36);

// Standings of the largest contest: 71 boards, 72 pairs, every result scored.
void BM_ContestTotalsLargest(benchmark::State& state) {
    test::ContestFixture f;
    test::fillLargestContest(f.c());
    for (auto _ : state) {
        Totals t = contestTotals(f.c());
        benchmark::DoNotOptimize(t.total[1]);
    }
}
BENCHMARK(BM_ContestTotalsLargest)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vindelkast
