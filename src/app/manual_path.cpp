#include "app/manual_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vindelkast {

QString findManual(const QString& programFolder) {
    const QString name = "manual.html";
    const QDir program(programFolder);
    QStringList candidates = {QDir::current().filePath(name), program.filePath(name),
                              program.filePath("../share/doc/vindelkast/" + name)};
    // A test program stands deeper in the build folder than the window's program.
    for (const QString up : {"..", "../..", "../../.."})
        candidates << program.filePath(up + "/" + name) << program.filePath(up + "/docs/" + name);
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    return {};
}

QString findManual() { return findManual(QCoreApplication::applicationDirPath()); }

}  // namespace vindelkast
