#include "app/widget_colours.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace vindelkast {

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    // Fields and panes paint their Base; a panel's Base is the inside of its check boxes.
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractScrollArea*>(widget))
        palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QColor backgroundOf(const QWidget* widget) {
    const bool field =
        qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractScrollArea*>(widget);
    return widget->palette().color(field ? QPalette::Base : QPalette::Window);
}

}  // namespace vindelkast
