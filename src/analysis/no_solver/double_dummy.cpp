// The analysis where the build has no double-dummy solver (VK_SOLVER=OFF):
// every request is answered with the message, and nothing is made up.
#include "analysis/double_dummy.h"

namespace vindelkast {

namespace {

const char* const kNoSolver = "Dubbeldummyanalysen finns inte i den h\xe4r versionen av Vindelkast";

}  // namespace

bool solverAvailable() { return false; }

AnalysisRun analyseBoards(const std::vector<AnalysisJob>& jobs, const AnalysisProgress&, int) {
    AnalysisRun run;
    if (!jobs.empty()) run.message = kNoSolver;
    return run;
}

std::string analyseContest(Contest& contest, const AnalysisProgress& progress) {
    return analyseBoards(analysisJobs(contest), progress).message;
}

void computePar(BoardAnalysis& analysis, int, int) {
    // No par without the solver: the analysis shows none rather than a wrong one.
    analysis.parScore = 0;
    analysis.parCount = 0;
}

int plainSolverRun(const std::vector<AnalysisJob>&) { return -1; }

}  // namespace vindelkast
