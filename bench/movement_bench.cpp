#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "movement/built_in_movement.h"
#include "movement/contest_setup.h"
#include "movement/draw_field.h"
#include "movement/guide_card.h"
#include "movement/round_draw.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

// A Gröna Hissen evening of 72 pairs, one board a round, 71 boards.
struct BigEvening {
    test::ContestFixture f;
    explicit BigEvening(int limit, int byePair = 0) {
        test::fillRegister(*f.reg, 150);
        test::setUp(f.c(), 71, 71, 72, byePair);
        test::seatPairs(f.c(), 72);
        if (byePair) f.c().participants[byePair].first = f.c().participants[byePair].second = f.c().byeMember;
        f.c().isGronaHissen = f.c().isBarometer = true;
        f.c().ghVariant = limit;
    }
    Contest& c() { return f.c(); }
    // Plays a board with the given tables and scores it with spread results.
    void play(int board, const std::vector<std::pair<int, int>>& tables) {
        int t = 0;
        for (auto [ns, ew] : tables) addResult(c().boards[board], ns, ew, ++t, kNoScore, 0.0f, 0.0f, true);
        Board& b = c().boards[board];
        for (int i = 0; i < b.resultCount; ++i) setScore(b.results[i], ((board * 31 + i * 17) % 13 - 6) * 50);
        c().boardHasScores[board] = true;
        scoreBoard(b, ScoringRule{});
    }
    // The round robin of 72 pairs: round r (0..70) pairs everybody with a new opponent.
    void playRoundRobin(int rounds) {
        for (int r = 0; r < rounds; ++r) {
            std::vector<std::pair<int, int>> tables{{72, r + 1}};
            for (int k = 1; k <= 35; ++k) tables.push_back({(r + k) % 71 + 1, (r - k + 71) % 71 + 1});
            play(r + 1, tables);
        }
    }
    void clearBoard(int board) { c().boards[board].resultCount = 0; }
};

void runDraw(benchmark::State& state, BigEvening& e, int board, int expected) {
    for (auto _ : state) {
        const int drawn = drawRound(e.c());
        if (drawn != expected) state.SkipWithError("unexpected draw");
        e.clearBoard(board);
    }
}

// No pairing exists: 35 pairs have met every one of the other 37 ("Max 1"), and 35 cannot
// sit among themselves.
void BM_DrawRound72NoPairing(benchmark::State& state) {
    BigEvening e(1);
    for (int r = 0; r < 37; ++r) {
        std::vector<std::pair<int, int>> tables;
        for (int i = 0; i < 35; ++i) tables.push_back({i + 1, 36 + (i + r) % 37});
        tables.push_back({36 + (r + 35) % 37, 36 + (r + 36) % 37});
        e.play(r + 1, tables);
    }
    runDraw(state, e, 38, 0);
}
BENCHMARK(BM_DrawRound72NoPairing)->Unit(benchmark::kMillisecond);

// "Max 1" late in the evening: a round robin with `rounds` rounds played.
void BM_DrawRound72MaxOneLate(benchmark::State& state) {
    const int rounds = static_cast<int>(state.range(0));
    BigEvening e(1);
    e.playRoundRobin(rounds);
    runDraw(state, e, rounds + 1, rounds + 1);
}
BENCHMARK(BM_DrawRound72MaxOneLate)->Arg(36)->Arg(60)->Arg(69)->Arg(70)->Unit(benchmark::kMillisecond);

// 71 pairs and the bye pair, every pair has sat out already: nobody may meet the bye pair.
void BM_DrawRound72EveryPairSatOut(benchmark::State& state) {
    BigEvening e(2, 72);
    std::vector<std::pair<int, int>> first;
    std::vector<std::pair<int, int>> second;
    for (int p = 1; p < 36; p += 2) first.push_back({p, p + 1});
    for (int p = 37; p < 71; p += 2) second.push_back({p, p + 1});
    e.play(1, first);
    e.play(2, second);
    e.play(3, {{71, 1}});
    runDraw(state, e, 4, 0);
}
BENCHMARK(BM_DrawRound72EveryPairSatOut)->Unit(benchmark::kMillisecond);

// A field built to make the search work: 35 and 37 places that have all met across ("Max
// 1"), except the best place and the last one. The best place must take the last, and every
// partner before it on the ranking leads nowhere.
void BM_SeatTables72OnlyOneWay(benchmark::State& state) {
    DrawField field;
    field.placeCount = 72;
    field.tableCount = 36;
    field.meetingLimit = 1;
    for (int p = 1; p <= 72; ++p) field.pairAt[p] = p;
    for (int a = 1; a <= 35; ++a)
        for (int b = 36; b <= 72; ++b)
            if (!(a == 1 && b == 72)) field.meetings[a][b] = field.meetings[b][a] = 1;
    for (auto _ : state) {
        const std::vector<DrawnTable> tables = seatTables(field);
        if (tables.size() != 36 || tables[0].lower != 72) state.SkipWithError("unexpected seating");
    }
}
BENCHMARK(BM_SeatTables72OnlyOneWay)->Unit(benchmark::kMillisecond);

// An ordinary second round for comparison.
void BM_DrawRound72Second(benchmark::State& state) {
    BigEvening e(2);
    e.playRoundRobin(1);
    runDraw(state, e, 2, 2);
}
BENCHMARK(BM_DrawRound72Second)->Unit(benchmark::kMillisecond);

// The largest card: 72 pairs, 71 boards, 71 rounds of 36 tables.
void BM_ReadGuideCard72Pairs(benchmark::State& state) {
    std::ostringstream card;
    card << "72 71 71 1\r\n";
    for (int r = 0; r < 71; ++r) {
        card << r + 1 << " 72 " << r + 1 << " " << r + 1 << "\r\n";
        for (int k = 1; k <= 35; ++k)
            card << r + 1 << " " << (r + k) % 71 + 1 << " " << (r - k + 71) % 71 + 1 << " " << r + 1
                 << "\r\n";
    }
    const std::string text = card.str();
    for (auto _ : state) {
        test::ContestFixture f;
        Movement movement;
        std::istringstream in(text);
        const GuideCardReading reading = readGuideCard(in, movement, f.c().boards);
        if (!reading.message.empty() || f.c().boards[71].resultCount != 36)
            state.SkipWithError("card not read");
    }
}
BENCHMARK(BM_ReadGuideCard72Pairs)->Unit(benchmark::kMillisecond);

// "Klar" with the 12-pair built-in movement.
void BM_CompleteSetUpBuiltIn(benchmark::State& state) {
    SetUpRequest fields;
    fields.boards = "27";
    fields.rounds = "9";
    fields.maxPair = "12";
    for (auto _ : state) {
        test::ContestFixture f;
        if (!setUpContest(f.c(), fields).message.empty()) state.SkipWithError("refused");
        benchmark::DoNotOptimize(f.c().boards[1].resultCount);
    }
}
BENCHMARK(BM_CompleteSetUpBuiltIn)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vindelkast
