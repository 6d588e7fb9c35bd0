#pragma once

// The rules of result entry that are plain logic. The entry panel reads its fields into an
// EntryView, calls these, and shows what they answer:
#include "model/entry_grid.h"   // the grid's shape and the boards on view
#include "model/row_commit.h"   // the grid against the boards: rows shown, rows committed
#include "model/typed_score.h"  // typed numbers, scores and letter shortcuts
