// Sections files come from disk and the recovery file: whatever the bytes, the reader must
// end, refuse without touching the contest, and what it accepts writes back the same sections.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/sections_file.h"
#include "fuzz_checks.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemberRegister reg;
    static Contest contest;
    reg.startWithByeMember();
    contest.reset(reg);
    // 22 pairs: sections that leave a pair out, or reach past them, do not fit.
    contest.maxPairNumber = 22;
    const Sections before = sectionsOfSizes({10, 12}, true);
    contest.sections = before;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!readSections(contest, text).empty()) {
        fuzz::require(contest.sections == before);
        return 0;
    }
    fuzz::require(contest.sections.any() && sectionsProblem(contest.sections).empty());
    for (const Section& s : contest.sections.list) {
        fuzz::require(s.firstPair >= 1 && s.lastPair <= kMaxPair && s.firstPair <= s.lastPair);
        fuzz::require(pairLabel(contest, s.lastPair).size() <= 3);
    }
    fuzz::require(contest.sections.list.front().firstPair == 1 &&
                  contest.sections.list.back().lastPair <= 22);
    Contest again;
    again.reset(reg);
    again.maxPairNumber = 22;
    fuzz::require(readSections(again, writeSections(contest)).empty());
    fuzz::require(again.sections == contest.sections);
    return 0;
}
