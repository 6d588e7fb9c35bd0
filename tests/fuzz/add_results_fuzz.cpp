#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "files/add_results.h"
#include "fuzz_checks.h"
#include "model/board_results.h"
#include "model/member_register.h"

using namespace vindelkast;

// Another contest file added to an open contest that has slots on some boards and a score
// on one of them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemberRegister reg;
    reg.startWithByeMember();
    Contest contest;
    contest.reset(reg);
    contest.boardCount = 6;
    contest.roundCount = 2;
    contest.boardsPerRound = 3;
    for (int b = 1; b <= 3; ++b) {
        addResult(contest.boards[b], 1, 2, 1, b == 1 ? 420 : kNoScore, 0, 0, true);
        addResult(contest.boards[b], 3, 4, 2, kNoScore, 0, 0, true);
    }
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const AddedResults added = addResultsFromStream(contest, in);
    fuzz::checkBounds(contest);
    fuzz::require(contest.boardsPerRound >= 1 && contest.roundCount >= 1);
    fuzz::require(added.added >= 0);
    fuzz::require(added.kind != AddedResults::Kind::Refused || !added.problem.empty());
    fuzz::require(contest.boards[1].results[0].nsScore == 420);
    return 0;
}
