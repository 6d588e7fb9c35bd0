#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace vindelkast {

// A shared library that only some commands need (the double-dummy solver, the PostgreSQL
// client, ICU's collation, libxml2), loaded the first time one of them runs instead of linked:
// a linked library is mapped, relocated and set up in every process at start, which cost each
// run of the command-line program more than its own work on the largest evening.
struct SharedLibrary {
    std::string file;     // the name the system's loader finds it by ("libpq.so.5")
    std::string package;  // the Debian package that installs it ("libpq5"); "" for a DLL
                          // installed with the program on Windows
    std::string use;      // what cannot be done, and what the library is, as a message starts:
                          // "Analysen kan inte göras: dubbeldummylösaren"
};

// The system's part, one file per system (posix/shared_library_loader.cpp with dlopen,
// windows/shared_library_loader.cpp with LoadLibraryEx).
// Opens the library, or returns nullptr with the loader's own words in `why`.
void* openSharedLibrary(const std::string& file, std::string& why);
// The address of a function or variable the library exports; nullptr when it has none.
void* sharedLibrarySymbol(void* library, const char* name);
void closeSharedLibrary(void* library);
// Once a library whose clean-up at unload uses its own static objects is loaded (the solver):
// on Linux the loader destroys those objects first and the clean-up then crashes the end of the
// process, so the process ends, once its output is flushed, before either runs. Windows runs a
// DLL's clean-up (DllMain) before its objects' destructors: nothing to do there.
void endBeforeLoadedLibrariesCleanUp();

// "<use> <file> kunde inte läsas in (<why>). Installera Debianpaketet <package>." (on
// Windows "... Installera om Vindelkast.")
std::string sharedLibraryMessage(const SharedLibrary& library, std::string why);

// Finds a library's functions and variables by name into a table of pointers, keeping the
// first name the library lacks.
class LibrarySymbols {
public:
    explicit LibrarySymbols(void* library) : m_library(library) {}

    template <typename Function>
    void function(const char* name, Function& function) {
        function = reinterpret_cast<Function>(sharedLibrarySymbol(m_library, name));
        if (!function && m_missing.empty()) m_missing = "funktionen " + std::string(name);
    }
    // A variable is read through its address each time: the library may change it.
    template <typename Variable>
    void variable(const char* name, Variable*& variable) {
        variable = static_cast<Variable*>(sharedLibrarySymbol(m_library, name));
        if (!variable && m_missing.empty()) m_missing = "variabeln " + std::string(name);
    }

    const std::string& missing() const { return m_missing; }

private:
    void* m_library;
    std::string m_missing;
};

template <typename Table>
struct LoadedLibrary {
    const Table* table = nullptr;  // nullptr when the library could not be loaded
    std::string message;           // why not, for the director
};

// Loads `library` and fills its `Table` of pointers through `resolve`, which names each one.
// The library stays loaded for the life of the process and later calls hand back the same
// table at the cost of a lookup; a failure is not kept, so the director may install the
// package and try again without restarting.
template <typename Table>
LoadedLibrary<Table> loadSharedLibrary(const SharedLibrary& library,
                                       void (*resolve)(LibrarySymbols&, Table&)) {
    static std::mutex mutex;
    // Never destroyed: the tables point into libraries that are never closed, and a process
    // that ends while another thread still uses one must not find it gone.
    static auto& loaded = *new std::map<std::string, std::unique_ptr<Table>>();
    std::lock_guard lock(mutex);
    if (auto found = loaded.find(library.file); found != loaded.end()) return {found->second.get(), ""};
    std::string why;
    void* handle = openSharedLibrary(library.file, why);
    if (!handle) return {nullptr, sharedLibraryMessage(library, why)};
    auto table = std::make_unique<Table>();
    LibrarySymbols symbols(handle);
    resolve(symbols, *table);
    if (!symbols.missing().empty()) {
        closeSharedLibrary(handle);
        return {nullptr, sharedLibraryMessage(library, symbols.missing() + " saknas")};
    }
    return {loaded.emplace(library.file, std::move(table)).first->second.get(), ""};
}

}  // namespace vindelkast
