#pragma once

#include <string>
#include <string_view>
#include <vector>

// Helpers for the small line-based side files kept beside the contest file.
namespace vindelkast {

// The longest side file read: far above what 71 boards of 72 results need.
inline constexpr std::size_t kMaxSideFileBytes = 512 * 1024;

// The lines of a text, without their CR LF or LF; empty lines dropped.
std::vector<std::string_view> sideFileLines(std::string_view text);
// The blank-separated words of a line.
std::vector<std::string_view> lineWords(std::string_view line);
// A whole number from lo to hi; false when the word is not one.
bool numberWord(std::string_view word, int lo, int hi, int& value);
// "Fel i FILE, rad N: WHAT".
std::string sideFileFault(const char* file, std::size_t line, const std::string& what);

// Removes the side file at `path`, where one left from before would be read with a contest
// that no longer has what it says; no file there is no fault. "" or the message.
std::string removeSideFile(const std::string& path);

}  // namespace vindelkast
