// Bringing data in: deal files, a new member register, results of another contest file,
// and levelling the boards.
#include <QAction>
#include <QLineEdit>

#include "app/dialogs.h"
#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/qt_text.h"
#include "app/set_up_panel.h"
#include "app/view_panes.h"
#include "files/add_results.h"
#include "files/deal_import.h"
#include "files/file_names.h"
#include "files/member_import.h"
#include "model/bulk_points.h"

namespace vindelkast {

void TForm1::MnGivfilClick() {
    const std::string refusal = dealImportRefusal(m_contest);
    if (!refusal.empty()) {
        m_dialogs.messageBox("", toQt(refusal));
        m_menus->action("MnGivfil")->setEnabled(false);
        return;
    }
    const int boards = SetUpPanel::number(m_setUp->EdGivar);
    m_contest.boardCount = boards >= 0 && boards <= kMaxBoard ? boards : 0;
    const QString name = m_dialogs.openFileName("Giv-filer: |*.bri;*.cds;*.dup;*.dlm;*.pbn");
    const std::string missing = name.isEmpty() ? std::string() : missingFileMessage(pathFromQt(name));
    if (!missing.empty()) m_dialogs.message(toQt(missing));
    if (!name.isEmpty() && missing.empty()) {
        const std::string problem = importDealFile(m_contest, pathFromQt(name));
        if (!problem.empty()) m_dialogs.message(toQt(problem));
        // The deals are part of the contest file: leaving now must ask to save them.
        if (m_contest.boards[1].hasDeal()) contestChanged();
    }
    m_dialogs.message(toQt(dealCountMessage(m_contest.dealCount, m_contest.boardCount)));
    if (m_contest.boardCount == 0) {
        m_contest.boardCount = m_contest.dealCount;
        m_setUp->setNumber(m_setUp->EdGivar, m_contest.dealCount);
    }
}

void TForm1::MnMedlemsregisterClick() {
    m_dialogs.message(toQt(kImportRegisterIntro));
    const QString chosen = m_dialogs.openFileName("Textfiler (*.txt)|*.txt");
    if (chosen.isEmpty()) return;
    const std::string name = withDefaultExtension(pathFromQt(chosen), ".txt");
    if (const std::string missing = missingFileMessage(name); !missing.empty()) {
        m_dialogs.message(toQt(missing));
        return;
    }
    const RegisterImport import = importRegister(name, m_register);
    m_dialogs.message(toQt(import.message));
}

void TForm1::AdderaresultatClick() {
    const QString chosen = m_dialogs.openFileName("Score-filer (*.sco)|*.SCO");
    AddedResults added;
    if (!chosen.isEmpty()) {
        const std::string name = withDefaultExtension(pathFromQt(chosen), ".sco");
        added.problem = missingFileMessage(name);
        if (added.problem.empty()) added = addResultsFromFile(m_contest, name);
    }
    if (!added.problem.empty()) m_dialogs.message(toQt(added.problem));
    if (!m_panes->progressShown()) m_panes->toggleProgress(m_contest, {});
    m_panes->refreshProgress(m_contest, {});
    if (added.added > 0) {
        contestChanged();
        m_panes->refreshStandings(m_contest);
    }
    m_dialogs.message(toQt(addedResultsMessage(added)));
}

void TForm1::NivelleragivarClick() {
    if (levelBoards(m_contest) > 0) contestChanged();
    m_panes->refreshStandings(m_contest);
}

}  // namespace vindelkast
