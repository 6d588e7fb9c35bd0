#pragma once

#include <memory>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/form1.h"
#include "fake_dialogs.h"

namespace vindelkast::test {

// A fresh main window in a fresh temporary working folder, with a fixed locale and the
// scripted dialogs. By default the folder holds the example member register "medlem.txt".
// A Qt string as the Windows-1252 bytes the contest keeps.
std::string cp(const QString& text);

class Window {
public:
    enum class Register { Example, None };
    explicit Window(Register reg = Register::Example, bool create = true);
    ~Window();

    // Creates the window (when the fixture was made with create = false).
    void create();

    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<TForm1> form;

    QString path(const QString& name) const { return dir.filePath(name); }
    // Copies a file from the examples folder into the working folder.
    void copyExample(const QString& name, const QString& as = {}) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    template <class T>
    T* find(const char* name) const {
        T* found = form->findChild<T*>(name);
        if (!found) qFatal("no component named %s", name);
        return found;
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    QAction* action(const char* name) const { return find<QAction>(name); }

    // Presses a key combination as the director would, with the window active.
    void press(const QKeySequence& keys);
    // Types into a set-up field: focus, select all, type, Tab out.
    void type(const char* field, const QString& text);
    // Opens an example contest file through "Öppna tävling".
    void openExample(const QString& name);
    // "Starta upp", boards, rounds, highest pair number, bye pair, then "Klar".
    void setUpContest(int boards, int rounds, int maxPair, const QString& byePair = {});
    // An eight-table Mitchell evening on the bundled card, 24 boards in 7 rounds, set up
    // through the panel's fields, "Välj guidekort" and "Klar".
    void setUpMitchell16(const QString& contestName = {});

private:
    QString m_previousFolder;
};

}  // namespace vindelkast::test
