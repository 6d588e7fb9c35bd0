#pragma once

#include <vector>

#include "model/contest.h"
#include "model/team_matches.h"
#include "output/view_line.h"

// What a team event shows and prints: a round's draw, the match cards, the standings with
// each team's players, and the round robin's cross table.
namespace vindelkast {

// A match's IMPs on a board as the cards show them: whole ("3"), or a match of pairs' share of
// its points across the field ("1,67").
std::string matchImpText(double imps);

// The round's tables: which teams meet at which tables, and who sits out.
std::vector<ViewLine> teamDrawLines(const Contest& contest, int round);

// One match, board by board: the score at each table and the IMPs, then the totals and VP.
std::vector<ViewLine> matchCardLines(const Contest& contest, const MatchCard& card);

// Every match card of a round.
std::vector<ViewLine> roundCardsLines(const Contest& contest, int round);

// The standings by VP, IMP difference and quotient, each team with its pairs' players.
std::vector<ViewLine> teamStandingsLines(const Contest& contest);

// The cross table: each team's VP against every other (an empty cell: not met yet).
std::vector<ViewLine> crossTableLines(const Contest& contest);

// The whole event on paper: standings, then each round's draw and cards, the cross table of
// a round robin, and the VP scale of its matches.
std::vector<ViewLine> teamEventLines(const Contest& contest);

// The VP scale of a match of `boards` boards: the winner's and the loser's VP at each margin up
// to the one that brings 20.
std::vector<ViewLine> vpScaleLines(int boards);

// A team's line for a phone after a board: "Ni leder med 14 IMP, 15,00 VP", "Ni ligger under
// med 3 IMP, 9,12 VP", "Ni står lika, 10,00 VP"; "" when the team plays no match that round.
std::string matchStandingText(const Contest& contest, int round, int team);

}  // namespace vindelkast
