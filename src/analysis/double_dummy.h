#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/board_analysis.h"

namespace vindelkast {

// Whether this build has the double-dummy solver; a build without it says so instead of
// analysing (analysis/no_solver/, VK_SOLVER=OFF).
bool solverAvailable();

// Called after each batch of boards with the boards done and the total; returning false
// stops the run after that batch.
using AnalysisProgress = std::function<bool(int done, int total)>;

struct AnalysisRun {
    std::vector<std::pair<int, BoardAnalysis>> analyses;  // board number and its analysis
    std::string message;                                  // "" when every job was done
    bool cancelled = false;
};

// The double-dummy table and par of every job, from the solver using every core. The
// boards go to the solver a few at a time so that progress can be shown and the run
// cancelled; boards done before a cancel or a solver error are returned all the same.
AnalysisRun analyseBoards(const std::vector<AnalysisJob>& jobs, const AnalysisProgress& progress = {},
                          int boardsPerBatch = 0);

// The jobs of the contest analysed and kept; returns the run's message.
std::string analyseContest(Contest& contest, const AnalysisProgress& progress = {});

// Sets the par score and contracts from the analysis's trick table, for the dealer
// (0 N .. 3 W) and vulnerability (0 none, 1 both, 2 NS, 3 EW).
void computePar(BoardAnalysis& analysis, int dealer, int vulnerability);

// For the benchmark: the solver's own batch call on every deal at once, tables only.
int plainSolverRun(const std::vector<AnalysisJob>& jobs);

}  // namespace vindelkast
