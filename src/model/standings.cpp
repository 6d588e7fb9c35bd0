#include "model/standings.h"

#include <algorithm>
#include <cmath>

#include "model/board_results.h"
#include "model/board_scoring.h"

namespace vindelkast {

namespace {

int clampedPairCount(const Contest& contest) { return std::clamp(contest.maxPairNumber, 0, kMaxPair); }

bool isRealPair(const Contest& contest, int pair) { return !sitsOut(contest, pair); }

// What a pair that missed every board is given for each: an average board, half the top.
double averageBoard(const Contest& contest, int pair, int n) {
    if (!contest.sections.any()) return (n - 2 - (contest.byePair > 0 ? 2 : 0)) * 0.5;
    return pairBoardTop(contest, pair) * 0.5;
}

double pairHandicap(const Contest& contest, const Participant& p) {
    if (contest.isIndividual || !p.second) return p.first->handicap;
    return (p.first->handicap + p.second->handicap) / 2.0;
}

void addCompensation(const Contest& contest, Totals& t, std::array<int, kParticipantSlots>& missed,
                     int maxPlayed) {
    int minMissed = contest.boardCount;
    for (int r = 1; r <= t.n; ++r)
        if (isRealPair(contest, r)) minMissed = std::min(minMissed, missed[r]);
    if (minMissed > 0)
        for (int r = 1; r <= t.n; ++r) missed[r] -= minMissed;
    for (int r = 1; r <= t.n; ++r) {
        const int c = missed[r];
        if (!isRealPair(contest, r) || c == 0) continue;
        double bonus = 0.0;
        if (c < maxPlayed) bonus = c * (static_cast<double>(t.total[r]) / (maxPlayed - c));
        if (maxPlayed > 0 && c == maxPlayed) bonus = averageBoard(contest, r, t.n) * contest.boardsPerRound;
        t.total[r] = static_cast<float>(t.total[r] + bonus);
    }
}

void addHandicaps(const Contest& contest, Totals& t) {
    std::array<double, kParticipantSlots> h{};
    double lowest = 100.0;
    for (int r = 1; r <= t.n; ++r) {
        if (!isRealPair(contest, r) || !contest.participants[r].first) continue;
        h[r] = pairHandicap(contest, contest.participants[r]);
        lowest = std::min(lowest, h[r]);
    }
    const int top = boardTop(contest);
    for (int r = 1; r <= t.n; ++r) {
        if (!isRealPair(contest, r) || !contest.participants[r].first) continue;
        const int bonus = roundHalfUp(top * ((h[r] - lowest) * 0.01) * contest.boardCount);
        t.total[r] = static_cast<float>(t.total[r] + bonus);
    }
}

// A number that no board seats once the boards have their slots, and that has no names: a
// number left out between the others, or a section's sit-out. It is nobody and takes no place.
std::array<bool, kParticipantSlots> absentNumbers(const Contest& contest, int n) {
    std::array<bool, kParticipantSlots> absent{};
    bool anySlot = false;
    for (int b = 1; b <= contest.lastBoard(); ++b) {
        const Board& board = contest.boards[b];
        for (int i = 0; i < std::clamp(board.resultCount, 0, kMaxResults); ++i) {
            anySlot = true;
            const BoardResult& r = board.results[i];
            for (int seated : {r.nsPair, r.ewPair, r.nsPlayer2, r.ewPlayer2})
                if (Contest::validPair(seated)) absent[seated] = true;  // seated, for now
        }
    }
    for (int r = 1; r <= n; ++r)
        absent[r] = anySlot && !absent[r] && !sitsOut(contest, r) && !contest.participants[r].first;
    return absent;
}

void assignPlaces(Totals& t, const std::array<bool, kParticipantSlots>& absent) {
    for (int r = 1; r <= t.n; ++r) {
        if (absent[r]) continue;
        int place = 1;
        for (int q = 1; q <= t.n; ++q)
            if (t.total[q] > t.total[r]) ++place;
        while (place <= t.n && t.ranking[place] != 0) ++place;
        if (place <= t.n) t.ranking[place] = r;
    }
}

// Every pair's score and matchpoints on one board, read in one pass over its results: a
// pair counts where it first sits, North-South before East-West, as pairScore and
// pairMatchpoints read it. Pairs not on the board keep kNoScore and kNoPoints.
struct BoardRow {
    std::array<int, kParticipantSlots> score;
    std::array<float, kParticipantSlots> points;

