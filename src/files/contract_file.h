#pragma once

#include <string>
#include <string_view>

#include "model/contest.h"

// The contracts the tables gave, in a file of their own beside the contest file
// ("NAME.kontrakt"), so the contest file stays as every reader knows it. Text, one line
// per contract after a versioned header:
//   %KONTRAKT 1
//   BOARD NS EW CONTRACT DECLARER TRICKS      e.g. "5 3 12 3NTX N 8"
namespace vindelkast {

inline constexpr const char* kContractsExtension = ".kontrakt";

// The whole file as text (Windows-1252, CR LF).
std::string writeContracts(const Contest& contest);

// Reads the text into contest.contracts, replacing what they held. Returns "" on success,
// else the message; the contracts are then left as they were.
std::string readContracts(Contest& contest, std::string_view text);

}  // namespace vindelkast
