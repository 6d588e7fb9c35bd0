#include <exception>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

#include "app/folder_lock.h"
#include "app/form1.h"
#include "app/guarded_application.h"
#include "app/qt_dialogs.h"
#include "app/swedish_qt.h"

namespace {

// "--bord [PORT]": the window starts with the table server on (8080 when no port is given).
int tableServerPort(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf("--bord");
    if (at < 0) return 0;
    bool number = false;
    const int port = at + 1 < arguments.size() ? arguments[at + 1].toInt(&number) : 0;
    return number && port > 0 && port <= 65535 ? port : 8080;
}

}  // namespace

int main(int argc, char* argv[]) {
    vindelkast::GuardedApplication app(argc, argv);
    QApplication::setApplicationName("Vindelkast");
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    vindelkast::installSwedishQtTexts(app);
    vindelkast::QtDialogs dialogs;
    app.setDialogs(&dialogs);
    vindelkast::FolderLock folderLock(QDir::currentPath());
    if (!folderLock.claim(dialogs)) return 0;
    vindelkast::TForm1 form(dialogs);
    dialogs.setParent(&form);
    form.showMaximized();
    // Hidden, for the crash tests: the recovery offer taken without a question.
    form.offerRecovery(!QApplication::arguments().contains("--aterstall-utan-fraga"));
    if (const int port = tableServerPort(QApplication::arguments()); port > 0) {
        const QString problem = form.startTableServer(static_cast<quint16>(port));
        if (!problem.isEmpty()) dialogs.message(problem);
    }
    return QApplication::exec();
}
