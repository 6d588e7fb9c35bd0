// Setting a contest up: "Starta upp", the kind controls, the guide card and "Klar".
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/section_set_up.h"
#include "app/set_up_panel.h"
#include "app/text_guard.h"
#include "app/view_panes.h"
#include "entry/result_entry.h"
#include "movement/bye_pair.h"
#include "movement/contest_setup.h"
#include "movement/guide_card_command.h"
#include "movement/section_cards.h"
#include "output/edit_texts.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

namespace vindelkast {

void TForm1::MnStartClick() {
    if (contest().setUpDone) {
        m_dialogs.message("T\u00e4vlingen \u00e4r redan startad");
        m_setUp->hide();
        return;
    }
    if (contest().maxPairNumber > 0) m_setUp->showHighestNumber(contest().maxPairNumber);
    const int boards = m_setUp->boardsNumber();
    const bool barometer = m_setUp->choices().barometer;
    m_session->choose([boards, barometer](Contest& c) {
        c.tableCount = c.maxPairNumber / 2;
        if (boards >= 0 && boards <= kMaxBoard) c.boardCount = boards;
        if (barometer) c.isBarometer = true;
    });
    m_setUp->startSetUp();
}

void TForm1::BtnKlarClick() {
    const SetUpChoices shown = m_setUp->choices();
    SetUpRequest request = setUpRequestFrom(shown);
    // Pairs per section: each section its own movement, the highest pair number their sum.
    const std::optional<std::vector<int>> sections = typedSections(shown, m_dialogs);
    if (!sections) return;
    SectionCards cards = shown.sectionCards;
    if (!askSectionCards(sectionCardQuestions(request, *sections, cards), request, memberRegister(),
                         m_dialogs, cards, true))
        return;
    request.sections = sectionPlans(*sections, cards);
    m_session->setTeamMatch(request.teamContest);
    SetUpOutcome outcome;
    // A completed set-up is worth recovering, though nothing needs saving yet.
    m_session->editIf({"uppstart", setUpText}, ContestChange::setUp(), [&](Contest& c) {
        outcome = setUp(c, request);
        return outcome.message.empty();
    });
    setParnrCaption();
    if (!outcome.message.empty()) {
        m_dialogs.messageBox(toQt(outcome.title), toQt(outcome.message));
        return;
    }
    if (contest().maxPairNumber > 0) m_setUp->showHighestNumber(contest().maxPairNumber);
    m_setUp->hide();
    m_panes->setStandingsScrollBar(contest().maxPairNumber >= 28);
}

void TForm1::applyIndividualLook(bool keepContestName) {
    m_session->choose([keepContestName](Contest& c) {
        c.isIndividual = true;
        if (!keepContestName) c.contestName = "Individuellt";
    });
    m_setUp->showIndividual(keepContestName);
    m_entry->showIndividualHeadings();
    m_menus->commands().privateProtocol->setEnabled(false);
}

void TForm1::ChkIndividuelltClick() { applyIndividualLook(false); }

void TForm1::ChkGrHissClick(bool fromUser) {
    if (contest().isGronaHissen && fromUser) {
        m_session->choose([](Contest& c) { c.isGronaHissen = false; });
        m_setUp->showGronaHissen(false, contest().ghVariant);
        m_menus->commands().drawRound->setEnabled(false);
        return;
    }
    m_session->choose([](Contest& c) {
        c.isGronaHissen = true;
        c.isBarometer = true;
    });
    m_entry->roundModeOn();
    m_setUp->showGronaHissen(true, contest().ghVariant);
    m_menus->commands().drawRound->setEnabled(true);
}

void TForm1::CBHandicapClick(bool on) {
    m_session->choose([on](Contest& c) { c.hasHandicap = on; });
}

void TForm1::Handicap1Click() { m_setUp->toggleHandicap(); }

void TForm1::cbTeamContestClick() {
    m_setUp->lockTeamContest();
    m_session->setTeamMatch(true);
    m_session->choose([](Contest& c) { c.isTeamContest = true; });
    const auto askName = [this](std::string Contest::*name, const QString& prompt) {
        if (!(contest().*name).empty()) return;
        const QString typed = m_dialogs.inputBox("Lagnamn", prompt, "");
        if (const auto text = fromQt(typed))
            m_session->choose([&](Contest& c) { c.*name = *text; });
        else
            m_dialogs.message(kUnrepresentableText);
    };
    askName(&Contest::teamName1, "Ge namn p\u00e5 lag 1: ");
    askName(&Contest::teamName2, "Ge namn p\u00e5 lag 2: ");
}

void TForm1::ComboBox2Change() {
    const std::string arranger = m_setUp->choices().arranger;
    m_session->choose([&arranger](Contest& c) { c.arranger = arranger; });
}

void TForm1::EdFriparChange() {
    const int byePair = byePairFromField(m_setUp->choices().byePair);
    m_session->choose([byePair](Contest& c) { c.byePair = byePair; });
}

void TForm1::BtnGuideClick() {
    if (!contest().setUpDone) {
        const std::optional<std::vector<int>> sections = typedSections(m_setUp->choices(), m_dialogs);
        if (!sections) return;
        if (!sections->empty()) {
            chooseSectionCards(*m_setUp, m_dialogs, memberRegister(), *sections);
            return;
        }
    }
    const SetUpRequest request = setUpRequestFrom(m_setUp->choices());
    GuideCardChoice choice;
    m_session->choose([&](Contest& c) {
        choice = chooseGuideCard(c, request, [this](const std::string& filter) {
            return pathFromQt(m_dialogs.openFileName(toQt(filter)));
        });
    });
    if (choice.cardRead) {
        const Contest& c = contest();
        m_setUp->showCounts(c.maxPairNumber, c.boardCount, c.roundCount);
        m_setUp->tickIndividual(c.isIndividual);
        if (choice.sitOut > 0) m_setUp->showByePair(choice.sitOut);
        if (!choice.message.empty()) {
            m_dialogs.messageBox(kGuideCardRefusedTitle, toQt(choice.message));
            return;
        }
    }
    m_setUp->guideCardDone();
    refreshCaption();
}

}  // namespace vindelkast
