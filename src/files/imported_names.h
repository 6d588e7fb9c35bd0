#pragma once

#include <string>
#include <string_view>

#include "files/imported_session.h"
#include "model/member_register.h"

// Names written by other programs, made members of the register.
//
// Other programs write a person first name first ("Anna Maria Andersson"); the register and
// the start list write the surname first and find a person again by that long name. A start
// list line is read back through the register's line format: the first word is the surname,
// the first name runs to the first digit, "+" or "-digit" after it, and the rest is the
// identity number and handicap. So a name with a digit after its first word ("Anna 2 Berg",
// "Player 12") would come back shorter, with a made-up identity number, and a pair line
// holding " /" would split in the wrong place.
//
// Such a name keeps its words, but the blanks that the line format would misread become
// no-break spaces (Windows-1252 0xA0): the name looks exactly as the file wrote it on screen,
// on paper and in every export, and it is one word to the line format, whose first word is
// the surname whatever it holds. The first name's blanks are turned first ("Berg Anna 2"),
// the whole name only when that is not enough ("Player 12"). A name that begins with "#"
// (a remark to the register) or that is "fripar" (the bye person) gets a no-break space in
// front. A one-word name needs nothing: it is a surname with no first name, which the line
// format already holds.
namespace vindelkast {

inline constexpr char kNoBreakSpace = '\xa0';

// The member for a name as another program writes it: the last word is the surname when it
// holds a letter, else the whole name is; then made to read back as described above.
// An empty name (or "--") gives a member with an empty surname.
Member memberFromForeignName(std::string_view name);

// Whether a member's long name reads back unchanged from a start list and from the register.
bool nameReadsBack(const Member& member);

// A member's name the way other programs write it: first name, blank, surname.
std::string foreignName(const Member& member);

// The register's member for a player of the file: found by the name in either order, then by
// national number; otherwise a new member appended to the register. nullptr for a player
// without a name. A note tells what was changed or found under another name.
Member* registerMemberFor(MemberRegister& reg, const ImportedPlayer& player, int line,
                          std::vector<ImportNote>& notes);

}  // namespace vindelkast
