#include "analysis/solver_library.h"

#include "model/shared_library.h"

namespace vindelkast {

namespace {

void resolveSolver(LibrarySymbols& symbols, SolverLibrary& solver) {
    symbols.function("SetMaxThreads", solver.setMaxThreads);
    symbols.function("CalcAllTablesPBN", solver.calcAllTablesPbn);
    symbols.function("DealerParBin", solver.dealerParBin);
    symbols.function("ErrorMessage", solver.errorMessage);
}

}  // namespace

LoadedSolver loadSolverLibrary(const std::string& name) {
    const auto loaded = loadSharedLibrary<SolverLibrary>(
        {name, VK_DDS_PACKAGE, "Analysen kan inte g\xf6ras: dubbeldummyl\xf6saren"}, resolveSolver);
    // The solver frees its tables when it is unloaded; on Linux that comes after its static
    // objects are destroyed, unless the process ends first (model/shared_library.h).
    if (loaded.table) endBeforeLoadedLibrariesCleanUp();
    return {loaded.table, loaded.message};
}

LoadedSolver installedSolver() { return loadSolverLibrary(VK_DDS_FILE); }

}  // namespace vindelkast
