#pragma once

#include <map>
#include <string>
#include <vector>

#include "movement/movement_generator.h"
#include "movement/sectioned_setup.h"

namespace vindelkast {

// The guide cards of an evening in sections, by the pairs a section seats. One card serves
// every section of its count: a club plays the same movement in rooms of the same size, so
// the director chooses or makes it once.
using SectionCards = std::map<int, std::string>;

// A count of pairs whose sections need a guide card, and how the director is asked for it.
struct SectionCardQuestion {
    int pairs = 0;
    char firstSection = 'A';  // the first section of that count, named when its card is refused
    std::string caption;      // "Guidekort för sektion B (13 par)", "... för sektionerna A och B ..."
    std::string filter;       // the dialog's filter: "Guidekortsfiler (*.gui)|P14*.GUI;P13*.GUI"
};

// The counts, in the order of their first sections, that no card in `cards` serves and no
// built-in movement plays with the typed boards (none does when no boards are typed).
std::vector<SectionCardQuestion> sectionCardQuestions(const SetUpRequest& request,
                                                      const std::vector<int>& pairCounts,
                                                      const SectionCards& cards);

// Each section with its count's card, else with the built-in movement.
std::vector<SectionPlan> sectionPlans(const std::vector<int>& pairCounts, const SectionCards& cards);

// The guide-card dialog's filter for a section of `pairs` pairs: the cards that seat them
// (with an odd count, its sit-out too: "P14*.GUI") and the cards made for exactly that count
// ("P13_mitchell_7x3.gui").
std::string sectionCardFilter(int pairs);

// The movements "Skapa guidekort" makes, one for each count in the order of its first
// section: the kind proposed for that count, else the other, whichever plays the typed boards
// in the typed rounds. Where they are not typed, the first count's movement sets them for the
// others, since every section plays the same boards. A movement that could not be made
// carries its message, which names its sections.
std::vector<GeneratedMovement> sectionMovements(const std::vector<int>& pairCounts, int boards, int rounds);

// What a made card is for, for the director to read: "Guidekortet P13_mitchell_7x3.gui
// används för sektionerna A och B." and the movement's summary.
std::vector<std::string> sectionMovementSummary(const std::vector<int>& pairCounts,
                                                const GeneratedMovement& made);

inline const char* const kNoSectionCardNeeded =
    "Varje sektion har ett inbyggt spel f\xf6r sina par och givar; inget guidekort beh\xf6vs";

}  // namespace vindelkast
