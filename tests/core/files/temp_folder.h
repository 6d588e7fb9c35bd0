#pragma once

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/file_platform.h"

namespace vindelkast::test {

// A fresh folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("vk_files_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }
    // Names are UTF-8, as the program holds paths.
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(filePath(file(name)), std::ios::binary) << bytes;
        return file(name);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(filePath(file(name)), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(filePath(file(name))); }
    // What the folder holds, sorted: a safe write leaves no temporary file behind.
    std::vector<std::string> names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path m_path;
};

}  // namespace vindelkast::test
