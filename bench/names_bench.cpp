// Typing a name into the start list with a register of 50,000 members: the search itself,
// and the whole keystroke from the key event to the repainted list ListPers.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

#include "app/form1.h"
#include "entry/name_panel.h"
#include "entry/name_panel_list.h"
#include "files/member_search.h"
#include "files/text_encoding.h"
#include "model/contest.h"
#include "model/member_register.h"
#include "window_bench_support.h"

namespace vindelkast {
namespace {

constexpr int kMembers = 50000;

// Common surnames, so that a first letter or two finds thousands, as in a real register.
const std::vector<std::string> kSurnames = {"Andersson",
                                            "Johansson",
                                            "Karlsson",
                                            "Nilsson",
                                            "Eriksson",
                                            "Larsson",
                                            "Olsson",
                                            "Persson",
                                            "Svensson",
                                            "Gustafsson",
                                            "Pettersson",
                                            "Jonsson",
                                            "Jansson",
                                            "Hansson",
                                            "Bengtsson",
                                            "J\xf6nsson",
                                            "Lindberg",
                                            "Jakobsson",
                                            "Magnusson",
                                            "Olofsson",
                                            "Lindstr\xf6m",
                                            "Lindqvist",
                                            "Lindgren",
                                            "Berg",
                                            "Axelsson",
                                            "Bergstr\xf6m",
                                            "Lundberg",
                                            "Lind",
                                            "Lundgren",
                                            "Lundqvist",
                                            "Mattsson",
                                            "Berglund",
                                            "Fredriksson",
                                            "Sandberg",
                                            "Henriksson",
                                            "Forsberg",
                                            "Sj\xf6"
                                            "berg",
                                            "Wallin",
                                            "Engstr\xf6m",
                                            "Eklund",
                                            "Danielsson",
                                            "Lundin",
                                            "H\xe5kansson",
                                            "Bj\xf6rk",
                                            "Bergman",
                                            "Gunnarsson",
                                            "Holm",
                                            "Wikstr\xf6m",
                                            "Samuelsson",
                                            "Isaksson",
                                            "Fransson",
                                            "Bergqvist",
                                            "Nystr\xf6m",
                                            "Holmberg",
                                            "Arvidsson",
                                            "L\xf6"
                                            "fgren",
                                            "S\xf6"
                                            "derberg",
                                            "Nyberg",
                                            "Blomqvist",
                                            "Claesson",
                                            "Nordstr\xf6m",
                                            "M\xe5rtensson",
                                            "Lundstr\xf6m",
                                            "\xc5str\xf6m",
                                            "\xc5"
                                            "berg",
                                            "Ahmed",
                                            "Ali",
                                            "Almqvist",
                                            "Andreasson",
                                            "Abrahamsson"};
const std::vector<std::string> kFirstNames = {
    "Anna",      "Eva",      "Maria",     "Karin", "Sara",   "Kristina", "Lena",   "Kerstin",
    "Emma",      "Ingrid",   "Marie",     "Malin", "Lars",   "Mikael",   "Anders", "Johan",
    "Per",       "Erik",     "Karl",      "Peter", "Jan",    "Thomas",   "Daniel", "Hans",
    "Margareta", "Birgitta", "Elisabeth", "Ulla",  "Gunnar", "Magnus",   "Olof",   "Sven"};

std::string memberLine(int i) {
    return kSurnames[i % kSurnames.size()] + " " + kFirstNames[(i / 7) % kFirstNames.size()] + " " +
           std::to_string(1000 + i) + " " + std::to_string(i % 20);
}

// The keystrokes of typing "andersson ma" one after the other, and two first letters.
const std::vector<std::string> kTyped = {"a",           "an",           "and", "anders", "andersson",
                                         "andersson m", "andersson ma", "s",   "Lind",   "\xe5"};

void BM_SearchWhileTyping(benchmark::State& state) {
    MemberRegister reg;
    reg.startWithByeMember();
    for (int i = 1; i <= kMembers; ++i) {
        const std::string line = memberLine(i);
        const auto blank = line.find(' ');
        const auto second = line.find(' ', blank + 1);
        reg.append(Member{line.substr(0, blank), line.substr(blank + 1, second - blank - 1), 1000 + i, 0.0});
    }
    Contest contest;
    contest.reset(reg);
    contest.maxPairNumber = 72;
    for (int p = 1; p <= 72; ++p) contest.participants[p] = {reg.entry(2 * p), reg.entry(2 * p + 1)};
    const std::string& typed = kTyped[static_cast<std::size_t>(state.range(0))];
    std::size_t found = 0;
    for (auto _ : state) {
        const auto matches = searchMembers(reg, contest, *nameQueryFor(typed));
        found = matches.size();
        benchmark::DoNotOptimize(matches.data());
    }
    state.SetLabel("'" + cp1252ToUtf8(typed) + "'");
    state.counters["matches"] = static_cast<double>(found);
}
BENCHMARK(BM_SearchWhileTyping)
    ->DenseRange(0, static_cast<int>(kTyped.size()) - 1)
    ->Unit(benchmark::kMicrosecond);

// One keystroke in a name field: the key event, the search, the list filled and selected,
// and the list drawn on screen. The field holds all but the last character beforehand.
void BM_KeystrokeToUpdatedList(benchmark::State& state) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        std::ofstream out("medlem.txt", std::ios::binary);
        for (int i = 1; i <= kMembers; ++i) out << memberLine(i) << "\r\n";
    }
    bench::QuietDialogs dialogs;
    auto form = std::make_unique<TForm1>(dialogs);
    form->show();
    QApplication::setActiveWindow(form.get());
    form->MnNamnClick();
    NamePanel& panel = form->namePanel();
    // The first person's field of row 1, and the list of members, found by their names.
    auto* field = panel.findChild<QLineEdit*>("EdNamn10");
    auto* list = panel.findChild<QListView*>("ListPers");
    if (!field || !list) {
        state.SkipWithError("the name panel has no field EdNamn10 or list ListPers");
        return;
    }
    field->setFocus();
    QApplication::processEvents();

    const QString typed =
        QString::fromStdString(cp1252ToUtf8(kTyped[static_cast<std::size_t>(state.range(0))]));
    const QString before = typed.left(typed.size() - 1);
    const QChar last = typed.back();
    const auto key = Qt::Key(last.toUpper().unicode());
    for (auto _ : state) {
        state.PauseTiming();
        field->setText(before);
        panel.listModel().clear();
        QApplication::processEvents();
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(last));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(last));
        QApplication::sendEvent(field, &release);
        list->viewport()->repaint();
    }
    if (field->text() != typed) state.SkipWithError("the key did not reach the field");
    state.SetLabel("'" + typed.toStdString() + "'");
    state.counters["matches"] = panel.listModel().count();
    form.reset();
    QDir::setCurrent(previous);
}
BENCHMARK(BM_KeystrokeToUpdatedList)
    ->DenseRange(0, static_cast<int>(kTyped.size()) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vindelkast
