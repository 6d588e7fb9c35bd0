#include "files/file_names.h"

namespace vindelkast {

std::string withDefaultExtension(const std::string& path, const std::string& extension) {
    const auto nameStart = path.find_last_of("/\\");
    const std::string name = nameStart == std::string::npos ? path : path.substr(nameStart + 1);
    if (path.empty() || name.find('.') != std::string::npos) return path;
    return path + extension;
}

}  // namespace vindelkast
