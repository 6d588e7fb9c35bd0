#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <sstream>

#include "model/bridge_tables.h"
#include "model/result_order.h"
#include "output/old_html_page.h"
#include "output/round_html_page.h"
#include "output/standings_view.h"
#include "output/xhtml_page.h"
#include "output/xml_export.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// The largest contest with names for all 72 pairs and a complete deal on every board.
struct LargestWithDeals : test::ContestFixture {
    LargestWithDeals() {
        Contest& c = *contest;
        test::fillRegister(*reg, 144);
        test::fillLargestContest(c);
        test::seatPairs(c, 72);
        c.contestName = "Klubbens st\xf6rsta kv\xe4ll";
        c.contestDate = "2024-10-08";
        c.arranger = "Vindelns BK";
        for (int b = 1; b <= 71; ++b) {
            std::array<int, 52> codes{};
            for (int i = 0; i < 52; ++i) codes[i] = (i * (2 * b + 1) + b) % 52 + 1;
            for (int seat = 0; seat < 4; ++seat) {
                std::array<int, 13> hand{};
                for (int k = 0; k < 13; ++k) hand[k] = codes[seat * 13 + k];
                std::sort(hand.begin(), hand.end());
                for (int k = 0; k < 13; ++k) c.boards[b].deal[seat][k] = cardFromCode(hand[k]);
            }
        }
        c.dealCount = 71;
    }
};

// The whole XHTML page, the contest file inside it included.
void BM_XhtmlPageLargest(benchmark::State& state) {
    LargestWithDeals f;
    for (auto _ : state) {
        std::ostringstream out;
        writeXhtml(f.c(), out, ScoreOrder);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_XhtmlPageLargest)->Unit(benchmark::kMillisecond);

void BM_OldHtmlPageLargest(benchmark::State& state) {
    LargestWithDeals f;
    for (auto _ : state) {
        std::ostringstream out;
        writeOldHtml(f.c(), out, ScoreOrder, true);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_OldHtmlPageLargest)->Unit(benchmark::kMillisecond);

void BM_RoundPageLargest(benchmark::State& state) {
    LargestWithDeals f;
    for (auto _ : state) {
        std::ostringstream out;
        writeRoundHtml(f.c(), out, 71);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_RoundPageLargest)->Unit(benchmark::kMillisecond);

void BM_XmlDocumentLargest(benchmark::State& state) {
    LargestWithDeals f;
    for (auto _ : state) {
        std::ostringstream out;
        writeXml(f.c(), out);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_XmlDocumentLargest)->Unit(benchmark::kMillisecond);

// The standings view as the window rebuilds it after every accepted score.
void BM_StandingsViewLargest(benchmark::State& state) {
    LargestWithDeals f;
    for (auto _ : state) {
        auto lines = standingsLines(f.c());
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_StandingsViewLargest)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vindelkast
