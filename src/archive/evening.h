#pragma once

#include <string>
#include <vector>

#include "model/team_setup.h"

namespace vindelkast {

// One person of an archived evening: a member of the register by id, a guest (id 0) by
// name alone. Names are Windows-1252 as everywhere in the core.
struct ArchivedPlayer {
    int memberId = 0;
    std::string name;
};

// A pair (or, in an individual contest, a player) and how the evening ended for it.
struct ArchivedEntry {
    int number = 0;
    std::vector<ArchivedPlayer> players;  // two in a pair, one in an individual contest
    double total = 0.0;                   // matchpoints as the standings show them (IMPs)
    double top = 0.0;                     // the highest total the evening allowed (twice the mean)
    double percent = 0.0;                 // as the standings show it: one decimal (IMPs: by place)
    int place = 0;                        // as the standings show it: 1..n, in order
};

// One table's play of one board. Scores and matchpoints as the contest holds them
// (adjusted scores keep their codes); the contract where the table gave it, else "". The
// contract is stored for other programs reading the archive (a district's database) in the
// form of NAME.kontrakt, USEBIO and PBN, declarer N E S W; a page or a view showing it to
// players or the director gives the seat in Swedish (N Ö S V, swedishSeat).
struct ArchivedResult {
    int board = 0;
    int round = 0;
    int nsPair = 0;
    int ewPair = 0;
    int nsPlayer2 = 0;  // individual contests: South
    int ewPlayer2 = 0;  // individual contests: West
    int nsScore = 0;
    int ewScore = 0;
    double nsPoints = 0.0;
    double ewPoints = 0.0;
    std::string contract;  // "4S N 10": contract, declarer, tricks taken
};

// A team of a team event and how the evening ended for it: its own rounds only, so that a
// series' evening does not count again what the evenings before brought.
struct ArchivedTeam {
    int number = 0;
    std::string name;
    std::vector<ArchivedPlayer> players;  // its first pair's two, then its second pair's
    int vp = 0;                           // hundredths, the director's corrections included
    int impsFor = 0;
    int impsAgainst = 0;
    int place = 0;  // 1..n by the evening's own figures; teams equal on all of them share one
};

// What the archive keeps of one evening. Name, date and arranger identify it: adding an
// evening with the same three again replaces the one kept.
struct Evening {
    std::string name;
    std::string date;  // YYYY-MM-DD
    std::string arranger;
    bool individual = false;
    int boards = 0;
    std::vector<ArchivedEntry> entries;  // in order of place; none in a team event
    std::vector<ArchivedResult> results;
    // A team event: its teams in order of place. Its series is the evenings of the same name
    // and arranger.
    TeamForm teamForm = TeamForm::None;
    std::vector<ArchivedTeam> teams;
};

// What tells kept evenings apart: adding an evening with the same three replaces the one kept.
struct EveningKey {
    std::string name;
    std::string date;
    std::string arranger;
    bool operator==(const EveningKey&) const = default;
};
inline EveningKey keyOf(const Evening& evening) { return {evening.name, evening.date, evening.arranger}; }

// One evening a player took part in, for the season ranking.
struct SeasonEntry {
    int memberId = 0;  // 0: a guest, known by name
    std::string name;
    std::string date;
    double percent = 0.0;
};

// One team's evening of a team series, for the season's ranking of the series.
struct SeasonTeamEntry {
    std::string series;  // the evening's name
    std::string arranger;
    std::string date;
    ArchivedTeam team;
};

// One evening of a player's history.
struct PlayerEvening {
    std::string playerName;  // as that evening's start list had it
    std::string date;
    std::string name;
    std::string arranger;
    bool individual = false;
    ArchivedPlayer partner;  // empty name in an individual contest
    double percent = 0.0;
    int place = 0;
    int entryCount = 0;  // pairs (players) that evening
};

}  // namespace vindelkast
