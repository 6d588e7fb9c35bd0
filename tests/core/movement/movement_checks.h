#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/contest.h"

namespace vindelkast::test {

// One empty slot as a movement lays it down.
using Slot = std::tuple<int, int, int, int>;  // board, round, NS, EW

inline std::vector<Slot> slotsOf(const Contest& contest) {
    std::vector<Slot> slots;
    for (int b = 1; b <= kMaxBoard; ++b)
        for (int i = 0; i < contest.boards[b].resultCount; ++i) {
            const BoardResult& r = contest.boards[b].results[i];
            slots.emplace_back(b, r.round, r.nsPair, r.ewPair);
        }
    std::sort(slots.begin(), slots.end());
    return slots;
}

// What is wrong with the movement on the boards 1..boardCount, or "" when it is sound: no
// pair meets itself or plays a board twice, no board is at two tables in one round, every
// board is played equally often, no slot lies past the last board, and (`onceOnly`) no two
// pairs meet twice.
inline std::string movementFaults(const Contest& contest, bool onceOnly) {
    std::map<std::pair<int, int>, std::set<int>> meetingRounds;
    int plays = -1;
    for (int b = 1; b <= kMaxBoard; ++b) {
        const Board& board = contest.boards[b];
        if (b > contest.boardCount) {
            if (board.resultCount > 0) return "slot past the last board on board " + std::to_string(b);
            continue;
        }
        if (plays < 0) plays = board.resultCount;
        if (board.resultCount != plays) return "board " + std::to_string(b) + " played unevenly";
        std::set<int> pairs;
        std::set<int> rounds;
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            if (r.nsPair == r.ewPair) return "pair meets itself on board " + std::to_string(b);
            for (int p : {r.nsPair, r.ewPair, r.nsPlayer2, r.ewPlayer2})
                if (p != 0 && !pairs.insert(p).second)
                    return "pair " + std::to_string(p) + " plays board " + std::to_string(b) + " twice";
            if (!rounds.insert(r.round).second)
                return "board " + std::to_string(b) + " at two tables in round " + std::to_string(r.round);
            meetingRounds[{std::min(r.nsPair, r.ewPair), std::max(r.nsPair, r.ewPair)}].insert(r.round);
        }
    }
    if (onceOnly)
        for (const auto& [pairs, rounds] : meetingRounds)
            if (rounds.size() > 1)
                return "pairs " + std::to_string(pairs.first) + " and " + std::to_string(pairs.second) +
                       " meet twice";
    return "";
}

// The pairs that meet somewhere on the boards, smaller number first.
inline std::set<std::pair<int, int>> meetingsOf(const Contest& contest) {
    std::set<std::pair<int, int>> met;
    for (const auto& [board, round, ns, ew] : slotsOf(contest))
        met.insert({std::min(ns, ew), std::max(ns, ew)});
    return met;
}

}  // namespace vindelkast::test
