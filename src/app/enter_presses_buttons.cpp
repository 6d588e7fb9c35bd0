#include "app/enter_presses_buttons.h"

#include <QKeyEvent>
#include <QPushButton>

namespace vindelkast {

bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    // A default button (in a dialog, or marked so) already answers Enter by itself.
    if (!button || button->autoDefault() || button->isDefault() || !button->isEnabled() ||
        !button->hasFocus())
        return QObject::eventFilter(watched, event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    button->click();
    return true;
}

}  // namespace vindelkast
