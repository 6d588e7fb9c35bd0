#include "app/swedish_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vindelkast {

namespace {

// The few texts of Qt 6's file dialogs that the Swedish catalogue of Debian 12 lacks (it
// was made for older contexts): asked after the catalogue, so a newer one wins.
class MissingSwedishTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const QByteArray where(context), text(source);
        if (where == "QFileSystemModel" && (text == "Computer" || text == "My Computer")) return "Dator";
        if (where == "QAbstractFileIconProvider" && text == "Folder") return "Mapp";
        if (where == "QAbstractFileIconProvider" && text == "Drive") return "Enhet";
        return {};
    }
};

}  // namespace

bool installSwedishQtTexts(QCoreApplication& application) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    auto* translator = new QTranslator(&application);
    for (const char* catalogue : {"qtbase", "qt"}) {
        if (translator->load(swedish, catalogue, "_", folder)) {
            // Installed first, so the catalogue is asked before the stand-in texts.
            QCoreApplication::installTranslator(new MissingSwedishTexts(&application));
            return QCoreApplication::installTranslator(translator);
        }
    }
    delete translator;
    return false;
}

}  // namespace vindelkast
