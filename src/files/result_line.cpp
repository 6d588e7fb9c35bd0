#include "files/result_line.h"

#include <optional>

#include "files/text_fields.h"
#include "model/contest.h"

namespace vindelkast {

namespace {

// No score, a bridge score, or an adjusted-score code (10000 and the two sides' shares).
bool holdsScore(int score) { return score >= kNoScore && score < kAdjustedBase + 100; }
// Matchpoints, or the -9999 of a side without a score; the views count in whole numbers.
bool holdsPoints(float points) { return points >= kNoPoints && points <= -kNoPoints; }

}  // namespace

ResultLine parseResultLine(const std::vector<std::string_view>& words, const std::string& line,
                           bool individual) {
    ResultLine r;
    const std::size_t pairFields = individual ? 4 : 2;
    std::vector<int> numbers;
    for (std::size_t i = 0; i < pairFields + 2 && i < words.size(); ++i) {
        const auto value = parseInt(words[i]);
        if (!value) break;
        numbers.push_back(*value);
    }
    const auto nsPoints = words.size() > pairFields + 2 ? parseFloat(words[pairFields + 2]) : std::nullopt;
    const auto ewPoints = words.size() > pairFields + 3 ? parseFloat(words[pairFields + 3]) : std::nullopt;
    if (numbers.size() < pairFields + 2 || !nsPoints || !ewPoints) {
        r.problem = "Ol\xe4sbar resultatrad: " + line;
        return r;
    }
    r.board = numbers[0];
    r.ns = numbers[1];
    r.ew = numbers[2];
    r.south = individual ? numbers[3] : 0;
    r.west = individual ? numbers[4] : 0;
    r.score = numbers[pairFields + 1];
    r.nsPoints = *nsPoints;
    r.ewPoints = *ewPoints;
    for (std::size_t i = 1; i <= pairFields; ++i) {
        // South and West of an individual contest may be 0: partners not known yet.
        const int lowest = i <= 2 ? 1 : 0;
        if (numbers[i] < lowest || numbers[i] > kMaxPair) {
            r.problem = "Parnummer utanf\xf6r 1..72 p\xe5 raden: " + line;
            return r;
        }
    }
    if (!holdsScore(r.score) || !holdsPoints(r.nsPoints) || !holdsPoints(r.ewPoints)) {
        r.problem = "Score eller po\xe4ng som ingen t\xe4vling kan ha p\xe5 raden: " + line;
        return r;
    }
    if (!Contest::validBoard(r.board))
        r.problem =
            "Resultat f\xf6r giv " + std::to_string(r.board) + " l\xe4stes inte (givarna \xe4r 1..71).";
    return r;
}

}  // namespace vindelkast
