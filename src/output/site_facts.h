#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/contest.h"
#include "model/live_standings.h"
#include "output/site_view.h"

// What the results pages are made of, worked out once for all of them.
namespace vindelkast {

// One of a pair's results: the board and slot, and the side it sat on.
struct PairResult {
    int board = 0;
    int slot = 0;
    bool northSouth = true;
};

struct ListedPair {
    int pair = 0;
    int place = 0;  // 0 while the pair has no figure
};

struct StandingsList {
    std::string title;  // "NS", "ÖV", "sektion A", or "" for the one list of all pairs (Windows-1252)
    std::vector<ListedPair> rows;
};

struct SiteFacts {
    LiveStandings figures;             // live: so far; otherwise final
    std::vector<StandingsList> lists;  // two (NS, ÖV) when no pair sits both ways
    std::array<bool, kParticipantSlots> published{};
    std::array<std::vector<PairResult>, kParticipantSlots> results;  // by pair, board order
    std::array<int, kBoardSlots> top{};                              // 2 × (scored results − 1)
    std::array<int, kParticipantSlots> listOf{};                     // index into lists
    std::array<int, kParticipantSlots> placeOf{};
};

SiteFacts siteFacts(const Contest& contest, const SiteView& view);

// The round in which a pair played a board (the slot's round, Gröna Hissen's board group).
int resultRound(const Contest& contest, const PairResult& result);

}  // namespace vindelkast
