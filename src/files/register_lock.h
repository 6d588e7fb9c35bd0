#pragma once

#include <string>

namespace vindelkast {

// The register file held exclusively (flock) by this program while it adds a person or
// replaces the file, so that two programs in one folder never hand out the same identity
// number nor lose each other's lines. Waits while another program holds it.
class RegisterLock {
public:
    // Opens (creating when missing, if asked to) and locks `path`. A link or anything but a
    // regular file there is not opened: the lock is then not held.
    explicit RegisterLock(const std::string& path, bool createMissing = true);
    ~RegisterLock();
    RegisterLock(const RegisterLock&) = delete;
    RegisterLock& operator=(const RegisterLock&) = delete;

    bool held() const { return m_fd >= 0; }
    // The locked file, open for reading and appending.
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

}  // namespace vindelkast
