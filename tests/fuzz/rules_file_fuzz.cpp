// Rules side files come from disk and the recovery file: whatever the bytes, the reader must
// end, refuse without touching the contest, and what it accepts writes back the same rule.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/rules_file.h"
#include "fuzz_checks.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemberRegister reg;
    static Contest contest;
    static int turn = 0;
    reg.startWithByeMember();
    contest.reset(reg);
    // The starting rules in turn, so a refusal is seen to keep each.
    turn = (turn + 1) % 6;
    const ScoringRule before{static_cast<ScoringMethod>(turn % 3), turn >= 3};
    contest.scoringRule = before;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!readRules(contest, text).empty()) {
        fuzz::require(contest.scoringRule == before);
        return 0;
    }
    Contest again;
    again.reset(reg);
    again.scoringRule = before;
    // The default rule writes no file: what stands for it is the header alone.
    const std::string written = contest.scoringRule == ScoringRule{} ? "%REGLER 1\r\n" : writeRules(contest);
    fuzz::require(readRules(again, written).empty());
    fuzz::require(again.scoringRule == contest.scoringRule);
    return 0;
}
