#pragma once

#include <QFont>
#include <QStringList>

namespace vindelkast {

// The first family of the list that is installed, else the last one.
QString installedFamily(const QStringList& wanted);

// "MS Sans Serif" at the given pixel size, or the nearest sans-serif font that exists.
QFont windowFont(int pixelSize, bool bold);
// "Courier New" at the given pixel size, or the nearest fixed-pitch font that exists, so
// that the columns of the views line up.
QFont paneFont(int pixelSize, bool bold);

}  // namespace vindelkast
