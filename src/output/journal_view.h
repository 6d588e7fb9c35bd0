#pragma once

#include <string>
#include <vector>

#include "files/edit_journal.h"
#include "output/view_line.h"

// The journal as the window's "Ändringslogg" shows and prints it and the command line lists it.
namespace vindelkast {

// "NS 4 – ÖV 11: 420 » 450": what an entry changed, the part both sides share said once
// ("" when the entry shows nothing).
std::string journalChangeText(const JournalEntry& entry);
// Each day's heading, then one line an entry: time, source, what, and what it changed.
std::vector<ViewLine> journalLines(const std::vector<JournalEntry>& entries);

}  // namespace vindelkast
