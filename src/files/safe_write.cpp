#include "files/safe_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <sstream>

#include "files/text_encoding.h"

namespace vindelkast {

namespace {

bool writeAll(int fd, const std::string& text, std::size_t capacity) {
    std::size_t done = 0;
    while (done < text.size()) {
        if (done >= capacity) return false;
        const std::size_t chunk = std::min(text.size() - done, capacity - done);
        const ssize_t written = ::write(fd, text.data() + done, chunk);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

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
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return cannotWriteMessage(path);
    bool ok = writeAll(fd, text, capacity);
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return cannotWriteMessage(path);
    }
    return "";
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
