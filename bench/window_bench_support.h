#pragma once

#include <optional>

#include <QString>
#include <QThread>

#include "session/dialogs.h"
#include "app/form1.h"
#include "app/text_pane.h"
#include "app/view_panes.h"

namespace vindelkast::bench {

// Dialogs for measuring the window: every question gets its default or "no", and the file
// dialogs pick `fileName`. The window benchmarks share this and an offscreen main().
class QuietDialogs : public Dialogs {
public:
    QString fileName;
    void message(const QString&) override {}
    void messageBox(const QString&, const QString&) override {}
    bool confirm(const QString&) override { return false; }
    Answer ask(const QString&) override { return Answer::No; }
    QString inputBox(const QString&, const QString&, const QString& d) override { return d; }
    std::optional<QString> inputQuery(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const QString&) override { return fileName; }
    QString saveFileName(const QString&, bool) override { return fileName; }
    QString folderName(const QString&) override { return fileName; }
    bool printerAvailable() override { return false; }
    QString print(const QString&, const QTextDocument&) override { return {}; }
    bool openWithAssociatedProgram(const QString&) override { return false; }
    std::optional<MovementChoice> movementChoice(int) override { return {}; }
    // Waits for the work as the real dialog would, never cancelling it.
    bool progress(const QString&, const std::function<Progress()>& poll) override {
        while (!poll().finished) QThread::msleep(5);
        return true;
    }
};

// Opens the contest the file dialog picks and shows every view a director may have open
// during the evening: the entry grid, the score tables and the standings.
inline void openWithEveryView(TForm1& form) {
    form.MnOpenClick();
    form.MnGeResClick();
    form.VisascoretavlorClick();
    if (!form.panes().UtTotal->isVisible()) form.Total1Click();
}

}  // namespace vindelkast::bench
