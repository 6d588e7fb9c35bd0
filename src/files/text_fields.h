#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vindelkast {

// Small, locale-independent readers and writers shared by the file formats.

// Splits at blanks, tabs, CR and LF.
std::vector<std::string_view> splitWords(std::string_view text);
// A whole word as an integer ("+12" and "-3" too); nothing when it is not one.
std::optional<int> parseInt(std::string_view word);
// Leading sign and digits of a word, the rest ignored ("12abc" → 12); nothing without digits.
std::optional<int> parseLeadingInt(std::string_view word);
// A whole word as a finite real ("nan" and "inf" are not numbers in our files).
std::optional<double> parseReal(std::string_view word);
// The same within the range of a single-precision real (matchpoints).
std::optional<float> parseFloat(std::string_view word);
// A text read as a whole number the way the window's fields are: 0 when it is not one.
int intOrZero(std::string_view text);
// A real in general format with at most six significant digits: 3.5, 10, -9999.
std::string formatGeneral(double value);
// Right-aligned in `width` characters. Unless it is the first field of its line, a value that
// fills or overflows its field gets one separating blank in front, so that it never touches
// the field before it and the line still reads back.
std::string rightAligned(std::string_view text, int width, bool firstField = false);
// The same written at `at`, which has room for width + text.size() + 1 characters; returns
// the end. Writers of many lines build each in place with it.
char* putRightAligned(char* at, std::string_view text, int width, bool firstField = false);
// Removes a trailing CR (files may end their lines with CR LF or LF).
void chompCr(std::string& line);
std::string trimRight(std::string_view text);

}  // namespace vindelkast
