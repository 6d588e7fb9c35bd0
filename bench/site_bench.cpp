#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "output/results_site.h"
#include "support/sample_analysis.h"
#include "support/sample_contests.h"
#include "support/sample_evening.h"

namespace vindelkast {
namespace {

// The largest contest, 71 boards at 36 tables, with names, deals, contracts and analyses:
// 1 standings page, 72 pair cards of 71 boards each and 71 board pages of 36 results.
struct LargestPlayed : test::ContestFixture {
    LargestPlayed() {
        test::fillRegister(*reg, 144);
        test::fillLargestContest(*contest);
        test::seatPairs(*contest, 72);
        contest->contestName = "Klubbens st\xf6rsta kv\xe4ll";
        contest->contestDate = "2024-10-08";
        test::dealEveryBoard(*contest, 71);
        test::playWithContracts(*contest);
        test::keepSampleAnalyses(*contest);
    }
};

// Every page made in memory.
void BM_ResultsSitePagesLargest(benchmark::State& state) {
    LargestPlayed f;
    for (auto _ : state) benchmark::DoNotOptimize(resultsSite(f.c(), publishedView(f.c())).size());
}
BENCHMARK(BM_ResultsSitePagesLargest)->Unit(benchmark::kMillisecond);

// The whole folder written as `vindelkast-cli site` writes it, flushed to disk.
void BM_ResultsSiteWrittenLargest(benchmark::State& state) {
    LargestPlayed f;
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("vk_site_bench_" + std::to_string(::getpid()))).string();
    for (auto _ : state) {
        const std::string message = writeResultsSite(f.c(), folder);
        if (!message.empty()) state.SkipWithError(message.c_str());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ResultsSiteWrittenLargest)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vindelkast
