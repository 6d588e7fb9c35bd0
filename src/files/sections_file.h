#pragma once

#include <string>
#include <string_view>

#include "model/contest.h"

// An evening's sections in a file of their own beside the contest file ("NAME.sektion"): the
// contest file numbers the pairs 1..N as every reader knows it, so which numbers make up
// section A, B ... and how the sections are matchpointed travel beside it.
//   %SEKTIONER 1
//   OVER-FALTET              matchpoints across the field (else SEKTIONSVIS: per section)
//   A 1 16                   a section's letter and its first and last pair number
//   B 17 34
// An evening of one section writes no file, and a file left from a sectioned evening goes.
namespace vindelkast {

inline constexpr const char* kSectionsExtension = ".sektion";

// The whole file as text (Windows-1252, CR LF), or "" when the evening has no sections.
std::string writeSections(const Contest& contest);

// Sets the contest's sections from the file. Returns "" or the message; the contest is then
// left as it was.
std::string readSections(Contest& contest, std::string_view text);

}  // namespace vindelkast
