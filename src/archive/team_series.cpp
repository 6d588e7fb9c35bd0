#include "archive/team_series.h"

#include <algorithm>

namespace vindelkast {

namespace {

bool samePlayer(const ArchivedPlayer& a, const ArchivedPlayer& b) {
    return a.memberId > 0 ? a.memberId == b.memberId : b.memberId == 0 && a.name == b.name;
}

SeriesTeam& teamIn(TeamSeries& series, int number) {
    for (SeriesTeam& team : series.teams)
        if (team.number == number) return team;
    series.teams.push_back({});
    series.teams.back().number = number;
    series.teams.back().score.team = number;
    return series.teams.back();
}

void add(TeamSeries& series, const SeasonTeamEntry& entry) {
    if (series.dates.empty() || series.dates.back() != entry.date) series.dates.push_back(entry.date);
    SeriesTeam& team = teamIn(series, entry.team.number);
    team.name = entry.team.name;
    team.dates.push_back(entry.date);
    team.score.vp += entry.team.vp;
    team.score.impsFor += entry.team.impsFor;
    team.score.impsAgainst += entry.team.impsAgainst;
    for (const ArchivedPlayer& player : entry.team.players)
        if (std::none_of(team.players.begin(), team.players.end(),
                         [&](const ArchivedPlayer& p) { return samePlayer(p, player); }))
            team.players.push_back(player);
}

void rank(TeamSeries& series) {
    std::vector<TeamScore> scores;
    std::sort(series.teams.begin(), series.teams.end(),
              [](const SeriesTeam& a, const SeriesTeam& b) { return a.number < b.number; });
    for (const SeriesTeam& team : series.teams) scores.push_back(team.score);
    std::vector<SeriesTeam> ranked;
    for (const TeamScore& score : rankTeams(scores)) {
        SeriesTeam team = teamIn(series, score.team);
        team.place = !ranked.empty() && sameStanding(score, ranked.back().score)
                         ? ranked.back().place
                         : static_cast<int>(ranked.size()) + 1;
        ranked.push_back(std::move(team));
    }
    series.teams = std::move(ranked);
}

}  // namespace

std::vector<TeamSeries> rankTeamSeries(const std::vector<SeasonTeamEntry>& entries) {
    std::vector<TeamSeries> all;
    for (const SeasonTeamEntry& entry : entries) {
        auto series = std::find_if(all.begin(), all.end(), [&](const TeamSeries& s) {
            return s.name == entry.series && s.arranger == entry.arranger;
        });
        if (series == all.end())
            series = all.insert(all.end(), TeamSeries{entry.series, entry.arranger, {}, {}});
        add(*series, entry);
    }
    for (TeamSeries& series : all) rank(series);
    return all;
}

}  // namespace vindelkast
