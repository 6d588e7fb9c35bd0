#pragma once

#include <QColor>

class QWidget;

namespace vindelkast {

// Colours through the palette rather than style sheets, so that the window's font still
// reaches every child widget.
void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
QColor backgroundOf(const QWidget* widget);

}  // namespace vindelkast
