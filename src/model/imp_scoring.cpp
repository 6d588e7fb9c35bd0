#include "model/imp_scoring.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace vindelkast {

namespace {

// The largest difference of each step of the scale; a difference above all of them is 24.
constexpr std::array<int, 24> kStepTops = {10,   40,   80,   120,  160,  210,  260,  310,
                                           360,  420,  490,  590,  740,  890,  1090, 1290,
                                           1490, 1740, 1990, 2240, 2490, 2990, 3490, 3990};

// The NS bridge scores of a board; the others are compared with nothing.
struct PlayedScores {
    std::array<int, kMaxResults> scores{};
    int count = 0;

    explicit PlayedScores(const Board& board) {
        for (int i = 0; i < std::clamp(board.resultCount, 0, kMaxResults); ++i)
            if (isBridgeScore(board.results[i].nsScore)) scores[count++] = board.results[i].nsScore;
    }
    std::span<const int> all() const { return {scores.data(), static_cast<std::size_t>(count)}; }
};

}  // namespace

int impsForDifference(int difference) {
    const int size = std::abs(difference);
    const int imps =
        static_cast<int>(std::lower_bound(kStepTops.begin(), kStepTops.end(), size) - kStepTops.begin());
    return difference < 0 ? -imps : imps;
}

int butlerDatum(std::span<const int> nsScores) {
    if (nsScores.empty()) return 0;
    const auto [low, high] = std::minmax_element(nsScores.begin(), nsScores.end());
    double sum = std::accumulate(nsScores.begin(), nsScores.end(), 0.0);
    double count = static_cast<double>(nsScores.size());
    if (nsScores.size() >= 5) {
        sum -= *low + *high;
        count -= 2;
    }
    return static_cast<int>(std::round(sum / count / 10.0)) * 10;
}

int boardDatum(const Board& board) { return butlerDatum(PlayedScores(board).all()); }

double adjustedImps(int percent) { return (percent - 50) * 0.3; }

void scoreBoardInImps(Board& board, ScoringMethod method) {
    const int n = std::clamp(board.resultCount, 0, kMaxResults);
    const PlayedScores scores(board);
    const std::span<const int> played = scores.all();
    const int count = scores.count;
    const int datum = butlerDatum(played);
    for (int i = 0; i < n; ++i) {
        BoardResult& r = board.results[i];
        if (r.nsScore >= kAdjustedBase) {
            const int code = std::abs(r.nsScore);
            r.nsPoints = static_cast<float>(adjustedImps((code / 10) % 10 * 10));
            r.ewPoints = static_cast<float>(adjustedImps(code % 10 * 10));
            continue;
        }
        if (!isBridgeScore(r.nsScore)) {
            r.nsPoints = r.ewPoints = kNoPoints;
            continue;
        }
        double imps = 0.0;
        if (method == ScoringMethod::Butler) {
            imps = impsForDifference(r.nsScore - datum);
        } else if (count > 1) {
            // Every other score, and this one against itself once (0 IMPs) taken back out.
            int sum = 0;
            for (int score : played) sum += impsForDifference(r.nsScore - score);
            imps = static_cast<double>(sum) / (count - 1);
        }
        r.nsPoints = static_cast<float>(imps);
        r.ewPoints = imps == 0.0 ? 0.0f : static_cast<float>(-imps);  // never a "-0"
    }
}

}  // namespace vindelkast
