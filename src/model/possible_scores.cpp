#include "model/possible_scores.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "model/contest.h"
#include "model/contract.h"

namespace vindelkast {

namespace {

// Every possible score made or lost, without its sign, in order: every contract, doubled or
// not, vulnerable or not, with every number of tricks, scored by the one duplicate table.
const std::vector<int>& possibleAmounts() {
    static const std::vector<int> amounts = [] {
        std::vector<int> all{0};
        for (int level = 1; level <= 7; ++level)
            for (Strain strain : {Strain::Clubs, Strain::Hearts, Strain::NoTrump})
                for (int doubling = 0; doubling <= 2; ++doubling)
                    for (bool vulnerable : {false, true})
                        for (int tricks = 0; tricks <= 13; ++tricks)
                            all.push_back(
                                std::abs(declarerScore({level, strain, doubling}, vulnerable, tricks)));
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
    if (!hasScore(nsScore) || nsScore >= kAdjustedBase || isPossibleScore(nsScore)) return "";
    const NearestScores nearest = nearestPossibleScores(nsScore);
    std::string message =
        "Inget kontrakt ger " + std::to_string(nsScore) + ". N\xe4rmaste m\xf6jliga resultat: ";
    message += std::to_string(nearest.below);
    if (nearest.above != nearest.below) message += " och " + std::to_string(nearest.above);
    return message;
}

}  // namespace vindelkast