    explicit BoardRow(const Board& board) {
        score.fill(kNoScore);
        points.fill(kNoPoints);
        const bool individual = board.contest && board.contest->isIndividual;
        const int count = std::clamp(board.resultCount, 0, kMaxResults);
        for (int i = 0; i < count; ++i) {
            const BoardResult& r = board.results[i];
            const bool scored = hasScore(r.nsScore);
            seat(r.nsPair, r.nsScore, scored ? r.nsPoints : kNoPoints);
            if (individual) seat(r.nsPlayer2, r.nsScore, scored ? r.nsPoints : kNoPoints);
            seat(r.ewPair, r.ewScore, scored ? r.ewPoints : kNoPoints);
            if (individual) seat(r.ewPlayer2, r.ewScore, scored ? r.ewPoints : kNoPoints);
        }
    }

private:
    // `seen` keeps the first result a number sits in, even one whose score is kNoScore.
    std::array<bool, kParticipantSlots> seen{};
    void seat(int number, int pairScoreValue, float pairPoints) {
        if (number < 1 || number > kMaxPair || seen[number]) return;
        seen[number] = true;
        score[number] = pairScoreValue;
        points[number] = pairPoints;
    }
};

}  // namespace

float cutToTenth(double total) {
    const double tenths = total * 10.0;
    // Enough to absorb float error on totals up to a few thousand, far below a tenth.
    const double tolerance = 1e-2 + std::fabs(tenths) * 1e-6;
    const double cut = std::trunc(tenths + (tenths >= 0 ? tolerance : -tolerance));
    return static_cast<float>(cut * 0.1);
}

Totals computeTotals(const Contest& contest, int firstBoard, int lastBoard, bool compensate, bool handicap) {
    Totals t;
    t.n = clampedPairCount(contest);
    std::array<int, kParticipantSlots> missed{};
    for (int r = 1; r <= t.n; ++r)
        if (sitsOut(contest, r)) t.total[r] = -1.0f;

    const int first = std::max(firstBoard, 1);
    const int last = std::min(lastBoard, kMaxBoard);
    const int length = lastBoard - firstBoard + 1;
    for (int b = first; b <= last; ++b) {
        const BoardRow row(contest.boards[b]);
        for (int r = 1; r <= t.n; ++r) {
            float m = row.points[r];
            if (m == kNoPoints) {
                ++missed[r];
                m = 0.0f;
            }
            t.total[r] += m;
        }
    }
    // Boards outside the arrays count as missed by everybody.
    const int outside = std::max(0, length - std::max(0, last - first + 1));
    for (int r = 1; r <= t.n; ++r) missed[r] += outside;

    int maxPlayed = 0;
    for (int r = 1; r <= t.n; ++r)
        if (isRealPair(contest, r)) maxPlayed = std::max(maxPlayed, length - missed[r]);

    if (compensate) addCompensation(contest, t, missed, maxPlayed);
    if (handicap) addHandicaps(contest, t);
    for (int r = 0; r <= t.n; ++r) t.total[r] = cutToTenth(t.total[r]);
    assignPlaces(t, absentNumbers(contest, t.n));
    return t;
}

Totals contestTotals(const Contest& contest) {
    return computeTotals(contest, 1, contest.boardCount, true, contest.hasHandicap);
}

Totals roundTotals(const Contest& contest, int round) {
    const int first = firstBoardOfRound(contest, round * contest.boardsPerRound);
    const int last = lastBoardOfRound(contest, first);
    return computeTotals(contest, first, last, false, false);
}

Totals totalsAfterRound(const Contest& contest, int round) {
    const int last = lastBoardOfRound(contest, round * contest.boardsPerRound);
    return computeTotals(contest, 1, last, true, contest.hasHandicap);
}

int contestMean(const Contest& contest, int lastBoard) {
    const int last = std::clamp(lastBoard <= 0 ? contest.boardCount : lastBoard, 0, kMaxBoard);
    const int n = clampedPairCount(contest);
    std::array<int, kParticipantSlots> played{};
    for (int b = 1; b <= last; ++b) {
        const BoardRow row(contest.boards[b]);
        for (int r = 1; r <= n; ++r)
            if (hasScore(row.score[r])) ++played[r];
    }
    int mostPlayed = 0;
    for (int r = 1; r <= n; ++r) mostPlayed = std::max(mostPlayed, played[r]);
    int fullest = 0;
    for (int b = 1; b <= last; ++b) fullest = std::max(fullest, contest.boards[b].resultCount);
    if (fullest == 0) return 0;
    return mostPlayed * (fullest - 1);
}

int boardTop(const Contest& contest) {
    if (contest.sections.any()) return 2 * (contest.playingTableCount - 1);
    int a = contest.maxPairNumber - (contest.byePair > 0 ? 1 : 0);
    if (contest.isIndividual) a /= 2;
    return 2 * ((a / 2) - 1);
}

int pairBoardTop(const Contest& contest, int pair) {
    const int section = sectionOf(contest, pair);
    if (section < 0 || contest.sections.acrossField) return boardTop(contest);
    return 2 * (seatedPairCount(contest, section) / 2 - 1);
}

int firstBoardOfRound(const Contest& contest, int board) {
    const int k = contest.boardsPerRound;
    if (k <= 0) return 0;
    return ((board - 1) / k) * k + 1;
}

int lastBoardOfRound(const Contest& contest, int board) {
    const int k = contest.boardsPerRound;
    if (k <= 0) return 0;
    return ((board - 1) / k) * k + k;
}

int roundOfBoard(const Contest& contest, int board) {
    if (contest.boardsPerRound <= 0) return 0;
    return lastBoardOfRound(contest, board) / contest.boardsPerRound;
}

int sharedPlace(float total, const Totals& totals) {
    int place = 1;
    // Only the pairs with a place: an absent number's total is nobody's.
    for (int slot = 1; slot <= totals.n; ++slot) {
        const int r = totals.ranking[slot];
        if (r != 0 && totals.total[r] > total + 0.05) ++place;
    }
    return place;
}

double percentOfMean(double total, int mean) {
    if (mean == 0) return 0.0;
    return total * 50.0 / mean;
}

double roundPercent(const Contest& contest, int pair, double roundTotal) {
    const int scale = pairBoardTop(contest, pair) * contest.boardsPerRound;
    if (scale == 0) return 0.0;
    return roundTotal * 100.0 / scale;
}

TeamTotals teamTotals(const Totals& totals, int byePair) {
    TeamTotals teams;
    const int half = totals.n / 2;
    for (int r = 1; r <= totals.n; ++r) {
        if (r == byePair) continue;
        (r <= half ? teams.first : teams.second) += totals.total[r];
    }
    if (byePair > 0 && totals.n > 1) {
        const double average = (teams.first + teams.second) / (totals.n - 1);
        (half < byePair ? teams.second : teams.first) += average;
    }
    return teams;
}

}  // namespace vindelkast
