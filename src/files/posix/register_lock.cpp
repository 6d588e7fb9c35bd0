#include "files/register_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vindelkast {

namespace {

// Whether `fd` is still the file at `path`: a program that replaced the register while this
// one waited for the lock leaves it holding a file nobody reads any more.
bool stillThere(int fd, const std::string& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

}  // namespace

RegisterLock::RegisterLock(const std::string& path, bool createMissing) {
    const int create = createMissing ? O_CREAT : 0;
    // A few rounds at most: each one means another program replaced the file meanwhile.
    for (int attempt = 0; attempt < 10; ++attempt) {
        // Non-blocking open: a pipe planted under the register's name must not hang us.
        const int fd =
            ::open(path.c_str(), O_RDWR | O_APPEND | create | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) return;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return;
        }
        int locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR) locked = ::flock(fd, LOCK_EX);
        if (locked == 0 && stillThere(fd, path)) {
            m_file = fd;
            return;
        }
        ::close(fd);
        if (locked != 0) return;
    }
}

RegisterLock::~RegisterLock() {
    // Closing the file releases the lock.
    if (held()) ::close(static_cast<int>(m_file));
}

bool RegisterLock::readAll(std::string& bytes) const {
    const int fd = static_cast<int>(m_file);
    struct stat st {};
    if (!held() || ::fstat(fd, &st) != 0) return false;
    bytes.assign(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool RegisterLock::appendWhole(std::string_view text, std::size_t oldSize) {
    const int fd = static_cast<int>(m_file);
    if (!held()) return false;
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        ok = written > 0;
        if (ok) done += static_cast<std::size_t>(written);
    }
    if (ok && ::fsync(fd) == 0) return true;
    // All or nothing: a half line would read as a person nobody added.
    if (::ftruncate(fd, static_cast<off_t>(oldSize)) == 0) ::fsync(fd);
    return false;
}

HeldLock::~HeldLock() {
    if (held()) ::close(static_cast<int>(m_file));
}

HeldLock::Outcome HeldLock::take(const std::string& holder) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) return Outcome::Unavailable;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return Outcome::Unavailable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool elsewhere = errno == EWOULDBLOCK;
            char text[256];
            const ssize_t got = ::pread(fd, text, sizeof text, 0);
            m_holder.assign(text, got > 0 ? static_cast<std::size_t>(got) : 0);
            ::close(fd);
            return elsewhere ? Outcome::HeldElsewhere : Outcome::Unavailable;
        }
        // Another program may have replaced the file under the name meanwhile.
        if (!stillThere(fd, m_path)) {
            ::close(fd);
            continue;
        }
        m_file = fd;
        if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, holder.data(), holder.size(), 0) >= 0) ::fsync(fd);
        return Outcome::Taken;
    }
    return Outcome::Unavailable;
}

}  // namespace vindelkast
