#include <cstdio>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include "app/folder_lock.h"
#include "app/form1.h"
#include "app/guarded_application.h"
#include "app/qt_dialogs.h"
#include "app/start_options.h"
#include "app/swedish_qt.h"

namespace {

// --help and --version answer before any window: they work without a display too. Qt's own
// options (-platform ...) are only known once the application has taken them out.
bool answeredWithoutWindow(int argc, char* argv[], int& exitCode) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const vindelkast::StartOptions options = vindelkast::readStartOptions(arguments);
    if (!options.error.isEmpty() || !(options.help || options.version)) return false;
    // No window, but the program's folder: --help names the manual found from it.
    int count = argc;
    const QCoreApplication program(count, argv);
    const QString text = options.help ? vindelkast::startHelpText() : vindelkast::startVersionText();
    std::fputs(text.toUtf8().constData(), stdout);
    exitCode = 0;
    return true;
}

// A contest opened from the command line (a double-click on it) is worked on in its own
// folder: the club's member register and the recovery file are kept beside the contests.
void workInFolderOf(QString& contestFile) {
    if (contestFile.isEmpty()) return;
    const QFileInfo file(contestFile);
    if (!file.absoluteDir().exists()) return;
    contestFile = file.absoluteFilePath();
    QDir::setCurrent(file.absolutePath());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (int code = 0; answeredWithoutWindow(argc, argv, code)) return code;
    vindelkast::GuardedApplication app(argc, argv);
    vindelkast::StartOptions options = vindelkast::readStartOptions(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fputs((options.error + "\n\n" + vindelkast::startHelpText()).toUtf8().constData(), stderr);
        return 2;
    }
    QApplication::setApplicationName("Vindelkast");
    QApplication::setDesktopFileName("se.vindelkast.Vindelkast");
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    vindelkast::installSwedishQtTexts(app);
    vindelkast::QtDialogs dialogs;
    app.setDialogs(&dialogs);
    workInFolderOf(options.contestFile);
    vindelkast::FolderLock folderLock(QDir::currentPath());
    if (!folderLock.claim(dialogs)) return 0;
    vindelkast::TForm1 form(dialogs);
    dialogs.setParent(&form);
    form.showMaximized();
    form.offerRecovery(options.askAboutRecovery);
    if (!options.contestFile.isEmpty()) form.openAtStart(options.contestFile);
    if (options.tablePort > 0) {
        const QString problem = form.startTableServer(options.tablePort);
        if (!problem.isEmpty()) dialogs.message(problem);
    }
    return QApplication::exec();
}
