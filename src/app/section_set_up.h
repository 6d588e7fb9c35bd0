#pragma once

#include <optional>
#include <vector>

#include "app/set_up_panel.h"
#include "movement/section_cards.h"

namespace vindelkast {

class Dialogs;
class MemberRegister;

// The set-up panel's fields as the core completes a set-up from them.
SetUpRequest setUpRequestFrom(const SetUpChoices& shown);

// The window's part in setting up an evening in sections: it asks the director and shows
// what the core decided (movement/section_cards.h).

// The pair counts typed in Par/sektion, empty for one field; nothing when they cannot be
// sections, which the director is told.
std::optional<std::vector<int>> typedSections(const SetUpChoices& shown, Dialogs& dialogs);

// Asks for the guide card of every count in `questions` and tries each chosen card on its
// first section; a refused card is told. "Klar" (`wholeSetUp`) stops at a cancel or a refusal
// and returns false; "Välj guidekort" goes on with the next count and keeps the earlier card.
bool askSectionCards(const std::vector<SectionCardQuestion>& questions, const SetUpRequest& request,
                     MemberRegister& reg, Dialogs& dialogs, SectionCards& cards, bool wholeSetUp);

// "Välj guidekort" with sections: a card for every count no built-in movement plays, shown
// in the panel for "Klar".
void chooseSectionCards(SetUpPanel& panel, Dialogs& dialogs, MemberRegister& reg,
                        const std::vector<int>& sizes);

// "Skapa guidekort" with sections: one card made and saved in the working folder for each
// count, shown in the panel for "Klar".
void createSectionCards(SetUpPanel& panel, Dialogs& dialogs, const std::vector<int>& sizes);

}  // namespace vindelkast
