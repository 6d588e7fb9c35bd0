#include "entry/round_draw_command.h"

#include "entry/team_event_commands.h"
#include "movement/draw_pane.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"
#include "session/pane_requests.h"

namespace vindelkast {

bool drawNextRound(ContestSession& session, PaneRequests& panes, Dialogs& dialogs) {
    if (session.contest().teams.any()) return drawNextTeamRound(session, panes, dialogs);
    DrawPane drawn;
    session.editIf({"lottad rond"}, ContestChange::draw(), [&drawn](Contest& contest) {
        drawn = drawRoundPane(contest);
        return drawn.round != 0;
    });
    if (!drawn.message.empty()) dialogs.message(toQt(drawn.message));
    if (drawn.round == 0) return false;
    panes.showDrawnRound(drawn.lines);
    return true;
}

}  // namespace vindelkast
