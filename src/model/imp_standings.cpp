#include "model/imp_standings.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/sections.h"

namespace vindelkast {

namespace {

long hundredths(double imps) { return std::lround(imps * 100.0); }

}  // namespace

std::vector<ImpStanding> impStandings(const Contest& contest) {
    return impStandings(contest, 1, contest.boardCount);
}

std::vector<ImpStanding> impStandings(const Contest& contest, int firstBoard, int lastBoard) {
    const int n = std::clamp(contest.maxPairNumber, 0, kMaxPair);
    std::array<ImpStanding, kParticipantSlots> rows{};
    const auto add = [&](int pair, float points) {
        if (pair < 1 || pair > n || points == kNoPoints) return;
        rows[pair].total += points;
        ++rows[pair].boards;
    };
    const int last = std::clamp(std::min(lastBoard, contest.boardCount), 0, kMaxBoard);
    for (int b = std::max(firstBoard, 1); b <= last; ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < std::clamp(board.resultCount, 0, kMaxResults); ++i) {
            const BoardResult& r = board.results[i];
            // A slot laid by the movement but not played yet keeps the points it was laid with.
            if (!hasScore(r.nsScore)) continue;
            add(r.nsPair, r.nsPoints);
            add(r.ewPair, r.ewPoints);
            if (!contest.isIndividual) continue;
            add(r.nsPlayer2, r.nsPoints);
            add(r.ewPlayer2, r.ewPoints);
        }
    }
    std::vector<ImpStanding> standings;
    for (int pair = 1; pair <= n; ++pair) {
        if (sitsOut(contest, pair)) continue;
        rows[pair].pair = pair;
        standings.push_back(rows[pair]);
    }
    std::stable_sort(standings.begin(), standings.end(), [](const ImpStanding& a, const ImpStanding& b) {
        if (hundredths(a.total) != hundredths(b.total)) return hundredths(a.total) > hundredths(b.total);
        return hundredths(a.perBoard()) > hundredths(b.perBoard());
    });
    return standings;
}

std::vector<int> impPlaces(const std::vector<ImpStanding>& standings) {
    std::vector<int> places(standings.size(), 1);
    for (std::size_t i = 1; i < standings.size(); ++i)
        places[i] = hundredths(standings[i].total) == hundredths(standings[i - 1].total)
                        ? places[i - 1]
                        : static_cast<int>(i) + 1;
    return places;
}

std::vector<ImpStanding> sectionImpStandings(const Contest& contest, int section) {
    std::vector<ImpStanding> standings = impStandings(contest);
    if (section >= 0 && contest.sections.any())
        std::erase_if(standings, [&](const ImpStanding& s) { return sectionOf(contest, s.pair) != section; });
    return standings;
}

}  // namespace vindelkast
