#pragma once

#include <vector>

// The rounds of a session whose results came without them (a USEBIO file says which pairs
// played which boards, not when).
namespace vindelkast {

// One table in one round: its two pairs and the group of boards they played.
struct Meeting {
    int nsPair = 0;
    int ewPair = 0;
    int group = 0;
};

// A round 1..roundLimit for every meeting such that no pair plays two meetings in one round
// and, unless `shareGroups`, no group of boards is at two tables in one round. A bounded
// search tries the meetings with the fewest rounds left first and each meeting's earliest
// round first, so a file listing the tables in playing order gets its own rounds back; a
// Mitchell too large for it (NS and EW pairs apart, boards moving a table a round) gets the
// rounds its movement gives. Otherwise the answer is empty: a file made to be hard costs
// milliseconds, not hours. The rounds used are numbered 1, 2, 3 ... without a gap.
std::vector<int> inferRounds(const std::vector<Meeting>& meetings, int roundLimit, bool shareGroups);

}  // namespace vindelkast
