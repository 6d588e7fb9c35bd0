#pragma once

#include <string>

#include <dds/dll.h>

namespace vindelkast {

// The few functions of Debian's double-dummy solver that the analysis uses, resolved from the
// shared library when the first analysis runs (model/shared_library.h). Linking the library
// would run its set-up (a thread pool and its memory) in every process at start, though most
// never analyse a deal.
struct SolverLibrary {
    decltype(&SetMaxThreads) setMaxThreads = nullptr;
    decltype(&CalcAllTablesPBN) calcAllTablesPbn = nullptr;
    decltype(&DealerParBin) dealerParBin = nullptr;
    decltype(&ErrorMessage) errorMessage = nullptr;
};

struct LoadedSolver {
    const SolverLibrary* solver = nullptr;  // nullptr when it could not be loaded
    std::string message;                    // why not, for the director
};

// Loads the shared library `name` and resolves the functions. The library stays loaded for the
// life of the process; a second call with the same name loads nothing.
LoadedSolver loadSolverLibrary(const std::string& name);

// The installed solver (the library the build found), loaded once for the whole process.
LoadedSolver installedSolver();

}  // namespace vindelkast
