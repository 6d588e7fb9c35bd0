#pragma once

#include <vector>

// Every team against every other once, by the circle method of the Berger tables.
namespace vindelkast {

// One match of a round: the home team first. `away` is 0 when `home` sits the round out.
struct RobinMatch {
    int home = 0;
    int away = 0;
};

// The rounds for teams 1..teams (2 or more): teams - 1 rounds for an even count; for an odd
// count one round per team, each sitting out once. Team n (the highest even number) stays
// put while the others turn half a circle a round, so that home and away alternate for
// almost every team. Empty for fewer than 2 teams.
std::vector<std::vector<RobinMatch>> roundRobin(int teams);

}  // namespace vindelkast
