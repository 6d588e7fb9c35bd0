#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/edit_journal.h"
#include "model/contest.h"
#include "output/site_view.h"
#include "tables/table_service.h"

// The players' results pages served live by the table server under /resultat/: the same
// pages as the published folder, shown as the evening allows. Anyone sees the standings and
// the pairs' cards; a table's phone also sees the boards its pairs have played; every board
// is shown once the evening is over or the director has published the results.
namespace vindelkast {

inline constexpr const char* kResultsPrefix = "/resultat/";
// Longer paths and cookie lines than these are no request of ours.
inline constexpr std::size_t kMaxResultsPathBytes = 64;
inline constexpr std::size_t kMaxResultsCookieBytes = 4096;
// The cookie a table's page keeps its login in: "vkbord=T-KOD".
inline constexpr std::string_view kResultsCookie = "vkbord";

enum class ResultsPath {
    None,      // not a results page
    Redirect,  // "/resultat": answered by a move to "/resultat/", so relative links work
    Page       // "/resultat/" and a page name
};

struct ResultsRequest {
    ResultsPath path = ResultsPath::None;
    std::string page;  // "" (the standings), "index.html", "par11.html", "giv5.html"
    int table = 0;     // from the cookie; 0 without one
    std::string code;
};

// Reads the path of a GET and its Cookie header (both untrusted; bounded and checked).
ResultsRequest readResultsRequest(std::string_view path, std::string_view cookies);

// The table whose phone asks (TableService::readerTable); 0 for any other reader.
int readingTable(TableService& service, const ResultsRequest& request, const std::string& client,
                 std::int64_t nowMs);

// The pairs (players) seated at a table now: those of the round it plays; until it has begun
// that round (no score in it yet), also those of the round it played before, who are still
// seated while the next pairs sit down. None without a movement.
std::vector<int> pairsAtTable(const Contest& contest, int table, bool pairsTyped);

// What `table` (0: anyone) may read now: every board once the evening is over or published
// (`published`), else the boards every pair at the table has played (tableView).
SiteView readersView(const Contest& contest, bool pairsTyped, bool published, int table);

struct ResultsAnswer {
    int status = 404;
    std::string body;  // a whole UTF-8 HTML page
};

// The page as `table` (0: anyone) may see it now; `published` once the director has
// published the results. A board `journal` shows changed since then says so, and when.
ResultsAnswer resultsAnswer(const Contest& contest, const std::vector<JournalEntry>& journal, bool pairsTyped,
                            bool published, int table, std::string_view page);

}  // namespace vindelkast
