#include "app/facit_command.h"

#include <atomic>
#include <thread>

#include <QTextDocument>

#include "analysis/board_analysis.h"
#include "analysis/double_dummy.h"
#include "session/dialogs.h"
#include "app/pane_printer.h"
#include "files/safe_write.h"
#include "output/hand_record_sheet.h"
#include "output/pbn_export.h"
#include "qt/qt_text.h"

namespace vindelkast {

namespace {

// The solver's run on its own thread, watched from the window's.
struct BackgroundAnalysis {
    std::atomic<int> done{0};
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
    AnalysisRun run;
    std::thread worker;

    explicit BackgroundAnalysis(std::vector<AnalysisJob> jobs) {
        worker = std::thread([this, jobs = std::move(jobs)] {
            run = analyseBoards(jobs, [this](int boards, int) {
                done = boards;
                return !cancel.load();
            });
            finished = true;
        });
    }
    ~BackgroundAnalysis() {
        cancel = true;
        if (worker.joinable()) worker.join();
    }
};

void printSheet(const Contest& contest, PanePrinter& printer) {
    QTextDocument sheet;
    sheet.setHtml(toQt(handRecordSheet(contest)));
    printer.print(sheet, "Facitgivar");
}

}  // namespace

bool runFacitgivar(Contest& contest, Dialogs& dialogs, PanePrinter& printer) {
    std::vector<AnalysisJob> jobs = analysisJobs(contest);
    if (jobs.empty()) {
        if (hasKeptAnalysis(contest))
            printSheet(contest, printer);
        else
            dialogs.message("Det finns inga givar att analysera. L\u00e4s in en givfil f\u00f6rst");
        return false;
    }
    const int total = static_cast<int>(jobs.size());
    AnalysisRun run;
    {
        BackgroundAnalysis analysis(std::move(jobs));
        const bool completed = dialogs.progress("Facitgivar", [&analysis, total] {
            const int done = analysis.done.load();
            return Dialogs::Progress{
                QString("Analyserar giv %1 av %2").arg(std::min(done + 1, total)).arg(total), done, total,
                analysis.finished.load()};
        });
        // The solver stops after the boards it is working on; a cancel that comes after
        // the last of them changes nothing.
        if (!completed) analysis.cancel = true;
        analysis.worker.join();
        run = std::move(analysis.run);
    }
    for (auto& [board, boardAnalysis] : run.analyses) keepAnalysis(contest, board, std::move(boardAnalysis));
    if (run.cancelled) {
        dialogs.message(
            QString("Analysen avbr\u00f6ts efter %1 av %2 givar; de analyserade sparas med t\u00e4vlingen")
                .arg(run.analyses.size())
                .arg(total));
    } else if (!run.message.empty()) {
        dialogs.message(toQt(run.message));
    } else {
        printSheet(contest, printer);
    }
    return !run.analyses.empty();
}

void exportPbn(const Contest& contest, Dialogs& dialogs) {
    const QString chosen = dialogs.saveFileName("PBN-filer: |*.pbn", true);
    if (chosen.isEmpty()) return;
    const std::string written = writeFileSafely(pbnFileName(pathFromQt(chosen)),
                                                [&contest](std::ostream& out) { writePbn(contest, out); });
    if (!written.empty()) dialogs.message(toQt(written));
}

}  // namespace vindelkast
