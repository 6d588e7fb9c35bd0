#pragma once

#include <string>

namespace vindelkast {

// A chosen file name with `extension` (".txt", ".sco") appended when the file name itself
// (not its folder) has no ".".
std::string withDefaultExtension(const std::string& path, const std::string& extension);

// A name typed in an open dialog need not name a file: "" when `path` is a file that
// exists, else the message "Filen finns inte: <path>".
std::string missingFileMessage(const std::string& path);

}  // namespace vindelkast
