#pragma once

#include <istream>
#include <string>

#include "model/contest.h"

namespace vindelkast {

// What adding the results of another contest file came to.
struct AddedResults {
    enum class Kind {
        Added,       // read to its end (results may still be none)
        Refused,     // a pair sat twice on an empty board; reading stopped, earlier results stay
        NotOpen,     // the file could not be read: nothing added
        NotContest,  // not a contest file, or not of the open contest's kind: nothing added
    };
    Kind kind = Kind::Added;
    int added = 0;
    // The refusal ("Fel i infilen. Par ..."), why the file could not be used, or what was
    // left out (unreadable lines, a closing line that was not taken over). Shown before
    // the count message.
    std::string problem;
    // The counts before and after the closing line was taken over; equal when it was not.
    int boardsBefore = 0, boardsAfter = 0;
    int roundsBefore = 0, roundsAfter = 0;
};

// Takes the results of the other file's boards that hold no scored result in `contest`:
// into the existing slots when the board has slots (matched by NS and EW pair), as new
// slots when it has none. Points are taken as they are. The file's closing line sets the
// board and round counts when they are sound (boards 1..71, rounds 1..boards).
AddedResults addResultsFromStream(Contest& contest, std::istream& in);
AddedResults addResultsFromFile(Contest& contest, const std::string& fileName);

// "Adderade inga resultat", or "Adderade 5  resultat" (the program's own format).
std::string addedResultsMessage(int count);
// The count message, followed by what the other file's closing line changed:
// "Adderade 6  resultat. Antal givar ändrat från 21 till 27."
std::string addedResultsMessage(const AddedResults& added);

}  // namespace vindelkast
