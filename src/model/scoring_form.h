#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/contest.h"
#include "model/name_forms.h"

// A way of scoring as the rest of the program sees it: it scores a board, ranks the pairs in
// rows of figures and describes those figures' columns, and names itself to the exchange
// formats. Views, pages, phones and exports format rows by their columns; only this room
// knows which method a contest is scored by.
namespace vindelkast {

// One figure of a standings row or of a side's points on a board, as it is shown.
struct FigureColumn {
    const char* heading = "";  // "Po\xe4ng", "%", "IMP", "IMP/giv" (Windows-1252)
    int width = 0;             // characters it takes in a fixed-width list
    int decimals = 0;          // 1 for matchpoints and percentages, 2 for IMPs
    const char* unit = "";     // "" (matchpoints), "%", "IMP", "VP"
    char decimalMark = '.';    // IMPs are written "-2,33" wherever they appear
    // Whether a short list (a phone's) shows it: a matchpoint total says little beside its
    // percentage once pairs have played different boards.
    bool brief = true;
};

// The figure as the column writes it, unpadded: "45.9", "-2,33". A figure written with a
// comma is rounded half away from zero, as the IMP lists always were; others as printf does.
std::string figureText(const FigureColumn& column, double value);

// A pair's (player's, team's) line of the standings.
struct StandingsRow {
    int place = 0;  // shared by lines of equal figures: 1 + the lines ranked above them
    int pair = 0;
    std::array<double, 3> figures{};  // by the standings' columns: the total first
    int boards = 0;                   // boards it has points on
};

struct Standings {
    std::vector<FigureColumn> columns;
    std::vector<StandingsRow> rows;  // best first
    int mean = 0;                    // an average pair's total where the form has one, else 0
    // The rows' own names where they are not the contest's pairs (a team event's teams),
    // beside `rows`; empty when the rows are pairs.
    std::vector<std::string> names;
};

// A row's name: its own where the standings give one, else its pair's.
std::string standingsName(const Contest& contest, const Standings& standings, std::size_t row, NameForm form);

// What the exchange formats call the form.
struct ExchangeCodes {
    const char* usebioMethod;  // USEBIO's BOARD_SCORING_METHOD: "MATCH_POINTS", "CROSS_IMPS"
    const char* usebioPoints;  // the suffix of a side's points: NS_MATCH_POINTS, NS_IMPS
    const char* pbnScoring;    // PBN's [Scoring] ("IMP;Butler"); "" when none is written
    const char* pbnPoints;     // the prefix of PBN's points columns: MP_NS, IMP_NS
    const char* pageType;      // the old results page's ScoringType
    const char* xmlScoring;    // the XML export's <scoring>; "" when none is written
};

class ScoringForm {
public:
    virtual ~ScoringForm() = default;

    // How captions name it: "korsvis", "Butler"; "" for matchpoints, the captions' default.
    virtual const char* name() const = 0;
    // What the points are called in a message: "matchpo\xe4ngen", "IMP:en".
    virtual const char* pointsName() const = 0;
    virtual ExchangeCodes codes() const = 0;

    // The points of one side on a board.
    virtual FigureColumn pointsColumn() const = 0;
    // Whether a board's results are compared with a datum the lists show.
    virtual bool showsDatum() const { return false; }
    // Whether a total already stands for the pair's boards as played: IMPs are a mean over
    // the comparisons and are never raised or made up for; matchpoints are.
    virtual bool totalsAreMeans() const = 0;

    // Scores the results of one board among themselves.
    virtual void scoreBoard(Board& board, const ScoringRule& rule) const = 0;

    // The standings over the whole contest: of section `section` only (-1: every pair).
    virtual Standings standings(const Contest& contest, int section = -1) const = 0;
    // The standings of one round's boards, and over the boards up to and including it.
    virtual Standings roundStandings(const Contest& contest, int round) const = 0;
    virtual Standings standingsAfterRound(const Contest& contest, int round) const = 0;

    // What the lists show.
    // How a narrow heading names a side's points: "po", "IMP".
    virtual const char* pointsAbbreviation() const = 0;
    // Whether a text list gives tied lines one place; matchpoint lists number on through a tie,
    // as club lists always have (pages leave a tied line's place blank either way).
    virtual bool tiesSharePlace() const = 0;
    // Whether a published list keeps a number with neither names nor a scored board: an IMP
    // list shows every number, its IMPs per board saying it played none.
    virtual bool listsUnusedNumbers() const = 0;

    // What the exports and the site show.
    // The columns of its standings' figures, as standings() gives them.
    virtual std::vector<FigureColumn> figureColumns() const = 0;
    // Whether a side's points on a board are a share of the board's top, never below nought
    // and shown with their percentage of it; IMPs have no top.
    virtual bool pointsHaveTop() const = 0;
    // Whether the exchange files write its figures as they are ("%g": matchpoints are halves
    // or Neuberg's fractions); otherwise rounded to their columns' decimals, and a side
    // without points gets none.
    virtual bool exchangesExactFigures() const = 0;
    // PBN's TotalScoreTable columns after the names: one a figure, then the boards where the
    // form counts them ("TotalIMP\\7R;MeanIMP\\6R;NrBoards\\2R"), and the points columns of
    // its ScoreTable.
    virtual const char* pbnTotalColumns() const = 0;
    virtual const char* pbnPointsColumns() const = 0;
};

// The form of the contest's scoring rule.
const ScoringForm& scoringForm(const ScoringRule& rule);
inline const ScoringForm& scoringForm(const Contest& contest) { return scoringForm(contest.scoringRule); }

// The rule a USEBIO file names by its BOARD_SCORING_METHOD; matchpoints for an unknown code,
// with `known` false.
ScoringRule ruleOfUsebioMethod(const std::string& code, bool* known = nullptr);
// The rule a PBN results table was scored by: its points columns' prefix ("MP", "IMP") and
// its [Scoring] tag.
ScoringRule ruleOfPbnTable(const std::string& pointsPrefix, const std::string& scoringTag);

}  // namespace vindelkast
