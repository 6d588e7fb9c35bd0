#pragma once

#include <optional>
#include <vector>

#include "model/contest.h"
#include "model/team_standings.h"

// A team event's matches as its boards hold them: the slots a draw laid down say who meets
// whom at which tables, the scores entered at both tables say the IMPs. Nothing here is kept
// apart from the boards, so a match can never disagree with its results.
namespace vindelkast {

// One board of a match: the North-South score at each of its tables.
struct MatchBoard {
    int board = 0;
    int homeTableScore = kNoScore;  // the home team's first pair North-South
    int awayTableScore = kNoScore;  // the away team's first pair North-South (two tables)
    // The home team's IMPs on the board (the away team's are the negation) once both tables
    // have entered it; a match of pairs has the IMPs its points across the field are worth,
    // which may be a fraction.
    std::optional<double> homeImps;
};

struct MatchCard {
    int round = 0;
    int home = 0;
    int away = 0;
    int homeTable = 0;  // a team's match goes on at the table after it
    int tables = 2;     // 1: a match of two pairs
    std::vector<MatchBoard> boards;
    int homeImps = 0;  // over the boards both tables have entered
    int awayImps = 0;
    int boardsDone = 0;
    VpPair vp;  // the victory points of the IMPs so far
};

// The home team's IMPs on a board from the North-South scores at its two tables: the
// difference on the scale, or where a table has an adjusted score, the IMPs each adjusted
// side is worth. Empty while a table has no score.
std::optional<int> matchBoardImps(int homeTableScore, int awayTableScore);

// The matches of a round, by table; the teams of the event that have no table sat it out.
std::vector<MatchCard> roundMatches(const Contest& contest, int round);
std::vector<int> roundByes(const Contest& contest, int round);

// The team's (Swiss pairs: the pair's) name.
std::string teamName(const Contest& contest, int team);
// "1-2", or the one table of a match of pairs.
std::string matchTablesText(const MatchCard& card);

// The rounds that have tables so far.
int drawnTeamRounds(const Contest& contest);

// The event as the next draw sees it: every match drawn with the IMPs entered so far, each
// bye, the meetings the director has set.
TeamEvent teamEventOf(const Contest& contest);
// The teams' totals (in team order) as the standings show them: a match counts from its first
// board entered, a bye once its round has begun; the director's corrections added. Over the
// rounds `firstRound`..`lastRound`, and from the series' earlier evenings when from the first.
std::vector<TeamScore> teamEventTotals(const Contest& contest, int firstRound = 1, int lastRound = kMaxBoard);

// The match of `team` in `round`, if it plays one.
std::optional<MatchCard> matchOfTeam(const Contest& contest, int round, int team);

}  // namespace vindelkast
