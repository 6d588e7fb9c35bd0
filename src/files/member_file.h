#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "model/member_register.h"

namespace vindelkast {

// One line of "medlem.txt": surname, first name (one or more words), identity number,
// handicap. Also builds a member from a name that a contest file holds.
Member parseMemberLine(std::string_view line);

// The writer's form: long name, identity number, handicap (no line end).
std::string memberLine(const Member& member);

// Reads a register file: entry 0 becomes the bye person, then one entry per member line.
// Returns the member count (0, register untouched, when the file cannot be opened).
int loadRegister(const std::string& fileName, MemberRegister& reg);

// A register file's bytes as the program holds them (Windows-1252, as the file should be).
// A file saved as UTF-8, as most editors save today, is known by letters beyond ASCII that
// are all valid UTF-8 (Windows-1252 names never are) or by its byte-order mark, which is
// skipped; a character Windows-1252 lacks becomes "?".
std::string registerText(std::string_view bytes);

// How a register file is written: the club may keep it in an editor, which should find it
// as it left it. A file with no line end yet (or no file) takes the program's own form,
// Windows-1252 with CR LF.
struct RegisterForm {
    bool utf8 = false;
    std::string lineEnd = "\r\n";
};
RegisterForm registerForm(std::string_view bytes);
// One line of the program's text (Windows-1252, no line end) as the file's bytes, line end
// included.
std::string registerLineBytes(std::string_view line, const RegisterForm& form);

// The members of a register file's lines, in file order (comment lines skipped).
std::vector<Member> readMemberLines(std::istream& in);

// A whole register file as the program writes it: entries 1.. in the writer's form, CR LF.
std::string registerFileText(const MemberRegister& reg);

// A start list writes a pair as its two long names around " / ", so a name that holds " /"
// could not be read back as the person it is. Returns "" for a name a person can have, else
// the message naming it.
std::string pairSeparatorMessage(std::string_view name);

// True for a line that holds no member: empty after leading white space, or a "#" remark.
bool isRegisterComment(std::string_view line);

}  // namespace vindelkast
