#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "movement/table_rounds.h"
#include "tables/table_entries.h"

// The JSON texts the tables' interface answers with (docs/table-api.md). Texts from the
// contest are Windows-1252 and go out as UTF-8; every non-ASCII character is escaped.
namespace vindelkast {

// {"status": STATUS, "message": MESSAGE}, plus "wait" seconds when above 0.
std::string tableMessageAnswer(const std::string& status, const std::string& message, int waitSeconds = 0);

// {"status":"ok","table","contest","individual","pairsTyped","rounds"}
std::string loginAnswer(const Contest& contest, int table, bool pairsTyped);

// The table's seat in a round, with its boards and their vulnerability and what is entered;
// how far the evening has come, where the pairs go next once the round is finished and
// whether the next round has begun; `held` the boards whose result waits for the director.
// `decided`: the director's decisions on the results this table sent for held boards, by entry.
// Without `showResults` an entered board shows only that it is entered.
std::string roundAnswer(const Contest& contest, const TableSeat& seat, int current, bool pairsTyped,
                        const std::vector<int>& held,
                        const std::vector<std::pair<std::string, ConflictDecision>>& decided = {},
                        bool showResults = true);

// A board's results so far, as the travelling slip shows them; `status` "ok", "lagrat" or
// "redan" and an optional message for the table.
std::string boardResultsAnswer(const Contest& contest, int board, const std::string& status,
                               const std::string& message = "");

// The final ranking and the score cards of `pairs` (the pairs at the table).
std::string standingsAnswer(const Contest& contest, const std::vector<int>& pairs);

// {"status":"ok","board","score"}
std::string previewAnswer(int board, int nsScore);

}  // namespace vindelkast
