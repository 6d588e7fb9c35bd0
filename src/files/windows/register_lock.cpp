#include "files/register_lock.h"

#include <windows.h>

#include <algorithm>

#include "files/file_platform.h"

namespace vindelkast {

namespace {

HANDLE handleOf(std::intptr_t file) { return reinterpret_cast<HANDLE>(file); }

// One byte far past the end of any register. Windows locks are mandatory, so a lock on the
// register's own bytes would keep every reader of the file out while a person is added.
OVERLAPPED lockedRange() {
    OVERLAPPED range{};
    range.OffsetHigh = 0x40000000;
    return range;
}

OVERLAPPED at(std::size_t offset) {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset & 0xffffffffu);
    position.OffsetHigh = static_cast<DWORD>(static_cast<unsigned long long>(offset) >> 32);
    return position;
}

bool sameFile(HANDLE one, HANDLE other) {
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    return ::GetFileInformationByHandle(one, &a) && ::GetFileInformationByHandle(other, &b) &&
           a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

// Opens the file itself, never what a link there points at. Every sharing mode is allowed,
// so that readers and a safe replace of the register are never refused meanwhile.
HANDLE openRegister(const std::wstring& path, DWORD access, DWORD disposition) {
    return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// Whether `file` is still the file at `path`: a program that replaced the register while
// this one waited for the lock leaves it holding a file nobody reads any more.
bool stillThere(HANDLE file, const std::wstring& path) {
    const HANDLE named = openRegister(path, 0, OPEN_EXISTING);
    if (named == INVALID_HANDLE_VALUE) return false;
    const bool same = sameFile(file, named);
    ::CloseHandle(named);
    return same;
}

bool regularFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info) &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

}  // namespace

RegisterLock::RegisterLock(const std::string& path, bool createMissing) {
    const std::wstring name = filePath(path).native();
    // A few rounds at most: each one means another program replaced the file meanwhile.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const HANDLE file =
            openRegister(name, GENERIC_READ | GENERIC_WRITE, createMissing ? OPEN_ALWAYS : OPEN_EXISTING);
        if (file == INVALID_HANDLE_VALUE) return;
        if (!regularFile(file)) {
            ::CloseHandle(file);
            return;
        }
        OVERLAPPED range = lockedRange();
        const bool locked = ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &range);
        if (locked && stillThere(file, name)) {
            m_file = reinterpret_cast<std::intptr_t>(file);
            return;
        }
        ::CloseHandle(file);
        if (!locked) return;
    }
}

RegisterLock::~RegisterLock() {
    // Closing the handle releases the lock.
    if (held()) ::CloseHandle(handleOf(m_file));
}

bool RegisterLock::readAll(std::string& bytes) const {
    LARGE_INTEGER size{};
    if (!held() || !::GetFileSizeEx(handleOf(m_file), &size)) return false;
    bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED position = at(done);
        DWORD got = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!::ReadFile(handleOf(m_file), bytes.data() + done, chunk, &got, &position) || got == 0)
            return false;
        done += got;
    }
    return true;
}

bool RegisterLock::appendWhole(std::string_view text, std::size_t oldSize) {
    if (!held()) return false;
    const HANDLE file = handleOf(m_file);
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < text.size()) {
        OVERLAPPED position = at(oldSize + done);
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
        ok = ::WriteFile(file, text.data() + done, chunk, &written, &position) && written > 0;
        done += written;
    }
    if (ok && ::FlushFileBuffers(file)) return true;
    // All or nothing: a half line would read as a person nobody added.
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(oldSize);
    if (::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file)) ::FlushFileBuffers(file);
    return false;
}

}  // namespace vindelkast
