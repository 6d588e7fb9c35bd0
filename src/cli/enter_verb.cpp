// Entering a table's score from the command line, as the director types it in the grid.
#include <string>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "model/board_scoring.h"
#include "model/sections.h"
#include "model/typed_score.h"
#include "movement/set_up_fields.h"

namespace vindelkast::cli {

namespace {

int runEnter(const Args& args) {
    LoadedContest loaded = loadContest(args, args.file(0));
    if (reportUnusable(loaded, args.file(0))) return 1;
    Contest& contest = *loaded.contest;
    if (contest.isIndividual) {
        printError(
            "enter f\xf6r in resultat i part\xe4vlingar; en individuell t\xe4vling matas in i f\xf6nstret");
        return 1;
    }
    const int board = fieldNumber(args.text(2));
    if (board < 1 || board > contest.lastBoard()) {
        printError("Giv " + args.text(2) + " finns inte i t\xe4vlingen (1-" +
                   std::to_string(contest.boardCount) + ")");
        return 1;
    }
    // The grid's own reading: what it would not store as a score is refused, and nothing is
    // written (a number beyond the scores, a text that is none, "62-" or "'" alike).
    const std::string scoreText = args.text(5);
    if (const TypedScore reading = readTypedScore(scoreText, board); !reading.refusal.empty()) {
        printError(reading.refusal);
        return 1;
    }
    EntryRow row;
    row.ns = pairFromLabel(contest, args.text(3));
    row.ew = pairFromLabel(contest, args.text(4));
    for (const auto& [pair, typed] : {std::pair{row.ns, args.text(3)}, std::pair{row.ew, args.text(4)}})
        if (pair == 0) {
            printError("Inget par heter " + typed);
            return 1;
        }
    const StoredScore stored = storeTypedScore(contest, board, row, scoreText);
    // A slot of pairs beyond the contest's highest number takes no score either.
    if (!stored.written) {
        printError(pairLabel(contest, row.ns) + "-" + pairLabel(contest, row.ew) + " spelar inte giv " +
                   std::to_string(board) + " mot varandra");
        return 1;
    }
    // Stored all the same, as in the grid, with the grid's warning.
    if (const std::string warning = scoreWarning(stored); !warning.empty()) printError(warning);
    if (saveContest(loaded, args.file(1)) != 0) return 1;
    printLine("Giv " + std::to_string(board) + " " + pairLabel(contest, row.ns) + "-" +
              pairLabel(contest, row.ew) + ": " +
              (stored.text.empty() ? std::string("inget resultat") : stored.text));
    return 0;
}

}  // namespace

Verb enterVerb() {
    return {"enter",
            "enter IN.sco UT.sco GIV NS \xd6V RESULTAT",
            "Matar in ett bords resultat som i f\xf6nstret (42 blir 420, 5 blir 50, bokst\xe4verna och "
            "tecknen, justerat med %) och sparar; paren anges med nummer eller som A1, B7 i en kv\xe4ll i "
            "sektioner, tomt resultat (\"\") tar bort det.",
            6,
            {},
            runEnter};
}

}  // namespace vindelkast::cli
