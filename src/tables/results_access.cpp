#include "tables/results_access.h"

#include <algorithm>

#include "model/evening_progress.h"
#include "movement/table_rounds.h"
#include "output/results_site.h"
#include "output/site_corrections.h"
#include "output/site_html.h"
#include "output/site_pages.h"
#include "tables/table_evening.h"

namespace vindelkast {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool isAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// "T-KOD": a table 1..36 and a code of letters and digits; false for anything else.
bool readLogin(std::string_view value, ResultsRequest& request) {
    const std::size_t dash = value.find('-');
    if (dash == 0 || dash > 2 || dash == std::string_view::npos) return false;
    int table = 0;
    for (char c : value.substr(0, dash)) {
        if (c < '0' || c > '9') return false;
        table = table * 10 + (c - '0');
    }
    const std::string_view code = value.substr(dash + 1);
    if (table < 1 || table > kMaxTables || code.empty() ||
        code.size() > static_cast<std::size_t>(std::max(kTableCodeLength, kDirectorCodeLength)))
        return false;
    for (char c : code)
        if (!isAlnum(c)) return false;
    request.table = table;
    request.code = std::string(code);
    return true;
}

// A page name as the site names its pages: lower-case letters, digits and dots.
bool isPageName(std::string_view name) {
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.')) return false;
    return true;
}

// The evening is over as the tables see it (eveningState). With a movement the tables follow,
// that is every laid slot scored, which is quicker to see than the rounds table by table; a
// page is answered for every phone that asks.
bool eveningOver(const Contest& contest, bool pairsTyped) {
    if (pairsTyped || contest.roundsDrawn()) return eveningState(contest, pairsTyped).over;
    return allResultsIn(contest);
}

// The boards a table has scored at its seats of every round so far.
std::vector<int> boardsPlayedAtTable(const Contest& contest, int table) {
    std::vector<int> boards;
    const std::vector<std::vector<TableSeat>> all = eveningTables(contest, false);
    for (const std::vector<TableSeat>& round : all)
        for (const TableSeat& seat : round) {
            if (seat.table != table) continue;
            for (int b : seat.boards)
                for (int i = 0; i < contest.boards[b].resultCount; ++i) {
                    const BoardResult& r = contest.boards[b].results[i];
                    if (r.nsPair == seat.nsPair && r.ewPair == seat.ewPair && hasScore(r.nsScore))
                        boards.push_back(b);
                }
        }
    return boards;
}

ResultsAnswer notFound(const Contest& contest) {
    SiteView served;
    served.linkToTable = true;
    return {404, sitePage("Sidan finns inte \x96 " + siteTitle(contest), siteNav(contest, served),
                          "<h1>Sidan finns inte</h1>\n")};
}

}  // namespace

ResultsRequest readResultsRequest(std::string_view path, std::string_view cookies) {
    ResultsRequest request;
    const std::string_view prefix = kResultsPrefix;
    if (path.size() > kMaxResultsPathBytes) return request;
    if (path == prefix.substr(0, prefix.size() - 1)) {
        request.path = ResultsPath::Redirect;
        return request;
    }
    if (path.substr(0, prefix.size()) != prefix || !isPageName(path.substr(prefix.size()))) return request;
    request.path = ResultsPath::Page;
    request.page = std::string(path.substr(prefix.size()));
    if (cookies.size() > kMaxResultsCookieBytes) return request;
    while (!cookies.empty()) {
        const std::size_t end = cookies.find(';');
        const std::string_view pair = trimmed(cookies.substr(0, end));
        cookies = end == std::string_view::npos ? std::string_view() : cookies.substr(end + 1);
        const std::size_t equals = pair.find('=');
        if (equals != std::string_view::npos && trimmed(pair.substr(0, equals)) == kResultsCookie &&
            readLogin(trimmed(pair.substr(equals + 1)), request))
            break;
    }
    return request;
}

int readingTable(TableService& service, const ResultsRequest& request, const std::string& client,
                 std::int64_t nowMs) {
    return request.table == 0 ? 0 : service.readerTable(request.table, request.code, client, nowMs);
}

std::vector<int> pairsAtTable(const Contest& contest, int table, bool pairsTyped) {
    std::vector<int> pairs;
    if (table == 0 || pairsTyped) return pairs;
    const auto seated = [&pairs](const TableSeat& seat) {
        for (int p : {seat.nsPair, seat.ewPair, seat.nsPartner, seat.ewPartner})
            if (p > 0 && std::find(pairs.begin(), pairs.end(), p) == pairs.end()) pairs.push_back(p);
    };
    const TableSeat seat = currentTableSeat(contest, table);
    seated(seat);
    // Between two rounds the pairs who played stay seated while the next ones sit down: neither
    // reads a board that one of them has still to play.
    for (int r = seat.round - 1; seat.table != 0 && r >= 1 && !seatStarted(contest, seat); --r)
        if (const TableSeat before = tableSeat(contest, table, r, false); before.table != 0) {
            seated(before);
            break;
        }
    return pairs;
}

SiteView readersView(const Contest& contest, bool pairsTyped, bool published, int table) {
    if (published || eveningOver(contest, pairsTyped)) return publishedView(contest);
    return tableView(contest, pairsAtTable(contest, table, pairsTyped),
                     table == 0 || pairsTyped ? std::vector<int>{} : boardsPlayedAtTable(contest, table));
}

ResultsAnswer resultsAnswer(const Contest& contest, const std::vector<JournalEntry>& journal, bool pairsTyped,
                            bool published, int table, std::string_view page) {
    SiteView view = readersView(contest, pairsTyped, published, table);
    view.linkToTable = true;
    noteCorrections(view, journal);
    std::string body = resultsPage(contest, view, page);
    if (body.empty()) return notFound(contest);
    return {200, std::move(body)};
}

}  // namespace vindelkast
