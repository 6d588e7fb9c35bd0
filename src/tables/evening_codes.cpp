#include "tables/evening_codes.h"

#include "movement/table_rounds.h"

namespace vindelkast {

TableCodes newEveningCodes(const Contest& contest) {
    const bool pairsTyped = !tablesFollowMovement(contest);
    return makeTableCodes(tableCountOfEvening(contest, pairsTyped), pairsTyped);
}

}  // namespace vindelkast
