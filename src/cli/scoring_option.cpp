#include "cli/scoring_option.h"

#include <iostream>

namespace vindelkast::cli {

bool scoringOptions(const Args& args, const std::string& usage, ScoringRule& rule) {
    if (args.has("neuberg") && args.has("linear")) {
        std::cerr << "V\xc3\xa4lj en regel: --neuberg eller --linear.\n"
                  << "Anv\xc3\xa4ndning: vindelkast-cli " << usage << "\n";
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
            std::cerr << "--scoring ska vara mp, cross-imps eller butler\n"
                      << "Anv\xc3\xa4ndning: vindelkast-cli " << usage << "\n";
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
        std::cerr << "V\xc3\xa4lj ett s\xc3\xa4tt: --across eller --per-section.\n"
                  << "Anv\xc3\xa4ndning: vindelkast-cli " << usage << "\n";
        return false;
    }
    if (!args.has("across") && !args.has("per-section")) return false;
    acrossField = args.has("across");
    return true;
}

std::vector<int> sectionSizes(const std::string& text) {
    std::vector<int> sizes = sectionSizesFromText(text);
    if (sizes.empty()) std::cerr << "--sections ska vara " << kSectionSizesRule << "\n";
    return sizes;
}

}  // namespace vindelkast::cli
