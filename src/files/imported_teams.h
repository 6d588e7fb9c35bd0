#pragma once

#include "files/imported_session.h"
#include "model/contest.h"

namespace vindelkast {

// Makes a contest laid from a team event's file the team event it was: its teams, names and
// form, the boards of a match as a round, two tables to a match and no bye pair, victory
// points. The results are laid already; the caller scores the boards afterwards.
void layTeamEvent(Contest& contest, const ImportedTeams& teams);

}  // namespace vindelkast
