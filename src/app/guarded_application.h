#pragma once

#include <functional>

#include <QApplication>

namespace vindelkast {

class Dialogs;

// The program's application object: an exception that escapes a command is shown in a
// message box, and the program goes on with the next event.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs* m_dialogs = nullptr;
};

// Runs a command and turns an escaping exception into a message; true when none escaped.
bool runGuarded(Dialogs* dialogs, const std::function<void()>& command);

}  // namespace vindelkast
