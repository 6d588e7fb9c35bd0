#pragma once

#include <array>
#include <cstdlib>

#include "model/contest.h"

namespace vindelkast::fuzz {

// Stops the run when a reader has left the contest outside what the program allows.
inline void require(bool condition) {
    if (!condition) std::abort();
}

inline void checkBounds(const Contest& c) {
    require(c.boardCount >= 0 && c.boardCount <= kMaxBoard);
    require(c.boardsPerRound >= 1 || c.boardCount == 0);
    require(c.maxPairNumber >= 0 && c.maxPairNumber <= kMaxPair);
    require(c.participantCount >= 0 && c.participantCount <= kMaxPair);
    require(c.dealCount >= 0 && c.dealCount <= kMaxBoard);
    require(c.byePair >= 0 && c.byePair <= kMaxPair);
    for (const Board& board : c.boards) require(board.resultCount >= 0 && board.resultCount <= kMaxResults);
}

// Boards 1..dealCount hold whole deals: 52 different cards, each one a real card.
inline void checkDeals(const Contest& c) {
    for (int b = 1; b <= c.dealCount; ++b) {
        std::array<bool, 53> seen{};
        for (const Hand& hand : c.boards[b].deal) {
            for (const Card& card : hand) {
                require(card.code >= 1 && card.code <= 52 && !seen[card.code]);
                require(card.code == 13 * card.suit + 15 - card.rank);
                seen[card.code] = true;
            }
        }
    }
}

}  // namespace vindelkast::fuzz
