#pragma once

#include <QString>

namespace vindelkast {

// Where the manual manual.html is: the working folder first, then beside the program (a
// build folder has a copy there), then where the package installs it
// (PREFIX/share/doc/vindelkast beside PREFIX/bin), then the docs folder of the source tree
// a build folder stands in. "" when none of them has it.
QString findManual(const QString& programFolder);
// The same for the running program.
QString findManual();

}  // namespace vindelkast
