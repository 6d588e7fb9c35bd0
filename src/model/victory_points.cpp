#include "model/victory_points.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vindelkast {

namespace {

// The formula's points for a margin, rounded to hundredths and capped at 20.00.
int roundedFormula(double scaleWidth, int margin) {
    const double tau = (std::sqrt(5.0) - 1.0) / 2.0;
    const double vp =
        10.0 + 10.0 * (1.0 - std::pow(tau, 3.0 * margin / scaleWidth)) / (1.0 - std::pow(tau, 3.0));
    return std::min(kVpMatchTotal, static_cast<int>(std::lround(vp * 100.0)));
}

}  // namespace

std::vector<int> vpScale(int boards) {
    if (boards < 1 || boards > kMaxVpBoards) return {};
    const double scaleWidth = 15.0 * std::sqrt(static_cast<double>(boards));
    std::vector<int> scale = {kVpDraw};
    // Rounding makes some steps a hundredth larger than the one below them; such a step is
    // lowered to the size of the one before, so the scale never gives more for the last IMP
    // than for the one before it. The formula's own value takes over again as soon as it
    // lies on or below that line.
    for (int margin = 1; scale.back() < kVpMatchTotal; ++margin) {
        const int previous = scale.back();
        const int previousStep = margin == 1 ? kVpMatchTotal : previous - scale[scale.size() - 2];
        scale.push_back(std::min(roundedFormula(scaleWidth, margin), previous + previousStep));
    }
    return scale;
}

int winnerVp(int boards, int margin) {
    const std::vector<int> scale = vpScale(boards);
    if (scale.empty()) return kVpDraw;
    return scale[std::clamp<std::size_t>(static_cast<std::size_t>(std::max(margin, 0)), 0, scale.size() - 1)];
}

VpPair matchVp(int boards, int firstImps, int secondImps) {
    const int winner = winnerVp(boards, std::abs(firstImps - secondImps));
    if (firstImps >= secondImps) return {winner, kVpMatchTotal - winner};
    return {kVpMatchTotal - winner, winner};
}

std::string vpText(int hundredths) {
    char text[24];
    const int size = std::abs(hundredths);
    std::snprintf(text, sizeof text, "%s%d,%02d", hundredths < 0 ? "-" : "", size / 100, size % 100);
    return text;
}

}  // namespace vindelkast
