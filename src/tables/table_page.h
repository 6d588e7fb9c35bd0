#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The page a table's phone opens (GET /bord, usually as /bord?bord=T&kod=CODE from the
// table's QR code): log in with the code, see the round, enter each board's contract and
// result, see the NS score the server computes, confirm, and see the board's results so
// far. Entries made without network wait in the browser and go when it is back. One page,
// script and style inline, nothing from outside; UTF-8 text ready to send.
std::string tablePage(const Contest& contest);

}  // namespace vindelkast
