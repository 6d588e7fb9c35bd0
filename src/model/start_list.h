#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/contest.h"

namespace vindelkast {

// The start list: for every participant number 1..72 the persons who sit under it. These
// operations never touch a number outside 1..72.

// Seats `member` as the first (column 0) or second (column 1) person of participant
// `number` and raises participantCount to that number; a real person seated under the bye
// pair ends its bye role (no bye pair, no "fripar" left there). Then, whether or not a member was
// given: when the first person of participant participantCount is the bye person, that
// number becomes the bye pair, and maxPairNumber grows to participantCount.
void seatMember(Contest& contest, Member* member, int number, int column);

// One place of a random seating: with `freeCount` places left, `drawn` (0..freeCount-1)
// picked the drawn+1-th free place `to` for the participant that stood under `from`.
struct SeatingDraw {
    int freeCount = 0;
    int drawn = 0;
    int from = 0;
    int to = 0;
};

// The line the standings pane shows for a draw: "8 3 1 4".
std::string seatingDrawLine(const SeatingDraw& draw);

// Seats participants 1..participantCount at random: frozen participants, and entries that
// hold only a second person, keep their numbers; every other entry with a first person goes
// to the place that `random()` (any value >= 0, taken modulo the free places) picks among the
// places still free, in the order of the old numbers. The bye person's new number becomes
// the bye pair. Returns the draws made.
std::vector<SeatingDraw> shuffleStartList(Contest& contest, const std::function<int()>& random);

// Exchanges both persons of participants a and b; a number whose first person is then the
// bye person becomes the bye pair.
void swapParticipants(Contest& contest, int a, int b);

// Takes participant p out: the participants after it, up to participantCount, move one
// number up (both persons; only the first in an individual contest), the last entry is
// emptied and participantCount drops by one. Frozen marks stay with the numbers. Nothing
// happens when p is not a participant.
void deleteParticipant(Contest& contest, int p);

// Deletes the persons under the given numbers (in any order), as marked before any of them
// moved. The bye pair follows its entry when participants before it go (also when it lies
// beyond participantCount), and there is no bye pair any more when it is deleted itself.
// Afterwards maxPairNumber is participantCount.
void deleteParticipants(Contest& contest, std::vector<int> numbers);

// Freezes a participant against random seating, or thaws a frozen one.
void toggleFrozen(Contest& contest, int number);

}  // namespace vindelkast
