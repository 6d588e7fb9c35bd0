#pragma once

#include <string>
#include <string_view>

#include "tables/login_guard.h"

// The guard's counts, lock-outs and known phones as a part of the recovery file, so that a
// crash in the middle of someone's guessing neither forgives the guesses nor shuts out the
// tables' phones. Never beside the contest file: it is this evening's, not the contest's.
namespace vindelkast {

// The recovery file's part that holds it.
inline constexpr const char* kLoginGuardSection = "inloggningar";

std::string writeGuardState(const GuardState& state);
// Reads untrusted text: "" on success, else the message with `state` left as it was.
std::string readGuardState(GuardState& state, std::string_view text);

}  // namespace vindelkast
