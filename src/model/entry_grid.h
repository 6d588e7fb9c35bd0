#pragma once

#include <string>
#include <vector>

#include "model/contest.h"

// The entry grid's shape and the boards it shows: rows and columns, the round on view,
// stepping between boards, the column headings, where the focus goes, and the grid's rows
// as typed.
namespace vindelkast {

// A board number the contest has (1..boardCount).
bool boardInContest(const Contest& contest, int board);
// A pair (player) number the contest has (1..the highest pair number).
bool pairInContest(const Contest& contest, int number);

// Score columns side by side in round-wise entry; a round with more boards is entered
// one board at a time.
constexpr int kMaxEntryColumns = 8;

struct EntryShape {
    int rows = 0;     // tables in play, more when some board holds more results
    int columns = 0;  // boards per round (5 when not set), at most kMaxEntryColumns
    bool individual = false;
    bool labelled = false;  // pairs shown by section labels ("B13"), wider than numbers
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

}  // namespace vindelkast
