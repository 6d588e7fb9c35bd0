#pragma once

#include <array>
#include <istream>
#include <string>

#include "model/contest.h"
#include "movement/movement.h"

namespace vindelkast {

using Boards = std::array<Board, kBoardSlots>;

// What reading a guide card gave: the message ("" on success) and whether the header was
// taken into the movement. A refused header leaves the movement as it was, and nothing
// of it may be copied into the contest.
struct GuideCardReading {
    std::string message;
    bool headerTaken = true;
};

// Reads a guide card ("*.gui": a header of pairs (negative for players of an individual
// card), boards, rounds and boards per round, then one record per table and round) into
// the movement and lays its empty result slots down on the boards. Slots laid down before
// a faulty record stay.
GuideCardReading readGuideCard(std::istream& in, Movement& movement, Boards& boards);

// The same from a file; "Inget filnamn" without a name, "Kan inte öppna filen" when it
// cannot be opened.
GuideCardReading readGuideCardFile(const std::string& fileName, Movement& movement, Boards& boards);

// The message alone, as the guide-card command shows it.
std::string readGuideCard(const std::string& fileName, Movement& movement, Boards& boards);

// The file name pattern the guide-card dialog offers: "P" (or "I" for an individual
// contest) and the even number of pairs (players) the card is for, such as "P8*.GUI".
// `typedPairs` is the number in the highest pair number field; 0 there means the
// contest's highest pair number. "*.GUI" when neither gives a number above 0.
std::string guideCardPattern(int typedPairs, int maxPairNumber, bool individual);

// The whole filter: "Guidekortsfiler (*.gui)|" and the pattern.
std::string guideCardFilter(int typedPairs, int maxPairNumber, bool individual);

}  // namespace vindelkast
