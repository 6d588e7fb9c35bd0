#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "model/board_scoring.h"
#include "output/results_site.h"
#include "support/sample_analysis.h"
#include "support/sample_contests.h"
#include "support/sample_evening.h"
#include "tables/results_access.h"

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

std::string benchFolder(const std::string& name) {
    return (std::filesystem::temp_directory_path() / (name + std::to_string(::getpid()))).string();
}

// The whole folder written as `vindelkast-cli site` writes it, flushed to disk: published
// for the first time, into an empty folder.
void BM_ResultsSiteWrittenLargest(benchmark::State& state) {
    LargestPlayed f;
    const std::string folder = benchFolder("vk_site_bench_");
    for (auto _ : state) {
        const std::string message = writeResultsSite(f.c(), {}, folder);
        if (!message.empty()) state.SkipWithError(message.c_str());
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ResultsSiteWrittenLargest)->Unit(benchmark::kMillisecond)->UseRealTime();

// Published again over the last time's folder after the director has corrected a result.
void BM_ResultsSiteRepublishedLargest(benchmark::State& state) {
    LargestPlayed f;
    const std::string folder = benchFolder("vk_site_again_");
    // Published, then corrected board by board: every page of a corrected board carries its note.
    std::vector<JournalEntry> journal{{"2026-12-10 22:00:00", kDirectorSource, kPublishedWhat, "", "", {}}};
    writeResultsSite(f.c(), journal, folder);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BoardResult& corrected = f.c().boards[1 + round % 71].results[0];
        corrected.nsScore = corrected.nsScore == 420 ? 450 : 420;
        journal.push_back({"2026-12-10 22:41:00", kTypedSource, "resultat", "", "", {1 + round % 71}});
        scoreBoard(f.c().boards[1 + round++ % 71], ScoringRule{});
        state.ResumeTiming();
        const std::string message = writeResultsSite(f.c(), journal, folder);
        if (!message.empty()) state.SkipWithError(message.c_str());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ResultsSiteRepublishedLargest)->Unit(benchmark::kMillisecond)->UseRealTime();

// One page served live, as the table server answers a phone: the standings, a card, a board.
void BM_LiveResultsPageLargest(benchmark::State& state) {
    LargestPlayed f;
    const char* const pages[] = {"", "par11.html", "giv5.html"};
    const char* page = pages[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(resultsAnswer(f.c(), {}, false, false, 1, page).body.size());
}
BENCHMARK(BM_LiveResultsPageLargest)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vindelkast
