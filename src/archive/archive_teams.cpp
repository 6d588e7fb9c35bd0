// The teams of a team event: kept beside the evening, read back with it and for a season's
// ranking of its series.
#include "archive/archive.h"
#include "files/text_encoding.h"

namespace vindelkast {

namespace {

SqlValue number(std::int64_t n) { return n; }
int integer(const SqlRows& rows, int row, int column) { return static_cast<int>(rows.integer(row, column)); }
std::string coreText(const SqlRows& rows, int row, int column) {
    return databaseText(rows.text(row, column));
}

// The teams' rows (team, name, vp, imps_for, imps_against, place) and their players' (team,
// member_id, name) into `teams`, a team's players in seat order.
void readTeamRows(const SqlRows& teams, const SqlRows& players, std::vector<ArchivedTeam>& into) {
    for (int r = 0; r < teams.count(); ++r)
        into.push_back({integer(teams, r, 0),
                        coreText(teams, r, 1),
                        {},
                        integer(teams, r, 2),
                        integer(teams, r, 3),
                        integer(teams, r, 4),
                        integer(teams, r, 5)});
    for (int r = 0; r < players.count(); ++r)
        for (ArchivedTeam& team : into)
            if (team.number == integer(players, r, 0))
                team.players.push_back(
                    {players.isNull(r, 1) ? 0 : integer(players, r, 1), coreText(players, r, 2)});
}

}  // namespace

std::string Archive::writeTeams(std::int64_t id, const Evening& e) {
    std::vector<SqlValue> teams, players;
    for (const ArchivedTeam& team : e.teams) {
        teams.insert(teams.end(), {number(id), number(team.number), cp1252ToUtf8(team.name), number(team.vp),
                                   number(team.impsFor), number(team.impsAgainst), number(team.place)});
        for (std::size_t seat = 0; seat < team.players.size(); ++seat) {
            const ArchivedPlayer& p = team.players[seat];
            players.insert(players.end(),
                           {number(id), number(team.number), number(static_cast<int>(seat) + 1),
                            p.memberId > 0 ? number(p.memberId) : SqlValue{}, cp1252ToUtf8(p.name)});
        }
    }
    if (std::string m = insertRows(
            "team_entries", {"evening_id", "team", "name", "vp", "imps_for", "imps_against", "place"}, teams);
        !m.empty())
        return m;
    return insertRows("team_players", {"evening_id", "team", "seat", "member_id", "name"}, players);
}

std::string Archive::readTeams(std::int64_t id, Evening& e) {
    // An archive only read may be older than team events: it holds none.
    if (m_version < 2) return "";
    SqlRows form, teams, players;
    std::string m = m_db->run("SELECT team_form FROM evenings WHERE id = ?", {number(id)}, &form);
    if (m.empty() && form.count() == 1) e.teamForm = static_cast<TeamForm>(integer(form, 0, 0));
    if (m.empty())
        m = m_db->run(
            "SELECT team, name, vp, imps_for, imps_against, place FROM team_entries WHERE evening_id = ?"
            " ORDER BY place, team",
            {number(id)}, &teams);
    if (m.empty())
        m = m_db->run(
            "SELECT team, member_id, name FROM team_players WHERE evening_id = ? ORDER BY team, seat",
            {number(id)}, &players);
    if (m.empty()) readTeamRows(teams, players, e.teams);
    return m;
}

std::string Archive::seasonTeamEntries(const std::string& from, const std::string& to,
                                       std::vector<SeasonTeamEntry>& entries) {
    entries.clear();
    if (m_version < 2) return "";
    SqlRows rows;
    const std::string m = m_db->run(
        "SELECT e.id, e.name, e.arranger, e.evening_date, t.team, t.name, t.vp, t.imps_for, t.imps_against,"
        " t.place, p.member_id, p.name FROM evenings e JOIN team_entries t ON t.evening_id = e.id"
        " LEFT JOIN team_players p ON p.evening_id = t.evening_id AND p.team = t.team"
        " WHERE e.evening_date >= ? AND e.evening_date <= ? ORDER BY e.evening_date, e.id, t.team, p.seat",
        {from, to}, &rows);
    if (!m.empty()) return m;
    std::int64_t evening = 0;
    for (int r = 0; r < rows.count(); ++r) {
        const int team = integer(rows, r, 4);
        if (entries.empty() || rows.integer(r, 0) != evening || entries.back().team.number != team) {
            evening = rows.integer(r, 0);
            entries.push_back({coreText(rows, r, 1),
                               coreText(rows, r, 2),
                               rows.text(r, 3),
                               {team,
                                coreText(rows, r, 5),
                                {},
                                integer(rows, r, 6),
                                integer(rows, r, 7),
                                integer(rows, r, 8),
                                integer(rows, r, 9)}});
        }
        if (!rows.isNull(r, 11))
            entries.back().team.players.push_back(
                {rows.isNull(r, 10) ? 0 : integer(rows, r, 10), coreText(rows, r, 11)});
    }
    return "";
}

}  // namespace vindelkast
