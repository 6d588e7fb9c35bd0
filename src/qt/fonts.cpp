#include "qt/fonts.h"

#include <QFontDatabase>

namespace vindelkast {

QString installedFamily(const QStringList& wanted) {
    const QStringList families = QFontDatabase::families();
    for (const QString& family : wanted) {
        if (families.contains(family, Qt::CaseInsensitive)) return family;
    }
    return wanted.isEmpty() ? QString() : wanted.last();
}

QFont windowFont(int pixelSize, bool bold) {
    QFont font(installedFamily({"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans", "Liberation Sans"}));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont paneFont(int pixelSize, bool bold) {
    QFont font(installedFamily({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace vindelkast
