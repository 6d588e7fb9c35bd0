#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/contest.h"
#include "model/entry_grid.h"

// Reading what the director types in the grid: pair numbers, scores, the letter shortcuts,
// and storing a typed score on its board.
namespace vindelkast {

// A whole number with an optional sign and blanks around it; nothing otherwise.
std::optional<int> wholeNumber(std::string_view text);
// A pair (player) number typed in the grid: 0 when empty, not a number, below 1 or above
// the highest pair number.
int pairFieldNumber(std::string_view text, int maxPairNumber);
// The same for the contest's grid: in an evening of sections a field shows a pair by its label
// ("B7") and takes a label or the contest's number.
int pairFieldNumber(const Contest& contest, std::string_view text);
// What a pair field shows: the pair's label ("B7" in sections, else its number); "" for 0.
std::string pairFieldText(const Contest& contest, int pair);

// How a score cell's text is coloured.
enum class ScoreInk { Empty, Plus, Minus, Unscored };  // black, blue, lime, grey

// The text a cell shows for a stored NS score: empty for none, the adjusted-score marks
// for an adjusted score, else the number.
std::string scoreCellText(int nsScore);

// The score a letter (or the section sign, or the half sign) stands for on a board, as
// Windows-1252 bytes: small letters give NS plus scores, capitals EW plus scores.
std::optional<int> letterScore(char key, int board);

enum class PairFieldState { Plain, Duplicate, Invalid };
struct PairFieldCheck {
    std::vector<PairFieldState> states;  // one per field, in the order given
    bool duplicates = false;
};
// Every number typed in the pair fields of all rows: a number typed twice marks both
// fields, a text that is not a number above 0 marks its field; empty fields are plain.
PairFieldCheck checkPairFields(const std::vector<std::string>& texts);
// The same over the contest's grid, where a label and the number it stands for are one pair.
PairFieldCheck checkPairFields(const Contest& contest, const std::vector<std::string>& texts);

// What a cell's text (or the command line's) says of a slot's score, read alike wherever a
// score is typed: the empty text removes the score; a number is completed (42 -> 420), a
// letter, the section sign or the half sign is its shortcut, "%+-" or "M+" an adjusted score.
struct TypedScore {
    enum class Kind { Remove, Score, BeyondScores, NotAScore };
    Kind kind = Kind::Remove;
    int value = kNoScore;  // Score: the completed score or the adjusted-score code
    std::string refusal;   // BeyondScores and NotAScore: "Ogiltigt resultat: 12340"
};
TypedScore readTypedScore(std::string_view text, int board);

// The outcome of storing a cell's text as the score of the row's slot on a board.
struct StoredScore {
    bool found = false;    // the row's pairs hold a slot on the board
    bool written = false;  // the value went into the slot
    int value = kNoScore;  // the completed value
    std::string text;      // what the cell shows afterwards
    ScoreInk ink = ScoreInk::Empty;
    int plausibility = 0;    // checkPlausibility's answer
    std::string impossible;  // the warning for a score no contract gives (it is stored all the same)
    std::string refusal;     // "Ogiltigt resultat: 12340" when a typed number was no bridge score
};
// Reads the text (readTypedScore), stores the score and the EW score derived from it, marks
// the board as having scores and scores the board. Numbers beyond the bridge scores are
// refused and leave no score; another text that is no score leaves none and stays in the
// cell as typed.
StoredScore storeTypedScore(Contest& contest, int board, const EntryRow& row, std::string_view text);
// The one warning the director is told of a stored score, the weightiest first: the refusal,
// then a score no contract gives, then an unlikely score for the board; "" when none.
std::string scoreWarning(const StoredScore& stored);

}  // namespace vindelkast
