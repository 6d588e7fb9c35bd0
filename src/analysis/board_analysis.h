#pragma once

#include <string>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

// A complete deal as PBN text, "N:" and the four hands clockwise, each suit's ranks from
// the ace down ("N:AKQ.J2.T98.765 ..."); "" for an incomplete deal. The analysis keeps this
// text as the fingerprint of the deal it was computed for.
std::string dealPbn(const Deal& deal);

// The board's kept analysis when it still belongs to the board's published deal, else
// nullptr: a deal that was imported anew or cleared has dropped its analysis.
const BoardAnalysis* keptAnalysis(const Contest& contest, int board);
// True when any board has a kept analysis.
bool hasKeptAnalysis(const Contest& contest);

// What the solver needs of one board.
struct AnalysisJob {
    int board = 0;
    std::string deal;       // dealPbn of the board's deal
    int dealer = 0;         // 0 N, 1 E, 2 S, 3 W
    int vulnerability = 0;  // 0 none, 1 both, 2 NS, 3 EW
};

// The published boards with a complete deal that have no kept analysis, in board order.
std::vector<AnalysisJob> analysisJobs(const Contest& contest);

// Stores analyses in their boards' slots (BoardAnalysis::deal must be set).
void keepAnalysis(Contest& contest, int board, BoardAnalysis analysis);

// A par contract in the PBN style: "4S", "3NT", "5DX"; with `seats` first: "NS 4S". The
// solver gives the lowest level with its overtricks (1H+2); it is named at the level of the
// tricks it takes (3H), as a director reads it.
int parLevel(const ParContract& contract);
std::string parContractText(const ParContract& contract);
std::string seatsText(int seats);  // "N", "E", "S", "W", "NS", "EW"
// Every par contract, "NS 4S; NS 4H"; "" for a passed-out board.
std::string parContractsText(const BoardAnalysis& analysis);

}  // namespace vindelkast
