#pragma once

// Drives the entry grid from the keyboard the way the director does: keys go to the field
// that has the focus, so every step also proves where the focus went.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include "app/text_pane.h"
#include "entry/result_entry.h"
#include "model/board_results.h"
#include "window_fixture.h"

namespace vindelkast::test {

struct EntryDriver {
    Window& w;

    ResultEntry& panel() const { return w.form->entry(); }
    // A field of the grid by its name; nullptr where the grid has none. A grid built anew
    // leaves its old fields, hidden, until the event loop deletes them: the newest counts.
    QLineEdit* field(int row, const QString& name) const {
        if (row < 0 || row >= panel().rowCount()) return nullptr;
        const auto named = panel().findChildren<QLineEdit*>(name);
        return named.isEmpty() ? nullptr : named.last();
    }
    QLineEdit* ns(int row) const { return field(row, QString("EdNs%1").arg(row)); }
    QLineEdit* ew(int row) const { return field(row, QString("EdEw%1").arg(row)); }
    // An individual contest's South and West.
    QLineEdit* nsPartner(int row) const { return field(row, QString("EdNsPartner%1").arg(row)); }
    QLineEdit* ewPartner(int row) const { return field(row, QString("EdEwPartner%1").arg(row)); }
    QLineEdit* cell(int row, int column) const {
        return field(row, QString("EdScore%1_%2").arg(row).arg(column));
    }
    // The box that shows a row whose pairs change seats within the round.
    QLineEdit* swapBox(int row) const { return field(row, QString("Swap%1").arg(row)); }

    static QLineEdit* focused() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
    static QString focusName() {
        QWidget* f = QApplication::focusWidget();
        return f ? f->objectName() : QString("(none)");
    }

    // Keys to whatever has the focus, as typed.
    void keys(const QString& text) const { QTest::keyClicks(QApplication::focusWidget(), text); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }
    void enter() const { key(Qt::Key_Return); }
    void tab() const { key(Qt::Key_Tab); }

    // Puts the focus into a field from the keyboard's point of view (all of it selected).
    static void go(QLineEdit* field) {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
    }
    // Types over a field and leaves it with Enter.
    void typeOver(QLineEdit* field, const QString& text) const {
        go(field);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    static QColor background(const QLineEdit* field) { return field->palette().color(QPalette::Base); }
    static QColor ink(const QLineEdit* field) { return field->palette().color(QPalette::Text); }

    QString scoreTables() const { return w.find<TextPane>("ScoreTables")->plainLines(); }
};

inline const QColor kWhite(255, 255, 255);
inline const QColor kLightRed(255, 51, 51);

// The NS score stored for a pairing on a board; -1 when the board has no such result.
inline int score(const Contest& c, int board, int ns, int ew) {
    const BoardResult* r = findResult(c.boards[board], ns, ew);
    return r ? r->nsScore : -1;
}

// A contest of boards and rounds without a guide card: the slots come from the grid.
inline void setUpWithoutGuideCard(Window& w, int boards, int rounds, int maxPair) {
    w.press(QKeySequence(Qt::Key_F2));
    w.type("EdGivar", QString::number(boards));
    w.type("EdRonder", QString::number(rounds));
    w.type("EdNrPar", QString::number(maxPair));
    w.type("EdFripar", "");
    auto* box = w.find<QCheckBox>("cBoxGuide");
    if (!box->isChecked()) QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(w.find<QPushButton>("BtnKlar"), Qt::LeftButton);
}

// Types the pairings of the grid's rows, each followed by Enter.
inline void typePairs(EntryDriver& e, std::initializer_list<std::pair<int, int>> pairs) {
    int r = 0;
    for (auto [ns, ew] : pairs) {
        e.typeOver(e.ns(r), QString::number(ns));
        e.typeOver(e.ew(r), QString::number(ew));
        ++r;
    }
}

}  // namespace vindelkast::test
