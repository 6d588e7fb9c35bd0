#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "model/member_register.h"

namespace vindelkast::test {

// The sample contests in examples/, built from code with the real scoring: a test keeps
// the committed files equal to what these builders produce (VK_WRITE_EXAMPLES=1 rewrites them).
struct ExampleContest {
    std::string fileName;  // UTF-8, inside examples/
    void (*build)(Contest& contest, MemberRegister& reg);
    // What reading the file must give.
    int boardCount;
    int roundCount;
    int maxPairNumber;
    int byePair;
    int participantCount;
    int dealCount;
    int resultSlots;  // written slots over all boards
    int scoredSlots;  // slots with a score
    bool individual;
};

const std::vector<ExampleContest>& exampleContests();

// The deals of boards 1..dealCount as a PBN file, the way dealing programs write them.
std::string pbnFileText(const Contest& contest);

// Folder of the examples and of the register the examples name.
std::string examplesDir();
std::string examplePath(const std::string& fileName);

// Lays down one line of a Howell movement the way the built-in movements do: a stationary
// pair a (nsStep 0, `pattern` says who sits NS) or moving pairs a and b, starting at board c.
void layMovementLine(Contest& contest, int a, int b, int c, int nsStep, const std::string& pattern);

// The NS score of a contract: level 1..7, strain 0 clubs .. 3 spades, 4 notrump; `tricks`
// taken by the declarer; the declarer's side vulnerable or not.
int contractScore(int level, int strain, bool vulnerable, int tricks);

}  // namespace vindelkast::test
