// A Monrad of 36 teams, seven boards a match, nine rounds (63 boards, 72 results each): the
// director's draw of the last round from eight rounds' standings, of the second (which looks
// ahead to the seven after it), and the standings and match cards the window and the phones
// read after every score.
#include <benchmark/benchmark.h>

#include "model/board_results.h"
#include "model/contest_scoring.h"
#include "model/scoring_form.h"
#include "model/team_matches.h"
#include "movement/team_round_draw.h"
#include "output/team_views.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

struct BigTeamEvent {
    test::ContestFixture f;
    explicit BigTeamEvent(int played = 8) {
        TeamPlan plan{TeamForm::Swiss, 36, 7, 9, 1200, {}};
        if (!setUpTeamEvent(f.c(), SetUpRequest{}, plan).empty()) std::abort();
        for (int round = 1; round <= played; ++round) {
            if (drawTeamRound(f.c(), true).round != round) std::abort();
            play(round);
        }
    }
    // Every table of the round: spread scores, each board scored as entry scores it.
    void play(int round) {
        for (int b = (round - 1) * 7 + 1; b <= round * 7; ++b) {
            Board& board = f.c().boards[b];
            for (int i = 0; i < board.resultCount; ++i)
                setScore(board.results[i], ((b * 31 + board.results[i].round * 17) % 13 - 6) * 70);
            scoreContestBoard(f.c(), board);
        }
    }
};

void BM_TeamDrawLastRound(benchmark::State& state) {
    BigTeamEvent e;
    for (auto _ : state) {
        const TeamRoundDraw draw = drawTeamRound(e.f.c(), true);
        if (draw.round != 9) state.SkipWithError("the last round was not drawn");
        state.PauseTiming();
        undrawTeamRound(e.f.c());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TeamDrawLastRound)->Unit(benchmark::kMillisecond);

void BM_TeamDrawSecondRound(benchmark::State& state) {
    BigTeamEvent e(1);
    for (auto _ : state) {
        const TeamRoundDraw draw = drawTeamRound(e.f.c(), true);
        if (draw.round != 2) state.SkipWithError("the second round was not drawn");
        state.PauseTiming();
        undrawTeamRound(e.f.c());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TeamDrawSecondRound)->Unit(benchmark::kMillisecond);

void BM_TeamStandingsAndCards(benchmark::State& state) {
    BigTeamEvent e;
    for (auto _ : state) {
        benchmark::DoNotOptimize(scoringForm(e.f.c()).standings(e.f.c()));
        benchmark::DoNotOptimize(teamEventLines(e.f.c()));
    }
}
BENCHMARK(BM_TeamStandingsAndCards)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vindelkast
