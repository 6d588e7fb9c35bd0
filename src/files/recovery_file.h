#pragma once

#include <string>
#include <vector>

#include "files/result_lines.h"
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

    bool operator==(const RecoverySettings&) const = default;
};

// The settings of `contest` as the recovery file keeps them.
RecoverySettings recoverySettingsOf(const Contest& contest, const std::string& fileName, bool teamMatch);
// Gives the contest read from a recovery text the settings its file has no room for.
void takeRecoverySettings(Contest& contest, const RecoverySettings& settings);

// A named part of the recovery file after the contest: the text of a side file, named by its
// extension (".facit").
struct RecoverySection {
    std::string name;
    std::string text;

    bool operator==(const RecoverySection&) const = default;
};

// The recovery file in the working folder, written after every change so that no entered
// result is lost to a crash or a power cut. A save, a normal exit and a clear remove it;
// finding one at start-up means the last run did not end normally.
inline constexpr const char* kRecoveryFileName = "vindelkast-aterstall.txt";

// The whole recovery text: a marker line, the settings, then the contest file. With sections,
// the contest's start line gives its length in bytes and each section follows under a line
// "%SIDOFIL name length"; without any, the contest runs to the end, as it always did. With
// `kept`, the result lines of boards unchanged since the last recovery text come from there.
std::string recoveryText(Contest& contest, const RecoverySettings& settings, const std::string& version,
                         const std::vector<RecoverySection>& sections = {}, ResultLinesCache* kept = nullptr);

// The same of a contest file text already written.
std::string recoveryText(const RecoverySettings& settings, const std::string& contestText,
                         const std::vector<RecoverySection>& sections);

// Splits a recovery text into its settings, the contest file text and its sections. Returns
// "" on success, else why the text is no recovery file.
std::string parseRecoveryText(const std::string& text, RecoverySettings& settings, std::string& contestText,
                              std::vector<RecoverySection>* sections = nullptr);

// Writes the recovery file safely (temporary file and rename); "" or the message.
std::string writeRecoveryFile(const std::string& path, Contest& contest, const RecoverySettings& settings,
                              const std::string& version, const std::vector<RecoverySection>& sections = {});

}  // namespace vindelkast
