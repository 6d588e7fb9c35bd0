#include "files/file_platform.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>

namespace vindelkast {

namespace {

// The folder a path is in, as a path that can be opened ("." for a bare name).
std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The permissions a new file gets from the process, as a file created by open() would.
mode_t newFileMode() {
    // umask can only be read by setting it; nothing else creates files meanwhile.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The permissions the written file is to have: those of the file it replaces, so that a
// register kept private stays private; a new file gets the usual ones. Nothing when the
// target is something other than a regular file (a folder, a pipe, a device), which is
// never written over. A link at the target's place is replaced, never followed.
std::optional<mode_t> targetMode(const std::string& path) {
    struct stat old {};
    if (::lstat(path.c_str(), &old) != 0) {
        if (errno == ENOENT) return newFileMode();
        return std::nullopt;
    }
    if (S_ISREG(old.st_mode)) return old.st_mode & 07777;
    if (S_ISLNK(old.st_mode)) return newFileMode();
    return std::nullopt;
}

// Makes the rename itself last: until the folder is on disk, a power cut can bring back
// the old file after the save was reported done.
bool syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder at all; their renames are as safe as they get.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
}

bool writeAll(int fd, std::string_view text, std::size_t capacity) {
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

std::filesystem::path filePath(const std::string& utf8Path) { return utf8Path; }

std::string utf8Path(const std::filesystem::path& path) { return path.string(); }

bool replaceFileContents(const std::string& path, std::string_view text, std::size_t capacity) {
    const auto mode = targetMode(path);
    if (!mode) return false;
    // A name of its own for every write: a second writer of the same file, or anything
    // planted in the folder, can never be the file this one writes. The short fixed part
    // keeps the name valid beside a target whose own name is as long as names can be.
    const std::string folder = folderOf(path);
    std::string temporary = (folder == "/" ? "" : folder) + "/vindelkast-XXXXXX.tmp";
    // mkostemps creates the file exclusively, so it never opens a link, a pipe or an old file.
    const int fd = ::mkostemps(temporary.data(), 4, O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, *mode) == 0;
    ok = ok && writeAll(fd, text, capacity);
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return syncFolder(folder);
}

std::string replaceFilesContents(const std::vector<std::pair<std::string, std::string>>& pathsAndTexts) {
    struct Pending {
        std::string path, temporary, folder;
        int fd = -1;
    };
    std::vector<Pending> pending;
    const auto fail = [&pending](const std::string& path) {
        for (Pending& p : pending) {
            if (p.fd >= 0) ::close(p.fd);
            ::unlink(p.temporary.c_str());
        }
        return path;
    };
    for (const auto& [path, text] : pathsAndTexts) {
        const auto mode = targetMode(path);
        if (!mode) return fail(path);
        Pending p{path, "", folderOf(path)};
        p.temporary = (p.folder == "/" ? "" : p.folder) + "/vindelkast-XXXXXX.tmp";
        p.fd = ::mkostemps(p.temporary.data(), 4, O_CLOEXEC);
        if (p.fd < 0) return fail(path);
        pending.push_back(p);
        if (::fchmod(p.fd, *mode) != 0 || !writeAll(p.fd, text, std::numeric_limits<std::size_t>::max()))
            return fail(path);
    }
    // One flush per folder's file system makes every temporary file last before any rename.
    std::vector<std::string> folders;
    for (const Pending& p : pending) {
        if (std::find(folders.begin(), folders.end(), p.folder) != folders.end()) continue;
        if (::syncfs(p.fd) != 0) return fail(p.path);
        folders.push_back(p.folder);
    }
    for (Pending& p : pending) {
        const bool closed = ::close(p.fd) == 0;
        p.fd = -1;
        if (!closed) return fail(p.path);
    }
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (::rename(pending[i].temporary.c_str(), pending[i].path.c_str()) != 0) {
            const std::string path = pending[i].path;
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(i));
            return fail(path);
        }
    }
    for (const std::string& folder : folders)
        if (!syncFolder(folder)) return folder;
    return "";
}

std::vector<std::string> programArguments(int argc, char** argv) {
    // The terminal's own bytes: UTF-8 on every system the program supports.
    return {argv + std::min(argc, 1), argv + argc};
}

void closeNetworkHandle(std::intptr_t handle) { ::close(static_cast<int>(handle)); }

}  // namespace vindelkast
