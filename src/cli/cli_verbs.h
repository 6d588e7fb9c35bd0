#pragma once

#include <string>
#include <vector>

#include "cli/cli_args.h"

namespace vindelkast::cli {

// One verb of vindelkast-cli. `run` gets the words after the verb; it returns the exit
// code: 0 done, 1 not done (the message says why), 2 wrong usage.
struct Verb {
    std::string name;
    std::string usage;               // "check CONTEST.sco"
    std::string summary;             // one line, Swedish
    int positionalCount;             // exact number of file arguments
    std::vector<std::string> flags;  // options without a value
    int (*run)(const Args& args);
    int optionalCount = 0;  // file arguments that may follow the required ones
};

// Each group of verbs lives in its own file.
std::vector<Verb> filesVerbs();
std::vector<Verb> movementVerbs();
std::vector<Verb> outputVerbs();
std::vector<Verb> contractVerbs();
std::vector<Verb> analysisVerbs();
std::vector<Verb> archiveVerbs();
std::vector<Verb> interchangeVerbs();
// Victory points, round robins and the Monrad draw of team events (team_verbs.cpp).
std::vector<Verb> teamVerbs();
// A team event kept as a contest: set up, draw, results, corrections (team_event_verbs.cpp).
std::vector<Verb> teamEventVerbs();
// Mending an evening's results: seats turned, a result moved, renumbered or given an
// artificial score, two pairs trading places (correction_verbs.cpp).
std::vector<Verb> correctionVerbs();
// Making a guide card for the night (guide_verb.cpp).
Verb guideVerb();
// Entering a table's score (enter_verb.cpp).
Verb enterVerb();
// Showing the journal of a contest's changes (log_verb.cpp).
Verb logVerb();

}  // namespace vindelkast::cli
