#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/double_dummy.h"
#include "archive/postgres_connection.h"
#include "cli/archive_usage.h"
#include "cli/cli_io.h"
#include "cli/cli_verbs.h"
#include "files/file_platform.h"
#include "files/text_encoding.h"
#include "files/usebio_reader.h"
#include "model/version.h"

namespace vindelkast::cli {
namespace {

std::vector<Verb> allVerbs() {
    std::vector<Verb> verbs;
    for (auto group : {filesVerbs, movementVerbs, outputVerbs, contractVerbs, analysisVerbs, archiveVerbs,
                       interchangeVerbs, correctionVerbs, teamVerbs, teamEventVerbs})
        for (Verb& verb : group()) verbs.push_back(std::move(verb));
    return verbs;
}

// True when the verb's usage names the option, or it is one every verb takes.
bool knownOption(const Verb& verb, const std::string& name) {
    if (name == "register" || name == "help") return true;
    const std::string word = "--" + name;
    for (std::size_t at = verb.usage.find(word); at != std::string::npos;
         at = verb.usage.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if (end == verb.usage.size() ||
            !(std::isalnum(static_cast<unsigned char>(verb.usage[end])) || verb.usage[end] == '-'))
            return true;
    }
    return false;
}

// Every verb's usage and what it does, then what this build leaves out (the Windows build:
// the PostgreSQL archive), one line each after a blank one.
std::string verbsText(const std::vector<Verb>& verbs) {
    std::string text = "Anv\xe4ndning: vindelkast-cli KOMMANDO ARGUMENT... [--register FIL]\n\n";
    for (const Verb& verb : verbs) text += "  " + verb.usage + "\n      " + verb.summary + "\n";
    text +=
        "\nvindelkast-cli KOMMANDO --help visar hj\xe4lp f\xf6r ett kommando.\n"
        "vindelkast-cli --version visar versionen.\n";
    if (!solverAvailable() || !postgresArchiveAvailable() || !usebioReadable()) text += "\n";
    if (!solverAvailable()) text += "Dubbeldummyanalysen (facit) finns inte i den h\xe4r versionen.\n";
    if (!postgresArchiveAvailable())
        text +=
            "Klubbarkivet p\xe5 PostgreSQL (--archive postgresql://...) finns inte i den h\xe4r "
            "versionen f\xf6r Windows; arkivet i en SQLite-fil g\xe5r att anv\xe4nda.\n";
    if (!usebioReadable())
        text +=
            "Import av USEBIO-filer (import) finns inte i den h\xe4r versionen; PBN-filer med "
            "resultat g\xe5r att importera.\n";
    return text;
}

int run(const std::vector<std::string>& words) {
    const std::vector<Verb> verbs = allVerbs();
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        (words.empty() ? std::cerr : std::cout) << terminalText(verbsText(verbs));
        return words.empty() ? 2 : 0;
    }
    if (words[0] == "--version") {
        printLine(std::string("vindelkast-cli ") + kVersionText);
        return 0;
    }
    for (const Verb& verb : verbs) {
        if (verb.name != words[0]) continue;
        std::vector<std::string> flags = verb.flags;
        flags.push_back("help");
        Args args = parseArgs({words.begin() + 1, words.end()}, flags);
        args.verb = verb.name;
        if (args.has("help")) {
            printLine("Anv\xe4ndning: vindelkast-cli " + verb.usage + "\n" + verb.summary);
            return 0;
        }
        std::string error = args.error;
        // A mistyped option would otherwise be ignored and the job done the default way.
        for (const auto& [name, value] : args.options)
            if (error.empty() && !knownOption(verb, name)) error = "Ok\xe4nt val: --" + fromUtf8(Utf8{name});
        const int given = static_cast<int>(args.count());
        if (!error.empty() || given < verb.positionalCount ||
            given > verb.positionalCount + verb.optionalCount) {
            printUsage(error, verb.usage);
            return 2;
        }
        return verb.run(args);
    }
    printError("Ok\xe4nt kommando: " + fromUtf8(Utf8{words[0]}) + "\n");
    std::cerr << terminalText(verbsText(verbs));
    return 2;
}

}  // namespace
}  // namespace vindelkast::cli

int main(int argc, char** argv) {
    const std::vector<std::string> words = vindelkast::programArguments(argc, argv);
    try {
        const int code = vindelkast::cli::run(words);
        // A view lost on a full disk or a closed pipe is not a job done.
        if (!std::cout.flush()) {
            std::cerr << "Kunde inte skriva utdata\n";
            return code == 0 ? 1 : code;
        }
        return code;
    } catch (const std::exception& e) {
        std::cerr << "Fel: " << e.what() << "\n";
        return 1;
    }
}
