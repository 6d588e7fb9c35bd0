#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "files/deal_import.h"
#include "model/contest.h"
#include "model/member_register.h"

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
    for (const Board& board : c.boards) {
        require(board.resultCount >= 0 && board.resultCount <= kMaxResults);
        // Every value a view or an export turns into a number of its own stays in range.
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            require(Contest::validPair(r.nsPair) && Contest::validPair(r.ewPair));
            require(r.nsScore >= kNoScore && r.nsScore < kAdjustedBase + 100);
            for (float points : {r.nsPoints, r.ewPoints})
                require(points >= kNoPoints && points <= -kNoPoints);
        }
    }
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

// One deal-file format: the first byte is the number of boards set up (0: read up to 71),
// the rest is the file.
inline int fuzzDealFile(const std::uint8_t* data, std::size_t size, DealFileFormat format) {
    if (size < 1) return 0;
    MemberRegister reg;
    Contest contest;
    contest.reset(reg);
    contest.boardCount = data[0] % 80;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    importDeals(contest, in, format);
    require(contest.dealCount >= 0 && contest.dealCount <= kMaxBoard);
    checkDeals(contest);
    return 0;
}

}  // namespace vindelkast::fuzz
