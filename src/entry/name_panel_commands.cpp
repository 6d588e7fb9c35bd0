// The buttons of the name panel: paging, random seating, freezing, swapping, deleting and
// the new-person box.
#include <cstdlib>

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "entry/name_panel.h"
#include "files/member_add.h"
#include "model/start_list.h"
#include "output/edit_texts.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"
#include "session/pane_requests.h"

namespace vindelkast {

void NamePanel::Btn25ForwardClick() {
    // A page that would start beyond the start list's last number shows nothing to fill.
    if (m_pageOffset + kPageStep >= kMaxPair) return;
    m_pageOffset += kPageStep;
    refreshNamePanel();
    keepFocusOnNameField();
}

void NamePanel::Btn25BackClick() {
    if (m_pageOffset == 0) return;
    m_pageOffset -= kPageStep;
    refreshNamePanel();
    keepFocusOnNameField();
}

void NamePanel::keepFocusOnNameField() {
    const QWidget* focus = window()->focusWidget();
    const auto* field = qobject_cast<const QLineEdit*>(focus);
    if (field && tagOf(field) > 0 && field->isEnabled() && field->isVisible()) return;
    // On the last page the rows beyond 72 are disabled: the nearest field that can be
    // filled is the last enabled one, and Page Up and Page Down work from there.
    for (int r = rowCount(); r >= 1; --r) {
        for (const int column : {1, 0}) {
            QLineEdit* candidate = nameField(r, column);
            if (candidate && candidate->isEnabled() && candidate->isVisible()) {
                candidate->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
}

std::vector<int> NamePanel::takeMarks() {
    std::vector<int> marked;
    for (int r = 1; r <= rowCount(); ++r) {
        QCheckBox* mark = markBox(r);
        if (mark->isChecked() && Contest::validPair(m_pageOffset + r)) marked.push_back(m_pageOffset + r);
        mark->setChecked(false);
    }
    return marked;
}

void NamePanel::BtnSlumpClick() {
    const int byePair = m_session.contest().byePair;
    std::vector<SeatingDraw> draws;
    // The runtime's own generator, never seeded: every run of the program draws alike.
    m_session.edit({"lottad startlista"}, ContestChange::names(), [&draws](Contest& contest) {
        draws = shuffleStartList(contest, [] { return std::rand(); });
    });
    std::vector<ViewLine> lines;
    for (const SeatingDraw& draw : draws) lines.push_back(ViewLine{seatingDrawLine(draw)});
    m_panes.showInStandingsPane(lines);
    if (m_session.contest().byePair != byePair) showByePair();
    refreshNamePanel();
}

void NamePanel::btFrysNamnClick() {
    const std::vector<int> marked = takeMarks();
    m_session.edit({"frysta namn " + numbersText(marked)}, ContestChange::names(),
                   [&marked](Contest& contest) {
                       for (const int p : marked) toggleFrozen(contest, p);
                   });
    refreshNamePanel();
}

void NamePanel::btBytClick() {
    std::vector<int> found;
    for (int r = 1; r <= rowCount() && m_pageOffset + r <= kMaxPair; ++r) {
        QCheckBox* mark = markBox(r);
        if (mark->isChecked()) {
            if (found.size() == 2) {
                m_dialogs.messageBox("Bytfel", "Mer \u00e4n tv\u00e5 par markerade!");
                return;
            }
            found.push_back(m_pageOffset + r);
        }
        mark->setChecked(false);
    }
    if (found.size() == 2) {
        const int byePair = m_session.contest().byePair;
        m_session.edit({"bytta platser " + numbersText(found),
                        [&found](const Contest& c) { return startListText(c, found); }},
                       ContestChange::names(),
                       [&found](Contest& contest) { swapParticipants(contest, found[0], found[1]); });
        if (m_session.contest().byePair != byePair) showByePair();
    }
    refreshNamePanel();
}

void NamePanel::btTaBortNamnClick() {
    const std::vector<int> marked = takeMarks();
    // Without a mark there is nothing to delete, and the field keeps its size.
    if (marked.empty()) return;
    m_session.edit({"borttagna namn " + numbersText(marked),
                    [&marked](const Contest& c) { return startListText(c, marked); }},
                   ContestChange::names(),
                   [&marked](Contest& contest) { deleteParticipants(contest, marked); });
    showByePair();
    emit highestNumberToShow(m_session.contest().maxPairNumber);
    refreshNamePanel();
}

void NamePanel::btNyPersOKClick() {
    if (!m_remembered) {
        gbNyPers->hide();
        return;
    }
    const AddedMember added =
        addMemberToRegisterUtf8(m_session.memberRegister(), edNyNamn->text().toStdString(),
                                edNyId->text().toStdString(), edHcp->text().toStdString());
    if (!added.member) {
        // Refused: the box stays open so that the name can be put right.
        m_dialogs.message(toQt(added.message));
        edNyNamn->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The person is in the register; a file that could not be written is told about.
    if (!added.message.empty()) m_dialogs.message(toQt(added.message));
    const int tag = tagOf(m_remembered);
    const std::string name = longName(*added.member);
    putMemberInStartList(name, tag / 10, tag % 10);
    m_remembered->setText(toQt(name));
    gbNyPers->hide();
    m_active = m_remembered;
    refreshNamePanel();
}

void NamePanel::btnNyPersEJClick() {
    gbNyPers->hide();
    if (!m_remembered) return;
    m_remembered->clear();
    m_active = m_remembered;
    if (m_remembered->isVisible()) m_remembered->setFocus(Qt::OtherFocusReason);
}

void NamePanel::playerHistoryClick() {
    const int tag = tagOf(m_active);
    const int number = m_pageOffset + tag / 10;
    const Contest& contest = m_session.contest();
    const Member* member = nullptr;
    if (tag > 0 && Contest::validPair(number))
        member = tag % 10 == 0 ? contest.participants[number].first : contest.participants[number].second;
    if (!member || member == contest.byeMember) {
        m_dialogs.message("St\u00e4ll mark\u00f6ren i namnrutan f\u00f6r en spelare i startlistan.");
        return;
    }
    // The archive knows members by their number in the register; a guest has none to look up.
    if (member->memberId < 1) {
        m_dialogs.message(toQt(longName(*member)) +
                          " har inget medlemsnummer; klubbarkivet visar bara medlemmars kv\u00e4llar.");
        return;
    }
    emit playerHistoryAsked(member->memberId);
}

}  // namespace vindelkast
