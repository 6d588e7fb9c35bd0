#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/contest.h"

// The standings the players see while the evening goes on. The contest's totals make up for
// every board a pair has not played yet, so in the middle of an evening they read 20-32 %
// for everybody; here a pair's figure is the share of the matchpoints it could have had on
// the boards scored so far.
namespace vindelkast {

// In an IMP contest the same two figures are the IMPs so far and the IMPs per board, ranked
// as the percentages and totals are: by IMPs per board while the evening goes on (pairs have
// played different numbers of boards), by total IMPs at the end.
struct PairStanding {
    double points = 0.0;     // matchpoints (IMPs) so far (final: the contest's total)
    double top = 0.0;        // the tops of the boards scored so far (final: 0); IMPs: the boards
    double percent = 0.0;    // IMPs: IMPs per board
    bool hasFigure = false;  // false while none of its boards has two results to compare
};

struct LiveStandings {
    bool imps = false;   // the contest is scored in IMPs
    bool final = false;  // every result is in: the contest's own totals and percentages
    int roundsDone = 0;  // rounds in which every slot has a score
    int roundCount = 0;  // rounds the movement plays
    std::array<PairStanding, kParticipantSlots> pairs{};  // by pair (player) number
    std::vector<int> order;  // every real pair in order of place: best first, no figure last
};

// Per pair: its matchpoints over the tops of the boards on which it has a scored result
// (a board with a single result has nothing to compare and counts for nobody yet). Once all
// results are in, exactly the figures of the final standings.
LiveStandings liveStandings(const Contest& contest);

// The final standings in the same form: the contest's totals and percentages, in order of
// place, whether or not every result is in.
LiveStandings finalStandings(const Contest& contest);

// The pair's place among `among` (pairs with a figure; the pair among them): one more than
// those with a better figure. Figures within 0.05 of each other (final: matchpoints, else
// percent) share a place, as the final standings' exported places do; IMP figures within
// 0.005 (equal as shown, to the hundredth). 0 without a figure.
int sharedLivePlace(const LiveStandings& standings, int pair, const std::vector<int>& among);

// "efter 4 av 7 ronder".
std::string roundsText(const LiveStandings& standings);

}  // namespace vindelkast
