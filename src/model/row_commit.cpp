#include "model/row_commit.h"

#include <algorithm>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/contest_scoring.h"
#include "model/possible_scores.h"
#include "model/result_order.h"

namespace vindelkast {

namespace {

bool shownByRow(const EntryView& view, const BoardResult& slot) {
    for (const EntryRow& row : view.rows) {
        if (row.ns == slot.nsPair && row.ew == slot.ewPair) return true;
        if (row.seatsChange && row.ns == slot.ewPair && row.ew == slot.nsPair) return true;
    }
    return false;
}

// True when `number` sits on the board in a slot other than `except`.
bool sitsElsewhere(const Contest& contest, const Board& board, int number, const BoardResult* except) {
    for (int i = 0; i < board.resultCount; ++i) {
        const BoardResult& r = board.results[i];
        if (&r == except) continue;
        if (r.nsPair == number || r.ewPair == number) return true;
        if (contest.isIndividual && (r.nsPlayer2 == number || r.ewPlayer2 == number)) return true;
    }
    return false;
}

std::vector<int> rowNumbers(const Contest& contest, const EntryRow& row) {
    if (contest.isIndividual) return {row.ns, row.ew, row.nsPartner, row.ewPartner};
    return {row.ns, row.ew};
}

void setPartners(BoardResult& slot, int south, int west) {
    slot.nsPlayer2 = south;
    slot.ewPlayer2 = west;
}

int columnOf(const EntryView& view, int board, const EntryRow& row) {
    const int column = board - view.board;
    return column >= 0 && column < static_cast<int>(row.scoreTexts.size()) ? column : -1;
}

void storeIfTyped(Contest& contest, const EntryView& view, int r, int board, std::vector<CellStore>& stores,
                  bool eitherSeating) {
    EntryRow row = view.rows[r];
    const int column = columnOf(view, board, row);
    if (column < 0 || row.scoreTexts[column].empty()) return;
    row.seatsChange = row.seatsChange || eitherSeating;
    stores.push_back({r, column, storeTypedScore(contest, board, row, row.scoreTexts[column])});
}

}  // namespace

std::vector<EntryRowContent> entryGridContents(const Contest& contest, int board, bool roundMode,
                                               const EntryShape& shape) {
    std::vector<EntryRowContent> rows(static_cast<std::size_t>(shape.rows));
    for (EntryRowContent& row : rows) row.cells.resize(static_cast<std::size_t>(shape.columns));
    const BoardSpan span = boardsOnView(contest, board, roundMode);
    if (span.count() == 0) return rows;
    const Board& first = contest.boards[board];
    const int count = std::min(shape.rows, first.resultCount);
    for (int r = 0; r < count; ++r) {
        const BoardResult& s = first.results[r];
        EntryRowContent& row = rows[r];
        row.present = true;
        row.ns = s.nsPair;
        row.ew = s.ewPair;
        if (contest.isIndividual) {
            row.nsPartner = s.nsPlayer2;
            row.ewPartner = s.ewPlayer2;
        }
        for (int k = 0; k < shape.columns && span.holds(board + k); ++k) {
            const Board& bd = contest.boards[board + k];
            const BoardResult* slot = k == 0 ? &s : findResult(bd, s.nsPair, s.ewPair);
            bool swapped = false;
            if (!slot) {
                slot = findResult(bd, s.ewPair, s.nsPair);
                swapped = slot != nullptr;
            }
            if (!slot) continue;
            EntryCellContent& cell = row.cells[k];
            cell.present = true;
            cell.swapped = swapped;
            row.seatsChange = row.seatsChange || swapped;
            if (!hasScore(slot->nsScore)) continue;
            cell.scored = true;
            cell.nsScore = slot->nsScore;
            cell.text = scoreCellText(slot->nsScore);
            cell.ink = slot->nsScore >= 0 ? ScoreInk::Plus : ScoreInk::Minus;
            cell.doubtful = checkPlausibility(slot->nsScore, board + k) != 0 ||
                            !impossibleScoreMessage(slot->nsScore).empty();
        }
    }
    return rows;
}

bool rowComplete(const Contest& contest, const EntryRow& row) {
    for (int number : rowNumbers(contest, row))
        if (!pairInContest(contest, number)) return false;
    return true;
}

bool rowSeatsSwapped(const Contest& contest, const EntryView& view, int row) {
    if (row < 0 || row >= static_cast<int>(view.rows.size()) || !boardInContest(contest, view.board))
        return false;
    const EntryRow& r = view.rows[row];
    return rowComplete(contest, r) && r.ns != r.ew && findResult(contest.boards[view.board], r.ew, r.ns);
}

void seatRowAsTyped(Contest& contest, const EntryView& view, int row, bool wholeRound) {
    if (row < 0 || row >= static_cast<int>(view.rows.size())) return;
    const EntryRow& r = view.rows[row];
    const BoardSpan span =
        wholeRound ? roundSpan(contest, view.board) : boardsOnView(contest, view.board, false);
    for (int b = span.first; b <= span.last; ++b) {
        Board& bd = contest.boards[b];
        BoardResult* slot = findResult(bd, r.ew, r.ns);
        if (!slot) continue;
        slot->nsPair = r.ns;
        slot->ewPair = r.ew;
        if (contest.isIndividual) setPartners(*slot, r.nsPartner, r.ewPartner);
        sortResults(bd);
        scoreContestBoard(contest, bd);
    }
}

RowCommitResult commitRow(Contest& contest, const EntryView& view, int r) {
    RowCommitResult result;
    if (r < 0 || r >= static_cast<int>(view.rows.size()) || !boardInContest(contest, view.board))
        return result;
    const EntryRow& row = view.rows[r];
    const int b = view.board;
    Board& board = contest.boards[b];

    if (!rowComplete(contest, row)) {
        result.kind = RowCommit::Incomplete;
        result.changed = removeStaleSlots(contest, view);
        return result;
    }
    if (rowSeatsSwapped(contest, view, r)) {
        result.kind = RowCommit::Swapped;
        return result;
    }
    const auto rebuild = [&] {
        result.kind = RowCommit::Rebuilt;
        result.stores = rebuildFromGrid(contest, view);
        result.changed = true;
        return result;
    };

    if (BoardResult* slot = findResult(board, row.ns, row.ew)) {
        result.kind = RowCommit::Unchanged;
        if (!contest.isIndividual || (slot->nsPlayer2 == row.nsPartner && slot->ewPlayer2 == row.ewPartner))
            return result;
        // New partners at a table: they must not sit at another table of the board.
        if (sitsElsewhere(contest, board, row.nsPartner, slot) ||
            sitsElsewhere(contest, board, row.ewPartner, slot))
            return rebuild();
        const BoardSpan span = boardsOnView(contest, b, view.roundMode);
        for (int ob = span.first; ob <= span.last; ++ob) {
            if (BoardResult* s = findResult(contest.boards[ob], row.ns, row.ew))
                setPartners(*s, row.nsPartner, row.ewPartner);
            else if (BoardResult* t = findResult(contest.boards[ob], row.ew, row.ns))
                setPartners(*t, row.ewPartner, row.nsPartner);
        }
        result.changed = true;
        return result;
    }

    for (int number : rowNumbers(contest, row))
        if (hasPair(board, number)) return rebuild();

    if (addResult(board, row.ns, row.ew, slotRound(contest, b), kNoScore, 0.0f, 0.0f, true) != 0)
        return result;
    BoardResult* added = findResult(board, row.ns, row.ew);
    if (!added) return result;
    if (contest.isIndividual) setPartners(*added, row.nsPartner, row.ewPartner);
    const BoardResult copy = *added;
    storeIfTyped(contest, view, r, b, result.stores, false);
    const BoardSpan round = roundSpan(contest, b);
    const BoardSpan onView = boardsOnView(contest, b, view.roundMode);
    for (int ob = round.first; ob <= round.last; ++ob) {
        if (ob == b) continue;
        copyResultTo(contest.boards[ob], copy);
        sortResults(contest.boards[ob]);
        if (onView.holds(ob)) storeIfTyped(contest, view, r, ob, result.stores, false);
    }
    // The slot the row showed before now belongs to no row.
    removeStaleSlots(contest, view);
    result.kind = RowCommit::Added;
    result.changed = true;
    return result;
}

bool removeStaleSlots(Contest& contest, const EntryView& view) {
    if (!boardInContest(contest, view.board)) return false;
    const BoardSpan span = boardsOnView(contest, view.board, view.roundMode);
    Board& board = contest.boards[view.board];
    bool removed = false;
    int i = 0;
    while (i < board.resultCount) {
        const BoardResult slot = board.results[i];
        if (shownByRow(view, slot)) {
            ++i;
            continue;
        }
        // Taking off the NS pair takes this slot off; the loop looks at index i again.
        for (int b = span.first; b <= span.last; ++b) {
            removePair(contest.boards[b], slot.nsPair);
            scoreContestBoard(contest, contest.boards[b]);
        }
        removed = true;
    }
    return removed;
}

std::vector<CellStore> rebuildFromGrid(Contest& contest, const EntryView& view) {
    std::vector<CellStore> stores;
    const BoardSpan span = boardsOnView(contest, view.board, view.roundMode);
    if (span.count() == 0) return stores;
    const int rowCount = static_cast<int>(view.rows.size());
    const int boards = span.count();

    // How each board seats the pairs of each row now, and the order key of their slot.
    std::vector<bool> swapped(static_cast<std::size_t>(rowCount * boards), false);
    std::vector<int> roundKey(static_cast<std::size_t>(rowCount * boards), 0);
    for (int r = 0; r < rowCount; ++r) {
        const EntryRow& row = view.rows[r];
        if (!rowComplete(contest, row)) continue;
        for (int k = 0; k < boards; ++k) {
            const Board& bd = contest.boards[span.first + k];
            const std::size_t at = static_cast<std::size_t>(r * boards + k);
            roundKey[at] = slotRound(contest, span.first + k);
            if (const BoardResult* same = findResult(bd, row.ns, row.ew)) {
                roundKey[at] = same->round;
            } else if (const BoardResult* other = findResult(bd, row.ew, row.ns)) {
                swapped[at] = true;
                roundKey[at] = other->round;
            }
        }
    }

    for (int b = span.first; b <= span.last; ++b) {
        Board& bd = contest.boards[b];
        for (int i = 0; i < bd.resultCount; ++i) bd.results[i] = BoardResult{};
        bd.resultCount = 0;
    }
    for (int r = 0; r < rowCount; ++r) {
        const EntryRow& row = view.rows[r];
        if (!rowComplete(contest, row)) continue;
        for (int k = 0; k < boards; ++k) {
            const int b = span.first + k;
            Board& bd = contest.boards[b];
            const std::size_t at = static_cast<std::size_t>(r * boards + k);
            const bool turn = swapped[at];
            const int ns = turn ? row.ew : row.ns;
            const int ew = turn ? row.ns : row.ew;
            bool placed = addResult(bd, ns, ew, roundKey[at], kNoScore, 0.0f, 0.0f, true) == 0;
            if (placed && contest.isIndividual) {
                for (int number : {row.nsPartner, row.ewPartner})
                    if (hasPair(bd, number)) placed = false;
                BoardResult* slot = findResult(bd, ns, ew);
                if (!placed && slot)
                    removePair(bd, ns);
                else if (slot)
                    setPartners(*slot, turn ? row.ewPartner : row.nsPartner,
                                turn ? row.nsPartner : row.ewPartner);
            }
            if (placed) storeIfTyped(contest, view, r, b, stores, true);
        }
    }
    for (int b = span.first; b <= span.last; ++b) scoreContestBoard(contest, contest.boards[b]);
    return stores;
}

int boardDisagreeingWithGrid(const Contest& contest, const EntryView& view) {
    const BoardSpan span = boardsOnView(contest, view.board, view.roundMode);
    for (int b = span.first; b <= span.last; ++b) {
        const Board& bd = contest.boards[b];
        int valid = 0;
        for (const EntryRow& row : view.rows) {
            if (!pairInContest(contest, row.ns) || !pairInContest(contest, row.ew)) continue;
            ++valid;
            if (!findResult(bd, row.ns, row.ew) && !(row.seatsChange && findResult(bd, row.ew, row.ns)))
                return b;
        }
        if (valid < bd.resultCount) return b;
    }
    return 0;
}

}  // namespace vindelkast
