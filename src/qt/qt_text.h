#pragma once

#include <optional>
#include <string>

#include <QString>

namespace vindelkast {

// The one place where the contest's Windows-1252 text meets Qt's strings.
QString toQt(const std::string& cp1252);
// Nothing when the text holds a character that Windows-1252 cannot hold.
std::optional<std::string> fromQt(const QString& text);
// For texts the program itself wrote into a widget: never fails, unknown characters become "?".
std::string fromQtLossy(const QString& text);

// File paths are UTF-8, as the core holds them on every system (files/file_platform.h), not
// Windows-1252 text.
std::string pathFromQt(const QString& path);
QString pathToQt(const std::string& path);

}  // namespace vindelkast
