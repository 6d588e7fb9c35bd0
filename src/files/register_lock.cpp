#include "files/register_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
            m_fd = fd;
            return;
        }
        ::close(fd);
        if (locked != 0) return;
    }
}

RegisterLock::~RegisterLock() {
    // Closing the file releases the lock.
    if (m_fd >= 0) ::close(m_fd);
}

}  // namespace vindelkast
