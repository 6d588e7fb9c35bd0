#include "analysis/solver_library.h"

#include <dlfcn.h>
#include <stdlib.h>  // on_exit

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>

namespace vindelkast {

namespace {

template <typename Function>
bool resolve(void* handle, const char* symbol, Function& function, std::string& missing) {
    function = reinterpret_cast<Function>(dlsym(handle, symbol));
    if (!function) missing = symbol;
    return function != nullptr;
}

std::string notLoaded(const std::string& name, std::string why) {
    // The loader's words may come in the system's language and encoding: keep them ASCII.
    for (char& c : why)
        if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return "Analysen kan inte g\xf6ras: dubbeldummyl\xf6saren " + name + " kunde inte l\xe4sas in (" + why +
           "). Installera Debianpaketet libdds0.";
}

// The solver frees its tables in a clean-up function that the loader calls at exit, after
// every exit handler. Loaded with dlopen, the solver registered the destructors of its static
// objects after the loader's own handler, so they run first and the clean-up then uses
// destroyed objects (a crash at the end of every process that analysed a deal; closing the
// library does not help, as it stays loaded). So a process that loaded the solver ends here,
// before those destructors run, once its output is flushed: registered after the solver's
// destructors, this runs before them.
void endBeforeTheSolverCleansUp(int status, void*) {
    std::cout.flush();
    std::cerr.flush();
    std::clog.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}

LoadedSolver load(const std::string& name) {
    dlerror();
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        return {nullptr, notLoaded(name, why ? why : "ok\xe4nt fel")};
    }
    auto library = std::make_unique<SolverLibrary>();
    std::string missing;
    if (!resolve(handle, "SetMaxThreads", library->setMaxThreads, missing) ||
        !resolve(handle, "CalcAllTablesPBN", library->calcAllTablesPbn, missing) ||
        !resolve(handle, "DealerParBin", library->dealerParBin, missing) ||
        !resolve(handle, "ErrorMessage", library->errorMessage, missing)) {
        dlclose(handle);
        return {nullptr, notLoaded(name, "funktionen " + missing + " saknas")};
    }
    // Never closed: the solver keeps its threads and tables until the process ends.
    on_exit(endBeforeTheSolverCleansUp, nullptr);
    return {library.release(), ""};
}

}  // namespace

LoadedSolver loadSolverLibrary(const std::string& name) {
    static std::mutex mutex;
    static std::map<std::string, LoadedSolver> loaded;
    std::lock_guard lock(mutex);
    if (auto found = loaded.find(name); found != loaded.end()) return found->second;
    LoadedSolver solver = load(name);
    // A failure is not kept: the director may install the solver and try again.
    if (solver.solver) loaded.emplace(name, solver);
    return solver;
}

LoadedSolver installedSolver() { return loadSolverLibrary(VK_DDS_SONAME); }

}  // namespace vindelkast
