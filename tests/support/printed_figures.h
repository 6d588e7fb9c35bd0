#pragma once

#include <string>
#include <vector>

// What the program's printed standings and its XML exports say, read back for tests that hold
// them against figures of their own.
namespace vindelkast::test {

// One pair's line of the standings as `vindelkast-cli standings` prints them for pairs without
// names ("--"): the pair as shown ("B3"), its figure (matchpoints or IMPs) and its share
// (percentage, or IMPs a board).
struct PrintedStanding {
    std::string pair;
    double figure = 0, share = 0;
};
struct PrintedStandings {
    std::vector<PrintedStanding> lines;  // every list in order: each section's, then the field's
    std::vector<std::string> means;      // "A 288" for "Sektion A, medel 288"; "288" for the field's
};
PrintedStandings readPrintedStandings(const std::string& text);

// The text of every element <tag>...</tag> in order (elements without elements inside).
std::vector<std::string> xmlValues(const std::string& xml, const std::string& tag);
// The whole element that begins with `start` ("<SECTION SECTION_ID=\"B\""), up to its end tag.
std::string xmlPart(const std::string& xml, const std::string& start, const std::string& endTag);

}  // namespace vindelkast::test
