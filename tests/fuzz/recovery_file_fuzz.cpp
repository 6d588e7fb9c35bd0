// The recovery file is read at start-up from whatever the last run left: whatever the bytes,
// the reader must end, hand back only parts of the text, and what it accepted must write
// back and read to the same settings and side files.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/recovery_file.h"
#include "fuzz_checks.h"

using namespace vindelkast;

namespace {

bool sameSettings(const RecoverySettings& a, const RecoverySettings& b) {
    return a.fileName == b.fileName && a.hasHandicap == b.hasHandicap && a.teamMatch == b.teamMatch &&
           a.teamName1 == b.teamName1 && a.teamName2 == b.teamName2 && a.nameFrozen == b.nameFrozen &&
           a.setUpDone == b.setUpDone;
}

bool sameSections(const std::vector<RecoverySection>& a, const std::vector<RecoverySection>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].text != b[i].text) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    RecoverySettings settings;
    std::string contestText;
    std::vector<RecoverySection> sections;
    if (!parseRecoveryText(text, settings, contestText, &sections).empty()) return 0;
    std::size_t parts = contestText.size();
    for (const RecoverySection& s : sections) parts += s.name.size() + s.text.size();
    fuzz::require(parts <= text.size());
    for (int p = 0; p <= kMaxPair; ++p) fuzz::require(!settings.nameFrozen[p] || Contest::validPair(p));

    // The contest text is the contest file's reader's to fuzz; an empty contest carries the rest.
    static MemberRegister reg;
    static Contest contest;
    static const bool ready = [] {
        reg.startWithByeMember();
        contest.reset(reg);
        return true;
    }();
    fuzz::require(ready);
    RecoverySettings again;
    std::string againContest;
    std::vector<RecoverySection> againSections;
    const std::string written = recoveryText(contest, settings, "fuzz", sections);
    fuzz::require(parseRecoveryText(written, again, againContest, &againSections).empty());
    fuzz::require(sameSettings(again, settings) && sameSections(againSections, sections));
    return 0;
}
