#pragma once

#include <string>
#include <vector>

#include "files/edit_journal.h"
#include "output/site_view.h"

// Which boards changed after the results went out, as the pages tell their readers: a player
// who read a board or the standings then may find other figures now, and is told when.
namespace vindelkast {

// Marks in `view` every board some journal entry changed after the first time the results were
// published, with the time of the last such entry. Entries before publication are the
// evening's own scoring, which nobody outside had seen as final.
void noteCorrections(SiteView& view, const std::vector<JournalEntry>& journal);

// The board page's line beside its heading ("Rättat 22:41: giv 7"), "" for a board not
// corrected; the standings page's line listing the corrected boards the view shows, in the
// order they were corrected ("Rättat 22:41: giv 7, 22:48: giv 12"), "" for none. HTML.
std::string boardCorrectionLine(const SiteView& view, int board);
std::string correctionsLine(const SiteView& view);

}  // namespace vindelkast
