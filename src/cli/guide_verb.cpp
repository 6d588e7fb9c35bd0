#include <string>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/safe_write.h"
#include "movement/movement_generator.h"
#include "movement/set_up_fields.h"

namespace vindelkast::cli {

namespace {

// A count option: 0 when not given, -1 (with the message printed) when it is no number.
int countOption(const Args& args, const std::string& name) {
    if (!args.has(name)) return 0;
    const std::string text = args.option(name);
    const int value = fieldNumber(text);
    if (value > 0 && std::to_string(value) == text) return value;
    printError("--" + name + " ska vara ett heltal st\xf6rre \xe4n 0");
    return -1;
}

int runGuide(const Args& args) {
    MovementRequest request;
    const std::string kind = args.text(0);
    if (kind == "mitchell") {
        request.kind = MovementKind::Mitchell;
    } else if (kind == "howell") {
        request.kind = MovementKind::Howell;
    } else {
        printError("Ok\xe4nt spel: " + kind + " (mitchell eller howell)");
        return 2;
    }
    if (!args.has("pairs")) {
        printError("Ange antal par med --pairs");
        return 2;
    }
    request.pairs = countOption(args, "pairs");
    request.rounds = countOption(args, "rounds");
    request.boardsPerRound = countOption(args, "boards-per-round");
    if (request.pairs < 0 || request.rounds < 0 || request.boardsPerRound < 0) return 2;
    request.relay = args.has("relay");

    const GeneratedMovement made = generateMovement(request);
    if (!made.message.empty()) {
        printError(made.message);
        return 1;
    }
    const std::string& out = args.file(1);
    if (const std::string message = writeTextSafely(out, guideCardText(made)); !message.empty()) {
        printError(message);
        return 1;
    }
    printLine(pathText(out) + ":");
    for (const std::string& line : movementSummary(made)) printLine(line);
    return 0;
}

}  // namespace

Verb guideVerb() {
    return {"guide",
            "guide mitchell|howell --pairs N [--rounds R] [--boards-per-round B] [--relay] UT.gui",
            "G\xf6r ett guidekort f\xf6r kv\xe4llens antal par: Mitchell (3-15 bord; udda par ger "
            "fripar, j\xe4mnt antal bord hopp eller med --relay rel\xe4 och delad givgrupp) eller Howell "
            "(4-16 par, f\xf6rkortad med f\xe4rre --rounds)",
            2,
            {"relay"},
            runGuide};
}

}  // namespace vindelkast::cli
