#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "model/contest.h"
#include "model/contract.h"

namespace vindelkast::cli {
namespace {

const char* const kUsage = "contract KONTRAKT SPELF\xd6RARE RESULTAT --board N";

// Wrong arguments are wrong usage: the message, the usage line, exit 2.
int refuse(const std::string& cp1252Message) {
    printUsage(cp1252Message, kUsage);
    return 2;
}

int runContract(const Args& args) {
    const std::string boardText = args.option("board");
    int board = 0;
    const auto [end, error] = std::from_chars(boardText.data(), boardText.data() + boardText.size(), board);
    if (boardText.empty() || error != std::errc() || end != boardText.data() + boardText.size() ||
        !Contest::validBoard(board))
        return refuse("--board ska vara ett bricknummer 1-71");
    PlayedContract played;
    const std::string message = parseContract(args.text(0), played.contract);
    if (!message.empty()) return refuse(message);
    played.declarer = parseDeclarer(args.text(1));
    if (played.declarer < 0)
        return refuse("Spelf\xf6rare ska vara N, \xd6, S eller V (E och W g\xe5r ocks\xe5)");
    played.tricks = tricksFromResult(played.contract, args.text(2));
    if (played.tricks < 0) return refuse("Resultatet ska vara =, +N eller -N och ge 0-13 stick");
    std::cout << nsScore(played, board) << "\n";
    return 0;
}

}  // namespace

std::vector<Verb> contractVerbs() {
    return {{"contract",
             kUsage,
             "Visar NS-po\xe4ngen f\xf6r ett kontrakt (4S, 3NTX, 6HXX, pass; R = ruter, K = "
             "kl\xf6ver), "
             "spelf\xf6rare (N \xd6 S V) och resultat (=, +1, -3); brickan ger zonen.",
             3,
             {},
             runContract}};
}

}  // namespace vindelkast::cli
