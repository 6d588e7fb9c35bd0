#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/contest.h"
#include "model/member_register.h"

namespace vindelkast::test {

// A register with the bye person and `count` members "Efternamn<i> Förnamn<i>".
void fillRegister(MemberRegister& reg, int count);

// A fresh contest attached to its own register, as the window holds it.
struct ContestFixture {
    std::unique_ptr<MemberRegister> reg = std::make_unique<MemberRegister>();
    std::unique_ptr<Contest> contest = std::make_unique<Contest>();
    ContestFixture() {
        reg->startWithByeMember();
        contest->reset(*reg);
    }
    Contest& c() { return *contest; }
};

// Sets the counts the way completing the set-up does.
void setUp(Contest& contest, int boards, int rounds, int maxPair, int byePair = 0);

// Seats members 2p-1 and 2p of the register as pair p, for pairs 1..count.
void seatPairs(Contest& contest, int count);

// Stores a NS score on the result with this NS and EW pair, as result entry does.
void enter(Contest& contest, int board, int nsPair, int ewPair, int nsScore);

// The largest contest: 71 boards, 72 pairs (36 tables), every result scored.
void fillLargestContest(Contest& contest);

}  // namespace vindelkast::test
