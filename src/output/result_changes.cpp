#include "output/result_changes.h"

#include <algorithm>
#include <optional>

#include "model/sections.h"
#include "model/typed_score.h"
#include "movement/table_rounds.h"

namespace vindelkast {

namespace {

bool sameResult(const BoardResult& a, const BoardResult& b) {
    return a.nsPair == b.nsPair && a.ewPair == b.ewPair && a.nsScore == b.nsScore && a.ewScore == b.ewScore &&
           a.nsPlayer2 == b.nsPlayer2 && a.ewPlayer2 == b.ewPlayer2;
}

// A slot of the movement that nobody has entered anything in shows as nothing.
std::string resultText(const Contest& contest, const BoardResult* result) {
    if (!result || (result->nsPair == 0 && result->ewPair == 0 && !hasScore(result->nsScore))) return "";
    std::string text =
        "NS " + pairLabel(contest, result->nsPair) + " \x96 \xd6V " + pairLabel(contest, result->ewPair);
    const std::string score = scoreCellText(result->nsScore);
    return text + ": " + (score.empty() ? "inget resultat" : score);
}

std::tuple<int, int, int> meetingKey(int board, int pairA, int pairB) {
    return {board, std::min(pairA, pairB), std::max(pairA, pairB)};
}

// The table where the two pairs of each board's result met, whichever way round they sat.
std::map<std::tuple<int, int, int>, int> meetingTables(const Contest& contest) {
    std::map<std::tuple<int, int, int>, int> tables;
    if (!tablesFollowMovement(contest)) return tables;
    for (const std::vector<TableSeat>& round : eveningTables(contest, false))
        for (const TableSeat& seat : round)
            for (const int board : seat.boards)
                tables.emplace(meetingKey(board, seat.nsPair, seat.ewPair), seat.table);
    return tables;
}

int tableOf(const std::map<std::tuple<int, int, int>, int>& tables, int board, const BoardResult& result) {
    const auto found = tables.find(meetingKey(board, result.nsPair, result.ewPair));
    return found == tables.end() ? 0 : found->second;
}

}  // namespace

ResultsSnapshot resultsSnapshot(const Contest& contest) {
    ResultsSnapshot snapshot;
    for (int b = 1; b <= kMaxBoard; ++b) {
        const Board& board = contest.boards[b];
        snapshot.boards[b].assign(board.results.begin(), board.results.begin() + board.resultCount);
    }
    snapshot.tables = meetingTables(contest);
    return snapshot;
}

std::vector<ResultChange> resultChanges(const ResultsSnapshot& before, const Contest& after) {
    std::vector<ResultChange> changes;
    std::optional<std::map<std::tuple<int, int, int>, int>> afterTables;
    for (int b = 1; b <= kMaxBoard; ++b) {
        const std::vector<BoardResult>& was = before.boards[b];
        const Board& board = after.boards[b];
        const std::size_t slots =
            std::max<std::size_t>(was.size(), static_cast<std::size_t>(board.resultCount));
        for (std::size_t i = 0; i < slots; ++i) {
            const BoardResult* old = i < was.size() ? &was[i] : nullptr;
            const BoardResult* now = static_cast<int>(i) < board.resultCount ? &board.results[i] : nullptr;
            if (old && now && sameResult(*old, *now)) continue;
            // Where the result was played as the movement had it before the edit; a new
            // meeting where the movement has it now.
            int table = old ? tableOf(before.tables, b, *old) : 0;
            if (table == 0 && now) table = tableOf(before.tables, b, *now);
            if (table == 0 && now) {
                if (!afterTables) afterTables = meetingTables(after);
                table = tableOf(*afterTables, b, *now);
            }
            ResultChange change{b, table > 0 ? tableLabel(after, table) : "", resultText(after, old),
                                resultText(after, now)};
            if (change.before != change.after) changes.push_back(std::move(change));
        }
    }
    return changes;
}

std::vector<int> changedBoards(const std::vector<ResultChange>& changes) {
    std::vector<int> boards;
    for (const ResultChange& change : changes)
        if (std::find(boards.begin(), boards.end(), change.board) == boards.end())
            boards.push_back(change.board);
    return boards;
}

std::string resultChangeName(const ResultChange& change) {
    std::string name = "resultat giv " + std::to_string(change.board);
    return change.table.empty() ? name : name + ", " + tableSource(change.table);
}

std::string tableSource(const std::string& table) { return "bord " + table; }

std::vector<JournalEntry> editEntries(const EditTold& edit, const std::vector<ResultChange>& changes) {
    // More results than this changed at once (an import, a levelling) are told as one entry.
    constexpr std::size_t kMostListed = 12;
    const std::vector<int> boards = changedBoards(changes);
    const std::string source = edit.source.empty() ? "borden" : edit.source;
    std::vector<JournalEntry> entries;
    if (!edit.what.empty()) {
        entries.push_back({edit.time, source, edit.what, edit.before, edit.after, boards});
        if (edit.showsItself || changes.size() > kMostListed) return entries;
    } else if (changes.size() > kMostListed) {
        std::string named;
        for (const int board : boards) named += (named.empty() ? "" : ", ") + std::to_string(board);
        return {{edit.time, source, "resultat giv " + named, "", "", boards}};
    }
    for (const ResultChange& change : changes) {
        // A table's result comes from that table's phone.
        const std::string from = !edit.source.empty()    ? edit.source
                                 : !change.table.empty() ? tableSource(change.table)
                                                         : source;
        entries.push_back(
            {edit.time, from, resultChangeName(change), change.before, change.after, {change.board}});
    }
    return entries;
}

}  // namespace vindelkast
