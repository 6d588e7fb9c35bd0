#include "archive/archive_schema.h"

namespace vindelkast {

namespace {

// Version 1. Dates are text "YYYY-MM-DD", which both databases order as dates; a guest has
// no member id and is known by name; names are UTF-8.
std::vector<std::string> firstSchema(const std::string& identityColumn) {
    return {
        "CREATE TABLE evenings (" + identityColumn +
            ", name TEXT NOT NULL, evening_date TEXT NOT NULL, arranger TEXT NOT NULL,"
            " individual INTEGER NOT NULL, boards INTEGER NOT NULL,"
            " UNIQUE (name, evening_date, arranger))",
        "CREATE INDEX evenings_by_date ON evenings (evening_date)",
        "CREATE TABLE entries (evening_id BIGINT NOT NULL REFERENCES evenings (id),"
        " number INTEGER NOT NULL, total DOUBLE PRECISION NOT NULL, top DOUBLE PRECISION NOT NULL,"
        " percent DOUBLE PRECISION NOT NULL, place INTEGER NOT NULL, PRIMARY KEY (evening_id, number))",
        "CREATE TABLE entry_players (evening_id BIGINT NOT NULL, number INTEGER NOT NULL,"
        " seat INTEGER NOT NULL, member_id INTEGER, name TEXT NOT NULL,"
        " PRIMARY KEY (evening_id, number, seat),"
        " FOREIGN KEY (evening_id, number) REFERENCES entries (evening_id, number))",
        "CREATE INDEX entry_players_by_member ON entry_players (member_id)",
        "CREATE TABLE board_results (evening_id BIGINT NOT NULL REFERENCES evenings (id),"
        " board INTEGER NOT NULL, round INTEGER NOT NULL, ns INTEGER NOT NULL, ew INTEGER NOT NULL,"
        " ns2 INTEGER NOT NULL, ew2 INTEGER NOT NULL, ns_score INTEGER NOT NULL, ew_score INTEGER NOT NULL,"
        " ns_points DOUBLE PRECISION NOT NULL, ew_points DOUBLE PRECISION NOT NULL, contract TEXT NOT NULL)",
        "CREATE INDEX board_results_by_evening ON board_results (evening_id)",
    };
}

// Version 2: team events. An evening's team form (0 a pairs evening, 1 Monrad, 2 round
// robin) and its teams with their players; a team's VP in hundredths.
std::vector<std::string> teamSchema() {
    return {
        "ALTER TABLE evenings ADD COLUMN team_form INTEGER NOT NULL DEFAULT 0",
        "CREATE TABLE team_entries (evening_id BIGINT NOT NULL REFERENCES evenings (id),"
        " team INTEGER NOT NULL, name TEXT NOT NULL, vp INTEGER NOT NULL, imps_for INTEGER NOT NULL,"
        " imps_against INTEGER NOT NULL, place INTEGER NOT NULL, PRIMARY KEY (evening_id, team))",
        "CREATE TABLE team_players (evening_id BIGINT NOT NULL, team INTEGER NOT NULL,"
        " seat INTEGER NOT NULL, member_id INTEGER, name TEXT NOT NULL,"
        " PRIMARY KEY (evening_id, team, seat),"
        " FOREIGN KEY (evening_id, team) REFERENCES team_entries (evening_id, team))",
    };
}

}  // namespace

std::vector<std::string> schemaSteps(int from, const std::string& identityColumn) {
    switch (from) {
    case 1:
        return firstSchema(identityColumn);
    case 2:
        return teamSchema();
    default:
        return {};
    }
}

}  // namespace vindelkast
