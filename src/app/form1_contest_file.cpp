// The contest file commands: open, save, save as, clear.
#include <fstream>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "analysis/board_analysis.h"
#include "app/dialogs.h"
#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/qt_text.h"
#include "app/set_up_panel.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "entry/name_panel.h"
#include "entry/result_entry.h"
#include "files/analysis_file.h"
#include "files/contest_file.h"
#include "files/safe_write.h"
#include "model/version.h"

namespace vindelkast {

namespace {

// A name typed without an extension gets the given one; dots in folder names do not count.
QString withDefaultExtension(const QString& name, const QString& extension) {
    if (QFileInfo(name).fileName().contains('.')) return name;
    return name + extension;
}

}  // namespace

void TForm1::MnOpenClick() {
    if (m_contest.setUpDone) {
        m_dialogs.message("Kan bara ha en \u00f6ppnad t\u00e4vling. Du m\u00e5ste avsluta och b\u00f6rja om");
        return;
    }
    const QString name = withDefaultExtension(m_dialogs.openFileName("Score-filer (*.sco)|*.SCO"), ".sco");
    QString error;
    if (!QFileInfo(name).isFile()) {
        error = "Kan inte l\u00e4sa filen";
    } else {
        std::ifstream in(pathFromQt(name), std::ios::binary);
        const ContestReadResult read = readContestFile(m_contest, in);
        if (read.kind == ContestReadResult::Kind::NotContest) {
            // The file stays a stranger: it never becomes the file that "Spara" writes over.
            m_dialogs.message(name + " \u00e4r inte en " + toQt(read.message) + "-fil");
            return;
        }
        error = read.kind == ContestReadResult::Kind::NotOpen ? QString("Kan inte l\u00e4sa filen")
                                                              : toQt(read.message);
        if (read.kind != ContestReadResult::Kind::NotOpen) {
            m_fileName = pathFromQt(name);
            if (const std::string kept = readAnalysisBeside(m_contest, m_fileName); !kept.empty())
                m_dialogs.message(toQt(kept));
            if (m_contest.isIndividual) applyIndividualLook(true);
            if (m_contest.isGronaHissen) ChkGrHissClick(false);
            fillSetUpFieldsFromContest();
            if (m_contest.boardCount > 0 && m_contest.roundCount > 0 && m_contest.maxPairNumber > 0)
                m_contest.setUpDone = true;
            m_panes->setStandingsScrollBar(m_contest.maxPairNumber >= 28);
            markSaved();
            refreshCaption();
        }
    }
    if (!error.isEmpty()) {
        m_dialogs.message("Indata ej OK: " + error);
        return;
    }
    showOpenedContest();
}

void TForm1::fillSetUpFieldsFromContest() {
    SetUpPanel& p = *m_setUp;
    const Contest& c = m_contest;
    p.EdContName->setText(toQt(c.contestName));
    p.EdDate->setText(toQt(c.contestDate));
    p.ComboBox2->setEditText(toQt(c.arranger));
    p.setNumber(p.EdNrPar, c.maxPairNumber);
    p.setNumber(p.EdGivar, c.boardCount);
    p.setNumber(p.EdRonder, c.roundCount);
    if (c.byePair > 0) p.setNumber(p.EdFripar, c.byePair);
    p.ChkBarometer->setChecked(c.isBarometer);
}

void TForm1::showOpenedContest() {
    m_setUp->hide();
    setParnrCaption();
    if (m_contest.setUpDone) {
        if (m_panes->UtTotal->isVisible()) m_panes->showStandings(m_contest);
        m_panes->showStandings(m_contest);
    } else {
        m_setUp->show();
    }
}

bool TForm1::saveContest() {
    if (m_fileName.empty()) {
        Sparasom1Click();
        return m_saved && !m_fileName.empty();
    }
    EdContNameExit();
    const std::string problem = writeFileSafely(
        m_fileName, [this](std::ostream& out) { writeContest(m_contest, out, kVersionText); });
    if (!problem.empty()) {
        // The contest stays marked unsaved, so leaving the program still asks.
        m_dialogs.message(toQt(problem));
        m_saved = false;
        refreshCaption();
        return false;
    }
    if (const std::string kept = hasKeptAnalysis(m_contest) ? writeAnalysisBeside(m_contest, m_fileName) : "";
        !kept.empty())
        m_dialogs.message(toQt(kept));
    markSaved();
    refreshCaption();
    return true;
}

void TForm1::MnSaveClick() { saveContest(); }

void TForm1::Sparasom1Click() {
    QString name = m_dialogs.saveFileName("Score-filer: |*.SCO", true);
    if (name.isEmpty()) return;
    if (name.size() < 5 || name.right(4).toUpper() != ".SCO") name += ".sco";
    m_fileName = pathFromQt(name);
    saveContest();
}

void TForm1::Rensabrjaom1Click() {
    if (!askToSaveFirst("Rensa - vill du spara t\u00e4vlingen f\u00f6rst?")) return;
    clearContest();
}

void TForm1::clearContest() {
    m_teamMatch = false;
    m_fileName.clear();
    m_panes->scoreTables->clearLines();
    m_setUp->show();
    m_setUp->setEnabled(true);
    setTodaysDate();
    // A new contest needs its own movement and may read its own deals.
    m_setUp->cBoxGuide->setEnabled(true);
    m_setUp->enableGuideButton();
    m_menus->action("MnGivfil")->setEnabled(true);
    m_entry->clearEntry();
    m_panes->hideProgress();
    m_panes->resetDebug();
    m_names->clearState();
    m_roundHtmlFileName = "rond.html";
    m_setUp->EdGivar->clear();
    m_setUp->EdRonder->clear();
    m_setUp->EdNrPar->clear();
    m_panes->UtTotal->clearLines();
    // Nothing of the old contest stays on screen.
    for (QWidget* view : std::initializer_list<QWidget*>{m_panes->UtTotal, m_panes->LblTotal, m_panes->UtRond,
                                                         m_panes->LblRond, m_panes->scoreTables})
        view->hide();
    setWindowTitle("Vindelkast");
    m_contest.reset(m_register);
    // Last evening's deals must not follow into the next contest.
    for (Board& board : m_contest.boards) board.clearDeal();
    m_contest.dealCount = 0;
    m_contest.movement.reset();
    m_saved = true;
    removeRecovery();
}

}  // namespace vindelkast
