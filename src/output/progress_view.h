#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "output/view_line.h"

namespace vindelkast {

// How many progress cells the grid shows: pair (player) numbers in a barometer contest,
// boards otherwise.
int progressCellCount(const Contest& contest);

// The grid's caption when F8 shows it: "Inmatade par: (F8)" or "Beh. givar: (F8)".
std::string progressCaption(const Contest& contest);

// The caption after a refresh: in a barometer contest "  Inmatade par: " (or
// "  Inmatade spelare: " in an individual one); otherwise progressCaption.
std::string progressRefreshCaption(const Contest& contest);

struct ProgressCell {
    Colour colour = Colour::White;
    bool visible = true;
};

// True when a number typed in the entry grid may stay there: numbers above maxPairNumber
// are cleared from their field and count as nothing.
bool progressNumberAllowed(const Contest& contest, int number);

// Cells 1..progressCellCount (element 0 is cell 1). Boards: white without a scored
// result, blue when it is complete (boardComplete: every slot the movement laid is
// scored), red in between. Barometer: blue for
// each number among `typedNumbers` (the pair or player numbers in the entry fields of the
// current round), white otherwise; the bye pair's cell is hidden.
std::vector<ProgressCell> progressCells(const Contest& contest, const std::vector<int>& typedNumbers);

}  // namespace vindelkast
