#include "movement/round_robin.h"

#include <utility>

namespace vindelkast {

std::vector<std::vector<RobinMatch>> roundRobin(int teams) {
    if (teams < 2) return {};
    // An odd field gets a phantom team; whoever meets it sits out.
    const int field = teams + teams % 2;
    const int turning = field - 1;  // the teams that move round the circle
    std::vector<RobinMatch> round;
    round.push_back({1, field});
    for (int table = 1; table < field / 2; ++table) round.push_back({1 + table, field - table});

    std::vector<std::vector<RobinMatch>> rounds;
    for (int r = 0; r < turning; ++r) {
        std::vector<RobinMatch> shown;
        for (RobinMatch match : round) {
            if (match.home > teams) std::swap(match.home, match.away);
            if (match.away > teams) match.away = 0;
            shown.push_back(match);
        }
        rounds.push_back(std::move(shown));
        // Every turning team moves on half a circle; the fixed team changes ends.
        auto next = [&](int team) { return team == field ? field : (team - 1 + field / 2) % turning + 1; };
        for (RobinMatch& match : round) {
            match.home = next(match.home);
            match.away = next(match.away);
        }
        std::swap(round.front().home, round.front().away);
    }
    return rounds;
}

}  // namespace vindelkast
