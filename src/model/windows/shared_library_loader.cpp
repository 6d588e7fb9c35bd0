// The shared-library seam on Windows: LoadLibraryEx and GetProcAddress. The libraries are
// DLLs installed beside the program.
#include <windows.h>

#include <string>

#include "model/shared_library.h"

namespace vindelkast {

namespace {

std::string systemMessage(DWORD error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "Windows-fel " + std::to_string(error);
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
        message.pop_back();
    return message;
}

}  // namespace

void* openSharedLibrary(const std::string& file, std::string& why) {
    // Only the program's own folder and the system's: a DLL of the same name in the working
    // folder (a contest's folder) or on PATH is never the one loaded.
    const std::wstring name(file.begin(), file.end());
    HMODULE library = ::LoadLibraryExW(name.c_str(), nullptr,
                                       LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) why = systemMessage(::GetLastError());
    return reinterpret_cast<void*>(library);
}

void* sharedLibrarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

void closeSharedLibrary(void* library) { ::FreeLibrary(static_cast<HMODULE>(library)); }

void endBeforeLoadedLibrariesCleanUp() {}

}  // namespace vindelkast
