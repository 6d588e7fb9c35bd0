// Setting a contest up: "Starta upp", the kind controls, the guide card and "Klar".
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialogs.h"
#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/qt_text.h"
#include "app/set_up_panel.h"
#include "app/text_guard.h"
#include "app/view_panes.h"
#include "entry/result_entry.h"
#include "movement/bye_pair.h"
#include "movement/contest_setup.h"
#include "movement/guide_card_command.h"

namespace vindelkast {

void TForm1::MnStartClick() {
    if (m_contest.setUpDone) {
        m_dialogs.message("T\u00e4vlingen \u00e4r redan startad");
        m_setUp->hide();
        return;
    }
    SetUpPanel& p = *m_setUp;
    p.BtnKlar->show();
    if (m_contest.maxPairNumber > 0) p.setNumber(p.EdNrPar, m_contest.maxPairNumber);
    m_contest.tableCount = m_contest.maxPairNumber / 2;
    const int boards = SetUpPanel::number(p.EdGivar);
    if (boards >= 0 && boards <= kMaxBoard) m_contest.boardCount = boards;
    if (p.ChkBarometer->isChecked()) m_contest.isBarometer = true;
    p.show();
    p.setEnabled(true);
    p.EdGivar->setFocus();
}

SetUpRequest TForm1::setUpRequest() const {
    const SetUpPanel& p = *m_setUp;
    SetUpRequest request;
    request.boards = SetUpPanel::text(p.EdGivar);
    request.rounds = SetUpPanel::text(p.EdRonder);
    request.maxPair = SetUpPanel::text(p.EdNrPar);
    request.byePair = SetUpPanel::text(p.EdFripar);
    request.individual = p.ChkIndividuellt->isChecked();
    request.barometer = p.ChkBarometer->isChecked();
    request.gronaHissen = p.ChkGrHiss->isChecked();
    request.ghVariant = p.rbGHmax1->isChecked() ? 1 : p.rbGHmany->isChecked() ? kManyMeetings : 2;
    request.teamContest = p.cbTeamContest->isChecked();
    request.handicap = p.CBHandicap->isChecked();
    request.withoutGuideCard = p.cBoxGuide->isChecked();
    request.contestName = SetUpPanel::text(p.EdContName);
    request.contestDate = SetUpPanel::text(p.EdDate);
    request.arranger = p.arrangerText();
    return request;
}

void TForm1::BtnKlarClick() {
    m_teamMatch = m_setUp->cbTeamContest->isChecked();
    const SetUpOutcome outcome = setUpContest(m_contest, setUpRequest());
    const std::string& refusal = outcome.message;
    setParnrCaption();
    if (!refusal.empty()) {
        m_dialogs.messageBox(toQt(outcome.title), toQt(refusal));
        return;
    }
    SetUpPanel& p = *m_setUp;
    if (m_contest.maxPairNumber > 0) p.setNumber(p.EdNrPar, m_contest.maxPairNumber);
    p.hide();
    m_panes->setStandingsScrollBar(m_contest.maxPairNumber >= 28);
    writeRecovery();
    refreshCaption();
}

void TForm1::applyIndividualLook(bool keepContestName) {
    SetUpPanel& p = *m_setUp;
    m_contest.isIndividual = true;
    if (!keepContestName) {
        p.EdContName->setText("Individuellt");
        m_contest.contestName = "Individuellt";
    }
    p.ChkIndividuellt->setChecked(true);
    p.ChkIndividuellt->setEnabled(false);
    if (auto* heading = findChild<QLabel*>("LblResNE")) heading->setText("N    S  -    \u00d6    V");
    m_menus->action("mnPrivatprotokoll1")->setEnabled(false);
}

void TForm1::ChkIndividuelltClick() { applyIndividualLook(false); }

void TForm1::ChkGrHissClick(bool fromUser) {
    SetUpPanel& p = *m_setUp;
    if (m_contest.isGronaHissen && fromUser) {
        m_contest.isGronaHissen = false;
        p.ChkGrHiss->setChecked(false);
        p.showGronaHissenChoices(false);
        m_menus->action("MnLottaRond")->setEnabled(false);
        return;
    }
    m_contest.isGronaHissen = true;
    m_contest.isBarometer = true;
    m_entry->roundModeOn();
    p.ChkGrHiss->setChecked(true);
    p.ChkBarometer->setChecked(true);
    p.showGronaHissenChoices(true);
    p.rbGHmax1->setChecked(m_contest.ghVariant == 1);
    p.rbGHmax2->setChecked(m_contest.ghVariant == 2);
    p.rbGHmany->setChecked(m_contest.ghVariant == kManyMeetings);
    m_menus->action("MnLottaRond")->setEnabled(true);
}

void TForm1::CBHandicapClick() { m_contest.hasHandicap = m_setUp->CBHandicap->isChecked(); }

void TForm1::Handicap1Click() { m_setUp->CBHandicap->toggle(); }

void TForm1::cbTeamContestClick() {
    SetUpPanel& p = *m_setUp;
    p.cbTeamContest->setChecked(true);
    p.cbTeamContest->setEnabled(false);
    m_teamMatch = true;
    m_contest.isTeamContest = true;
    const auto askName = [this](std::string& name, const QString& prompt) {
        if (!name.empty()) return;
        const QString typed = m_dialogs.inputBox("Lagnamn", prompt, "");
        if (const auto text = fromQt(typed))
            name = *text;
        else
            m_dialogs.message(kUnrepresentableText);
    };
    askName(m_contest.teamName1, "Ge namn p\u00e5 lag 1: ");
    askName(m_contest.teamName2, "Ge namn p\u00e5 lag 2: ");
}

void TForm1::ComboBox2Change() { m_contest.arranger = m_setUp->arrangerText(); }

void TForm1::EdFriparChange() { m_contest.byePair = byePairFromField(SetUpPanel::text(m_setUp->EdFripar)); }

void TForm1::BtnGuideClick() {
    SetUpPanel& p = *m_setUp;
    const GuideCardChoice choice = chooseGuideCard(
        m_contest, setUpRequest(),
        [this](const std::string& filter) { return pathFromQt(m_dialogs.openFileName(toQt(filter))); });
    if (choice.cardRead) {
        p.setNumber(p.EdNrPar, m_contest.maxPairNumber);
        p.setNumber(p.EdGivar, m_contest.boardCount);
        p.setNumber(p.EdRonder, m_contest.roundCount);
        p.ChkIndividuellt->setChecked(m_contest.isIndividual);
        if (!choice.message.empty()) {
            m_dialogs.messageBox(kGuideCardRefusedTitle, toQt(choice.message));
            return;
        }
    }
    p.BtnGuide->setEnabled(false);
    p.cBoxGuide->setEnabled(false);
    refreshCaption();
    p.BtnNamn->setFocus();
}

}  // namespace vindelkast
