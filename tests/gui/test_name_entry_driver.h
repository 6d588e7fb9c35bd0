#pragma once

// Drives the name panel with real keys and clicks, finding its parts by their names as the
// director finds them by their captions.
#include <map>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "entry/name_panel.h"
#include "entry/name_panel_list.h"
#include "qt/qt_text.h"
#include "window_fixture.h"

namespace vindelkast::test {

// Real key events for every character, also those beyond ASCII (Å, Ä, Ö, ...).
inline void typeText(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(target, ch.toLatin1());
            continue;
        }
        const auto key = ch.unicode() < 256 ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(ch), Qt::NoModifier);
    }
}

// The name panel of a window, driven with real keys and clicks.
struct Names {
    Window& w;
    NamePanel& panel;
    explicit Names(Window& window) : w(window), panel(window.form->namePanel()) {}

    const Contest& contest() const { return w.form->contest(); }
    // A component of the panel by its name; the test stops when there is none.
    template <class T>
    T* named(const QString& name) const {
        T* found = panel.findChild<T*>(name);
        if (!found) qFatal("no component named %s", qPrintable(name));
        return found;
    }
    // A name field of a row (1..) and column (0 first person, 1 second); nullptr where the page
    // has none.
    QLineEdit* nameField(int row, int column) const {
        return panel.findChild<QLineEdit*>(QString("EdNamn%1").arg(row * 10 + column));
    }
    QLineEdit* field(int row, int column) const {
        QLineEdit* f = nameField(row, column);
        if (!f) qFatal("no name field %d/%d", row, column);
        return f;
    }
    QCheckBox* markBox(int row) const { return named<QCheckBox>(QString("ChkNamnMark%1").arg(row)); }
    QListView* list() const { return named<QListView>("ListPers"); }
    QPushButton* button(const char* name) const { return named<QPushButton>(name); }
    // The new-person box gbNyPers and its fields edNyNamn, edNyId, edHcp.
    QGroupBox* newPersonBox() const { return named<QGroupBox>("gbNyPers"); }
    QLineEdit* newPersonField(const char* name) const { return named<QLineEdit>(name); }
    // Enters the field as the director would, types, and ends with Enter or Tab.
    void type(int row, int column, const QString& text, Qt::Key end = Qt::Key_Return) const {
        QLineEdit* f = field(row, column);
        QTest::mouseClick(f, Qt::LeftButton);
        f->selectAll();
        typeText(f, text);
        if (end != Qt::Key_unknown) QTest::keyClick(f, end);
    }
    QStringList listed() const {
        QStringList names;
        for (int r = 0; r < panel.listModel().count(); ++r) names << toQt(panel.listModel().longNameAt(r));
        return names;
    }
    QString selected() const {
        const QModelIndex i = list()->currentIndex();
        return i.isValid() && list()->selectionModel()->isSelected(i) ? i.data().toString() : QString();
    }
    QString person(int number, int column = 0) const {
        const Participant& p = contest().participants[number];
        const Member* m = column == 0 ? p.first : p.second;
        return m ? toQt(longName(*m)) : QString();
    }
    void mark(int row) const { QTest::mouseClick(markBox(row), Qt::LeftButton); }
    void click(QPushButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void click(const char* buttonName) const { click(button(buttonName)); }
    QWidget* focus() const { return QApplication::focusWidget(); }
};

// The start list as "first / second" per number, for comparing before and after.
inline std::map<int, QString> startList(const Names& n) {
    std::map<int, QString> list;
    for (int p = 1; p <= n.contest().participantCount; ++p) list[p] = n.person(p, 0) + " / " + n.person(p, 1);
    return list;
}

}  // namespace vindelkast::test
