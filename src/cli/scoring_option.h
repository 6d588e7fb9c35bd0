#pragma once

#include "cli/cli_args.h"
#include "model/contest.h"

namespace vindelkast::cli {

// The scoring rule a verb's options ask for, starting from the contest's own: --scoring
// mp|cross-imps|butler picks the method, --neuberg or --linear the matchpoint scaling.
// False, with the reason and the usage printed, when the options contradict or are unknown.
bool scoringOptions(const Args& args, const std::string& usage, ScoringRule& rule);

// " [--scoring mp|cross-imps|butler]": the option as usage texts show it.
inline constexpr const char* kScoringUsage = "[--scoring mp|cross-imps|butler]";

}  // namespace vindelkast::cli
