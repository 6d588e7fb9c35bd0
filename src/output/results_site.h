#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/edit_journal.h"
#include "model/contest.h"
#include "output/site_view.h"

// The players' results as one folder of static pages: index.html with the standings, one
// page per pair (par11.html) and one per board (giv5.html), linked both ways.
namespace vindelkast {

struct SitePage {
    std::string file;  // "index.html", "par11.html", "giv5.html"
    std::string text;  // UTF-8 HTML5
};

// Every page of the site as the view shows it: the standings, each published pair's card
// and each board's page.
std::vector<SitePage> resultsSite(const Contest& contest, const SiteView& view);

// One page by its file name as a request names it ("index.html" or "", "par11.html",
// "giv5.html"), for serving the site live; a board the view does not show yet gives the page
// that says so. "" for a name that is no page of the site.
std::string resultsPage(const Contest& contest, const SiteView& view, std::string_view file);

// Writes the published site (every board, final figures) into `folder`, made when missing;
// each page is replaced safely, and pages of pairs or boards the contest no longer has are
// removed. Other files in the folder are left alone. A board that `journal` shows changed
// after the results were published says so, and when. Returns "" or the message.
std::string writeResultsSite(const Contest& contest, const std::vector<JournalEntry>& journal,
                             const std::string& folder);

}  // namespace vindelkast
