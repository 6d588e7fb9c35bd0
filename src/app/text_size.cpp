#include "app/text_size.h"

#include "app/user_settings.h"
#include "app/view_panes.h"
#include "session/dialogs.h"

namespace vindelkast {

int textScaleFromAnswer(const QString& answer) {
    QString text = answer.trimmed();
    if (text.endsWith('%')) text.chop(1);
    bool ok = false;
    const int percent = text.trimmed().toInt(&ok);
    return ok && percent >= kSmallestTextScale && percent <= kLargestTextScale ? percent : 0;
}

int savedTextScale() {
    const int saved = textScaleFromAnswer(rememberedTextScale());
    return saved > 0 ? saved : kNormalTextScale;
}

void saveTextScale(int percent) { rememberTextScale(percent); }

void askTextScale(Dialogs& dialogs, ViewPanes& panes) {
    const auto answer =
        dialogs.inputQuery("Textstorlek",
                           QString("Textstorlek i resultatf\u00f6nstren, i procent av normal (%1-%2):")
                               .arg(kSmallestTextScale)
                               .arg(kLargestTextScale),
                           QString::number(panes.textScale()));
    if (!answer) return;
    const int percent = textScaleFromAnswer(*answer);
    if (percent == 0) {
        dialogs.message(
            QString("Textstorleken ska vara ett tal %1-%2").arg(kSmallestTextScale).arg(kLargestTextScale));
        return;
    }
    panes.setTextScale(percent);
    saveTextScale(percent);
}

}  // namespace vindelkast
