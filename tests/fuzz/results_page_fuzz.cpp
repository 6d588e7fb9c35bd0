// The table server will ask for results pages by the name in a request: whatever the name,
// the answer is no page or a whole one, and a board the table has not played shows no card.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "output/results_site.h"

using namespace vindelkast;

namespace {

// Four pairs, two boards with a deal each; pair 1 has played board 1 only.
Contest& evening() {
    static MemberRegister reg;
    static Contest contest;
    static bool made = false;
    if (made) return contest;
    reg.startWithByeMember();
    contest.reset(reg);
    contest.boardCount = contest.dealCount = 2;
    contest.roundCount = 2;
    contest.boardsPerRound = 1;
    contest.maxPairNumber = contest.participantCount = 4;
    for (int b = 1; b <= 2; ++b) {
        for (int i = 0; i < 52; ++i) contest.boards[b].deal[i % 4][i / 4] = cardFromCode(i + 1);
        addResult(contest.boards[b], 1, 2, b, b == 1 ? 420 : kNoScore, 0, 0, false);
        addResult(contest.boards[b], 3, 4, b, 450, 0, 0, false);
        scoreBoard(contest.boards[b], ScoringRule{});
    }
    made = true;
    return contest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Contest& contest = evening();
    const SiteView view = tableView(contest, {1});
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const std::string page = resultsPage(contest, view, file);
    fuzz::require(page.empty() || page.rfind("<!DOCTYPE html>", 0) == 0);
    if (file == "giv2.html") fuzz::require(page.find("class=\"red\"") == std::string::npos);
    return 0;
}
