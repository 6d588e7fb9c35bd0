#pragma once

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

#include "app/form1.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "session/dialogs.h"

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
    QString openFileNameTitled(const QString&, const QString&) override { return fileName; }
    QString saveFileName(const QString&, bool) override { return fileName; }
    std::optional<TeamEventChoice> teamEventChoice() override { return std::nullopt; }
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
    if (!form.panes().standingsShown()) form.Total1Click();
}

// The window answers the clients' threads until `count` of them are done (at most 20 s), then
// they are joined.
inline void serveClients(std::vector<std::thread>& clients, const std::atomic<int>& done, int count) {
    QElapsedTimer clock;
    clock.start();
    while (done < count && clock.elapsed() < 20'000) QApplication::processEvents(QEventLoop::AllEvents, 5);
    for (std::thread& t : clients) t.join();
}

}  // namespace vindelkast::bench
