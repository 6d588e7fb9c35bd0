#include "output/journal_view.h"

#include <algorithm>

namespace vindelkast {

namespace {

constexpr std::size_t kSourceWidth = 11;
constexpr std::size_t kChangeIndent = 10;

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

}  // namespace

std::string journalChangeText(const JournalEntry& entry) {
    if (entry.before.empty() && entry.after.empty()) return "";
    const std::string none = "inget";
    if (entry.before.empty()) return entry.after;
    if (entry.after.empty()) return entry.before + " \xbb " + none;
    // Two results of the same pairs: the pairs once, then the scores.
    const std::size_t colon = entry.before.find(": ");
    if (colon != std::string::npos && entry.after.compare(0, colon + 2, entry.before, 0, colon + 2) == 0)
        return entry.before + " \xbb " + entry.after.substr(colon + 2);
    return entry.before + " \xbb " + entry.after;
}

std::vector<ViewLine> journalLines(const std::vector<JournalEntry>& entries) {
    std::vector<ViewLine> lines;
    if (entries.empty()) return {{"Inga \xe4ndringar \xe4r loggade."}};
    std::string day;
    for (const JournalEntry& entry : entries) {
        const std::string date = entry.time.substr(0, 10);
        if (date != day) {
            if (!day.empty()) lines.push_back({""});
            lines.push_back({date, Colour::Black, true});
            day = date;
        }
        // An undo and a redo stand out from the edits they take back or make again.
        const bool back = entry.what.rfind("\xc5ngrat", 0) == 0 || entry.what.rfind("Gjort om", 0) == 0;
        const Colour colour = back ? Colour::Blue : Colour::Black;
        lines.push_back({entry.time.substr(std::min<std::size_t>(11, entry.time.size())) + "  " +
                             padded(entry.source, kSourceWidth) + " " + entry.what,
                         colour});
        // What it changed under it, so that a line fits the pane and the page.
        if (const std::string change = journalChangeText(entry); !change.empty())
            lines.push_back({std::string(kChangeIndent, ' ') + change, colour});
    }
    return lines;
}

}  // namespace vindelkast
