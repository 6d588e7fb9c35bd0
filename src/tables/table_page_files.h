#pragma once

#include <string_view>

// The table page's script and style, kept as files in tables/web/ and compiled in by
// cmake/embed_file.cmake. The script is ASCII, Swedish letters as \u escapes, and every text
// from the server goes into the page through textContent, never as markup; its three parts
// are served together as /bord.js.
namespace vindelkast {

// web/table.js: state, the calls to the server, logging in, the round and the queue of
// entries that wait to be sent.
std::string_view tableScriptFile();

// web/table_entry.js: a board's result. The form starts undoubled and shows the whole result
// in words with the server's score before it may be sent; a board already entered opens on
// its result, with the way to ask the director for a change.
std::string_view tableEntryScriptFile();

// web/table_end.js: a finished round says where everyone goes next and the page moves on by
// itself when the next round begins; at the end of the evening the final ranking and the
// cards of the pairs at the table. Then the page's buttons are wired and the table logs in.
std::string_view tableEndScriptFile();

// web/table.css: large targets for one thumb on a phone about 390 px wide. The entry form's
// summary and confirm button follow the result buttons in the page's flow rather than float
// over them: a bar kept at the screen's bottom covered the last row of results wherever the
// browser's own bars left less than the whole screen. The script brings the confirm button
// into view once the result is complete.
std::string_view tableStyleFile();

}  // namespace vindelkast
