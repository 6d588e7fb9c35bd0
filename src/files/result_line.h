#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vindelkast {

// One result line of a contest file: board, NS, EW, (South, West in an individual contest),
// score, NS points, EW points; anything after the last field is ignored.
struct ResultLine {
    int board = 0;
    int ns = 0;
    int ew = 0;
    int south = 0;
    int west = 0;
    int score = 0;
    float nsPoints = 0.0f;
    float ewPoints = 0.0f;
    // Why the line cannot be used (empty when it can): unreadable, a pair number outside
    // 1..72 (South and West 0..72), a score outside -9999..10099, points outside
    // -9999..9999, or a board outside 1..71. The text names the line.
    std::string problem;
};

ResultLine parseResultLine(const std::vector<std::string_view>& words, const std::string& line,
                           bool individual);

}  // namespace vindelkast
