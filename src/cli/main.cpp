#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_verbs.h"

namespace vindelkast::cli {
namespace {

std::vector<Verb> allVerbs() {
    std::vector<Verb> verbs;
    for (auto group : {filesVerbs, movementVerbs, outputVerbs})
        for (Verb& verb : group()) verbs.push_back(std::move(verb));
    return verbs;
}

void printUsage(std::ostream& out, const std::vector<Verb>& verbs) {
    out << "Anv\xc3\xa4ndning: vindelkast-cli KOMMANDO ARGUMENT... [--register FIL]\n\n";
    for (const Verb& verb : verbs) out << "  " << verb.usage << "\n      " << verb.summary << "\n";
    out << "\nvindelkast-cli KOMMANDO --help visar hj\xc3\xa4lp f\xc3\xb6r ett kommando.\n";
}

int run(const std::vector<std::string>& words) {
    const std::vector<Verb> verbs = allVerbs();
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        printUsage(words.empty() ? std::cerr : std::cout, verbs);
        return words.empty() ? 2 : 0;
    }
    for (const Verb& verb : verbs) {
        if (verb.name != words[0]) continue;
        std::vector<std::string> flags = verb.flags;
        flags.push_back("help");
        const Args args = parseArgs({words.begin() + 1, words.end()}, flags);
        if (args.has("help")) {
            std::cout << "Anv\xc3\xa4ndning: vindelkast-cli " << verb.usage << "\n" << verb.summary << "\n";
            return 0;
        }
        if (!args.error.empty() || static_cast<int>(args.positional.size()) != verb.positionalCount) {
            if (!args.error.empty()) std::cerr << args.error << "\n";
            std::cerr << "Anv\xc3\xa4ndning: vindelkast-cli " << verb.usage << "\n";
            return 2;
        }
        return verb.run(args);
    }
    std::cerr << "Ok\xc3\xa4nt kommando: " << words[0] << "\n\n";
    printUsage(std::cerr, verbs);
    return 2;
}

}  // namespace
}  // namespace vindelkast::cli

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    try {
        return vindelkast::cli::run(words);
    } catch (const std::exception& e) {
        std::cerr << "Fel: " << e.what() << "\n";
        return 1;
    }
}
