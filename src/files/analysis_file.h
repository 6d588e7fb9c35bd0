#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The double-dummy analysis is kept in a file of its own beside the contest file
// ("kväll.sco" → "kväll.facit"), so the contest file stays as other programs know it.
inline constexpr const char* kAnalysisExtension = ".facit";

// The analysis file's text: a versioned header, then one line per board with a kept
// analysis: board, deal (PBN), 20 trick counts, par score and par contracts.
std::string analysisFileText(const Contest& contest);

// Reads an analysis file's text into the contest's analyses, replacing them. A line whose
// deal is no longer the board's is kept but unused (the analysis belongs to that deal
// only). Returns "" on success, else the message; the analyses are then left as they were.
std::string readAnalysisFile(Contest& contest, const std::string& text);

}  // namespace vindelkast
