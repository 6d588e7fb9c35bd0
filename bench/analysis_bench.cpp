#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>
#include <sstream>

#include "analysis/board_analysis.h"
#include "analysis/double_dummy.h"
#include "files/analysis_file.h"
#include "model/bridge_tables.h"
#include "model/result_order.h"
#include "output/pbn_export.h"
#include "output/xhtml_page.h"
#include "support/sample_analysis.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// Shuffled deals, the same on every run, on boards 1..count.
void dealShuffled(Contest& c, int count) {
    std::mt19937 random(20261208u);
    for (int b = 1; b <= count; ++b) {
        std::array<int, 52> codes{};
        for (int i = 0; i < 52; ++i) codes[i] = i + 1;
        for (int i = 51; i > 0; --i) std::swap(codes[i], codes[random() % static_cast<unsigned>(i + 1)]);
        for (int seat = 0; seat < 4; ++seat) {
            std::sort(codes.begin() + seat * 13, codes.begin() + seat * 13 + 13);
            for (int k = 0; k < 13; ++k) c.boards[b].deal[seat][k] = cardFromCode(codes[seat * 13 + k]);
        }
    }
    c.dealCount = count;
}

struct Evening36 : test::ContestFixture {
    Evening36() {
        test::setUp(c(), 36, 9, 20);
        dealShuffled(c(), 36);
    }
};

// The whole analysis of 36 boards as the program runs it: batches, progress, par.
void BM_Analyse36Boards(benchmark::State& state) {
    Evening36 f;
    const auto jobs = analysisJobs(f.c());
    for (auto _ : state) {
        int reported = 0;
        const AnalysisRun run = analyseBoards(jobs, [&reported](int done, int) {
            reported = done;
            return true;
        });
        benchmark::DoNotOptimize(run.analyses.size() + static_cast<std::size_t>(reported));
    }
}
BENCHMARK(BM_Analyse36Boards)->Unit(benchmark::kMillisecond)->Iterations(3);

// The solver's own batch call on the same 36 deals at once, tables only: the floor.
void BM_PlainSolver36Boards(benchmark::State& state) {
    Evening36 f;
    const auto jobs = analysisJobs(f.c());
    for (auto _ : state) benchmark::DoNotOptimize(plainSolverRun(jobs));
}
BENCHMARK(BM_PlainSolver36Boards)->Unit(benchmark::kMillisecond)->Iterations(3);

// Exporting the largest analysed contest again: page, PBN file and analysis file, all
// from the kept analysis.
void BM_ReexportAnalysedLargest(benchmark::State& state) {
    test::ContestFixture f;
    test::fillRegister(*f.reg, 144);
    test::fillLargestContest(f.c());
    test::seatPairs(f.c(), 72);
    dealShuffled(f.c(), 71);
    test::keepSampleAnalyses(f.c());
    for (auto _ : state) {
        std::ostringstream page;
        writeXhtml(f.c(), page, ScoreOrder);
        std::ostringstream pbn;
        writePbn(f.c(), pbn);
        benchmark::DoNotOptimize(page.str().size() + pbn.str().size() + analysisFileText(f.c()).size());
    }
}
BENCHMARK(BM_ReexportAnalysedLargest)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vindelkast
