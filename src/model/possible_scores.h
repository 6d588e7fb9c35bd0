#pragma once

#include <string>

// The scores duplicate bridge can give: every contract, doubled or not, by either side,
// vulnerable or not, made with any overtricks or gone down any number of tricks.
namespace vindelkast {

// Whether some contract, vulnerability and result gives this NS score (0 is a passed board).
bool isPossibleScore(int nsScore);

// The possible scores nearest below and above; the same score when it is possible, and
// the nearest one twice beyond the largest.
struct NearestScores {
    int below = 0;
    int above = 0;
};
NearestScores nearestPossibleScores(int nsScore);

// The warning for a bridge score no contract gives, naming the nearest possible ones
// (Windows-1252); empty for a possible score and for anything that is not a typed score.
std::string impossibleScoreMessage(int nsScore);

}  // namespace vindelkast
