// The shared-library seam on Linux and other POSIX systems: dlopen and dlsym.
#include <dlfcn.h>

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

}  // namespace vindelkast
