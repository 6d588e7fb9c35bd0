#include <iostream>
#include <string>
#include <vector>

#include "analysis/double_dummy.h"
#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/analysis_file.h"
#include "files/contest_on_disk.h"
#include "files/safe_write.h"
#include "output/analysis_text.h"
#include "output/pbn_export.h"

namespace vindelkast::cli {
namespace {

int runFacit(const Args& args) {
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    Contest& contest = *loaded.contest;
    const std::string message = analyseContest(contest, [](int done, int total) {
        std::cerr << "Analyserar giv " << done << " av " << total << "\n";
        return true;
    });
    for (int b = 1; b <= kMaxBoard; ++b) {
        const std::vector<std::string> lines = analysisLines(contest, b);
        for (const std::string& line : lines) printLine(line);
        if (!lines.empty()) printLine("");
    }
    if (!message.empty()) {
        printError(message);
        return 1;
    }
    if (args.count() < 2) return 0;
    const std::string& out = args.file(1);
    std::vector<SideFile> sides = contestSideFiles(false);
    for (SideFile& side : sides)
        if (side.extension == kAnalysisExtension) side.write = analysisFileText;
    if (saveContest(loaded, out, sides) != 0) return 1;
    printLine("Skrev " + pathText(out) + " och " + pathText(besidePath(out, kAnalysisExtension)));
    return 0;
}

int runPbn(const Args& args) {
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    const Contest& contest = *loaded.contest;
    const std::string path = pbnFileName(args.file(1));
    const std::string message = writeFileSafely(path, [&](std::ostream& out) { writePbn(contest, out); });
    if (!message.empty()) {
        printError(message);
        return 1;
    }
    printLine("Skrev " + pathText(path));
    return 0;
}

}  // namespace

std::vector<Verb> analysisVerbs() {
    return {
        {"facit",
         "facit CONTEST.sco [UT.sco]",
         "Analyserar givarna med dubbelt dummy och visar tabell och par f\xf6r varje giv; UT f\xe5r "
         "t\xe4vlingen med analysen sparad bredvid (UT.facit).",
         1,
         {},
         runFacit,
         1},
        {"pbn",
         "pbn CONTEST.sco UT.pbn",
         "Exporterar givar, dubbeldummyanalys, scoretavlor och st\xe4llning som PBN 2.1.",
         2,
         {},
         runPbn},
    };
}

}  // namespace vindelkast::cli
