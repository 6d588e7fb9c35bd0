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

}  // namespace vindelkast::cli
