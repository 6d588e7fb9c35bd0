#include "model/entry_rules.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <utility>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/result_order.h"
#include "model/standings.h"

namespace vindelkast {

namespace {

int lastBoard(const Contest& contest) { return std::clamp(contest.boardCount, 0, kMaxBoard); }

bool boardInContest(const Contest& contest, int board) { return board >= 1 && board <= lastBoard(contest); }

bool validNumber(const Contest& contest, int number) {
    return number >= 1 && number <= std::min(contest.maxPairNumber, kMaxPair);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Where a table sits at, as one pair (player) sees it: its partner (individual contests)
// and its opponents.
struct Company {
    int partner = 0;
    int low = 0;
    int high = 0;
    bool operator==(const Company&) const = default;
};

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

// ---- The grid and the boards on view ----

EntryShape entryShape(const Contest& contest) {
    EntryShape shape;
    int rows = contest.playingTableCount;
    for (int b = 1; b <= lastBoard(contest); ++b) rows = std::max(rows, contest.boards[b].resultCount);
    shape.rows = std::clamp(rows, 0, kMaxResults);
    shape.columns = std::min(contest.boardsPerRound > 0 ? contest.boardsPerRound : 5, kMaxEntryColumns);
    shape.individual = contest.isIndividual;
    return shape;
}

BoardSpan roundSpan(const Contest& contest, int board) {
    if (!boardInContest(contest, board)) return {};
    if (contest.boardsPerRound <= 0) return {board, board};
    return {firstBoardOfRound(contest, board),
            std::min(lastBoardOfRound(contest, board), lastBoard(contest))};
}

bool roundEntryPossible(const Contest& contest) {
    return contest.boardsPerRound >= 1 && contest.boardsPerRound <= kMaxEntryColumns;
}

BoardSpan boardsOnView(const Contest& contest, int board, bool roundMode) {
    if (!boardInContest(contest, board)) return {};
    if (roundMode && roundEntryPossible(contest)) return roundSpan(contest, board);
    return {board, board};
}

int slotRound(const Contest& contest, int board) {
    return contest.boardsPerRound > 0 ? roundOfBoard(contest, board) : board;
}

int boardAfterStep(const Contest& contest, int board, bool roundMode, int direction) {
    const int step = roundMode && roundEntryPossible(contest) ? contest.boardsPerRound : 1;
    const int next = board + direction * step;
    return boardInContest(contest, next) ? next : 0;
}

int mixedPairingsBoard(const Contest& contest, int board) {
    const BoardSpan span = roundSpan(contest, board);
    std::array<Company, kMaxPair + 1> seen{};
    std::array<bool, kMaxPair + 1> met{};
    // True when `number` sits in other company than on an earlier board.
    const auto moved = [&](int number, int partner, int opponent1, int opponent2) {
        if (number < 1 || number > kMaxPair) return false;
        const Company now{partner, std::min(opponent1, opponent2), std::max(opponent1, opponent2)};
        if (!met[number]) {
            met[number] = true;
            seen[number] = now;
            return false;
        }
        return !(seen[number] == now);
    };
    for (int b = span.first; b <= span.last; ++b) {
        const Board& bd = contest.boards[b];
        for (int i = 0; i < bd.resultCount; ++i) {
            const BoardResult& r = bd.results[i];
            bool mixed;
            if (contest.isIndividual) {
                mixed = moved(r.nsPair, r.nsPlayer2, r.ewPair, r.ewPlayer2) ||
                        moved(r.nsPlayer2, r.nsPair, r.ewPair, r.ewPlayer2) ||
                        moved(r.ewPair, r.ewPlayer2, r.nsPair, r.nsPlayer2) ||
                        moved(r.ewPlayer2, r.ewPair, r.nsPair, r.nsPlayer2);
            } else {
                mixed = moved(r.nsPair, 0, r.ewPair, 0) || moved(r.ewPair, 0, r.nsPair, 0);
            }
            if (mixed) return b;
        }
    }
    return 0;
}

std::string columnHeadings(int firstBoard, int count, bool roundMode) {
    if (!roundMode) return std::to_string(firstBoard);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2d", firstBoard);
    std::string text = buffer;
    for (int j = 1; j < count; ++j) {
        std::snprintf(buffer, sizeof buffer, "%7d", firstBoard + j);
        text += buffer;
        if (j % 2 == 1) text += ' ';
    }
    return text;
}

// ---- Typed scores ----

std::optional<int> wholeNumber(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Nine digits stay well inside an int; longer numbers are no score anyway.
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

int pairFieldNumber(std::string_view text, int maxPairNumber) {
    const auto number = wholeNumber(text);
    if (!number || *number < 1 || *number > std::min(maxPairNumber, kMaxPair)) return 0;
    return *number;
}

std::string scoreCellText(int nsScore) {
    if (nsScore < -9998) return "";
    if (nsScore < kAdjustedBase + 1) return std::to_string(nsScore);
    return adjustedScoreText(nsScore);
}

std::optional<int> letterScore(char key, int board) {
    const auto byte = static_cast<unsigned char>(key);
    if (byte == 0xA7) return 50;   // the section sign
    if (byte == 0xBD) return -50;  // the half sign
    const bool capital = key >= 'A' && key <= 'Z';
    const char small = capital ? static_cast<char>(key - 'A' + 'a') : key;
    if (small < 'a' || small > 'z') return std::nullopt;
    const bool vul = capital ? ewVulnerable(board) : nsVulnerable(board);
    int value = 0;
    switch (small) {
    case 'a':
        value = vul ? 600 : 400;
        break;
    case 'd':
        value = vul ? 630 : 430;
        break;
    case 'f':
        value = vul ? 640 : 440;
        break;
    case 'g':
        value = vul ? 650 : 450;
        break;
    case 'h':
        value = vul ? 660 : 460;
        break;
    case 'k':
        value = vul ? 680 : 480;
        break;
    case 'l':
        value = vul ? 690 : 490;
        break;
    case 's':
        value = vul ? 620 : 420;
        break;
    case 'b':
        value = 500;
        break;
    case 'c':
        value = 300;
        break;
    case 'e':
        value = 130;
        break;
    case 'i':
        value = 180;
        break;
    case 'j':
        value = 100;
        break;
    case 'm':
        value = 800;
        break;
    case 'n':
        value = 600;
        break;
    case 'o':
        value = 210;
        break;
    case 'q':
        value = 110;
        break;
    case 'r':
        value = 140;
        break;
    case 't':
        value = 150;
        break;
    case 'u':
        value = 170;
        break;
    case 'v':
        value = 400;
        break;
    case 'w':
        value = 120;
        break;
    case 'x':
        value = 200;
        break;
    case 'y':
        value = 160;
        break;
    case 'z':
        value = 100;
        break;
    default:
        return std::nullopt;  // p is not a shortcut
    }
    return capital ? -value : value;
}

FocusTarget focusAfterStore(int row, int column, int visibleColumns, int rows, bool nextRowNsEmpty,
                            bool firstRowNsEmpty) {
    if (column + 1 < visibleColumns) return {row, EntryField::Score, column + 1};
    if (row + 1 < rows) {
        if (nextRowNsEmpty) return {row + 1, EntryField::Ns, 0};
        return {row + 1, EntryField::Score, 0};
    }
    if (firstRowNsEmpty) return {0, EntryField::Ns, 0};
    return {0, EntryField::Score, 0};
}

// ---- The pair fields ----

PairFieldCheck checkPairFields(const std::vector<std::string>& texts) {
    PairFieldCheck check;
    std::map<int, int> counts;
    std::vector<std::optional<int>> numbers;
    numbers.reserve(texts.size());
    for (const std::string& text : texts) {
        numbers.push_back(wholeNumber(text));
        if (numbers.back()) ++counts[*numbers.back()];
    }
    check.states.assign(texts.size(), PairFieldState::Plain);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty()) continue;
        if (numbers[i] && counts[*numbers[i]] > 1) {
            check.states[i] = PairFieldState::Duplicate;
            check.duplicates = true;
        } else if (!numbers[i] || *numbers[i] < 1) {
            check.states[i] = PairFieldState::Invalid;
        }
    }
    return check;
}

// ---- The grid against the boards ----

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
            if (slot->nsScore < -9998) continue;
            cell.scored = true;
            cell.nsScore = slot->nsScore;
            cell.text = scoreCellText(slot->nsScore);
            cell.ink = slot->nsScore >= 0 ? ScoreInk::Plus : ScoreInk::Minus;
            cell.doubtful = checkPlausibility(slot->nsScore, board + k) != 0;
        }
    }
    return rows;
}

