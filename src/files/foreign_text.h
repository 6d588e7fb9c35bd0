#pragma once

#include <string>
#include <string_view>

#include "files/imported_session.h"

// The small texts other scoring programs write in their result files, each in the several
// forms seen: scores with their adjusted ("artificial") forms, contracts, tricks, dates.
namespace vindelkast {

// A score as a NS column holds it: "420", "-50", "+110"; a board passed out ("PASS", "P",
// "PO", "0"); an adjusted score: "A", "AVE", "A=", "A+", "A-", "A5050", "A6040", "A60A40",
// "A60", "40%", "60%/40%", or the program's own "%+-". An adjusted score given for one side
// only leaves the rest to the other. False when the text is none of these.
bool parseForeignScore(std::string_view text, ImportedScore& score);

// A contract: "4S", "3NT", "3N", "4SX", "4Sx", "4S*" (doubled), "4S**" or "4SXX"
// (redoubled), and a board passed out as "PASS", "Pass", "P", "PO" or nothing.
// Returns "" and fills `contract`, else the message.
std::string parseForeignContract(std::string_view text, Contract& contract);

// Tricks taken by declarer: "10", or relative to the contract ("=", "+1", "-2"); -1 when
// the text is neither.
int parseForeignTricks(const Contract& contract, std::string_view text);

// "DD/MM/YYYY", "YYYY.MM.DD" or "YYYY-MM-DD" as yyyy-mm-dd; any other text as it stands.
std::string isoDate(std::string_view text);

// UTF-8 as Windows-1252; a character that Windows-1252 has no form for becomes "?" and sets
// `lost`. Malformed UTF-8 is read as Windows-1252 bytes (PBN files are often Latin-1).
std::string cp1252FromForeign(std::string_view text, bool& lost);

// Blanks and tabs around and inside a text made single blanks; control characters (which no
// name or title holds) become "?".
std::string tidyText(std::string_view text);

}  // namespace vindelkast
