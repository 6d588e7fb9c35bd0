#include "model/team_setup.h"

namespace vindelkast {

std::string TeamSetup::nameOf(int team) const {
    const std::size_t index = static_cast<std::size_t>(team - 1);
    if (team >= 1 && index < names.size() && !names[index].empty()) return names[index];
    return "Lag " + std::to_string(team);
}

}  // namespace vindelkast
