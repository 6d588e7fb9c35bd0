#pragma once

#include <string>
#include <utility>
#include <vector>

// A team event's own settings, kept beside the contest file (NAME.lag): the contest file
// holds its boards and results as it holds any evening's. Each round is a group of boards
// that every match plays. In a team event team t is pairs 2t-1 and 2t, and a match is two
// tables: the home team's first pair North-South against the away team's second pair, and
// the away team's first pair North-South against the home team's second. In Swiss pairs the
// entrants are the pairs themselves and a match is one table, the home pair North-South.
namespace vindelkast {

enum class TeamForm {
    None,        // a pairs evening
    Swiss,       // Monrad: each round drawn from the standings
    RoundRobin,  // every team against every other, by the Berger tables
    SwissPairs,  // Monrad between pairs, every board scored across the field
};

// One table of a match: who sits North-South and who East-West.
struct MatchTable {
    int nsPair = 0;
    int ewPair = 0;
};

// A victory-point correction the director gives a team in a round (a penalty below 0).
struct VpAdjustment {
    int round = 0;
    int team = 0;
    int vp = 0;  // hundredths
};

// What a team brought from the series' earlier evenings.
struct CarriedTotals {
    int team = 0;
    int vp = 0;  // hundredths
    int impsFor = 0;
    int impsAgainst = 0;
};

struct TeamSetup {
    TeamForm form = TeamForm::None;
    int teamCount = 0;
    int byeVp = 1200;                                // what sitting a round out is worth
    std::vector<std::string> names;                  // by team number - 1 (Windows-1252)
    std::vector<std::pair<int, int>> fixedMeetings;  // set for the next draw
    std::vector<VpAdjustment> adjustments;
    // A series over several evenings: the totals brought forward, the meetings and byes of the
    // evenings before (which the draw avoids as it avoids this evening's), and how many rounds
    // they played (a round robin goes on from there).
    std::vector<CarriedTotals> carried;
    std::vector<std::pair<int, int>> earlierMeetings;
    std::vector<int> earlierByes;
    int earlierRounds = 0;

    bool any() const { return form != TeamForm::None; }
    // Whether each round is drawn from the standings (not from the round-robin tables).
    bool monrad() const { return form == TeamForm::Swiss || form == TeamForm::SwissPairs; }
    // The team's name, or "Lag N" when it has none.
    std::string nameOf(int team) const;

    int pairsPerTeam() const { return form == TeamForm::SwissPairs ? 1 : 2; }
    int teamOfPair(int pair) const { return (pair + pairsPerTeam() - 1) / pairsPerTeam(); }
    std::vector<int> pairsOf(int team) const;
    // The tables of a match between `home` and `away`, the home team's own first.
    std::vector<MatchTable> matchTables(int home, int away) const;
};

}  // namespace vindelkast
