#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The set-up fields the guide-card command reads ("Välj guidekort", "Guidekort").
struct GuideCardFields {
    std::string boards;             // EdGivar
    std::string rounds;             // EdRonder
    std::string maxPair;            // EdNrPar
    std::string byePair;            // EdFripar
    bool withoutGuideCard = false;  // cBoxGuide
};

// What the window does next after startGuideCard.
struct GuideCardStart {
    bool needsCard = false;  // false: board 1 has its slots already, no dialog
    std::string filter;      // the open dialog's filter, such as "Guidekortsfiler (*.gui)|P8*.GUI"
};

// First half of the command: takes the counts from the fields, lays down the built-in
// movement unless the director plays without a guide card, and tells whether a card must
// still be chosen, and with which dialog filter.
GuideCardStart startGuideCard(Contest& contest, const GuideCardFields& fields);

// Second half, with the file chosen in the dialog (empty when it was cancelled): reads the
// card and copies its counts into the contest (highest pair number, boards, rounds, boards
// per round, individual or not, tables), also when a later record failed. Returns "" or
// the message for a box titled kGuideCardRefusedTitle; after a message another card may be
// chosen. On success the window writes the counts back into its fields.
std::string useGuideCard(Contest& contest, const std::string& fileName);

inline const char* const kGuideCardRefusedTitle = "Infilen ej OK";

}  // namespace vindelkast
