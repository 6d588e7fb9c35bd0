#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// What the recovery file keeps besides the contest file itself: the settings a contest
// file has no room for, and where the contest was last saved.
struct RecoverySettings {
    std::string fileName;  // the contest file it belongs to (path bytes); empty when never saved
    bool hasHandicap = false;
    bool teamMatch = false;
    std::string teamName1;
    std::string teamName2;
    std::array<bool, kParticipantSlots> nameFrozen{};
    bool setUpDone = false;
};

// The recovery file in the working folder, written after every change so that no entered
// result is lost to a crash or a power cut. A save, a normal exit and a clear remove it;
// finding one at start-up means the last run did not end normally.
inline constexpr const char* kRecoveryFileName = "vindelkast-aterstall.txt";

// The whole recovery text: a marker line, the settings, then the contest file.
std::string recoveryText(Contest& contest, const RecoverySettings& settings, const std::string& version);

// Splits a recovery text into its settings and the contest file text. Returns "" on
// success, else why the text is no recovery file.
std::string parseRecoveryText(const std::string& text, RecoverySettings& settings, std::string& contestText);

// Writes the recovery file safely (temporary file and rename); "" or the message.
std::string writeRecoveryFile(const std::string& path, Contest& contest, const RecoverySettings& settings,
                              const std::string& version);

}  // namespace vindelkast
