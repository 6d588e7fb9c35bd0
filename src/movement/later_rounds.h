#pragma once

#include <set>
#include <utility>
#include <vector>

// Whether the rounds still to come in a Monrad event can all be drawn without two teams
// meeting again: what lets a draw put off a repeat for as long as it can.
namespace vindelkast {

struct DrawnSoFar {
    std::vector<int> teams;             // every team of the event
    std::set<std::pair<int, int>> met;  // meetings so far (meetingOf)
    std::set<int> hadBye;               // teams that have sat a round out
};

// Whether `rounds` more rounds can be drawn with no repeated meeting, an odd field's sit-out
// going to a team that has not sat out while there is one. The search tries at most `budget`
// meetings (counted down) and answers false when it runs out.
bool laterRoundsOpen(const DrawnSoFar& field, int rounds, int& budget);

}  // namespace vindelkast
