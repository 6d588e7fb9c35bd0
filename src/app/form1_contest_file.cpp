// The contest file commands: open, save, save as, clear.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/set_up_panel.h"
#include "app/table_server.h"
#include "app/text_pane.h"
#include "app/user_settings.h"
#include "app/view_panes.h"
#include "entry/name_panel.h"
#include "entry/result_entry.h"
#include "entry/team_event_commands.h"
#include "files/contest_file.h"
#include "files/contest_on_disk.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

namespace vindelkast {

namespace {

// A name typed without an extension gets the given one; dots in folder names do not count.
QString withDefaultExtension(const QString& name, const QString& extension) {
    if (QFileInfo(name).fileName().contains('.')) return name;
    return name + extension;
}

}  // namespace

void TForm1::MnOpenClick() {
    if (contest().setUpDone) {
        m_dialogs.message("Kan bara ha en \u00f6ppnad t\u00e4vling. Du m\u00e5ste avsluta och b\u00f6rja om");
        return;
    }
    openContestFile(m_dialogs.openFileName("Score-filer (*.sco)|*.SCO"));
}

void TForm1::openAtStart(const QString& fileName) {
    if (contest().setUpDone || !m_session->isSaved()) {
        if (!askToSaveFirst("\u00d6ppna " + QFileInfo(fileName).fileName() +
                            " - vill du spara t\u00e4vlingen f\u00f6rst?"))
            return;
        clearContest();
    }
    openContestFile(fileName);
}

void TForm1::openContestFile(const QString& fileName) {
    const QString name = withDefaultExtension(fileName, ".sco");
    QString error;
    if (!QFileInfo(name).isFile()) {
        error = "Kan inte l\u00e4sa filen";
    } else {
        const ContestReadResult read = m_session->open(pathFromQt(name));
        if (read.kind == ContestReadResult::Kind::NotContest) {
            // The file stays a stranger: it never becomes the file that "Spara" writes over.
            m_dialogs.message(name + " \u00e4r inte en " + toQt(read.message) + "-fil");
            return;
        }
        error = toQt(read.message);
        if (read.kind != ContestReadResult::Kind::NotOpen) {
            const Contest& c = contest();
            if (c.isIndividual) applyIndividualLook(true);
            if (c.isGronaHissen) ChkGrHissClick(false);
            applyTeamEventLook();
            m_setUp->showContest(c);
            m_panes->setStandingsScrollBar(c.maxPairNumber >= 28);
            if (read.partLeftOut()) error += "\n\n" + toQt(leftOutNote(read));
            refreshCaption();
        }
    }
    if (!error.isEmpty()) {
        m_dialogs.message("Indata ej OK: " + error);
        return;
    }
    showOpenedContest();
}

void TForm1::nextSeriesEveningClick() {
    if (!askToSaveFirst("Seriens n\u00e4sta kv\u00e4ll - vill du spara t\u00e4vlingen f\u00f6rst?")) return;
    const QString name = m_dialogs.saveFileName("Score-filer (*.sco)|*.SCO", true);
    if (name.isEmpty()) return;
    const QString path = withDefaultExtension(name, ".sco");
    const std::string why = writeNextSeriesEvening(
        *m_session, pathFromQt(path), fromQt(QDate::currentDate().toString("yyyy-MM-dd")).value_or(""));
    if (!why.empty()) {
        m_dialogs.message(toQt(why));
        return;
    }
    // The evening that was is saved (or the director chose not to): the next one takes its place.
    clearContest();
    openContestFile(path);
}

void TForm1::showOpenedContest() {
    m_setUp->hide();
    setParnrCaption();
    if (contest().setUpDone) {
        if (m_panes->standingsShown()) m_panes->showStandings(contest());
        m_panes->showStandings(contest());
    } else {
        m_setUp->show();
    }
}

bool TForm1::saveContest() {
    if (m_session->fileName().empty()) {
        Sparasom1Click();
        return m_session->isSaved() && !m_session->fileName().empty();
    }
    // A side file that could not be read holds what the contest lacks: the director decides.
    bool overwrite = false;
    if (const auto& unread = m_session->unreadSideFiles(); !unread.empty()) {
        const Dialogs::Answer answer = m_dialogs.ask(toQt(overwriteUnreadQuestion(unread)));
        if (answer == Dialogs::Answer::Cancel) return false;
        overwrite = answer == Dialogs::Answer::Yes;
    }
    const std::string problem = m_session->save(overwrite);
    if (!problem.empty()) {
        m_dialogs.message(toQt(problem));
        return false;
    }
    // The contest file is saved whatever becomes of the archive.
    if (keepInArchiveOnSave()) keepEveningInArchive(true);
    return true;
}

void TForm1::MnSaveClick() { saveContest(); }

void TForm1::Sparasom1Click() {
    QString name = m_dialogs.saveFileName("Score-filer: |*.SCO", true);
    if (name.isEmpty()) return;
    if (name.size() < 5 || name.right(4).toUpper() != ".SCO") name += ".sco";
    m_session->setFileName(pathFromQt(name));
    saveContest();
}

void TForm1::Rensabrjaom1Click() {
    if (!askToSaveFirst("Rensa - vill du spara t\u00e4vlingen f\u00f6rst?")) return;
    clearContest();
}

void TForm1::clearContest() {
    setTodaysDate();
    // A new contest needs its own movement and may read its own deals.
    m_setUp->clearForNewContest();
    m_menus->commands().dealFile->setEnabled(true);
    m_entry->clearEntry();
    m_panes->hideProgress();
    m_panes->resetDebug();
    m_names->clearState();
    m_roundHtmlFileName = "rond.html";
    m_panes->hideViews();
    m_session->clear();
    applyTeamEventLook();
    EdContNameChange();
    setWindowTitle("Vindelkast");
    m_tableServer->forgetEvening();
}

}  // namespace vindelkast
