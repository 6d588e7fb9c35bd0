#include "files/file_platform.h"

#include <fcntl.h>
#include <io.h>
// closesocket: before windows.h, which would bring the old winsock.h.
#include <winsock2.h>
// The rest of the system's calls.
#include <windows.h>
// CommandLineToArgvW: after windows.h.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <random>

namespace vindelkast {

namespace {

std::string utf8(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back();  // the terminating zero
    return bytes;
}

// A folder or a device is never written over; a missing target is a new file.
bool replaceable(const std::wstring& target) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
}

// A new file of its own beside the target. CREATE_NEW fails on anything already there, so
// a second writer, a link or an old file can never be the file this one writes.
HANDLE createTemporary(const std::filesystem::path& folder, std::filesystem::path& temporary) {
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / ("vindelkast-" + std::to_string(random() % 1000000) + ".tmp");
        const HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view text, std::size_t capacity) {
    std::size_t done = 0;
    while (done < text.size()) {
        if (done >= capacity) return false;
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>({text.size() - done, capacity - done, 1u << 20}));
        DWORD written = 0;
        if (!::WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// Write-through: the move is on disk before it is reported done, as the folder flush makes
// it on POSIX. A reader that has the target open (another program, a virus scanner) blocks
// the move for a moment: it is tried again for up to a second before the save fails.
bool moveOver(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (::MoveFileExW(temporary.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = ::GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) return false;
        ::Sleep(50);
    }
    return false;
}

}  // namespace

std::filesystem::path filePath(const std::string& utf8Path) {
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8Path.data(), static_cast<int>(utf8Path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8Path.data(), static_cast<int>(utf8Path.size()), wide.data(), size);
    return wide;
}

std::string utf8Path(const std::filesystem::path& path) { return utf8(path.c_str()); }

bool replaceFileContents(const std::string& path, std::string_view text, std::size_t capacity) {
    const std::filesystem::path target = filePath(path);
    if (!replaceable(target.native())) return false;
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::filesystem::path temporary;
    const HANDLE file = createTemporary(folder, temporary);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = writeAll(file, text, capacity);
    ok = ok && ::FlushFileBuffers(file);
    ok = ::CloseHandle(file) && ok;
    if (!ok || !moveOver(temporary, target)) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::string replaceFilesContents(const std::vector<std::pair<std::string, std::string>>& pathsAndTexts) {
    struct Pending {
        std::string path;
        std::filesystem::path target, temporary;
    };
    std::vector<Pending> pending;
    const auto fail = [&pending](const std::string& path) {
        for (const Pending& p : pending) ::DeleteFileW(p.temporary.c_str());
        return path;
    };
    // Windows flushes one file at a time (a whole volume only for an administrator), so each
    // temporary file is flushed as it is written; all are on disk before the first move.
    for (const auto& [path, text] : pathsAndTexts) {
        Pending p{path, filePath(path), {}};
        if (!replaceable(p.target.native())) return fail(path);
        std::filesystem::path folder = p.target.parent_path();
        if (folder.empty()) folder = ".";
        const HANDLE file = createTemporary(folder, p.temporary);
        if (file == INVALID_HANDLE_VALUE) return fail(path);
        pending.push_back(p);
        bool ok = writeAll(file, text, std::numeric_limits<std::size_t>::max());
        ok = ok && ::FlushFileBuffers(file);
        ok = ::CloseHandle(file) && ok;
        if (!ok) return fail(path);
    }
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (!moveOver(pending[i].temporary, pending[i].target)) {
            const std::string path = pending[i].path;
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(i));
            return fail(path);
        }
    }
    return "";
}

std::vector<std::string> programArguments(int, char**) {
    // The narrow arguments are in the system's code page; the wide ones hold every letter.
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words && i < count; ++i) arguments.push_back(utf8(words[i]));
    ::LocalFree(words);
    // The program writes UTF-8 and CR LF where it means them; text mode would add CRs.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    return arguments;
}

void closeNetworkHandle(std::intptr_t handle) { ::closesocket(static_cast<SOCKET>(handle)); }

}  // namespace vindelkast
