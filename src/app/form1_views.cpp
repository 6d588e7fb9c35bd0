// The views (F5-F11, Shift+F12), printing, the manual and the about box.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include "app/form1.h"
#include "app/manual_path.h"
#include "app/menu_tree.h"
#include "app/pane_printer.h"
#include "app/set_up_panel.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "entry/name_panel.h"
#include "entry/result_entry.h"
#include "files/text_fields.h"
#include "model/result_order.h"
#include "model/standings.h"
#include "model/version.h"
#include "output/private_protocol_view.h"
#include "qt/qt_text.h"
#include "session/dialogs.h"

namespace vindelkast {

void TForm1::MnGeResClick() { m_entry->open(); }

void TForm1::GmresultatClick() { m_entry->hideEntry(); }

void TForm1::VisascoretavlorClick() {
    if (m_panes->toggleScoreTables(entryPanelGeometry()))
        m_panes->showScoreTables(contest(), currentBoard(), roundMode(), entryPanelGeometry());
}

void TForm1::Ordning1Click() { m_entry->stepResultOrder(); }

void TForm1::BrickaRond1Click() { m_entry->toggleRoundMode(); }

void TForm1::MnParnrClick() { m_panes->toggleProgress(contest(), m_entry->typedNumbers()); }

void TForm1::Total1Click() { m_panes->showStandings(contest()); }

void TForm1::Rond1Click() {
    if (contest().boardsPerRound == 0) return;
    m_panes->showRoundResult(contest(),
                             lastBoardOfRound(contest(), currentBoard()) / contest().boardsPerRound);
}

void TForm1::mnPrivatprotokoll1Click() {
    if (contest().isIndividual) return;
    m_panes->openStandingsPane();
    const QString answer = m_dialogs.inputBox("Privatprotokoll", "F\u00f6r vilket par: ", "0");
    const int pair = privateProtocolPair(contest(), fromQtLossy(answer));
    if (pair == 0) return;
    m_panes->showInStandingsPane(privateProtocolLines(contest(), pair));
}

void TForm1::Debugmessage1Click() {
    const int top = m_names->geometry().bottom() + 1;
    m_panes->toggleDebug(top);
}

void TForm1::Hjlp1Click() {
    const QString manual = findManual();
    if (manual.isEmpty()) {
        m_dialogs.message(
            "Hittade inte handboken manual.html (varken i arbetsmappen, vid programmet eller i "
            "/usr/share/doc/vindelkast).");
        return;
    }
    if (!m_dialogs.openWithAssociatedProgram(manual))
        m_dialogs.message(
            "Kunde inte starta n\u00e5gon webbl\u00e4sare f\u00f6r handboken. \u00d6ppna den "
            "sj\u00e4lv, den finns h\u00e4r:\n" +
            QDir::toNativeSeparators(manual));
}

void TForm1::OmVindelkast1Click() {
    m_dialogs.messageBox(
        "Om Vindelkast",
        "Version " + toQt(kVersionText) + "\nVindelkast r\u00e4knar ut kv\u00e4llens bridget\u00e4vling.");
}

void TForm1::Print1Click() {
    const int board = currentBoard() > 0 ? currentBoard() : 1;
    const int round =
        contest().boardsPerRound != 0 ? lastBoardOfRound(contest(), board) / contest().boardsPerRound : 0;
    const QString title = QString("Resultat rond %1").arg(round);
    m_printer->print(m_panes->roundDocument(), title, 1, pageTitle(title));
}

void TForm1::MnPrintTotaltClick() {
    const QString answer = m_dialogs.inputBox("Utskrift slutresultat", "Hur m\u00e5nga utskrifter: ", "");
    const auto copies = parseInt(answer.trimmed().toStdString());
    if (!copies || *copies < 1 || *copies > 10) return;
    const SetUpChoices shown = m_setUp->choices();
    // The pane prints what it shows: the standings, or the journal in their place.
    const QString what = m_panes->journalShown() ? "\u00c4ndringslogg " : "Slutresultat ";
    const QString title = what + toQt(shown.contestName) + ": " + toQt(shown.contestDate);
    // The standings' caption (the mean, the sections' comparison) is a label over the pane.
    const QString caption = m_panes->shownStandingsCaption();
    m_printer->print(m_panes->standingsDocument(), title, *copies,
                     pageTitle(caption.isEmpty() ? QString("Slutresultat") : caption));
}

QString TForm1::pageTitle(const QString& what) const {
    const SetUpChoices shown = m_setUp->choices();
    QStringList parts;
    for (const std::string& field : {shown.contestName, shown.contestDate})
        if (const QString text = toQt(field).trimmed(); !text.isEmpty()) parts << text;
    parts << what;
    return parts.join("  \u00b7  ");
}

}  // namespace vindelkast
