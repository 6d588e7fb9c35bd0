#include "model/team_standings.h"

#include <algorithm>

namespace vindelkast {

namespace {

// Compares for/against quotients exactly, without dividing: -1, 0 or 1.
int compareQuotients(const TeamScore& a, const TeamScore& b) {
    // A team without IMPs either way counts as 1/1.
    const long long aFor = a.impsFor == 0 && a.impsAgainst == 0 ? 1 : a.impsFor;
    const long long aAgainst = a.impsFor == 0 && a.impsAgainst == 0 ? 1 : a.impsAgainst;
    const long long bFor = b.impsFor == 0 && b.impsAgainst == 0 ? 1 : b.impsFor;
    const long long bAgainst = b.impsFor == 0 && b.impsAgainst == 0 ? 1 : b.impsAgainst;
    if (aAgainst == 0 || bAgainst == 0) return (aAgainst == 0) - (bAgainst == 0);
    const long long left = aFor * bAgainst;
    const long long right = bFor * aAgainst;
    return (left > right) - (left < right);
}

}  // namespace

const std::string& TeamEvent::nameOf(int team) const {
    static const std::string none;
    const auto at = std::find(teams.begin(), teams.end(), team);
    return at == teams.end() || static_cast<std::size_t>(at - teams.begin()) >= names.size()
               ? none
               : names[at - teams.begin()];
}

std::vector<TeamScore> teamTotals(const TeamEvent& event, int byeVp) {
    std::vector<TeamScore> totals;
    for (int team : event.teams) totals.push_back({team});
    auto of = [&](int team) -> TeamScore* {
        const auto at =
            std::find_if(totals.begin(), totals.end(), [&](const TeamScore& t) { return t.team == team; });
        return at == totals.end() ? nullptr : &*at;
    };
    for (const TeamRound& round : event.played) {
        for (const TeamMatch& match : round.matches) {
            const VpPair vp = matchVp(event.boards, match.homeImps, match.awayImps);
            if (TeamScore* home = of(match.home)) {
                home->vp += vp.first;
                home->impsFor += match.homeImps;
                home->impsAgainst += match.awayImps;
            }
            if (TeamScore* away = of(match.away)) {
                away->vp += vp.second;
                away->impsFor += match.awayImps;
                away->impsAgainst += match.homeImps;
            }
        }
        for (int team : round.byes)
            if (TeamScore* t = of(team)) t->vp += byeVp;
    }
    return totals;
}

std::vector<TeamScore> rankTeams(std::vector<TeamScore> totals) {
    std::stable_sort(totals.begin(), totals.end(), [](const TeamScore& a, const TeamScore& b) {
        if (a.vp != b.vp) return a.vp > b.vp;
        const int aDifference = a.impsFor - a.impsAgainst;
        const int bDifference = b.impsFor - b.impsAgainst;
        if (aDifference != bDifference) return aDifference > bDifference;
        return compareQuotients(a, b) > 0;
    });
    return totals;
}

}  // namespace vindelkast
