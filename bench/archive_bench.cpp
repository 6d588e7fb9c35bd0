// The club's archive over a decade: 1,000 evenings of a two-evening-a-week club (about
// 500,000 board results) imported from their contest files, then a season ranking over all
// of them; on SQLite, and on PostgreSQL when a throwaway server can be started here.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>

#include "archive/archive_import.h"
#include "archive/archive_place.h"
#include "archive/season_ranking.h"
#include "core/archive/postgres_server.h"
#include "core/archive/season_maker.h"
#include "files/member_file.h"

namespace vindelkast {
namespace {

constexpr int kEvenings = 1000;

struct Decade {
    std::string folder;
    std::vector<std::string> files;
    int results = 0;

    Decade() {
        folder =
            (std::filesystem::temp_directory_path() / ("vk_decade_" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(folder);
        test::SeasonMaker maker(2015);
        // Mondays and Thursdays from January 2015; 18 or 20 pairs, 3 boards a round.
        std::tm day{};
        day.tm_year = 115;
        day.tm_mon = 0;
        day.tm_mday = 5;
        for (int i = 0; i < kEvenings; ++i) {
            char date[16];
            std::mktime(&day);
            std::strftime(date, sizeof date, "%Y-%m-%d", &day);
            const int pairs = i % 2 ? 20 : 18;
            results += (pairs - 1) * 3 * (pairs / 2);
            files.push_back(folder + "/kvall" + std::to_string(i) + ".sco");
            maker.writeEvening(files.back(), i % 2 ? "Torsdagsbridge" : "M\xe5ndagsbridge", date,
                               "BK Vindeln", pairs);
            day.tm_mday += i % 2 ? 4 : 3;
        }
    }
    ~Decade() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    static Decade& instance() {
        static Decade decade;
        return decade;
    }
};

std::string sqlitePlace() { return Decade::instance().folder + "/klubbarkiv.db"; }

// The place of each backend's archive; "" when there is none to be had (with the reason).
std::string placeOf(int backend, std::string& why) {
    if (backend == 0) return sqlitePlace();
    static const std::string uri = test::PostgresServer::instance().newDatabase();
    why = test::PostgresServer::instance().failure();
    return uri;
}

void BM_ImportDecade(benchmark::State& state) {
    Decade& decade = Decade::instance();
    std::string why;
    const std::string place = placeOf(static_cast<int>(state.range(0)), why);
    if (place.empty()) {
        state.SkipWithError(why.c_str());
        return;
    }
    for (auto _ : state) {
        if (state.range(0) == 0) std::filesystem::remove(place);
        OpenedArchive opened = openArchive(place);
        if (!opened.archive) {
            state.SkipWithError(opened.message.c_str());
            return;
        }
        MemberRegister reg;
        loadRegister(test::SeasonMaker::registerPath(), reg);
        const ImportReport report = addEveningFiles(*opened.archive, decade.files, reg);
        if (report.added != kEvenings)
            state.SkipWithError(report.problems.empty() ? "?" : report.problems[0].c_str());
    }
    state.counters["evenings"] = kEvenings;
    state.counters["board_results"] = decade.results;
}
BENCHMARK(BM_ImportDecade)->ArgName("postgres")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

void BM_SeasonRankingOverTheDecade(benchmark::State& state) {
    std::string why;
    const std::string place = placeOf(static_cast<int>(state.range(0)), why);
    OpenedArchive opened = openArchive(place);
    int count = 0;
    if (!opened.archive || !opened.archive->eveningCount(count).empty() || count != kEvenings) {
        state.SkipWithError("the decade is not imported (run BM_ImportDecade first)");
        return;
    }
    std::size_t places = 0;
    for (auto _ : state) {
        std::vector<SeasonEntry> entries;
        opened.archive->seasonEntries("2015-01-01", "2025-12-31", entries);
        if (state.range(1) == 0) continue;  // the archive's part alone
        places = rankSeason(entries, {10, 20}).size();
        benchmark::DoNotOptimize(places);
    }
    state.counters["players_ranked"] = static_cast<double>(places);
}
BENCHMARK(BM_SeasonRankingOverTheDecade)
    ->ArgNames({"postgres", "ranked"})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vindelkast
