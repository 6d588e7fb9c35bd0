// The window's speed: starting the program with a large member register, opening the
// largest contest with its standings, and the recovery file written after every change.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/form1.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/version.h"
#include "support/sample_contests.h"
#include "window_bench_support.h"

namespace vindelkast {
namespace {

// A working folder with a register of 50,000 members and the largest contest file.
struct Folder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    Folder() {
        QDir::setCurrent(dir.path());
        std::ofstream reg("medlem.txt", std::ios::binary);
        for (int i = 1; i <= 50000; ++i)
            reg << "Efternamn" << i << " F\xf6rnamn" << i % 997 << " " << 1000 + i << " " << i % 20 << "\r\n";
        reg.close();
        test::ContestFixture f;
        test::fillLargestContest(f.c());
        test::fillRegister(*f.reg, 144);
        test::seatPairs(f.c(), 72);
        std::ofstream contest("stor.sco", std::ios::binary);
        writeContest(f.c(), contest, kVersionText);
    }
    ~Folder() { QDir::setCurrent(previous); }
};

void BM_StartUpWith50000Members(benchmark::State& state) {
    Folder folder;
    bench::QuietDialogs dialogs;
    for (auto _ : state) {
        TForm1 form(dialogs);
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.memberRegister().memberCount());
    }
}
BENCHMARK(BM_StartUpWith50000Members)->Unit(benchmark::kMillisecond);

void BM_OpenLargestContestAndShowStandings(benchmark::State& state) {
    Folder folder;
    bench::QuietDialogs dialogs;
    dialogs.fileName = folder.dir.filePath("stor.sco");
    TForm1 form(dialogs);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.MnOpenClick();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.findChild<TextPane*>("UtTotal")->lineCount());
        state.PauseTiming();
        if (form.findChild<TextPane*>("UtTotal")->lineCount() != 73)
            state.SkipWithError("standings not shown");
        form.Rensabrjaom1Click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenLargestContestAndShowStandings)->Unit(benchmark::kMillisecond);

// What every stored score costs on top of scoring: the recovery file of the largest contest.
void BM_RecoveryFileAfterAChange(benchmark::State& state) {
    Folder folder;
    bench::QuietDialogs dialogs;
    dialogs.fileName = folder.dir.filePath("stor.sco");
    TForm1 form(dialogs);
    form.MnOpenClick();
    for (auto _ : state) form.session().writeRecovery();
}
BENCHMARK(BM_RecoveryFileAfterAChange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vindelkast
