#include "analysis/solver_library.h"

#include <stdlib.h>  // on_exit

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>

#include "model/shared_library.h"

namespace vindelkast {

namespace {

void resolveSolver(LibrarySymbols& symbols, SolverLibrary& solver) {
    symbols.function("SetMaxThreads", solver.setMaxThreads);
    symbols.function("CalcAllTablesPBN", solver.calcAllTablesPbn);
    symbols.function("DealerParBin", solver.dealerParBin);
    symbols.function("ErrorMessage", solver.errorMessage);
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

}  // namespace

LoadedSolver loadSolverLibrary(const std::string& name) {
    const auto loaded = loadSharedLibrary<SolverLibrary>(
        {name, VK_DDS_PACKAGE, "Analysen kan inte g\xf6ras: dubbeldummyl\xf6saren"}, resolveSolver);
    if (loaded.table) {
        static std::once_flag once;
        std::call_once(once, [] { on_exit(endBeforeTheSolverCleansUp, nullptr); });
    }
    return {loaded.table, loaded.message};
}

LoadedSolver installedSolver() { return loadSolverLibrary(VK_DDS_FILE); }

}  // namespace vindelkast
