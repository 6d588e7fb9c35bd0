#include "app/text_guard.h"

#include <QLineEdit>

#include "session/dialogs.h"
#include "qt/qt_text.h"

namespace vindelkast {

const QString kUnrepresentableText =
    "Texten inneh\u00e5ller tecken som inte kan sparas i t\u00e4vlingsfilen (till\u00e5tna \u00e4r "
    "tecknen i Windows-1252)";

void refuseUnrepresentableText(QLineEdit* field, Dialogs& dialogs) {
    QObject::connect(field, &QLineEdit::textEdited, field, [field, &dialogs](const QString& text) {
        if (fromQt(text)) {
            field->setProperty("vkLastGoodText", text);
            return;
        }
        field->setText(field->property("vkLastGoodText").toString());
        dialogs.message(kUnrepresentableText);
    });
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        if (fromQt(text)) field->setProperty("vkLastGoodText", text);
    });
}

}  // namespace vindelkast
