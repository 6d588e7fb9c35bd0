#pragma once

#include <string>

#include "model/contest.h"
#include "tables/table_rounds.h"

// The JSON texts the tables' interface answers with (docs/table-api.md). Texts from the
// contest are Windows-1252 and go out as UTF-8; every non-ASCII character is escaped.
namespace vindelkast {

// {"status": STATUS, "message": MESSAGE}, plus "wait" seconds when above 0.
std::string tableMessageAnswer(const std::string& status, const std::string& message, int waitSeconds = 0);

// {"status":"ok","table","contest","individual","pairsTyped","rounds"}
std::string loginAnswer(const Contest& contest, int table, bool pairsTyped);

// The table's seat in a round, with its boards and their vulnerability and what is entered.
std::string roundAnswer(const Contest& contest, const TableSeat& seat, int current, bool pairsTyped);

// A board's results so far, as the travelling slip shows them; `status` "ok", "lagrat" or
// "redan" and an optional message for the table.
std::string boardResultsAnswer(const Contest& contest, int board, const std::string& status,
                               const std::string& message = "");

// {"status":"ok","board","score"}
std::string previewAnswer(int board, int nsScore);

}  // namespace vindelkast
