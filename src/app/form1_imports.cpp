// Bringing data in: deal files, a new member register, results of another contest file,
// and levelling the boards.
#include <QAction>
#include <QFileInfo>
#include <QLineEdit>

#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/set_up_panel.h"
#include "app/view_panes.h"
#include "files/add_results.h"
#include "files/deal_import.h"
#include "files/file_names.h"
#include "files/member_import.h"
#include "model/contest_scoring.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

namespace vindelkast {

void TForm1::MnGivfilClick() {
    const std::string refusal = dealImportRefusal(contest());
    if (!refusal.empty()) {
        m_dialogs.messageBox("", toQt(refusal));
        m_menus->commands().dealFile->setEnabled(false);
        return;
    }
    const int boards = m_setUp->boardsNumber();
    m_session->choose(
        [boards](Contest& c) { c.boardCount = boards >= 0 && boards <= kMaxBoard ? boards : 0; });
    const QString name = m_dialogs.openFileName("Giv-filer: |*.bri;*.cds;*.dup;*.dlm;*.pbn");
    const std::string missing = name.isEmpty() ? std::string() : missingFileMessage(pathFromQt(name));
    if (!missing.empty()) m_dialogs.message(toQt(missing));
    if (!name.isEmpty() && missing.empty()) {
        std::string problem;
        // The deals are part of the contest file: leaving now must ask to save them.
        m_session->editIf({"givfil " + fromQtLossy(QFileInfo(name).fileName()), {}, kImportSource},
                          ContestChange::everything(), [&](Contest& c) {
                              problem = importDealFile(c, pathFromQt(name));
                              return c.boards[1].hasDeal();
                          });
        if (!problem.empty()) m_dialogs.message(toQt(problem));
    }
    m_dialogs.message(toQt(dealCountMessage(contest().dealCount, contest().boardCount)));
    if (contest().boardCount == 0) {
        m_session->choose([](Contest& c) { c.boardCount = c.dealCount; });
        m_setUp->showBoards(contest().dealCount);
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
    const RegisterImport import = importRegister(name, m_session->memberRegister());
    m_dialogs.message(toQt(import.message));
}

void TForm1::AdderaresultatClick() {
    const QString chosen = m_dialogs.openFileName("Score-filer (*.sco)|*.SCO");
    AddedResults added;
    if (!chosen.isEmpty()) {
        const std::string name = withDefaultExtension(pathFromQt(chosen), ".sco");
        added.problem = missingFileMessage(name);
        if (added.problem.empty())
            m_session->editIf(
                {"adderade resultat " + fromQtLossy(QFileInfo(chosen).fileName()), {}, kImportSource},
                ContestChange::everything(), [&](Contest& c) {
                    added = addResultsFromFile(c, name);
                    return added.added > 0;
                });
    }
    if (!added.problem.empty()) m_dialogs.message(toQt(added.problem));
    if (!m_panes->progressShown()) m_panes->toggleProgress(contest(), {});
    if (added.added == 0) m_panes->refreshProgress(contest(), {});
    m_dialogs.message(toQt(addedResultsMessage(added)));
}

void TForm1::NivelleragivarClick() {
    if (!m_session->editIf({"nivellerade givar"}, ContestChange::results(0),
                           [](Contest& c) { return levelBoards(c) > 0; }))
        m_panes->refreshStandings(contest());
}

}  // namespace vindelkast
