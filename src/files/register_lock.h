#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace vindelkast {

// The register file held exclusively by this program while it adds a person or replaces
// the file, so that two programs in one folder never hand out the same identity number nor
// lose each other's lines. Waits while another program holds it. (POSIX: flock on the file;
// Windows: LockFileEx on "NAME.lock" beside it, since Windows cannot replace a file that is
// held open; files/posix/ and files/windows/.)
class RegisterLock {
public:
    // Opens (creating when missing, if asked to) and locks `path`. A link or anything but a
    // regular file there is not opened: the lock is then not held.
    explicit RegisterLock(const std::string& path, bool createMissing = true);
    ~RegisterLock();
    RegisterLock(const RegisterLock&) = delete;
    RegisterLock& operator=(const RegisterLock&) = delete;

    bool held() const { return m_file != -1; }
    // The whole locked file; false when it cannot be read.
    bool readAll(std::string& bytes) const;
    // Adds `text` at the end and flushes it to disk. On failure the file is cut back to
    // `oldSize` bytes, so that no half line is left for the next person to finish.
    bool appendWhole(std::string_view text, std::size_t oldSize);

private:
    std::intptr_t m_file = -1;  // the system's file descriptor or handle
    std::string m_path;
};

// A lock a running program holds on a file through the file it keeps open: the system frees
// it the moment the program ends, however it ends, so a crash never leaves it held and a new
// program that happens to get a dead one's process number is never taken for it. The file
// says who holds it (POSIX: flock; Windows: LockFileEx on a byte beyond the text).
class HeldLock {
public:
    enum class Outcome { Taken, HeldElsewhere, Unavailable };

    explicit HeldLock(std::string path) : m_path(std::move(path)) {}
    ~HeldLock();
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

    // Takes the lock without waiting and writes `holder` into the file. HeldElsewhere when
    // another program holds it (holder() then says who); Unavailable when no lock can be made
    // here at all (a folder without write access, something that is no file under the name).
    Outcome take(const std::string& holder);
    bool held() const { return m_file != -1; }
    // What the program holding the lock wrote, as take() found it.
    const std::string& holder() const { return m_holder; }

private:
    std::intptr_t m_file = -1;
    std::string m_path;
    std::string m_holder;
};

}  // namespace vindelkast
