#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/contest_file.h"
#include "files/edit_history.h"
#include "files/member_file.h"
#include "files/member_lookup.h"
#include "model/bridge_tables.h"
#include "model/version.h"
#include "output/result_changes.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// The largest contest with everything the file holds: 71 boards of 36 scored results, 71
// deals and 72 named pairs.
void fillLargestWithDealsAndNames(test::ContestFixture& f) {
    test::fillRegister(*f.reg, 144);
    test::fillLargestContest(f.c());
    for (int b = 1; b <= kMaxBoard; ++b)
        for (int code = 1; code <= 52; ++code)
            f.c().boards[b].deal[(code + b) % 4][(code - 1) / 4] = cardFromCode(code);
    f.c().dealCount = kMaxBoard;
    test::seatPairs(f.c(), kMaxPair);
}

void BM_WriteLargestContest(benchmark::State& state) {
    test::ContestFixture f;
    fillLargestWithDealsAndNames(f);
    for (auto _ : state) {
        std::string text = contestFileText(f.c(), "3.23 2015-07-27");
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_WriteLargestContest)->Unit(benchmark::kMillisecond);

void BM_ReadLargestContest(benchmark::State& state) {
    test::ContestFixture f;
    fillLargestWithDealsAndNames(f);
    const std::string text = contestFileText(f.c(), "3.23 2015-07-27");
    test::ContestFixture g;
    test::fillRegister(*g.reg, 144);
    for (auto _ : state) {
        std::istringstream in(text);
        const ContestReadResult read = readContestFile(g.c(), in);
        benchmark::DoNotOptimize(read.kind);
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadLargestContest)->Unit(benchmark::kMillisecond);

// What an edit adds and an undo costs on the largest contest with its side files: the state kept
// before each edit (with the result lines of unchanged boards kept from the last one), and the
// whole evening read back from it. `bytes` is what one step of the history holds.
void BM_EditStateLargestContest(benchmark::State& state) {
    test::ContestFixture f;
    fillLargestWithDealsAndNames(f);
    const std::vector<SideFile> sides = contestSideFiles(true);
    ResultLinesCache kept;
    int board = 1;
    std::size_t bytes = 0;
    for (auto _ : state) {
        BoardResult& result = f.c().boards[board].results[0];
        result.nsScore = result.nsScore == 420 ? 450 : 420;
        board = board % kMaxBoard + 1;
        // The journal's view of the edit: what it changed, at which table.
        const ResultsSnapshot results = resultsSnapshot(f.c());
        benchmark::DoNotOptimize(resultChanges(results, f.c()).size());
        const EveningState now = eveningState(f.c(), {}, sides, {}, kVersionText, &kept);
        bytes = now.bytes();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EditStateLargestContest)->Unit(benchmark::kMillisecond);

void BM_UndoLargestContest(benchmark::State& state) {
    test::ContestFixture f;
    fillLargestWithDealsAndNames(f);
    const std::vector<SideFile> sides = contestSideFiles(true);
    const EveningState before = eveningState(f.c(), {}, sides, {}, kVersionText);
    for (auto _ : state) benchmark::DoNotOptimize(readEveningState(f.c(), before, sides).size());
}
BENCHMARK(BM_UndoLargestContest)->Unit(benchmark::kMillisecond);

// A national federation's register: 50,000 members in a file.
class FederationRegister {
public:
    FederationRegister()
        : m_path(std::filesystem::temp_directory_path() / ("vk_bench_" + std::to_string(::getpid()))) {
        std::ofstream out(m_path, std::ios::binary);
        out << "# f\xf6rbundets register\r\n";
        for (int i = 1; i <= 50000; ++i)
            out << "Efternamn" << i << " F\xf6rnamn" << i << (i % 7 == 0 ? " Maria" : "") << " " << 100000 + i
                << " " << (i % 10) * 0.5 << "\r\n";
    }
    ~FederationRegister() { std::filesystem::remove(m_path); }
    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

void BM_LoadRegister50000(benchmark::State& state) {
    const FederationRegister file;
    for (auto _ : state) {
        MemberRegister reg;
        benchmark::DoNotOptimize(loadRegister(file.path(), reg));
    }
}
BENCHMARK(BM_LoadRegister50000)->Unit(benchmark::kMillisecond);

void BM_FindByLongNameIn50000(benchmark::State& state) {
    const FederationRegister file;
    MemberRegister reg;
    loadRegister(file.path(), reg);
    const std::string name = "Efternamn49999 F\xf6rnamn49999";
    for (auto _ : state) benchmark::DoNotOptimize(findMemberByLongName(name, reg));
}
BENCHMARK(BM_FindByLongNameIn50000);

void BM_NextFreeMemberIdIn50000(benchmark::State& state) {
    const FederationRegister file;
    MemberRegister reg;
    loadRegister(file.path(), reg);
    for (auto _ : state) benchmark::DoNotOptimize(nextFreeMemberId(reg));
}
BENCHMARK(BM_NextFreeMemberIdIn50000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vindelkast
