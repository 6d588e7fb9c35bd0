// Result entry's speed: one score typed and stored on the largest contest while the
// standings, the score tables and the progress grid are shown, the recovery file included.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/form1.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "entry/result_entry.h"
#include "files/contest_file.h"
#include "model/board_results.h"
#include "model/version.h"
#include "support/sample_contests.h"
#include "window_bench_support.h"

namespace vindelkast {
namespace {

// A working folder with a member register and the largest contest (71 boards, 72 pairs
// at 36 tables, every result scored, every pair named).
struct Folder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    Folder() {
        QDir::setCurrent(dir.path());
        test::ContestFixture f;
        test::fillLargestContest(f.c());
        test::fillRegister(*f.reg, 144);
        test::seatPairs(f.c(), 72);
        std::ofstream reg("medlem.txt", std::ios::binary);
        for (int i = 1; i <= 144; ++i) reg << "Efternamn" << i << " F\xf6rnamn" << i << " " << i << " 0\r\n";
        reg.close();
        std::ofstream contest("stor.sco", std::ios::binary);
        writeContest(f.c(), contest, kVersionText);
    }
    ~Folder() { QDir::setCurrent(previous); }
};

void type(QWidget* field, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

void BM_StoreOneScoreOnTheLargestContest(benchmark::State& state) {
    Folder folder;
    bench::QuietDialogs dialogs;
    dialogs.fileName = folder.dir.filePath("stor.sco");
    TForm1 form(dialogs);
    form.show();
    bench::openWithEveryView(form);
    QApplication::processEvents();
    ResultEntry& entry = form.entry();
    if (entry.rowCount() != 36 || !form.panes().progressShown() ||
        !form.findChild<TextPane*>("ScoreTables")->isVisible()) {
        state.SkipWithError("the views are not all shown");
        return;
    }
    // The first table's pairs and its score cell on the first board, found by their names.
    QLineEdit* cell = entry.findChild<QLineEdit*>("EdScore0_0");
    const int ns = entry.findChild<QLineEdit*>("EdNs0")->text().toInt();
    const int ew = entry.findChild<QLineEdit*>("EdEw0")->text().toInt();
    bool high = false;
    for (auto _ : state) {
        cell->setFocus();
        cell->selectAll();
        high = !high;
        type(cell, Qt::Key_4, "4");
        type(cell, high ? Qt::Key_5 : Qt::Key_2, high ? "5" : "2");
        type(cell, Qt::Key_Return, "\r");
        QApplication::processEvents();
    }
    const BoardResult* stored = findResult(form.contest().boards[1], ns, ew);
    if (!stored || (stored->nsScore != 450 && stored->nsScore != 420))
        state.SkipWithError("score not stored");
    if (!QFile::exists(folder.dir.filePath("vindelkast-aterstall.txt")))
        state.SkipWithError("no recovery file");
}
BENCHMARK(BM_StoreOneScoreOnTheLargestContest)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vindelkast
