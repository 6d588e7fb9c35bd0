#include "files/register_lock.h"

#include <windows.h>

#include <algorithm>

#include "files/file_platform.h"

namespace vindelkast {

namespace {

HANDLE handleOf(std::intptr_t file) { return reinterpret_cast<HANDLE>(file); }

OVERLAPPED at(std::size_t offset) {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset & 0xffffffffu);
    position.OffsetHigh = static_cast<DWORD>(static_cast<unsigned long long>(offset) >> 32);
    return position;
}

// Opens the file itself, never what a link there points at. Every sharing mode is allowed,
// so that readers and a safe replace of the register are never refused meanwhile.
HANDLE openShared(const std::wstring& path, DWORD access, DWORD disposition) {
    return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

bool regularFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info) &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

// The register itself, opened for one read or one append and closed again at once: a file
// held open could not be replaced by the import meanwhile.
HANDLE openRegister(const std::string& path, DWORD access, DWORD disposition) {
    const HANDLE file = openShared(filePath(path).native(), access, disposition);
    if (file != INVALID_HANDLE_VALUE && !regularFile(file)) {
        ::CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

}  // namespace

RegisterLock::RegisterLock(const std::string& path, bool createMissing) : m_path(path) {
    const HANDLE reg =
        openRegister(path, GENERIC_READ | GENERIC_WRITE, createMissing ? OPEN_ALWAYS : OPEN_EXISTING);
    if (reg == INVALID_HANDLE_VALUE) return;
    ::CloseHandle(reg);
    const HANDLE lock =
        openShared(filePath(path + ".lock").native(), GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (lock == INVALID_HANDLE_VALUE) return;
    OVERLAPPED first = at(0);
    if (!regularFile(lock) || !::LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &first)) {
        ::CloseHandle(lock);
        return;
    }
    m_file = reinterpret_cast<std::intptr_t>(lock);
}

RegisterLock::~RegisterLock() {
    // Closing the handle releases the lock.
    if (held()) ::CloseHandle(handleOf(m_file));
}

bool RegisterLock::readAll(std::string& bytes) const {
    if (!held()) return false;
    const HANDLE file = openRegister(m_path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = ::GetFileSizeEx(file, &size);
    if (ok) bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        OVERLAPPED position = at(done);
        DWORD got = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        ok = ::ReadFile(file, bytes.data() + done, chunk, &got, &position) && got > 0;
        done += got;
    }
    ::CloseHandle(file);
    return ok;
}

bool RegisterLock::appendWhole(std::string_view text, std::size_t oldSize) {
    if (!held()) return false;
    const HANDLE file = openRegister(m_path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < text.size()) {
        OVERLAPPED position = at(oldSize + done);
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
        ok = ::WriteFile(file, text.data() + done, chunk, &written, &position) && written > 0;
        done += written;
    }
    ok = ok && ::FlushFileBuffers(file);
    if (!ok) {
        // All or nothing: a half line would read as a person nobody added.
        LARGE_INTEGER end{};
        end.QuadPart = static_cast<LONGLONG>(oldSize);
        if (::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file))
            ::FlushFileBuffers(file);
    }
    ::CloseHandle(file);
    return ok;
}

HeldLock::~HeldLock() {
    if (held()) ::CloseHandle(handleOf(m_file));
}

HeldLock::Outcome HeldLock::take(const std::string& holder) {
    const HANDLE file = openShared(filePath(m_path).native(), GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) return Outcome::Unavailable;
    if (!regularFile(file)) {
        ::CloseHandle(file);
        return Outcome::Unavailable;
    }
    // The lock is on a byte far beyond the text, so that whoever finds it held can read who.
    OVERLAPPED beyond = at(std::size_t{1} << 30);
    if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &beyond)) {
        const bool elsewhere = ::GetLastError() == ERROR_LOCK_VIOLATION;
        char text[256];
        DWORD got = 0;
        OVERLAPPED start = at(0);
        if (!::ReadFile(file, text, sizeof text, &got, &start)) got = 0;
        m_holder.assign(text, got);
        ::CloseHandle(file);
        return elsewhere ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    m_file = reinterpret_cast<std::intptr_t>(file);
    OVERLAPPED start = at(0);
    DWORD written = 0;
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(holder.size());
    if (::WriteFile(file, holder.data(), static_cast<DWORD>(holder.size()), &written, &start) &&
        ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file))
        ::FlushFileBuffers(file);
    return Outcome::Taken;
}

}  // namespace vindelkast
