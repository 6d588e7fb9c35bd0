#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The page a table's phone opens (GET /bord, usually as /bord?bord=T&kod=CODE from the
// table's QR code): log in with the code, see the round, enter each board's contract and
// result, see it in words with the score the server computes, confirm, and see the board's
// results so far; once the round is finished, where the pairs go next; at the end the final
// ranking and the pairs' own cards. Entries made without network wait in the browser and
// go when it is back. The page holds no script or style of its own: they are served beside
// it (GET /bord.js, /bord.css), so its policy can forbid anything inline. UTF-8 text.
std::string tablePage(const Contest& contest);

// The page's script and style, as served.
std::string tablePageScript();
const char* tablePageStyle();

}  // namespace vindelkast
