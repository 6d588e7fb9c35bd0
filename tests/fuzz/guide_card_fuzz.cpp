// Guide cards come from anywhere: whatever the bytes, the reader must end, keep every slot
// on boards 1..71 with pair numbers 1..72, and never hold more than 72 results on a board.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "model/contest.h"
#include "model/member_register.h"
#include "movement/guide_card.h"
#include "movement/movement.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemberRegister reg;
    static Contest contest;
    reg.startWithByeMember();
    contest.reset(reg);
    // The first byte sets what the card meets in the contest: individual or not, a bye pair.
    if (size > 0) {
        contest.isIndividual = (data[0] & 0x80) != 0;
        contest.byePair = data[0] % 80;
        ++data;
        --size;
    }
    Movement movement;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const GuideCardReading reading = readGuideCard(in, movement, contest.boards);

    if (!reading.headerTaken && (movement.pairCount != 0 || movement.boardCount != 0)) std::abort();
    if (movement.pairCount < 0 || movement.pairCount > kMaxPair || movement.boardCount > kMaxBoard)
        std::abort();
    for (int b : {0, kBoardSlots - 1})
        if (contest.boards[b].resultCount != 0) std::abort();
    for (int b = 1; b <= kMaxBoard; ++b) {
        const Board& board = contest.boards[b];
        if (board.resultCount < 0 || board.resultCount > kMaxResults) std::abort();
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            if (!Contest::validPair(r.nsPair) || !Contest::validPair(r.ewPair) || r.nsPair == r.ewPair)
                std::abort();
            if (r.nsPlayer2 < 0 || r.nsPlayer2 > kMaxPair || r.ewPlayer2 < 0 || r.ewPlayer2 > kMaxPair)
                std::abort();
            if (r.round < 1 || r.round > kMaxBoard || r.nsScore != kNoScore) std::abort();
            if (r.nsPair == contest.byePair || r.ewPair == contest.byePair) std::abort();
        }
    }
    return 0;
}
