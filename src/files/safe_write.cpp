#include "files/safe_write.h"

#include <sstream>

#include "files/file_platform.h"
#include "files/text_encoding.h"

namespace vindelkast {

std::string pathText(const std::string& path) {
    if (auto whole = utf8ToCp1252(path)) return *whole;
    // Messages are Windows-1252 and go back to UTF-8 on the terminal, so a letter that
    // Windows-1252 lacks would come out garbled: it is shown as "?" instead.
    std::string text;
    std::size_t i = 0;
    while (i < path.size()) {
        // One character: its first byte and the continuation bytes after it.
        std::size_t length = 1;
        while (i + length < path.size() && length < 4 &&
               (static_cast<unsigned char>(path[i + length]) & 0xc0) == 0x80)
            ++length;
        const auto letter = utf8ToCp1252(std::string_view(path).substr(i, length));
        text += letter ? *letter : "?";
        i += length;
    }
    return text;
}

std::string cannotWriteMessage(const std::string& path) {
    return "Kunde inte skriva filen " + pathText(path);
}

std::string writeTextSafely(const std::string& path, const std::string& text, std::size_t capacity) {
    return replaceFileContents(path, text, capacity) ? "" : cannotWriteMessage(path);
}

std::string writeTextsSafely(const std::vector<std::pair<std::string, std::string>>& pathsAndTexts) {
    const std::string failed = replaceFilesContents(pathsAndTexts);
    return failed.empty() ? "" : cannotWriteMessage(failed);
}

std::string writeTextSafely(const std::string& path, const std::string& text) {
    return writeTextSafely(path, text, std::numeric_limits<std::size_t>::max());
}

std::string writeFileSafely(const std::string& path, const std::function<void(std::ostream&)>& write) {
    std::ostringstream out;
    write(out);
    if (!out) return cannotWriteMessage(path);
    return writeTextSafely(path, out.str());
}

}  // namespace vindelkast
