#include "app/folder_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>

#include "qt/qt_text.h"
#include "session/dialogs.h"

namespace vindelkast {

FolderLock::FolderLock(const QString& folder) : m_lock(pathFromQt(QDir(folder).filePath(kFolderLockName))) {}

bool FolderLock::claim(Dialogs& dialogs) {
    // The holder's process number and computer, one to a line, for the message below.
    const QString me =
        QString("%1\n%2\n").arg(QCoreApplication::applicationPid()).arg(QSysInfo::machineHostName());
    if (m_lock.take(me.toStdString()) != HeldLock::Outcome::HeldElsewhere) return true;
    const QStringList holder = QString::fromUtf8(m_lock.holder()).split('\n');
    const bool named = holder.size() >= 2 && holder[0].toLongLong() > 0;
    const QString who = named ? QString(" (process %1 p\u00e5 %2)").arg(holder[0], holder[1]) : QString();
    return !dialogs.confirm(
        "Vindelkast k\u00f6rs redan i den h\u00e4r mappen" + who +
        ". Tv\u00e5 program i samma mapp skriver \u00f6ver varandras \u00e5terst\u00e4llningsfil "
        "och kan ge nya personer samma id-nummer.\n\nVill du avsluta det h\u00e4r programmet?");
}

}  // namespace vindelkast
