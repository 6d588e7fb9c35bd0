#include "cli/scoring_option.h"

#include "cli/cli_io.h"

namespace vindelkast::cli {

bool scoringOptions(const Args& args, const std::string& usage, ScoringRule& rule) {
    if (args.has("neuberg") && args.has("linear")) {
        printUsage("V\xe4lj en regel: --neuberg eller --linear.", usage);
        return false;
    }
    if (args.has("scoring")) {
        const std::string method = args.option("scoring");
        if (method == "mp") {
            rule.method = ScoringMethod::Matchpoints;
        } else if (method == "cross-imps") {
            rule.method = ScoringMethod::CrossImps;
        } else if (method == "butler") {
            rule.method = ScoringMethod::Butler;
        } else {
            printUsage("--scoring ska vara mp, cross-imps eller butler", usage);
            return false;
        }
    }
    if (args.has("neuberg")) rule.neuberg = true;
    if (args.has("linear")) rule.neuberg = false;
    return true;
}

bool fieldOption(const Args& args, const std::string& usage, bool& acrossField, bool& ok) {
    ok = !(args.has("across") && args.has("per-section"));
    if (!ok) {
        printUsage("V\xe4lj ett s\xe4tt: --across eller --per-section.", usage);
        return false;
    }
    if (!args.has("across") && !args.has("per-section")) return false;
    acrossField = args.has("across");
    return true;
}

std::vector<int> sectionSizes(const std::string& text) {
    std::vector<int> sizes = sectionSizesFromText(text);
    if (sizes.empty()) printError(std::string("--sections ska vara ") + kSectionSizesRule);
    return sizes;
}

}  // namespace vindelkast::cli
