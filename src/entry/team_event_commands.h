#pragma once

#include <string>

#include "movement/contest_setup.h"

namespace vindelkast {

class ContestSession;
class Dialogs;
class PaneRequests;

// "Lagtävling…": asks for the event (form, teams, boards per match, rounds, bye VP, names)
// and sets the contest up as a team event through the session, with the contest's texts of
// `texts` (name, date, arranger). True when it is set up; a refusal is told.
bool setUpTeamEventAsked(ContestSession& session, Dialogs& dialogs, const SetUpRequest& texts);

// "Lotta rond" in a team event: draws the next round (asking whether a Monrad's first round
// goes by the teams' numbers, and while a round is played whether to draw the next one early)
// and shows its tables; a refused draw shows the last round drawn after the message. True when
// a round was drawn.
bool drawNextTeamRound(ContestSession& session, PaneRequests& panes, Dialogs& dialogs);

// "Lotta om senaste ronden": takes the last round back, if nobody has played in it, and draws
// it again. True when a round was drawn.
bool redrawTeamRoundAsked(ContestSession& session, PaneRequests& panes, Dialogs& dialogs);

// "Byt plats på två lag…" in the last round drawn, before they have played ("3-5").
void moveTeamsAsked(ContestSession& session, PaneRequests& panes, Dialogs& dialogs);

// "VP-justering…": victory points given a team in a round (a penalty below 0).
void adjustTeamVpAsked(ContestSession& session, Dialogs& dialogs);

// "Fasta möten…": the meetings the next Monrad round must have ("1-3,5-7").
void fixTeamMeetingsAsked(ContestSession& session, Dialogs& dialogs);

// "Seriens nästa kväll…": writes the series' next evening after the session's, played to its
// end, to `path` (with its side files): the same teams, boards per match and (Monrad) rounds,
// the standings brought forward, dated `date`. "" or why not; the session's contest is left
// as it was.
std::string writeNextSeriesEvening(ContestSession& session, const std::string& path, const std::string& date);

}  // namespace vindelkast
