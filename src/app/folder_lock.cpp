#include "app/folder_lock.h"

#include <QDir>

#include "session/dialogs.h"

namespace vindelkast {

FolderLock::FolderLock(const QString& folder) : m_lock(QDir(folder).filePath(kFolderLockName)) {
    // A window runs for a whole evening, so the lock never goes stale by age; one whose
    // program is no longer running is stale whatever its age.
    m_lock.setStaleLockTime(0);
}

bool FolderLock::claim(Dialogs& dialogs) {
    if (m_lock.tryLock()) return true;
    if (m_lock.error() != QLockFile::LockFailedError) return true;
    qint64 pid = 0;
    QString host, program;
    m_lock.getLockInfo(&pid, &host, &program);
    const QString who = pid > 0 ? QString(" (process %1 p\u00e5 %2)").arg(pid).arg(host) : QString();
    return !dialogs.confirm(
        "Vindelkast k\u00f6rs redan i den h\u00e4r mappen" + who +
        ". Tv\u00e5 program i samma mapp skriver \u00f6ver varandras \u00e5terst\u00e4llningsfil "
        "och kan ge nya personer samma id-nummer.\n\nVill du avsluta det h\u00e4r programmet?");
}

}  // namespace vindelkast
