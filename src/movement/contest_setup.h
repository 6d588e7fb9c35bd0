#pragma once

#include <string>

#include "model/contest.h"

namespace vindelkast {

// The set-up panel as the window reads it when "Klar" is pressed: the four number fields
// as typed, the kind boxes and the contest's texts.
struct SetUpFields {
    std::string boards;             // EdGivar
    std::string rounds;             // EdRonder
    std::string maxPair;            // EdNrPar
    std::string byePair;            // EdFripar
    bool individual = false;        // ChkIndividuellt
    bool barometer = false;         // ChkBarometer
    bool withoutGuideCard = false;  // cBoxGuide ("utan guidekort")
    std::string contestName;        // EdContName
    std::string contestDate;        // EdDate
    std::string arranger;           // ComboBox2
};

// Completes the set-up ("Klar"): copies the texts, counts and kind into the contest,
// settles the bye pair, lays down the built-in movement when the contest has none yet and
// the director plays with a guide card, marks the contest set up and takes the bye pair's
// slots off the boards. Returns "" on success, else the message for a box titled
// kSetUpRefusedTitle; then the set-up panel stays open and the contest is not set up.
std::string completeSetUp(Contest& contest, const SetUpFields& fields);

inline const char* const kSetUpRefusedTitle = "Indata ej OK";
inline const char* const kFillInBoardsAndRounds = "Fyll i givar och ronder";
inline const char* const kTooManyPairs = "Max parnr f\xe5r vara h\xf6gst 72";
inline const char* const kByePairOutOfRange = "Nr fripar ska vara ett parnummer 1-72";

}  // namespace vindelkast
