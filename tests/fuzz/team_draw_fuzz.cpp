// A team event's draw file is typed by hand or comes from elsewhere: whatever the bytes, the
// reader must end, and what it accepts must be an event the draw can take without going
// outside it: known teams, each once a round, a draw that pairs every team once.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

#include "files/team_draw_file.h"
#include "fuzz_checks.h"
#include "movement/swiss_draw.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TeamEvent event;
    if (!readTeamDraw(std::string_view(reinterpret_cast<const char*>(data), size), event).empty()) return 0;
    fuzz::require(event.teams.size() >= 2 && event.teams.size() <= static_cast<std::size_t>(kMaxTeams));
    fuzz::require(event.boards >= 1 && event.boards <= kMaxVpBoards);
    fuzz::require(static_cast<int>(event.played.size()) <= event.rounds);
    const std::set<int> teams(event.teams.begin(), event.teams.end());
    for (const TeamRound& round : event.played) {
        std::set<int> seen;
        for (const TeamMatch& m : round.matches)
            fuzz::require(teams.count(m.home) && teams.count(m.away) && seen.insert(m.home).second &&
                          seen.insert(m.away).second);
        for (int team : round.byes) fuzz::require(teams.count(team) && seen.insert(team).second);
    }
    const SwissDraw draw = drawSwissRound(swissDrawInput(event, kDefaultByeVp, false));
    if (!draw.message.empty()) return 0;
    std::set<int> drawn;
    for (const auto& [a, b] : draw.pairs) fuzz::require(drawn.insert(a).second && drawn.insert(b).second);
    if (draw.bye != 0) fuzz::require(drawn.insert(draw.bye).second);
    fuzz::require(drawn == teams);
    return 0;
}
