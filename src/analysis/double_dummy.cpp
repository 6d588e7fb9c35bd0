#include "analysis/double_dummy.h"

#include "analysis/solver_library.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <thread>

namespace vindelkast {

namespace {

// The solver keeps global state (thread pool, transposition tables): one run at a time.
std::mutex& solverMutex() {
    static std::mutex mutex;
    return mutex;
}

// The solver, loaded and started on the first analysis; nullptr with the message if it cannot be.
const SolverLibrary* startSolver(std::string& message) {
    const LoadedSolver loaded = installedSolver();
    if (!loaded.solver) {
        message = loaded.message;
        return nullptr;
    }
    static std::once_flag once;
    // 0: as many threads as the machine has cores.
    std::call_once(once, [&] { loaded.solver->setMaxThreads(0); });
    return loaded.solver;
}

int solverThreads() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

// The solver's hands are ours (N E S W), its suits ours (spades..clubs), ranks as bits 2..14.
bool fillTableDeal(const std::string& pbn, ddTableDealPBN& deal) {
    if (pbn.size() >= sizeof deal.cards) return false;
    std::copy(pbn.begin(), pbn.end(), deal.cards);
    deal.cards[pbn.size()] = '\0';
    return true;
}

std::string solverMessage(const SolverLibrary& solver, int code) {
    char text[80] = {};
    solver.errorMessage(code, text);
    return "Analysen misslyckades: " + std::string(text);
}

// The solver's strains run spades, hearts, diamonds, clubs, notrump; ours start at notrump.
int solverStrain(int strain) { return (strain + 4) % 5; }

BoardAnalysis analysisFrom(const AnalysisJob& job, const ddTableResults& table) {
    BoardAnalysis analysis;
    analysis.deal = job.deal;
    for (int declarer = 0; declarer < 4; ++declarer)
        for (int strain = 0; strain < 5; ++strain)
            analysis.tricks[declarer][strain] = table.resTable[solverStrain(strain)][declarer];
    computePar(analysis, job.dealer, job.vulnerability);
    return analysis;
}

// One solver call for jobs [first, last); returns the solver's code.
int solveBatch(const SolverLibrary& solver, const std::vector<AnalysisJob>& jobs, std::size_t first,
               std::size_t last, ddTablesRes& results) {
    auto deals = std::make_unique<ddTableDealsPBN>();
    deals->noOfTables = static_cast<int>(last - first);
    for (std::size_t i = first; i < last; ++i)
        if (!fillTableDeal(jobs[i].deal, deals->deals[i - first])) return RETURN_PBN_FAULT;
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    auto par = std::make_unique<allParResults>();
    return solver.calcAllTablesPbn(deals.get(), -1, filter, &results, par.get());
}

}  // namespace

bool solverAvailable() { return true; }

AnalysisRun analyseBoards(const std::vector<AnalysisJob>& jobs, const AnalysisProgress& progress,
                          int boardsPerBatch) {
    AnalysisRun run;
    // Two boards per thread keep every core busy while the progress still moves often.
    const std::size_t batch = static_cast<std::size_t>(
        std::clamp(boardsPerBatch > 0 ? boardsPerBatch : 2 * solverThreads(), 1, MAXNOOFTABLES));
    std::lock_guard lock(solverMutex());
    const SolverLibrary* solver = startSolver(run.message);
    if (!solver) return run;
    auto results = std::make_unique<ddTablesRes>();
    const int total = static_cast<int>(jobs.size());
    for (std::size_t first = 0; first < jobs.size(); first += batch) {
        const std::size_t last = std::min(jobs.size(), first + batch);
        const int code = solveBatch(*solver, jobs, first, last, *results);
        if (code != RETURN_NO_FAULT) {
            run.message = solverMessage(*solver, code);
            return run;
        }
        for (std::size_t i = first; i < last; ++i)
            run.analyses.emplace_back(jobs[i].board, analysisFrom(jobs[i], results->results[i - first]));
        if (progress && !progress(static_cast<int>(last), total) && last < jobs.size()) {
            run.cancelled = true;
            run.message = "Analysen avbr\xf6ts efter " + std::to_string(last) + " av " +
                          std::to_string(total) + " givar";
            return run;
        }
    }
    return run;
}

std::string analyseContest(Contest& contest, const AnalysisProgress& progress) {
    AnalysisRun run = analyseBoards(analysisJobs(contest), progress);
    for (auto& [board, analysis] : run.analyses) keepAnalysis(contest, board, std::move(analysis));
    return run.message;
}

void computePar(BoardAnalysis& analysis, int dealer, int vulnerability) {
    ddTableResults table{};
    for (int declarer = 0; declarer < 4; ++declarer)
        for (int strain = 0; strain < 5; ++strain)
            table.resTable[solverStrain(strain)][declarer] = analysis.tricks[declarer][strain];
    parResultsMaster par{};
    analysis.parScore = 0;
    analysis.parCount = 0;
    const SolverLibrary* solver = installedSolver().solver;
    if (!solver || solver->dealerParBin(&table, &par, dealer, vulnerability) != RETURN_NO_FAULT) return;
    analysis.parScore = par.score;
    const int count = std::clamp(par.number, 0, static_cast<int>(analysis.parContracts.size()));
    for (int i = 0; i < count; ++i) {
        const contractType& c = par.contracts[i];
        // The solver gives a passed-out board as one contract at level 0.
        if (c.level >= 1 && c.level <= 7)
            analysis.parContracts[analysis.parCount++] = {c.level, c.denom, c.seats, c.overTricks,
                                                          c.underTricks};
    }
}

int plainSolverRun(const std::vector<AnalysisJob>& jobs) {
    std::lock_guard lock(solverMutex());
    std::string message;
    const SolverLibrary* solver = startSolver(message);
    if (!solver) return RETURN_UNKNOWN_FAULT;
    auto results = std::make_unique<ddTablesRes>();
    int code = RETURN_NO_FAULT;
    for (std::size_t first = 0; first < jobs.size() && code == RETURN_NO_FAULT; first += MAXNOOFTABLES)
        code = solveBatch(*solver, jobs, first, std::min(jobs.size(), first + MAXNOOFTABLES), *results);
    return code;
}

}  // namespace vindelkast
