#include "app/recovery_file.h"

#include <sstream>

#include "files/contest_file.h"
#include "files/safe_write.h"
#include "files/text_fields.h"

namespace vindelkast {

namespace {

constexpr const char* kMarker = "%VINDELKAST-ATERSTALL 1";
constexpr const char* kContestStart = "%TAVLINGSFIL";

bool takeValue(const std::string& line, const std::string& key, std::string& value) {
    if (line.compare(0, key.size() + 1, key + " ") != 0 && line != key) return false;
    value = line.size() > key.size() ? line.substr(key.size() + 1) : std::string();
    return true;
}

}  // namespace

std::string recoveryText(Contest& contest, const RecoverySettings& settings, const std::string& version) {
    std::string text = std::string(kMarker) + "\r\n";
    text += "fil " + settings.fileName + "\r\n";
    text += std::string("uppsatt ") + (settings.setUpDone ? "1" : "0") + "\r\n";
    text += std::string("handicap ") + (settings.hasHandicap ? "1" : "0") + "\r\n";
    text += std::string("lagmatch ") + (settings.teamMatch ? "1" : "0") + "\r\n";
    text += "lag1 " + settings.teamName1 + "\r\n";
    text += "lag2 " + settings.teamName2 + "\r\n";
    text += "frysta";
    for (int p = 1; p <= kMaxPair; ++p)
        if (settings.nameFrozen[p]) text += " " + std::to_string(p);
    text += "\r\n";
    text += std::string(kContestStart) + "\r\n";
    text += contestFileText(contest, version);
    return text;
}

std::string parseRecoveryText(const std::string& text, RecoverySettings& settings, std::string& contestText) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line)) return "Tom \xe5terst\xe4llningsfil";
    chompCr(line);
    if (line != kMarker) return "Inte en \xe5terst\xe4llningsfil";
    settings = RecoverySettings{};
    std::string value;
    while (std::getline(in, line)) {
        chompCr(line);
        if (line == kContestStart) {
            const auto at = in.tellg();
            contestText = at < 0 ? std::string() : text.substr(static_cast<std::size_t>(at));
            return "";
        }
        if (takeValue(line, "fil", value))
            settings.fileName = value;
        else if (takeValue(line, "uppsatt", value))
            settings.setUpDone = value == "1";
        else if (takeValue(line, "handicap", value))
            settings.hasHandicap = value == "1";
        else if (takeValue(line, "lagmatch", value))
            settings.teamMatch = value == "1";
        else if (takeValue(line, "lag1", value))
            settings.teamName1 = value;
        else if (takeValue(line, "lag2", value))
            settings.teamName2 = value;
        else if (takeValue(line, "frysta", value)) {
            for (std::string_view word : splitWords(value)) {
                const auto pair = parseInt(word);
                if (pair && Contest::validPair(*pair)) settings.nameFrozen[*pair] = true;
            }
        }
    }
    return "\xc5terst\xe4llningsfilen saknar t\xe4vlingen";
}

std::string writeRecoveryFile(const std::string& path, Contest& contest, const RecoverySettings& settings,
                              const std::string& version) {
    return writeTextSafely(path, recoveryText(contest, settings, version));
}

}  // namespace vindelkast
