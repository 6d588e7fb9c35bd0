#include "output/results_site.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <system_error>

#include "files/file_platform.h"
#include "files/safe_write.h"
#include "model/team_matches.h"
#include "output/site_corrections.h"
#include "output/site_facts.h"
#include "output/site_html.h"
#include "output/site_pages.h"

namespace vindelkast {

namespace {

// Pages an earlier, larger site left behind: its pairs and boards that are gone now. One
// that cannot be removed would show players an evening that is not this one: it is named.
std::string removeStalePages(const std::string& folder, const std::vector<SitePage>& pages) {
    namespace fs = std::filesystem;
    std::set<std::string> current;
    for (const SitePage& page : pages) current.insert(page.file);
    static const std::regex ours("(par|giv|rond)[0-9]{1,2}\\.html");
    std::error_code error;
    std::string left;
    fs::directory_iterator entry(filePath(folder), error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!std::regex_match(name, ours) || current.count(name)) continue;
        std::error_code removing;
        if (entry->symlink_status(removing).type() == fs::file_type::directory ||
            !fs::remove(entry->path(), removing))
            left += (left.empty() ? "" : ", ") + name;
    }
    if (error) return "Kunde inte ta bort gamla sidor i mappen " + pathText(folder);
    if (!left.empty()) return "Kunde inte ta bort gamla sidor i mappen " + pathText(folder) + ": " + left;
    return "";
}

// The number in "par11.html" or "giv5.html" after `prefix`: 1..99 without a leading zero,
// else 0.
int numberIn(std::string_view file, std::string_view prefix) {
    constexpr std::string_view suffix = ".html";
    if (file.size() < prefix.size() + suffix.size() + 1 || file.substr(0, prefix.size()) != prefix ||
        file.substr(file.size() - suffix.size()) != suffix)
        return 0;
    const std::string_view digits = file.substr(prefix.size(), file.size() - prefix.size() - suffix.size());
    if (digits.size() > 2 || digits.front() == '0') return 0;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace

std::string resultsPage(const Contest& contest, const SiteView& view, std::string_view file) {
    if (contest.teams.any()) {
        if (file.empty() || file == kStandingsFile) return teamStandingsPage(contest, view);
        if (const int board = numberIn(file, "giv"); board >= 1 && board <= contest.lastBoard())
            return boardPage(contest, view, board);
        const int round = numberIn(file, "rond");
        return round >= 1 && round <= drawnTeamRounds(contest) ? teamRoundPage(contest, view, round) : "";
    }
    if (file.empty() || file == kStandingsFile) return standingsPage(contest, siteFacts(contest, view), view);
    if (const int board = numberIn(file, "giv"); board >= 1 && board <= contest.lastBoard())
        return boardPage(contest, view, board);
    const int pair = numberIn(file, "par");
    if (!Contest::validPair(pair)) return "";
    const SiteFacts facts = siteFacts(contest, view);
    return facts.published[pair] ? pairPage(contest, facts, view, pair) : "";
}

std::vector<SitePage> resultsSite(const Contest& contest, const SiteView& view) {
    if (contest.teams.any()) {
        std::vector<SitePage> pages{{kStandingsFile, teamStandingsPage(contest, view)}};
        for (int round = 1; round <= drawnTeamRounds(contest); ++round)
            pages.push_back({roundFile(round), teamRoundPage(contest, view, round)});
        for (int b = 1; b <= contest.lastBoard(); ++b)
            if (view.shows(b)) pages.push_back({boardFile(b), boardPage(contest, view, b)});
        return pages;
    }
    const SiteFacts facts = siteFacts(contest, view);
    std::vector<SitePage> pages;
    pages.push_back({kStandingsFile, standingsPage(contest, facts, view)});
    for (int pair = 1; pair <= kMaxPair; ++pair)
        if (facts.published[pair]) pages.push_back({pairFile(pair), pairPage(contest, facts, view, pair)});
    for (int b = 1; b <= contest.lastBoard(); ++b)
        if (view.shows(b)) pages.push_back({boardFile(b), boardPage(contest, view, b)});
    return pages;
}

std::string writeResultsSite(const Contest& contest, const std::vector<JournalEntry>& journal,
                             const std::string& folder) {
    // The folder's name stays UTF-8 for the writes; filePath gives it to the file system.
    const std::filesystem::path path = filePath(folder);
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error || !std::filesystem::is_directory(path, error))
        return "Kunde inte skapa mappen " + pathText(folder);
    // The folder is the contest as it stands; what its readers need to know is which boards
    // differ from what they may have read before. Writing the folder is itself what publishes
    // the results (the window opens the phones' pages to all right after it), so the first
    // folder has no corrections and one written again names the boards changed since: the
    // same boards, with the same times, as the phones' pages.
    SiteView view = publishedView(contest);
    noteCorrections(view, journal);
    std::vector<SitePage> pages = resultsSite(contest, view);
    std::vector<std::pair<std::string, std::string>> files;
    files.reserve(pages.size());
    const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
    for (SitePage& page : pages) files.emplace_back(prefix + page.file, std::move(page.text));
    std::string message = writeTextsSafely(files);
    if (!message.empty()) return message;
    return removeStalePages(folder, pages);
}

}  // namespace vindelkast
