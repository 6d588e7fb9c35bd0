// Keys in the entry grid, and storing a score: on leaving its cell, on Enter and by the
// score shortcuts.
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollArea>

#include "entry/result_entry.h"
#include "entry/result_entry_colours.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"
#include "session/pane_requests.h"

namespace vindelkast {

using namespace entry_colours;

namespace {

// Up and Down move between score cells only in the first five columns.
constexpr int kColumnsWithUpDown = 5;

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The focus leaves for another window, a message or a menu and comes back to the same field.
bool returning(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

}  // namespace

bool ResultEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_client) {
        if (event->type() == QEvent::Resize && m_built) {
            placeInWindow();
            placeViewsBelow();
        }
        return false;
    }
    const auto it = m_fields.constFind(watched);
    if (it == m_fields.constEnd()) return QGroupBox::eventFilter(watched, event);
    const FieldRef ref = *it;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Page Up and Page Down leave the board from any field of the grid.
        if (key->key() == Qt::Key_PageUp) {
            BtnPrevClick();
            return true;
        }
        if (key->key() == Qt::Key_PageDown) {
            BtnNextClick();
            return true;
        }
        return ref.kind == FieldKind::Score ? scoreCellKey(ref, key) : pairFieldKey(ref, key);
    }
    case QEvent::FocusIn:
        // Coming back from another window, a message or a menu is no entering of the field:
        // what was typed before still waits to be stored.
        if (!returning(static_cast<QFocusEvent*>(event)->reason())) {
            m_pairChanged = false;
            m_scoreChanged = false;
        }
        m_scroll->ensureWidgetVisible(static_cast<QWidget*>(watched), 0, 0);
        break;
    case QEvent::FocusOut:
        if (!returning(static_cast<QFocusEvent*>(event)->reason())) fieldLeft(ref);
        break;
    default:
        break;
    }
    return false;
}

void ResultEntry::fieldLeft(const FieldRef& ref) {
    if (ref.kind == FieldKind::Score) {
        if (!m_scoreChanged) return;
        m_scoreChanged = false;
        storeCell(ref.row, ref.column);
        return;
    }
    if (!m_pairChanged) return;
    m_pairChanged = false;
    pairFieldLeft(ref.row);
}

bool ResultEntry::pairFieldKey(const FieldRef& ref, QKeyEvent* key) {
    const int r = ref.row;
    switch (key->key()) {
    case Qt::Key_Up:
        focusField(field(r - 1, ref.kind));
        return true;
    case Qt::Key_Down:
        focusField(field(r + 1, ref.kind));
        return true;
    default:
        break;
    }
    if (!isEnter(key->key())) return false;
    // Enter follows the travelling slip: North, East, South, West, then the score.
    FieldKind next = FieldKind::Score;
    switch (ref.kind) {
    case FieldKind::Ns:
        next = FieldKind::Ew;
        break;
    case FieldKind::Ew:
        next = m_shape.individual ? FieldKind::NsPartner : FieldKind::Score;
        break;
    case FieldKind::NsPartner:
        next = FieldKind::EwPartner;
        break;
    default:
        break;
    }
    focusField(field(r, next, 0));
    return true;
}

