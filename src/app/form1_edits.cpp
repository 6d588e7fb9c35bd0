// "Redigera": taking an edit back, making it again, the journal of them all, and the
// corrections of the evening's results.
#include <QAction>

#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/set_up_panel.h"
#include "app/view_panes.h"
#include "entry/name_panel.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

namespace vindelkast {

void TForm1::connectEdits() {
    const MenuCommands& commands = m_menus->commands();
    connect(commands.undo, &QAction::triggered, this, [this] { takeEditBack(false); });
    connect(commands.redo, &QAction::triggered, this, [this] { takeEditBack(true); });
    connect(commands.journal, &QAction::triggered, this, [this] { m_panes->showJournal(); });
    for (std::size_t i = 0; i < commands.corrections.size(); ++i)
        connect(commands.corrections[i], &QAction::triggered, this,
                [this, kind = kCorrectionKinds[i]] { correctClick(kind); });
    // An open, a clear or a save changes what can be taken back without changing the contest.
    connect(m_session, &ContestSession::changed, this, &TForm1::refreshEditCommands);
    connect(m_session, &ContestSession::savedStateChanged, this, &TForm1::refreshEditCommands);
    refreshEditCommands();
}

void TForm1::refreshEditCommands() {
    const MenuCommands& commands = m_menus->commands();
    // The item says what it takes back, as the journal names it.
    commands.undo->setEnabled(m_session->canUndo());
    commands.undo->setText(m_session->canUndo() ? "\u00c5ngra: " + toQt(m_session->undoName())
                                                : "\u00c5ngra");
    commands.redo->setEnabled(m_session->canRedo());
    commands.redo->setText(m_session->canRedo() ? "G\u00f6r om: " + toQt(m_session->redoName())
                                                : "G\u00f6r om");
    for (QAction* correction : commands.corrections) correction->setEnabled(contest().setUpDone);
}

void TForm1::takeEditBack(bool redo) {
    const bool wasSetUp = contest().setUpDone;
    const std::string problem = redo ? m_session->redo() : m_session->undo();
    if (!problem.empty()) {
        m_dialogs.message(toQt(problem));
        return;
    }
    // The panels that show the set-up follow it back; the views follow the session themselves.
    const Contest& c = contest();
    applyTeamEventLook();
    m_setUp->showContest(c);
    setParnrCaption();
    if (wasSetUp != c.setUpDone) showOpenedContest();
    // The name panel shows its fields, not the contest: an open one shows the names taken back.
    if (m_names->isVisible()) m_names->refreshNamePanel();
}

void TForm1::correctClick(CorrectionKind kind) {
    const CorrectionQuestion question = correctionQuestion(kind);
    QString title = toQt(question.item);
    title.chop(1);  // the item's ellipsis
    const std::optional<QString> typed =
        m_dialogs.inputQuery(title, toQt("Skriv " + question.prompt + ":"), "");
    if (!typed || typed->trimmed().isEmpty()) return;
    const std::string problem = m_session->correct(kind, fromQtLossy(*typed));
    if (!problem.empty()) m_dialogs.message(toQt(problem));
}

}  // namespace vindelkast
