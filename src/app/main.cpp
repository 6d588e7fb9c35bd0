#include <exception>

#include <QApplication>
#include <QDir>
#include <QLocale>

#include "app/folder_lock.h"
#include "app/form1.h"
#include "app/guarded_application.h"
#include "app/qt_dialogs.h"
#include "app/swedish_qt.h"

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
    form.offerRecovery();
    return QApplication::exec();
}
