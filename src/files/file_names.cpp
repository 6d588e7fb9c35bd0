#include "files/file_names.h"

#include <filesystem>

#include "files/file_platform.h"
#include "files/safe_write.h"

namespace vindelkast {

std::string withDefaultExtension(const std::string& path, const std::string& extension) {
    const auto nameStart = path.find_last_of("/\\");
    const std::string name = nameStart == std::string::npos ? path : path.substr(nameStart + 1);
    if (path.empty() || name.find('.') != std::string::npos) return path;
    return path + extension;
}

std::string missingFileMessage(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_regular_file(filePath(path), error)) return "";
    return "Filen finns inte: " + pathText(path);
}

}  // namespace vindelkast
