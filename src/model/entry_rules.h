#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/contest.h"

// The rules of result entry that are plain logic: which boards the grid shows, what its
// cells hold, what a typed score or shortcut means, and how a row's pair numbers become
// result slots on the boards. The entry panel reads its fields into an EntryView, calls
// these, and shows what they answer.
namespace vindelkast {

// ---- The grid and the boards on view ----

// Score columns side by side in round-wise entry; a round with more boards is entered
// one board at a time.
constexpr int kMaxEntryColumns = 8;

struct EntryShape {
    int rows = 0;     // tables in play, more when some board holds more results
    int columns = 0;  // boards per round (5 when not set), at most kMaxEntryColumns
    bool individual = false;
    bool operator==(const EntryShape&) const = default;
};

// The grid the contest needs, so that every table of every board is within reach.
EntryShape entryShape(const Contest& contest);

struct BoardSpan {
    int first = 0;
    int last = -1;
    int count() const { return last >= first ? last - first + 1 : 0; }
    bool holds(int board) const { return board >= first && board <= last; }
};

// The boards of the round of `board` that the contest has (the board alone when the
// contest has no boards per round).
BoardSpan roundSpan(const Contest& contest, int board);
// The boards the grid shows: the round in round-wise entry, else the board alone.
BoardSpan boardsOnView(const Contest& contest, int board, bool roundMode);
// Round-wise entry needs 1..kMaxEntryColumns boards per round.
bool roundEntryPossible(const Contest& contest);
// The round number a new result slot on `board` gets.
int slotRound(const Contest& contest, int board);
// The board reached by one step back (-1) or forward (+1): a round in round-wise entry,
// else one board; 0 when that is outside the contest.
int boardAfterStep(const Contest& contest, int board, bool roundMode, int direction);

// The first board of the round of `board` on which some pair (player) meets another
// opponent (or, in an individual contest, sits with another partner) than on an earlier
// board of the round; 0 when the round keeps its pairings.
int mixedPairingsBoard(const Contest& contest, int board);

// The column headings: the board number, or in round-wise entry every board of the round.
std::string columnHeadings(int firstBoard, int count, bool roundMode);

// ---- Typed scores ----

// A whole number with an optional sign and blanks around it; nothing otherwise.
std::optional<int> wholeNumber(std::string_view text);
// A pair (player) number typed in the grid: 0 when empty, not a number, below 1 or above
// the highest pair number.
int pairFieldNumber(std::string_view text, int maxPairNumber);

// How a score cell's text is coloured.
enum class ScoreInk { Empty, Plus, Minus, Unscored };  // black, blue, lime, grey

// The text a cell shows for a stored NS score: empty for none, the adjusted-score marks
// for an adjusted score, else the number.
std::string scoreCellText(int nsScore);

// The score a letter (or the section sign, or the half sign) stands for on a board, as
// Windows-1252 bytes: small letters give NS plus scores, capitals EW plus scores.
std::optional<int> letterScore(char key, int board);

// Where the focus goes after a score was stored in (row, column).
enum class EntryField { Ns, Score };
struct FocusTarget {
    int row = 0;
    EntryField field = EntryField::Score;
    int column = 0;
    bool operator==(const FocusTarget&) const = default;
};
FocusTarget focusAfterStore(int row, int column, int visibleColumns, int rows, bool nextRowNsEmpty,
                            bool firstRowNsEmpty);

// ---- The pair fields ----

enum class PairFieldState { Plain, Duplicate, Invalid };
struct PairFieldCheck {
    std::vector<PairFieldState> states;  // one per field, in the order given
    bool duplicates = false;
};
// Every number typed in the pair fields of all rows: a number typed twice marks both
// fields, a text that is not a number above 0 marks its field; empty fields are plain.
PairFieldCheck checkPairFields(const std::vector<std::string>& texts);

// ---- The grid against the boards ----

// One row of the grid as typed; numbers are 0 when the field is empty or not valid.
struct EntryRow {
    int ns = 0;
    int ew = 0;
    int nsPartner = 0;                    // individual contest: South
    int ewPartner = 0;                    // individual contest: West
    bool seatsChange = false;             // the swap box is shown
    std::vector<std::string> scoreTexts;  // one per column, board on view first + k
};

struct EntryView {
    int board = 1;  // the current board; the first of its round in round-wise entry
    bool roundMode = false;
    std::vector<EntryRow> rows;
};

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

// The outcome of storing a cell's text as the score of the row's slot on a board.
struct StoredScore {
    bool found = false;    // the row's pairs hold a slot on the board
    bool written = false;  // the value went into the slot
    int value = kNoScore;  // the completed value
    std::string text;      // what the cell shows afterwards
    ScoreInk ink = ScoreInk::Empty;
    int plausibility = 0;  // checkPlausibility's answer
    std::string refusal;   // "Ogiltigt resultat: 12340" when a typed number was no bridge score
};
// Completes the typed value (42 -> 420), stores it and the EW score derived from it, marks
// the board as having scores and scores the board. A number beyond the bridge scores is
// stored as no score: the cell shows it unscored and `refusal` says why.
StoredScore storeTypedScore(Contest& contest, int board, const EntryRow& row, std::string_view text);

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
