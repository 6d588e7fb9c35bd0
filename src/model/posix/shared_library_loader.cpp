// The shared-library seam on Linux and other POSIX systems: dlopen and dlsym.
#include <dlfcn.h>
#include <stdlib.h>  // on_exit

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>

#include "model/shared_library.h"

namespace vindelkast {

void* openSharedLibrary(const std::string& file, std::string& why) {
    dlerror();
    // Bound at once, so that a library whose own dependencies are missing or too old fails here
    // with the loader's reason, not in the middle of an import; kept to itself, so that its
    // names cannot stand in for another library's.
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* error = dlerror();
        why = error ? error : "";
    }
    return library;
}

void* sharedLibrarySymbol(void* library, const char* name) { return dlsym(library, name); }

void closeSharedLibrary(void* library) { dlclose(library); }

namespace {

// The solver frees its tables in a clean-up function that the loader calls at exit, after
// every exit handler. Loaded with dlopen, the solver registered the destructors of its static
// objects after the loader's own handler, so they run first and the clean-up then uses
// destroyed objects (a crash at the end of every process that analysed a deal; closing the
// library does not help, as it stays loaded). So a process that loaded the solver ends here,
// before those destructors run, once its output is flushed: registered after the solver's
// destructors, this runs before them.
void endBeforeTheCleanUp(int status, void*) {
    std::cout.flush();
    std::cerr.flush();
    std::clog.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}

}  // namespace

void endBeforeLoadedLibrariesCleanUp() {
    static std::once_flag once;
    std::call_once(once, [] { on_exit(endBeforeTheCleanUp, nullptr); });
}

}  // namespace vindelkast
