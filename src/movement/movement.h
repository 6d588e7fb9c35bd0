#pragma once

#include <map>
#include <string>
#include <tuple>

namespace vindelkast {

// The rule or guide card from which empty result slots are laid down. The slots on the
// boards are the movement; this only remembers how it was made.
struct Movement {
    int boardCount = 0;
    int boardsPerRound = 0;
    int roundCount = 0;
    int cycleLength = 0;
    int pairCount = 0;  // players in an individual movement
    int byePair = 0;
    int ewStep = 1;
    int nsStep = 0;                  // 0: the NS position is stationary and the pattern decides
    std::string orientationPattern;  // per round: '1' the stationary pair sits NS, '0' EW
    // A guide card's table numbers: each record is the table of its place among the records
    // of its round. Keyed by round, NS (North) and EW (East); empty for a built-in movement.
    std::map<std::tuple<int, int, int>, int> tables;
};

}  // namespace vindelkast
