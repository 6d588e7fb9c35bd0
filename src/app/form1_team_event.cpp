// A team event: its set-up, the look of the window for it, its view and its corrections.
#include <QAction>

#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/section_set_up.h"
#include "app/set_up_panel.h"
#include "app/view_panes.h"
#include "entry/result_entry.h"
#include "entry/team_event_commands.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

namespace vindelkast {

void TForm1::teamEventClick() {
    if (contest().setUpDone) {
        m_dialogs.message("T\u00e4vlingen \u00e4r redan startad");
        return;
    }
    // The contest's name, date and arranger come from the set-up panel as for any evening; the
    // name the panel proposes for a pairs evening is not this one's.
    SetUpRequest texts = setUpRequestFrom(m_setUp->choices());
    if (texts.contestName == "Part\xe4vling") texts.contestName = "Lagt\xe4vling";
    if (!setUpTeamEventAsked(*m_session, m_dialogs, texts)) return;
    applyTeamEventLook();
    m_setUp->showContest(contest());
    m_setUp->hide();
    setParnrCaption();
    m_panes->setStandingsScrollBar(contest().maxPairNumber >= 28);
    refreshCaption();
}

void TForm1::applyTeamEventLook() {
    const bool on = contest().teams.any();
    // Results are typed a round at a time, as the rounds are drawn.
    if (on) m_entry->roundModeOn();
    const MenuCommands& commands = m_menus->commands();
    commands.drawRound->setEnabled(on || m_setUp->choices().gronaHissen);
    commands.fixedMeetings->setEnabled(on && contest().teams.monrad());
    commands.vpAdjustment->setEnabled(on);
    commands.redrawRound->setEnabled(on);
    commands.moveTeams->setEnabled(on);
    commands.teamEventView->setEnabled(on);
    commands.nextSeriesEvening->setEnabled(on);
}

void TForm1::teamEventViewClick() { m_panes->showTeamEvent(contest()); }

void TForm1::fixedMeetingsClick() { fixTeamMeetingsAsked(*m_session, m_dialogs); }

void TForm1::vpAdjustmentClick() { adjustTeamVpAsked(*m_session, m_dialogs); }

void TForm1::redrawRoundClick() { redrawTeamRoundAsked(*m_session, *m_panes, m_dialogs); }

void TForm1::moveTeamsClick() { moveTeamsAsked(*m_session, *m_panes, m_dialogs); }

}  // namespace vindelkast
