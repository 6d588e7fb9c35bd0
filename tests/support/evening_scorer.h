#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

// A second scorer of a pairs evening, written from the club's rules and not from the
// program's code, for whole evenings to be held against: it shares nothing with the program
// but the results the tables gave.
namespace vindelkast::test {

enum class Scoring { Linear, Neuberg, CrossImps, Butler };

// One table's result on a board: North-South's bridge score, or an adjusted score given as
// each side's percentage, or nothing (the board was not played there).
struct TableResult {
    int board = 0, ns = 0, ew = 0;
    bool played = true;
    int nsScore = 0;
    bool adjusted = false;
    int nsPercent = 0, ewPercent = 0;
};

// Every table's result, by board, NS pair and EW pair.
using TableResults = std::map<std::array<int, 3>, TableResult>;

struct EveningRules {
    // The pairs that play in each section (one section: the whole field); a sit-out is in none.
    std::vector<std::vector<int>> sections;
    bool acrossField = true;  // with sections: compare every section's results on a board
    Scoring scoring = Scoring::Linear;
    bool levelled = false;  // the director raised the boards played fewer times within a section
};

struct EveningFigures {
    std::map<std::array<int, 3>, std::array<double, 2>> points;  // {board, ns, ew}: NS's and EW's
    std::map<int, double> total;  // matchpoints made up for missed boards and cut to a tenth; IMPs
    std::map<int, int> boards;    // the boards a pair has points on
    std::map<int, double> percent;
    std::vector<int> mean;  // each section's average pair, in matchpoints
    bool evenPlay = true;   // every pair has points on as many boards
    int raisedBoards = 0;   // boards raised in some section (or field) to its most-played count
};

EveningFigures scoreEvening(const EveningRules& rules, const TableResults& results);

// The IMPs a score difference is worth on the international scale.
int impsFor(int difference);

// A result as a table reports it, with North-South's score from the scoring table when the
// declarer is not vulnerable and when he is.
struct Outcome {
    const char* contract;
    const char* declarer;
    int tricks, score, vulnerableScore;
};
// Nine results: games made and missed, part scores, a pass, a doubled set, by either side.
extern const std::array<Outcome, 9> kOutcomes;
// North-South's score of the outcome on a board, by the board's vulnerability.
int scoreOf(const Outcome& outcome, int board);
// A score as the director types it in the grid: the letter or sign that stands for it, the
// score without its last zero (42 for 420, -5 for -50), or the whole score.
std::string typedForm(int score, int board, bool whole);

}  // namespace vindelkast::test
