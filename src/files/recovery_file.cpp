#include "files/recovery_file.h"

#include <cstring>
#include <sstream>

#include "files/contest_file.h"
#include "files/safe_write.h"
#include "files/text_fields.h"

namespace vindelkast {

namespace {

constexpr const char* kMarker = "%VINDELKAST-ATERSTALL 1";
constexpr const char* kContestStart = "%TAVLINGSFIL";
constexpr const char* kSectionStart = "%SIDOFIL ";

// Reads the sections after the contest: each a line "%SIDOFIL name length" and its bytes.
std::string parseSections(const std::string& text, std::size_t at, std::vector<RecoverySection>* sections) {
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos || text.compare(at, std::strlen(kSectionStart), kSectionStart) != 0)
            return "\xc5terst\xe4llningsfilen har en trasig sidofil";
        const auto words = splitWords(std::string_view(text).substr(at, end - at));
        const auto length = words.size() == 3 ? parseInt(words[2]) : std::nullopt;
        const std::size_t start = end + 2;
        if (!length || *length < 0 || static_cast<std::size_t>(*length) > text.size() - start)
            return "\xc5terst\xe4llningsfilen har en trasig sidofil";
        if (sections) sections->push_back({std::string(words[1]), text.substr(start, *length)});
        at = start + static_cast<std::size_t>(*length);
    }
    return "";
}

bool takeValue(const std::string& line, const std::string& key, std::string& value) {
    if (line.compare(0, key.size() + 1, key + " ") != 0 && line != key) return false;
    value = line.size() > key.size() ? line.substr(key.size() + 1) : std::string();
    return true;
}

}  // namespace

RecoverySettings recoverySettingsOf(const Contest& contest, const std::string& fileName, bool teamMatch) {
    RecoverySettings settings;
    settings.fileName = fileName;
    settings.hasHandicap = contest.hasHandicap;
    settings.teamMatch = teamMatch;
    settings.teamName1 = contest.teamName1;
    settings.teamName2 = contest.teamName2;
    settings.nameFrozen = contest.nameFrozen;
    settings.setUpDone = contest.setUpDone;
    return settings;
}

void takeRecoverySettings(Contest& contest, const RecoverySettings& settings) {
    contest.hasHandicap = settings.hasHandicap;
    contest.isTeamContest = settings.teamMatch;
    contest.teamName1 = settings.teamName1;
    contest.teamName2 = settings.teamName2;
    contest.nameFrozen = settings.nameFrozen;
    if (settings.setUpDone && contest.boardCount > 0 && contest.roundCount > 0 && contest.maxPairNumber > 0)
        contest.setUpDone = true;
}

std::string recoveryText(Contest& contest, const RecoverySettings& settings, const std::string& version,
                         const std::vector<RecoverySection>& sections, ResultLinesCache* kept) {
    return recoveryText(settings, contestFileText(contest, version, kept), sections);
}

std::string recoveryText(const RecoverySettings& settings, const std::string& contestText,
                         const std::vector<RecoverySection>& sections) {
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
    if (sections.empty()) return text + kContestStart + "\r\n" + contestText;
    text += std::string(kContestStart) + " " + std::to_string(contestText.size()) + "\r\n" + contestText;
    for (const RecoverySection& section : sections)
        text +=
            kSectionStart + section.name + " " + std::to_string(section.text.size()) + "\r\n" + section.text;
    return text;
}

std::string parseRecoveryText(const std::string& text, RecoverySettings& settings, std::string& contestText,
                              std::vector<RecoverySection>* sections) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line)) return "Tom \xe5terst\xe4llningsfil";
    chompCr(line);
    if (line != kMarker) return "Inte en \xe5terst\xe4llningsfil";
    settings = RecoverySettings{};
    std::string value;
    while (std::getline(in, line)) {
        chompCr(line);
        if (takeValue(line, kContestStart, value)) {
            const auto at = in.tellg();
            const std::size_t start = at < 0 ? text.size() : static_cast<std::size_t>(at);
            if (value.empty()) {
                contestText = text.substr(start);
                return "";
            }
            const auto length = parseInt(value);
            if (!length || *length < 0 || static_cast<std::size_t>(*length) > text.size() - start)
                return "\xc5terst\xe4llningsfilen saknar t\xe4vlingen";
            contestText = text.substr(start, static_cast<std::size_t>(*length));
            return parseSections(text, start + static_cast<std::size_t>(*length), sections);
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
                              const std::string& version, const std::vector<RecoverySection>& sections) {
    return writeTextSafely(path, recoveryText(contest, settings, version, sections));
}

}  // namespace vindelkast
