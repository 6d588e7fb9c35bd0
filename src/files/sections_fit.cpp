#include "files/sections_fit.h"

#include <algorithm>

namespace vindelkast {

namespace {

std::string pairsText(int first, int last) {
    return "par " + std::to_string(first) + (first == last ? "" : "-" + std::to_string(last));
}

// The highest pair number that holds a slot on a board or a name (the sit-out's is no name).
int highestPairInUse(const Contest& contest) {
    int highest = 0;
    for (int b = 1; b <= contest.lastBoard(); ++b)
        for (int i = 0; i < contest.boards[b].resultCount; ++i)
            highest =
                std::max({highest, contest.boards[b].results[i].nsPair, contest.boards[b].results[i].ewPair});
    for (int pair = highest + 1; pair <= kMaxPair; ++pair) {
        const Participant& p = contest.participants[pair];
        if ((p.first && p.first != contest.byeMember) || (p.second && p.second != contest.byeMember))
            highest = pair;
    }
    return std::min(highest, kMaxPair);
}

}  // namespace

std::string sectionsMisfit(const Contest& contest, const Sections& sections) {
    if (!sections.any()) return "";
    if (contest.isIndividual) return "en individuell t\xe4vling spelas inte i sektioner";
    if (contest.isGronaHissen) return "Gr\xf6na Hissen spelas inte i sektioner";
    // Every pair number of the contest, and any above it that plays or has a name.
    const int pairs = std::max(highestPairInUse(contest), std::min(contest.maxPairNumber, kMaxPair));
    int next = 1;
    for (const Section& s : sections.list) {
        if (s.firstPair > next) return pairsText(next, s.firstPair - 1) + " ing\xe5r inte i n\xe5gon sektion";
        if (s.lastPair > pairs)
            return "sektion " + std::string(1, s.letter) + " g\xe5r till par " + std::to_string(s.lastPair) +
                   ", men t\xe4vlingen har " + std::to_string(pairs) + " par";
        next = s.lastPair + 1;
    }
    if (next <= pairs) return pairsText(next, pairs) + " ing\xe5r inte i n\xe5gon sektion";
    return "";
}

}  // namespace vindelkast
