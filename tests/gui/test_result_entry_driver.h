#pragma once

// Drives the entry grid from the keyboard the way the director does: keys go to the field
// that has the focus, so every step also proves where the focus went.
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QTest>

#include "app/text_pane.h"
#include "entry/result_entry.h"
#include "window_fixture.h"

namespace vindelkast::test {

struct EntryDriver {
    Window& w;

    ResultEntry& panel() const { return w.form->entry(); }
    QLineEdit* ns(int row) const { return panel().nsField(row); }
    QLineEdit* ew(int row) const { return panel().ewField(row); }
    QLineEdit* cell(int row, int column) const { return panel().scoreCell(row, column); }

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

}  // namespace vindelkast::test
