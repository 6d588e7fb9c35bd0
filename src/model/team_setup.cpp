#include "model/team_setup.h"

namespace vindelkast {

std::string TeamSetup::nameOf(int team) const {
    const std::size_t index = static_cast<std::size_t>(team - 1);
    if (team >= 1 && index < names.size() && !names[index].empty()) return names[index];
    return "Lag " + std::to_string(team);
}

std::vector<int> TeamSetup::pairsOf(int team) const {
    if (pairsPerTeam() == 1) return {team};
    return {2 * team - 1, 2 * team};
}

std::vector<MatchTable> TeamSetup::matchTables(int home, int away) const {
    if (pairsPerTeam() == 1) return {{home, away}};
    return {{2 * home - 1, 2 * away}, {2 * away - 1, 2 * home}};
}

}  // namespace vindelkast
