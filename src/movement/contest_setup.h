#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

// One section of an evening to set up: the pairs that play in it, and the guide card its
// movement comes from (none: the request's card, else the built-in movement for its count).
struct SectionPlan {
    int pairs = 0;
    std::optional<std::string> guideCard;
};

// Everything a set-up is completed from, as the set-up panel shows it when "Klar" is
// pressed (and as `vindelkast-cli movement` takes it from its options).
struct SetUpRequest {
    std::string boards;             // EdGivar, as typed
    std::string rounds;             // EdRonder
    std::string maxPair;            // EdNrPar
    std::string byePair;            // EdFripar
    bool individual = false;        // ChkIndividuellt
    bool barometer = false;         // ChkBarometer
    bool gronaHissen = false;       // ChkGrHiss; a Gröna Hissen evening is a barometer too
    int ghVariant = 2;              // rbGHmax1 (1), rbGHmax2 (2), rbGHmany (kManyMeetings)
    bool teamContest = false;       // cbTeamContest
    bool handicap = false;          // CBHandicap
    bool withoutGuideCard = false;  // cBoxGuide ("utan guidekort")
    std::string contestName;        // EdContName
    std::string contestDate;        // EdDate
    std::string arranger;           // ComboBox2
    // A guide card file to read before "Klar", as the guide-card command would with this
    // file chosen; none when the window has chosen its card already or plays without.
    std::optional<std::string> guideCard;
    // Par/sektion: the sections in letter order, none for one field; matchpointed across the
    // field or each section among itself.
    std::vector<SectionPlan> sections;
    bool acrossField = true;
};

struct SetUpOutcome {
    std::string title;    // with a message: kSetUpRefusedTitle or kGuideCardRefusedTitle
    std::string message;  // "" when the contest is set up
    // Set up, but board 1 has no slots although the evening is played with a guide card:
    // no built-in movement fits and no card was read.
    bool lacksMovement = false;
};

// Completes the set-up: refuses contest texts that a contest file cannot hold, stores the
// kinds, reads the guide card when one is given, then ("Klar") copies the texts, counts and
// kind into the contest, settles the bye pair, lays down the built-in movement when the
// contest has none yet and the director plays with a guide card, marks the contest set up
// and takes the bye pair's slots off the boards. On a refusal the set-up panel stays open
// and the contest is not set up.
SetUpOutcome setUpContest(Contest& contest, const SetUpRequest& request);

struct GuideCardChoice {
    bool cardRead = false;  // a card was asked for; the contest's counts now come from it
    std::string message;    // "" or the message for a box titled kGuideCardRefusedTitle
    // The card seats one pair more than the odd field typed and no bye pair was typed: that
    // number sits out (0: none), as the bye pair field then shows.
    int sitOut = 0;
};

// The guide-card command ("Välj guidekort"): takes the counts from the request, lays down
// the built-in movement unless the director plays without a guide card and, when board 1
// still has no slots, asks `pickCard` for a file (given the dialog filter; "" when
// cancelled) and reads it. After a card was read the panel shows the contest's counts, and
// the bye pair when the card seats one more than an odd field typed.
GuideCardChoice chooseGuideCard(Contest& contest, const SetUpRequest& request,
                                const std::function<std::string(const std::string& filter)>& pickCard);

inline const char* const kSetUpRefusedTitle = "Indata ej OK";
inline const char* const kFillInBoardsAndRounds = "Fyll i givar och ronder";
inline const char* const kTooManyPairs = "Max parnr f\xe5r vara h\xf6gst 72";
inline const char* const kByePairOutOfRange = "Nr fripar ska vara ett parnummer 1-72";
inline const char* const kControlCharsInName =
    "T\xe4vlingens namn f\xe5r inte inneh\xe5lla radbrytningar eller styrtecken";
inline const char* const kControlCharsInDate =
    "T\xe4vlingens datum f\xe5r inte inneh\xe5lla radbrytningar eller styrtecken";
inline const char* const kControlCharsInArranger =
    "Arrang\xf6rens namn f\xe5r inte inneh\xe5lla radbrytningar eller styrtecken";

}  // namespace vindelkast
