// USEBIO files come from other programs and results sites: whatever the bytes, the reader must end,
// and a session it accepts must either be refused by the import with a message or be laid
// within the contest's boards and pairs, with every slot's round a round of the contest, and
// save and open as the same contest.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string_view>

#include "files/contest_file.h"
#include "files/session_import.h"
#include "files/usebio_reader.h"
#include "fuzz_checks.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SessionReading reading = readUsebio(bytes);
    if (!reading.refusal.empty()) return 0;
    MemberRegister reg;
    reg.startWithByeMember();
    auto contest = std::make_unique<Contest>();
    contest->reset(reg);
    const SessionImport outcome = laySession(*contest, reading.session);
    if (!outcome.refusal.empty()) {
        fuzz::require(contest->boardCount == 0 && outcome.rounds.empty());
        return 0;
    }
    fuzz::checkBounds(*contest);
    fuzz::checkDeals(*contest);
    for (const SlotRound& slot : outcome.rounds) fuzz::require(slot.round >= 1 && slot.round <= kMaxBoard);
    const std::string saved = contestFileText(*contest, "fuzz");
    MemberRegister again;
    again.startWithByeMember();
    auto reopened = std::make_unique<Contest>();
    reopened->reset(again);
    std::istringstream in(saved);
    fuzz::require(!readContestFile(*reopened, in).partLeftOut());
    fuzz::require(contestFileText(*reopened, "fuzz") == saved);
    return 0;
}
