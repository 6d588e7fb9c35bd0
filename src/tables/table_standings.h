#pragma once

#include <string>
#include <vector>

#include "model/contest.h"
#include "model/live_standings.h"

// The ranking and the score cards the tables' phones show when the evening is over.
namespace vindelkast {

struct RankingLine {
    int place = 0;  // a running count, as the printed standings have it
    int pair = 0;
    std::string name;  // Windows-1252; "" for a pair without names
    double points = 0.0;
    double percent = 0.0;
};

// One section's ranking in an evening played in sections: its pairs only, places among
// themselves, as the results pages list each section.
struct SectionRanking {
    int section = 0;      // the index in the contest's sections
    std::string heading;  // Windows-1252: "Slutst\xe4llning sektion A", "St\xe4llning sektion A efter ..."
    std::vector<RankingLine> lines;
};

struct PhoneStandings {
    std::string heading;  // Windows-1252: "Slutst\xe4llning", or "St\xe4llning efter 4 av 7 ronder"
    std::vector<RankingLine> lines;        // the whole field
    std::vector<SectionRanking> sections;  // in letter order; none without sections
    LiveStandings figures;                 // every pair's figure, for its card
};

// The figures the phones show, the same as the live results pages: the share of the
// matchpoints on the boards scored so far, and once every result is in exactly the final
// standings (the contest's totals and percentages, as the director prints them). Pairs
// without a figure yet are not ranked. An evening in sections has a ranking a section too.
PhoneStandings phoneStandings(const Contest& contest);

// One board of a pair's (player's) evening.
struct CardLine {
    int round = 0;
    int board = 0;
    int seat = North;         // where the pair (player) sat: North or East for a pair's line
    int opponent = 0;         // the other side's pair (North or East in an individual contest)
    int opponentPartner = 0;  // the other side's second player in an individual contest
    bool hasPlayed = false;   // the table gave its contract
    PlayedContract played;
    int ownScore = kNoScore;  // the side's own score (adjusted codes as stored)
    double points = 0.0;      // the side's matchpoints (IMPs); 0 without a score
    int top = 0;              // the matchpoints the board could give; 0 in an IMP contest
};

struct PairCard {
    int pair = 0;
    std::vector<CardLine> lines;  // by round, then board
    double points = 0.0;
    int top = 0;
};

// Every scored or laid result of the pair (player) in the contest.
PairCard pairCard(const Contest& contest, int pair);

// A pair's (player's) short names; "" when it has none.
std::string namesOf(const Contest& contest, int pair);

}  // namespace vindelkast
