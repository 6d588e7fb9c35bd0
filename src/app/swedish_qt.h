#pragma once

class QCoreApplication;

namespace vindelkast {

// Installs Qt's own Swedish texts (the file dialogs' columns, "Filen hittades inte", the
// standard buttons) from the Debian package qt6-translations-l10n. Qt ships them as
// "qtbase_sv" or, in older packages, as the combined "qt_sv". False when neither is
// installed: Qt's dialogs then stay in English, the program's own texts do not change.
bool installSwedishQtTexts(QCoreApplication& application);

}  // namespace vindelkast
