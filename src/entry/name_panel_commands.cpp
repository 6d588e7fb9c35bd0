// The buttons of the name panel: paging, random seating, freezing, swapping, deleting and
// the new-person box.
#include <cstdlib>

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "app/dialogs.h"
#include "app/form1.h"
#include "app/qt_text.h"
#include "app/set_up_panel.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "entry/name_panel.h"
#include "files/member_add.h"
#include "model/start_list.h"

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
    Contest& contest = m_form.contest();
    const int byePair = contest.byePair;
    // The runtime's own generator, never seeded: every run of the program draws alike.
    const auto draws = shuffleStartList(contest, [] { return std::rand(); });
    TextPane& pane = *m_form.panes().UtTotal;
    pane.clearLines();
    for (const SeatingDraw& draw : draws) pane.addLine(ViewLine{seatingDrawLine(draw)});
    if (contest.byePair != byePair) showByePair();
    refreshNamePanel();
    changed();
}

void NamePanel::btFrysNamnClick() {
    for (const int p : takeMarks()) toggleFrozen(m_form.contest(), p);
    refreshNamePanel();
    changed();
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
        Contest& contest = m_form.contest();
        const int byePair = contest.byePair;
        swapParticipants(contest, found[0], found[1]);
        if (contest.byePair != byePair) showByePair();
        changed();
    }
    refreshNamePanel();
}

void NamePanel::btTaBortNamnClick() {
    const std::vector<int> marked = takeMarks();
    // Without a mark there is nothing to delete, and the field keeps its size.
    if (marked.empty()) return;
    Contest& contest = m_form.contest();
    deleteParticipants(contest, marked);
    showByePair();
    SetUpPanel& setUp = m_form.setUpPanel();
    setUp.setNumber(setUp.EdNrPar, contest.maxPairNumber);
    refreshNamePanel();
    changed();
}

void NamePanel::btNyPersOKClick() {
    if (!m_remembered) {
        gbNyPers->hide();
        return;
    }
    const AddedMember added =
        addMemberToRegisterUtf8(m_form.memberRegister(), edNyNamn->text().toStdString(),
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
    changed();
}

void NamePanel::btnNyPersEJClick() {
    gbNyPers->hide();
    if (!m_remembered) return;
    m_remembered->clear();
    m_active = m_remembered;
    if (m_remembered->isVisible()) m_remembered->setFocus(Qt::OtherFocusReason);
}

}  // namespace vindelkast
