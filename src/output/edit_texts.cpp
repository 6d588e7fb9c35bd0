#include "output/edit_texts.h"

#include "model/name_forms.h"

namespace vindelkast {

std::string numbersText(const std::vector<int>& pairs) {
    std::string text = "par";
    for (std::size_t i = 0; i < pairs.size(); ++i)
        text += (i == 0 ? " " : i + 1 == pairs.size() ? " och " : ", ") + std::to_string(pairs[i]);
    return text;
}

std::string startListText(const Contest& contest, const std::vector<int>& pairs) {
    std::string text;
    for (const int pair : pairs)
        text +=
            (text.empty() ? "" : "; ") + std::to_string(pair) + " " + pairName(contest, pair, NameForm::Long);
    return text;
}

std::string setUpText(const Contest& contest) {
    if (contest.boardCount == 0) return "inte uppsatt";
    return std::to_string(contest.maxPairNumber) + (contest.isIndividual ? " spelare, " : " par, ") +
           std::to_string(contest.boardCount) + " brickor, " + std::to_string(contest.roundCount) + " ronder";
}

std::string byePairText(const Contest& contest) {
    return contest.byePair > 0 ? "par " + std::to_string(contest.byePair) : "inget";
}

}  // namespace vindelkast
