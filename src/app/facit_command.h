#pragma once

#include "model/contest.h"

namespace vindelkast {

class Dialogs;
class PanePrinter;

// "Facitgivar": analyses the dealt boards that have no kept analysis on a thread of its own
// behind a progress dialog that can be cancelled ("Analyserar giv 12 av 36"), keeps what
// was analysed in the contest and prints the hand-record sheet. Returns true when the
// contest gained an analysis (it then needs saving).
bool runFacitgivar(Contest& contest, Dialogs& dialogs, PanePrinter& printer);

// "Exportera som PBN": the deals, kept analysis, score tables and standings as a PBN file.
void exportPbn(const Contest& contest, Dialogs& dialogs);

}  // namespace vindelkast
