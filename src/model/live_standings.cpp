#include "model/live_standings.h"

#include <algorithm>
#include <cmath>

#include "model/board_results.h"
#include "model/evening_progress.h"
#include "model/imp_standings.h"
#include "model/section_standings.h"
#include "model/sections.h"
#include "model/standings.h"

namespace vindelkast {

namespace {

int highestNumber(const Contest& contest) { return std::clamp(contest.maxPairNumber, 0, kMaxPair); }

// A section matchpointed alone measures its pairs against its own results: its own mean,
// and on a board the top of its own count.
bool perSection(const Contest& contest) { return contest.sections.any() && !contest.sections.acrossField; }

// An IMP contest's figures: impStandings already counts only the boards with IMPs, so its
// totals are those so far as well as the final ones.
void impFigures(const Contest& contest, LiveStandings& s) {
    s.imps = true;
    for (const ImpStanding& row : impStandings(contest)) {
        PairStanding& p = s.pairs[row.pair];
        p.points = row.total;
        p.top = row.boards;
        p.percent = row.perBoard();
        p.hasFigure = row.boards > 0;
        s.order.push_back(row.pair);
    }
    std::stable_sort(s.order.begin(), s.order.end(), [&s](int a, int b) {
        const PairStanding& x = s.pairs[a];
        const PairStanding& y = s.pairs[b];
        if (x.hasFigure != y.hasFigure) return x.hasFigure;
        return !s.final && std::lround(x.percent * 100.0) > std::lround(y.percent * 100.0);
    });
}

void finalFigures(const Contest& contest, LiveStandings& s) {
    if (contest.scoringRule.imps()) return impFigures(contest, s);
    const Totals totals = contestTotals(contest);
    const int mean = contestMean(contest);
    std::vector<int> sectionMeans;
    if (perSection(contest))
        for (std::size_t k = 0; k < contest.sections.list.size(); ++k)
            sectionMeans.push_back(sectionStandings(contest, static_cast<int>(k)).mean);
    for (int place = 1; place <= totals.n; ++place) {
        const int pair = totals.ranking[place];
        if (pair == 0 || sitsOut(contest, pair)) continue;
        PairStanding& p = s.pairs[pair];
        const int section = sectionMeans.empty() ? -1 : sectionOf(contest, pair);
        p.points = totals.total[pair];
        p.percent = percentOfMean(totals.total[pair],
                                  section < 0 ? mean : sectionMeans[static_cast<std::size_t>(section)]);
        p.hasFigure = true;
        s.order.push_back(pair);
    }
}

void credit(LiveStandings& s, int number, float points, int top) {
    if (!Contest::validPair(number)) return;
    s.pairs[number].points += points;
    s.pairs[number].top += top;
}

// Across the field a board played fewer times than the most-played is scored on their top
// (model/section_standings.h): its matchpoints are measured against that top.
int raisedTo(const Contest& contest) {
    if (!contest.sections.any() || !contest.sections.acrossField) return 0;
    int most = 0;
    for (int b = 1; b <= contest.lastBoard(); ++b) most = std::max(most, countScored(contest.boards[b]));
    return most;
}

void figuresSoFar(const Contest& contest, LiveStandings& s) {
    const int most = raisedTo(contest);
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        const bool alone = perSection(contest);
        std::vector<int> scored(alone ? contest.sections.list.size() : 1, 0);
        for (int i = 0; i < board.resultCount; ++i)
            if (const int k = alone ? sectionOf(contest, board.results[i].nsPair) : 0;
                k >= 0 && hasScore(board.results[i].nsScore))
                ++scored[static_cast<std::size_t>(k)];
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            const int k = alone ? sectionOf(contest, r.nsPair) : 0;
            const int count = k < 0 ? 0 : scored[static_cast<std::size_t>(k)];
            const int top = 2 * ((count > 1 ? std::max(count, most) : count) - 1);
            if (!hasScore(r.nsScore) || top <= 0) continue;
            credit(s, r.nsPair, r.nsPoints, top);
            credit(s, r.ewPair, r.ewPoints, top);
            if (contest.isIndividual) {
                credit(s, r.nsPlayer2, r.nsPoints, top);
                credit(s, r.ewPlayer2, r.ewPoints, top);
            }
        }
    }
    for (int pair = 1; pair <= highestNumber(contest); ++pair) {
        if (sitsOut(contest, pair)) continue;
        PairStanding& p = s.pairs[pair];
        p.hasFigure = p.top > 0;
        p.percent = p.hasFigure ? p.points * 100.0 / p.top : 0.0;
        s.order.push_back(pair);
    }
    std::stable_sort(s.order.begin(), s.order.end(), [&s](int a, int b) {
        const PairStanding& x = s.pairs[a];
        const PairStanding& y = s.pairs[b];
        if (x.hasFigure != y.hasFigure) return x.hasFigure;
        return x.percent > y.percent;
    });
}

}  // namespace

LiveStandings liveStandings(const Contest& contest) {
    LiveStandings s;
    s.final = allResultsIn(contest);
    s.roundCount = eveningRoundCount(contest);
    s.roundsDone = roundsComplete(contest);
    if (s.final || contest.scoringRule.imps())
        finalFigures(contest, s);
    else
        figuresSoFar(contest, s);
    return s;
}

LiveStandings finalStandings(const Contest& contest) {
    LiveStandings s;
    s.final = true;
    s.roundCount = eveningRoundCount(contest);
    s.roundsDone = roundsComplete(contest);
    finalFigures(contest, s);
    return s;
}

int sharedLivePlace(const LiveStandings& standings, int pair, const std::vector<int>& among) {
    const auto figure = [&standings](int p) {
        return standings.final ? standings.pairs[p].points : standings.pairs[p].percent;
    };
    const double sameAs = standings.imps ? 0.005 : 0.05;
    if (!Contest::validPair(pair) || !standings.pairs[pair].hasFigure) return 0;
    int place = 1;
    for (int other : among)
        if (Contest::validPair(other) && standings.pairs[other].hasFigure &&
            figure(other) > figure(pair) + sameAs)
            ++place;
    return place;
}

std::string roundsText(const LiveStandings& standings) {
    return "efter " + std::to_string(standings.roundsDone) + " av " + std::to_string(standings.roundCount) +
           " ronder";
}

}  // namespace vindelkast
