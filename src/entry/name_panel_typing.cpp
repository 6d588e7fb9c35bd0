// The name panel while the director types: the search of the register, the keys of a name
// field, accepting a person, the mouse in ListPers and the seating itself.
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>

#include "entry/name_panel.h"
#include "entry/name_panel_list.h"
#include "files/member_lookup.h"
#include "files/member_search.h"
#include "model/start_list.h"
#include "output/edit_texts.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/pane_requests.h"

namespace vindelkast {

bool NamePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListPers->viewport() && event->type() == QEvent::MouseButtonPress) {
        listPressed(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    }
    // A space typed between two names must not add a person to the register: "OK" wants
    // Enter or a click.
    if (watched == btNyPersOK && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QGroupBox::eventFilter(watched, event);
    const bool boxField = field == edNyNamn || field == edNyId || field == edHcp;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (boxField) {
            if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
            focusAfter(field);
            return true;
        }
        return nameFieldKey(field, key);
    }
    if (event->type() == QEvent::FocusIn && !boxField) {
        m_active = field;
        m_panes.setDebugText(QString::number(tagOf(field)));
    }
    return QGroupBox::eventFilter(watched, event);
}

bool NamePanel::nameFieldKey(QLineEdit* field, int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        accept(field);
        return true;
    case Qt::Key_PageUp:
        Btn25BackClick();
        return true;
    case Qt::Key_F12:
        playerHistoryClick();
        return true;
    case Qt::Key_PageDown:
        Btn25ForwardClick();
        return true;
    case Qt::Key_Up: {
        const int row = selectedListRow();
        if (row > 0) selectListRow(row - 1);
        return true;
    }
    case Qt::Key_Down: {
        const int row = selectedListRow();
        if (row + 1 < m_list->count()) selectListRow(row + 1);
        return true;
    }
    default:
        return false;
    }
}

void NamePanel::nameFieldEdited(QLineEdit* field) {
    m_active = field;
    const auto typed = fromQt(field->text());
    std::optional<NameQuery> query;
    if (typed) {
        query = nameQueryFor(*typed);
        if (!query) return;
    }
    // A character the register cannot hold matches nobody.
    m_list->setMembers(query ? searchMembers(m_session.memberRegister(), m_session.contest(), *query)
                             : std::vector<const Member*>{});
    if (m_list->count() > 0) selectListRow(0);
    // Nothing is stored yet; the first keystroke is enough to mark the evening unsaved.
    if (m_session.isSaved()) changed();
}

void NamePanel::selectListRow(int row) {
    const QModelIndex index = m_list->index(row);
    ListPers->setCurrentIndex(index);
    ListPers->scrollTo(index);
}

int NamePanel::selectedListRow() const {
    const QModelIndex current = ListPers->currentIndex();
    if (!current.isValid() || !ListPers->selectionModel()->isSelected(current)) return -1;
    return current.row();
}

void NamePanel::accept(QLineEdit* field) {
    const int tag = tagOf(field);
    const int row = tag / 10;
    const int column = tag % 10;
    const std::string selected = m_list->longNameAt(selectedListRow());
    const std::string text = fromQtLossy(field->text());
    const MemberRegister& reg = m_session.memberRegister();
    const Member* member = findMemberByLongName(text, reg);
    if (!member) member = findMemberByLongName(selected, reg);
    if (member && isInStartList(m_session.contest(), member)) {
        focusAfter(field);
        return;
    }
    if (selected.empty()) {
        if (text.empty()) {
            focusAfter(field);
            return;
        }
        openNewPersonBox(field);
        changed();
    } else {
        putMemberInStartList(selected, row, column);
        refreshNamePanel();
    }
}

void NamePanel::openNewPersonBox(QLineEdit* field) {
    gbNyPers->move(ListPers->pos());
    gbNyPers->show();
    gbNyPers->raise();
    edNyNamn->setText(field->text());
    edNyId->setText(QString::number(nextFreeMemberId(m_session.memberRegister())));
    edHcp->setText("0");
    m_remembered = field;
    // The director may go on typing: the keys go into the name, never onto "OK".
    edNyNamn->setFocus(Qt::OtherFocusReason);
    edNyNamn->end(false);
}

void NamePanel::listPressed(const QPoint& position) {
    const QModelIndex index = ListPers->indexAt(position);
    // Without a name field entered there is no place to seat anybody.
    if (index.isValid() && m_active) {
        const int tag = tagOf(m_active);
        putMemberInStartList(m_list->longNameAt(index.row()), tag / 10, tag % 10);
    }
    refreshNamePanel();
}

void NamePanel::putMemberInStartList(std::string text, int row, int column) {
    if (text.empty()) text = m_list->longNameAt(0);
    if (text.empty()) return;
    const int number = m_pageOffset + row;
    if (!Contest::validPair(number)) return;
    const int byePair = m_session.contest().byePair;
    Member* member = findMemberByLongName(text, m_session.memberRegister());
    m_session.edit(
        {"namn " + numbersText({number}), [number](const Contest& c) { return startListText(c, {number}); }},
        ContestChange::names(), [&](Contest& contest) { seatMember(contest, member, number, column); });
    // "fripar" seated last makes the bye pair; a real person in the bye entry ends it.
    if (m_session.contest().byePair != byePair) showByePair();
    showParticipantCount();
}

}  // namespace vindelkast
