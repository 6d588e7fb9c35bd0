#pragma once

#include <string>
#include <string_view>

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

// The page's script and style, as served: the files of tables/web/ (tables/table_page_files.h).
std::string tablePageScript();
std::string tablePageStyle();

// What the table's page, its script and style may do: nothing may come from elsewhere and
// nothing inline runs, so names can reach the page only as text.
inline constexpr const char* kTablePagePolicy =
    "default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'; "
    "img-src 'self' data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

// The server's own answer to a GET of a path that is not the results': the table's page
// ("/" and "/bord"), its script, its style, or that there is no such page.
struct OwnPage {
    int status = 0;
    const char* type = "";
    std::string body;
};
OwnPage ownPage(std::string_view path, const Contest& contest);

}  // namespace vindelkast
