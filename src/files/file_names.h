#pragma once

#include <string>

namespace vindelkast {

// A chosen file name with `extension` (".txt", ".sco") appended when the file name itself
// (not its folder) has no ".".
std::string withDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace vindelkast
