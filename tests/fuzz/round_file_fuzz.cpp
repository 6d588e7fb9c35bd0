// Round side files come from disk and the recovery file: whatever the bytes, the reader must
// end, refuse without touching the contest, and what it accepts leaves every slot with a
// round 1..71 and every table number 1..36.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/round_file.h"
#include "fuzz_checks.h"
#include "model/board_results.h"
#include "movement/movement.h"

using namespace vindelkast;

namespace {

// A small laid movement for the file to speak of: pairs 1-4 at two tables on boards 1-4.
void layMovement(Contest& contest) {
    contest.boardCount = 4;
    for (int b = 1; b <= 4; ++b) {
        addResult(contest.boards[b], 1, 2, 1, kNoScore, 0, 0, true);
        addResult(contest.boards[b], 3, 4, 2, kNoScore, 0, 0, true);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemberRegister reg;
    static Contest contest;
    reg.startWithByeMember();
    contest.reset(reg);
    contest.movement.reset();
    layMovement(contest);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!readRounds(contest, text).empty()) {
        for (int b = 1; b <= 4; ++b) {
            fuzz::require(findResult(contest.boards[b], 1, 2)->round == 1);
            fuzz::require(findResult(contest.boards[b], 3, 4)->round == 2);
        }
        fuzz::require(!contest.movement);
        return 0;
    }
    for (int b = 1; b <= kMaxBoard; ++b) {
        fuzz::require(contest.boards[b].resultCount == (b <= 4 ? 2 : 0));
        for (int i = 0; i < contest.boards[b].resultCount; ++i)
            fuzz::require(contest.boards[b].results[i].round >= 1 &&
                          contest.boards[b].results[i].round <= kMaxBoard);
    }
    if (contest.movement)
        for (const auto& [seat, table] : contest.movement->tables)
            fuzz::require(table >= 1 && table <= kMaxPair / 2);
    return 0;
}
