#include "app/swedish_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vindelkast {

bool installSwedishQtTexts(QCoreApplication& application) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    auto* translator = new QTranslator(&application);
    for (const char* catalogue : {"qtbase", "qt"}) {
        if (translator->load(swedish, catalogue, "_", folder) &&
            QCoreApplication::installTranslator(translator))
            return true;
    }
    delete translator;
    return false;
}

}  // namespace vindelkast
