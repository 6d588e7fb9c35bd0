#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "files/contest_file.h"
#include "files/session_import.h"
#include "fuzz_checks.h"

namespace vindelkast::fuzz {

// What other programs' result files must give, whatever their bytes: a session the reader
// accepts is either refused by the import with a message or laid within the contest's boards
// and pairs, every slot's round a round of the contest, and saves and opens as the same contest.
inline void checkImportedSession(const SessionReading& reading) {
    if (!reading.refusal.empty()) return;
    MemberRegister reg;
    reg.startWithByeMember();
    auto contest = std::make_unique<Contest>();
    contest->reset(reg);
    const SessionImport outcome = laySession(*contest, reading.session);
    if (!outcome.refusal.empty()) {
        require(contest->boardCount == 0 && outcome.rounds.empty());
        return;
    }
    checkBounds(*contest);
    checkDeals(*contest);
    for (const SlotRound& slot : outcome.rounds) require(slot.round >= 1 && slot.round <= kMaxBoard);
    const std::string saved = contestFileText(*contest, "fuzz");
    MemberRegister again;
    again.startWithByeMember();
    auto reopened = std::make_unique<Contest>();
    reopened->reset(again);
    std::istringstream in(saved);
    require(!readContestFile(*reopened, in).partLeftOut());
    require(contestFileText(*reopened, "fuzz") == saved);
}

}  // namespace vindelkast::fuzz
