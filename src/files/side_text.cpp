#include "files/side_text.h"

#include <charconv>
#include <filesystem>

#include "files/file_platform.h"
#include "files/safe_write.h"

namespace vindelkast {

std::vector<std::string_view> sideFileLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> lineWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ' || line[at] == '\t') {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
        words.push_back(line.substr(start, at - start));
    }
    return words;
}

bool numberWord(std::string_view word, int lo, int hi, int& value) {
    int v = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (error != std::errc() || end != word.data() + word.size() || v < lo || v > hi) return false;
    value = v;
    return true;
}

std::string sideFileFault(const char* file, std::size_t line, const std::string& what) {
    return std::string("Fel i ") + file + ", rad " + std::to_string(line) + ": " + what;
}

std::string removeSideFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path file = filePath(path);
    const fs::file_type type = fs::symlink_status(file, error).type();
    // Nor is a name too long for any file: such a file cannot have been written.
    if (type == fs::file_type::not_found || error == std::errc::filename_too_long) return "";
    // A folder of that name is no side file of ours.
    if (error || type == fs::file_type::directory || !fs::remove(file, error) || error)
        return "Kan inte ta bort " + pathText(path);
    return "";
}

}  // namespace vindelkast
