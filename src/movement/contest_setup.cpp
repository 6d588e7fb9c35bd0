#include "movement/contest_setup.h"

#include "model/result_order.h"
#include "movement/built_in_movement.h"
#include "movement/bye_pair.h"
#include "movement/set_up_fields.h"

namespace vindelkast {

std::string completeSetUp(Contest& contest, const SetUpFields& fields) {
    contest.contestName = fields.contestName;
    contest.contestDate = fields.contestDate;
    contest.arranger = fields.arranger;

    const int boards = fieldNumber(fields.boards);
    const int rounds = fieldNumber(fields.rounds);
    const int maxPair = fieldNumber(fields.maxPair);
    const int typedByePair = fieldNumber(fields.byePair);
    // Counts that cannot index the boards and the start list are never stored, not even
    // when the set-up is refused: the contest may still be saved or shown meanwhile.
    if (boards <= kMaxBoard) contest.boardCount = boards;
    contest.roundCount = rounds;
    if (maxPair > contest.maxPairNumber && maxPair <= kMaxPair) contest.maxPairNumber = maxPair;
    if (rounds > 0 && rounds <= boards && boards <= kMaxBoard) contest.boardsPerRound = boards / rounds;
    contest.isBarometer = fields.barometer;
    contest.isIndividual = fields.individual;

    // More rounds than boards would leave rounds without boards and no boards per round.
    if (boards <= 0 || boards > kMaxBoard || rounds <= 0 || rounds > boards) return kFillInBoardsAndRounds;
    if (maxPair > kMaxPair) return kTooManyPairs;
    if (typedByePair < 0 || typedByePair > kMaxPair) return kByePairOutOfRange;
    // "fripar" never overwrites a pair that has names (a late pair typed over the bye entry).
    if (!fields.individual && holdsRealPerson(contest, typedByePair))
        return "Par " + std::to_string(typedByePair) + " har namn och kan inte vara fripar";

    settleByePairAtSetUp(contest, typedByePair);
    // Counted after the bye pair may have raised the highest pair number: seven pairs with
    // pair 8 as the bye play three tables.
    contest.tableCount = contest.maxPairNumber / (contest.isIndividual ? 4 : 2);
    contest.playingTableCount = contest.tableCount - (contest.byePair > 0 ? 1 : 0);
    if (!contest.movement && !fields.withoutGuideCard) buildBuiltInMovement(contest);
    contest.setUpDone = true;
    if (contest.byePair != 0)
        for (int b = 1; b <= contest.boardCount; ++b) sortResults(contest.boards[b]);
    return "";
}

}  // namespace vindelkast
