#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "model/entry_grid.h"
#include "model/typed_score.h"

// The grid against the boards: what each row shows, and how a row's pair numbers become
// result slots on the boards (committing a row, laying the boards again from the grid).
namespace vindelkast {

// What a row of the grid shows when it is filled from the boards.
struct EntryCellContent {
    bool present = false;  // a slot holds the row's pairs on this column's board
    bool swapped = false;  // ... with the two pairs the other way round
    bool scored = false;
    int nsScore = kNoScore;
    std::string text;
    ScoreInk ink = ScoreInk::Unscored;
    bool doubtful = false;  // the score does not fit the board's vulnerability
};
struct EntryRowContent {
    bool present = false;
    int ns = 0;
    int ew = 0;
    int nsPartner = 0;
    int ewPartner = 0;
    bool seatsChange = false;
    std::vector<EntryCellContent> cells;  // one per column of the shape; unused ones empty
};
// Row r shows slot r of the board; in round-wise entry the rows follow the slots of the
// round's first board and each column the slot that holds the same two pairs.
std::vector<EntryRowContent> entryGridContents(const Contest& contest, int board, bool roundMode,
                                               const EntryShape& shape);

// A row holds every number it needs: NS and EW (and both partners in an individual contest).
bool rowComplete(const Contest& contest, const EntryRow& row);

// True when the current board holds the row's two pairs the other way round.
bool rowSeatsSwapped(const Contest& contest, const EntryView& view, int row);
// Seats the row's pairs as typed on the current board, or on every board of its round.
void seatRowAsTyped(Contest& contest, const EntryView& view, int row, bool wholeRound);

struct CellStore {
    int row = 0;
    int column = 0;
    StoredScore store;
};

enum class RowCommit {
    Incomplete,  // a number is missing: slots no row shows any more were taken off
    Swapped,     // the board holds the pairs the other way round; ask before changing
    Unchanged,   // the board already holds this pairing
    Added,       // a new slot, copied to the other boards of the round
    Rebuilt      // a typed pair played elsewhere on the board: the boards were laid again
};
struct RowCommitResult {
    RowCommit kind = RowCommit::Unchanged;
    bool changed = false;  // the contest changed
    std::vector<CellStore> stores;
};
// Commits the pair numbers of one row onto the boards; the grid must be free of
// duplicate numbers.
RowCommitResult commitRow(Contest& contest, const EntryView& view, int row);

// Takes off the current board (and in round-wise entry the rest of its round) every slot
// whose pairs no row shows; true when any was taken off.
bool removeStaleSlots(Contest& contest, const EntryView& view);

// Lays the boards on view again from the grid: every complete row gets its slot (seated
// as the board had it when it held those two pairs, else as typed) and its typed scores.
std::vector<CellStore> rebuildFromGrid(Contest& contest, const EntryView& view);

// The first board on view whose slots the grid does not show; 0 when all agree.
int boardDisagreeingWithGrid(const Contest& contest, const EntryView& view);

}  // namespace vindelkast
