#pragma once

#include "model/contest.h"
#include "support/sample_contests.h"

namespace vindelkast::test {

// The club evening of the results pages: 16 pairs at 8 tables play 24 boards in 7 rounds
// of a Mitchell (examples/P16_mitchell.gui), so every board is played 7 times. Pair 11
// has no names. Every board has a deal; `play` enters rounds 1..lastRound, each result with
// the contract, declarer and tricks the table gave.
struct MitchellEvening : ContestFixture {
    MitchellEvening();
    void play(int lastRound);
    // The contract and score one slot gets: the same for the same board and pairs.
    static PlayedContract contractFor(int board, int nsPair, int ewPair);
};

// Deals every board 1..boardCount from a fixed seed, so each run deals the same cards.
void dealEveryBoard(Contest& contest, unsigned seed);

// Gives every scored result without a contract one (contractFor), with the score it makes;
// the boards are scored again.
void playWithContracts(Contest& contest);

}  // namespace vindelkast::test
