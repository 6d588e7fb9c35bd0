#pragma once

#include <string>
#include <vector>

// Team matches are scored in IMPs and turned into victory points on the continuous 20-point
// scale: the winner of a margin M over N boards gets
//   min(20, 10 + 10 * (1 - tau^(3M/B)) / (1 - tau^3)),  tau = (sqrt 5 - 1) / 2,  B = 15 sqrt N,
// rounded to two decimals and then made concave, the loser 20 less. Points are kept as whole
// hundredths so that totals add up exactly.
namespace vindelkast {

constexpr int kVpMatchTotal = 2000;  // 20.00: what the two teams of a match share
constexpr int kVpDraw = 1000;        // 10.00 each for a drawn match
// What a team that sits a round out gets unless the club says otherwise (12.00).
constexpr int kDefaultByeVp = 1200;
// The scale is made for matches of 1 to this many boards; beyond it the rounded steps near
// the top would shrink to nothing and the scale would never climb to 20.00.
constexpr int kMaxVpBoards = 100;

// The winner's points at every margin from 0 up to the first that gives 20.00 (its last
// entry); empty when `boards` lies outside 1..kMaxVpBoards.
std::vector<int> vpScale(int boards);

// The winner's points for a margin of `margin` IMPs (0 or more) over `boards` boards.
int winnerVp(int boards, int margin);

// The two teams' points for a match they ended with these IMP totals.
struct VpPair {
    int first = kVpDraw;
    int second = kVpDraw;
};
VpPair matchVp(int boards, int firstImps, int secondImps);

// Hundredths as the lists write them: "15,00", "4,07".
std::string vpText(int hundredths);

}  // namespace vindelkast
