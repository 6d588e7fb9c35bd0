#pragma once

#include <array>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

// Everything a Gröna Hissen draw decides from: the ranking, how often any two pairs have
// met, who has sat out, and the limits. Places are 1..placeCount, 1 the best.
struct DrawField {
    int placeCount = 0;
    std::array<int, kParticipantSlots> pairAt{};  // pair number at each place (0 = empty)
    std::array<std::array<int, kParticipantSlots>, kParticipantSlots> meetings{};  // by pair number
    std::array<bool, kParticipantSlots> satOut{};                                  // by pair number
    int byePair = 0;
    int meetingLimit = 2;  // ghVariant: 1, 2 or kManyMeetings
    int tableCount = 0;    // tables to seat

    // Whether the pairs at these places may be seated against each other (upper < lower):
    // they have met fewer times than the limit, and a pair that has sat out before is not
    // drawn against the bye pair again.
    bool allows(int upperPlace, int lowerPlace) const;
};

// One drawn table: the upper (better) place sits NS, the lower place EW.
struct DrawnTable {
    int upper = 0;
    int lower = 0;
    bool operator==(const DrawnTable&) const = default;
};

// Seats exactly `tableCount` tables. The result is the first seating in the order of the
// club's search: table 1 takes the best free place with the next free place it may meet,
// table 2 likewise among the places left, and when the tables left cannot all be seated
// the search goes back one table and tries that table's next partner. Tables that cannot
// lead to a full seating are never tried (a maximum matching of the free places tells),
// so the time stays small even when no seating exists. Empty when none exists.
std::vector<DrawnTable> seatTables(const DrawField& field);

}  // namespace vindelkast
