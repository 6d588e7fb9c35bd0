#include "model/possible_scores.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

namespace {

enum Strain { Minor, Major, NoTrump };

int madeScore(int level, Strain strain, int doubling, bool vulnerable, int overtricks) {
    const int perTrick = strain == Minor ? 20 : 30;
    const int tricks = level * perTrick + (strain == NoTrump ? 10 : 0);
    const int factor = doubling == 0 ? 1 : doubling == 1 ? 2 : 4;
    const int contract = tricks * factor;
    int score = contract + (contract >= 100 ? (vulnerable ? 500 : 300) : 50);
    if (level == 6) score += vulnerable ? 750 : 500;
    if (level == 7) score += vulnerable ? 1500 : 1000;
    score += doubling * 50;  // for the double or the redouble made
    const int overtrick = doubling == 0 ? perTrick : (vulnerable ? 200 : 100) * doubling;
    return score + overtricks * overtrick;
}

int downScore(int down, int doubling, bool vulnerable) {
    if (doubling == 0) return down * (vulnerable ? 100 : 50);
    int penalty = 0;
    for (int trick = 1; trick <= down; ++trick) {
        if (vulnerable)
            penalty += trick == 1 ? 200 : 300;
        else
            penalty += trick == 1 ? 100 : trick <= 3 ? 200 : 300;
    }
    return penalty * doubling;
}

// Every possible score made or lost, without its sign, in order.
const std::vector<int>& possibleAmounts() {
    static const std::vector<int> amounts = [] {
        std::vector<int> all{0};
        for (int level = 1; level <= 7; ++level)
            for (Strain strain : {Minor, Major, NoTrump})
                for (int doubling = 0; doubling <= 2; ++doubling)
                    for (bool vulnerable : {false, true}) {
                        for (int over = 0; over <= 7 - level; ++over)
                            all.push_back(madeScore(level, strain, doubling, vulnerable, over));
                        for (int down = 1; down <= level + 6; ++down)
                            all.push_back(downScore(down, doubling, vulnerable));
                    }
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return amounts;
}

}  // namespace

bool isPossibleScore(int nsScore) {
    const std::vector<int>& amounts = possibleAmounts();
    return std::binary_search(amounts.begin(), amounts.end(), std::abs(nsScore));
}

NearestScores nearestPossibleScores(int nsScore) {
    const std::vector<int>& amounts = possibleAmounts();
    const int amount = std::abs(nsScore);
    const auto above = std::lower_bound(amounts.begin(), amounts.end(), amount);
    NearestScores nearest;
    if (above == amounts.end()) {
        nearest.below = nearest.above = amounts.back();
    } else {
        nearest.above = *above;
        nearest.below = *above == amount || above == amounts.begin() ? *above : *(above - 1);
    }
    if (nsScore < 0) nearest = {-nearest.above, -nearest.below};
    return nearest;
}

std::string impossibleScoreMessage(int nsScore) {
    if (nsScore <= kNoScore || nsScore >= kAdjustedBase || isPossibleScore(nsScore)) return "";
    const NearestScores nearest = nearestPossibleScores(nsScore);
    std::string message =
        "Inget kontrakt ger " + std::to_string(nsScore) + ". N\xe4rmaste m\xf6jliga resultat: ";
    message += std::to_string(nearest.below);
    if (nearest.above != nearest.below) message += " och " + std::to_string(nearest.above);
    return message;
}

}  // namespace vindelkast
