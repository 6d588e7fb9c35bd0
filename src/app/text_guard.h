#pragma once

#include <QString>

class QLineEdit;

namespace vindelkast {

class Dialogs;

extern const QString kUnrepresentableText;

// Refuses typed text that Windows-1252 cannot hold, where it enters: the field goes back to
// its last good text and the person is told why.
void refuseUnrepresentableText(QLineEdit* field, Dialogs& dialogs);

}  // namespace vindelkast