StoredScore storeTypedScore(Contest& contest, int board, const EntryRow& row, std::string_view text) {
    StoredScore out;
    if (!boardInContest(contest, board)) return out;
    Board& bd = contest.boards[board];
    BoardResult* slot = findResult(bd, row.ns, row.ew);
    if (!slot && row.seatsChange) slot = findResult(bd, row.ew, row.ns);
    if (!slot) return out;
    out.found = true;
    out.text = std::string(text);

    const auto number = wholeNumber(text);
    int value = number ? *number : parseAdjustedScore(text);
    // A typed number beyond the bridge scores would read as an adjusted-score code.
    int refused = number && (value < -9998 || value > 9999) ? value : 0;
    if (refused != 0) value = kNoScore;
    out.ink = text.empty() ? ScoreInk::Empty : value >= 0 ? ScoreInk::Plus : ScoreInk::Minus;

    if (validNumber(contest, row.ns) && validNumber(contest, row.ew)) {
        if (value > kNoScore && value < kAdjustedBase) {
            value = expandTypedScore(value);
            // Four typed digits would grow into an adjusted-score code.
            if (value < -9998 || value > 9999) refused = std::exchange(value, kNoScore);
        }
        if (refused != 0) {
            // The cell must not look stored: it shows nothing, and the director is told.
            out.refusal = "Ogiltigt resultat: " + std::to_string(refused);
            out.text.clear();
            out.ink = ScoreInk::Empty;
        }
        out.value = value;
        out.plausibility = checkPlausibility(value, board);
        setScore(*slot, value);
        contest.boardHasScores[board] = true;
        out.written = true;
        if (value != kNoScore) out.text = scoreCellText(value);
    }
    scoreBoard(bd);
    return out;
}

bool rowComplete(const Contest& contest, const EntryRow& row) {
    for (int number : rowNumbers(contest, row))
        if (!validNumber(contest, number)) return false;
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
        scoreBoard(bd);
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
            scoreBoard(contest.boards[b]);
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
    for (int b = span.first; b <= span.last; ++b) scoreBoard(contest.boards[b]);
    return stores;
}

int boardDisagreeingWithGrid(const Contest& contest, const EntryView& view) {
    const BoardSpan span = boardsOnView(contest, view.board, view.roundMode);
    for (int b = span.first; b <= span.last; ++b) {
        const Board& bd = contest.boards[b];
        int valid = 0;
        for (const EntryRow& row : view.rows) {
            if (!validNumber(contest, row.ns) || !validNumber(contest, row.ew)) continue;
            ++valid;
            if (!findResult(bd, row.ns, row.ew) && !(row.seatsChange && findResult(bd, row.ew, row.ns)))
                return b;
        }
        if (valid < bd.resultCount) return b;
    }
    return 0;
}

}  // namespace vindelkast