bool ResultEntry::scoreCellKey(const FieldRef& ref, QKeyEvent* key) {
    const int r = ref.row;
    const int k = ref.column;
    switch (key->key()) {
    case Qt::Key_Up:
        if (k < kColumnsWithUpDown) focusField(scoreCell(r - 1, k));
        return true;
    case Qt::Key_Down:
        if (k < kColumnsWithUpDown) focusField(scoreCell(r + 1, k));
        return true;
    default:
        break;
    }
    if (isEnter(key->key())) {
        finishCell(r, k, std::nullopt);
        return true;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString typed = key->text();
    if (typed.size() != 1) return false;
    const QChar c = typed[0];
    const QString text = scoreCell(r, k)->text();
    const int board = m_currentBoard + k;
    const bool onBoard = board >= 1 && board <= m_contest.boardCount;

    // A shortcut that yields no value is typed into the cell as usual.
    std::optional<QString> value;
    if (c == '\'') {
        const auto number = wholeNumber(text.toStdString());
        if (number && hasScore(*number)) value = QString::number(-*number);
    } else if (c == ',') {
        if (QLineEdit* above = scoreCell(r - 1, k)) {
            const auto number = wholeNumber(above->text().toStdString());
            if (number && hasScore(*number)) value = QString::number(*number);
        }
    } else if (c == '.') {
        if (onBoard) {
            const int frequent = mostFrequentScore(m_contest.boards[board]);
            if (frequent != kNoScore) value = toQt(scoreCellText(frequent));
        }
    } else if (c == '-' || c == '+') {
        if (!text.isEmpty() && text[0] > QChar('-')) value = "-" + text;
    } else if (const auto cp = fromQt(typed); cp && cp->size() == 1 && onBoard) {
        if (const auto score = letterScore((*cp)[0], board)) value = QString::number(*score);
    }
    if (!value) return false;
    finishCell(r, k, value);
    return true;
}

void ResultEntry::finishCell(int row, int column, const std::optional<QString>& value) {
    QLineEdit* cell = scoreCell(row, column);
    if (!cell) return;
    if (value) cell->setText(*value);
    m_scoreChanged = false;
    storeCell(row, column);
    if (row >= static_cast<int>(m_rows.size())) return;
    const FocusTarget target =
        focusAfterStore(row, column, visibleColumns(), static_cast<int>(m_rows.size()),
                        row + 1 < static_cast<int>(m_rows.size()) && m_rows[row + 1].ns->text().isEmpty(),
                        m_rows[0].ns->text().isEmpty());
    focusField(target.field == EntryField::Ns ? nsField(target.row) : scoreCell(target.row, target.column));
}

void ResultEntry::BtnCalcClick() {
    // The compute button is no score cell: it leaves its mark and stores nothing.
    m_panes.appendDebug(" CALC");
}

bool ResultEntry::storeCell(int row, int column) {
    m_panes.appendDebug(" CALC");
    if (!m_contest.setUpDone || !scoreCell(row, column)) return false;
    const int board = m_currentBoard + column;
    if (board < 1 || board > m_contest.boardCount) return false;
    const EntryView view = gridView();
    if (row >= static_cast<int>(view.rows.size())) return false;
    // The session stores it and tells the views; only this cell is the panel's to show.
    const QScopedValueRollback own(m_ownChange, true);
    const StoredScore stored =
        m_session.storeScore(board, view.rows[row], fromQtLossy(scoreCell(row, column)->text()));
    if (!stored.found) return false;
    showStored(row, column, stored, true);
    return true;
}

void ResultEntry::showStored(int row, int column, const StoredScore& stored, bool tell) {
    QLineEdit* cell = scoreCell(row, column);
    if (!cell) return;
    const QString text = toQt(stored.text);
    if (cell->text() != text) cell->setText(text);
    const GridRow& r = m_rows[row];
    QColor background = kWhite;
    QColor ink = inkColour(stored.ink);
    if (r.seatsChange) {
        background = r.swapped[column] ? kLime : kYellow;
        ink = kBlack;
    }
    if (stored.plausibility != 0 || !stored.impossible.empty()) background = kWarning;
    paint(cell, background, ink);
    if (!tell) return;
    if (const std::string warning = scoreWarning(stored); !warning.empty()) m_dialogs.message(toQt(warning));
}

void ResultEntry::showStores(const std::vector<CellStore>& stores, bool tell) {
    bool told = false;
    for (const CellStore& s : stores) {
        // One warning is enough when several cells are stored at once.
        const bool warn = tell && !told && !scoreWarning(s.store).empty();
        showStored(s.row, s.column, s.store, warn);
        told = told || warn;
    }
}

}  // namespace vindelkast
