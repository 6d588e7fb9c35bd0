#pragma once

namespace vindelkast {

class ContestSession;
class Dialogs;
class PaneRequests;

// "Lotta rond": draws the next Gröna Hissen round through the session and asks for its
// tables to be shown across the lower part of the window (the caller has hidden the entry
// panel). When results of an earlier round are missing, that round is shown again after
// the message. True when a round is shown. A team event's rounds are drawn by
// drawNextTeamRound (entry/team_event_commands.h).
bool drawNextRound(ContestSession& session, PaneRequests& panes, Dialogs& dialogs);

}  // namespace vindelkast
