#pragma once

#include "cli/cli_args.h"
#include "model/contest.h"

#include <string>
#include <vector>

namespace vindelkast::cli {

// The scoring rule a verb's options ask for, starting from the contest's own: --scoring
// mp|cross-imps|butler picks the method, --neuberg or --linear the matchpoint scaling.
// False, with the reason and the usage printed, when the options contradict or are unknown.
bool scoringOptions(const Args& args, const std::string& usage, ScoringRule& rule);

// --across or --per-section: how an evening in sections is matchpointed. Sets `acrossField`
// and returns true when one was given; false with the usage printed when both were (`ok`
// then false).
bool fieldOption(const Args& args, const std::string& usage, bool& acrossField, bool& ok);

// The pair count of each section in "--sections 16,18"; empty (with the reason printed) when
// the text is not two to eight whole numbers.
std::vector<int> sectionSizes(const std::string& text);

inline constexpr const char* kFieldUsage = "[--across | --per-section]";

// " [--scoring mp|cross-imps|butler]": the option as usage texts show it.
inline constexpr const char* kScoringUsage = "[--scoring mp|cross-imps|butler]";

}  // namespace vindelkast::cli
