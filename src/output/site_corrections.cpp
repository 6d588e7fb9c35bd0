#include "output/site_corrections.h"

#include <algorithm>

#include "output/site_html.h"

namespace vindelkast {

namespace {

constexpr const char* kCorrected = "R\xc3\xa4ttat ";

// "22:41: giv 7"
std::string correctionText(const SiteView& view, int board) {
    return html(journalClock(view.correctedAt[board])) + ": giv " + std::to_string(board);
}

}  // namespace

void noteCorrections(SiteView& view, const std::vector<JournalEntry>& journal) {
    const auto published = std::find_if(journal.begin(), journal.end(), [](const JournalEntry& entry) {
        return entry.what == kPublishedWhat;
    });
    if (published == journal.end()) return;
    for (auto entry = std::next(published); entry != journal.end(); ++entry)
        for (int board : entry->boards)
            if (Contest::validBoard(board)) view.correctedAt[board] = entry->time;
}

std::string boardCorrectionLine(const SiteView& view, int board) {
    if (!view.shows(board) || view.correctedAt[board].empty()) return "";
    return "<p class=\"corr\">" + std::string(kCorrected) + correctionText(view, board) + "</p>\n";
}

std::string correctionsLine(const SiteView& view) {
    std::vector<int> boards;
    for (int b = 1; b < kBoardSlots; ++b)
        if (view.shows(b) && !view.correctedAt[b].empty()) boards.push_back(b);
    if (boards.empty()) return "";
    // Journal times sort as they were written ("2026-12-10 22:41:05"), across midnight too.
    std::stable_sort(boards.begin(), boards.end(),
                     [&view](int a, int b) { return view.correctedAt[a] < view.correctedAt[b]; });
    std::string line = "<p class=\"corr\">" + std::string(kCorrected);
    for (std::size_t i = 0; i < boards.size(); ++i) line += (i ? ", " : "") + correctionText(view, boards[i]);
    return line + "</p>\n";
}

}  // namespace vindelkast
