#include "app/guarded_application.h"

#include <exception>
#include <functional>

#include "session/dialogs.h"

namespace vindelkast {

bool runGuarded(Dialogs* dialogs, const std::function<void()>& command) {
    QString problem;
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        problem = QString::fromLocal8Bit(error.what());
    } catch (...) {
        problem = "ok\u00e4nt fel";
    }
    const QString text = "Ett fel intr\u00e4ffade: " + problem + "\nProgrammet forts\u00e4tter.";
    if (dialogs) dialogs->messageBox("Vindelkast", text);
    return false;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runGuarded(m_dialogs, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace vindelkast
