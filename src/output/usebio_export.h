#pragma once

#include <ostream>
#include <string>

#include "model/contest.h"

namespace vindelkast {

// Writes the contest as a USEBIO 1.2 document, the XML in which club programs and results
// sites exchange a session: the event, the participants with their identity numbers (club
// numbers below 1000, national ones from 1000), their totals, percentages and places (ties
// as "9="), every board's travellers (pairs, contract, declarer and tricks where the tables
// gave them, the NS score or the adjusted one as A6040, both sides' matchpoints) and the
// deals. Individual contests are written with players instead of pairs. The text is ISO-8859-1
// with CR LF line ends; a Windows-1252 character beyond Latin-1 (the euro sign, curly quotes)
// goes out as a character reference.
//
// Beyond the shape other programs write, each pair carries its TOTAL_SCORE and each traveller
// line its ROUND_NUMBER, so that reading the file back lays the movement as it was played.
// A contest scored in IMPs has BOARD_SCORING_METHOD CROSS_IMPS or BUTLER_IMPS, each traveller
// line both sides' IMPs (NS_IMPS, EW_IMPS, two decimals) instead of matchpoints, and each pair
// its total IMPs as TOTAL_SCORE and no percentage.
//
// A team event is a SWISS_TEAMS (Monrad) or TEAMS (round robin) event with MATCH_SCORING_METHOD
// VPS and BOARDS_PER_ROUND, the boards of a match: each TEAM (TEAM_ID, TEAM_NAME) with its VP
// as TOTAL_SCORE, its place, the director's corrections as ADJUSTMENT and its two pairs; then
// every MATCH of every round drawn in the order of its tables, the teams (TEAM, OPPOSING_TEAM),
// their IMPs (TEAM_IMPS, OPPOSING_TEAM_IMPS, our own) and VP (TEAM_SCORE, OPPOSING_TEAM_SCORE),
// and each BOARD with the home team's IMPS and both tables' travellers; a team that sits a
// round out has a MATCH without an opponent worth the bye's VP.
void writeUsebio(const Contest& contest, std::ostream& out);

// "A6040": an adjusted code as USEBIO writes an artificial score (NS share, EW share).
std::string usebioAdjustedScore(int code);

}  // namespace vindelkast
