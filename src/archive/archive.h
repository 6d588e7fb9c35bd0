#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "archive/evening.h"
#include "archive/sql_connection.h"

namespace vindelkast {

// The club's archive of evenings. One interface whatever keeps it: a SQLite file on the
// club's PC or a PostgreSQL database a district shares (the connection is the backend).
// Every operation returns "" or the message; text in and out is Windows-1252.
class Archive {
public:
    explicit Archive(std::unique_ptr<SqlConnection> connection);

    // Brings the schema up to this program's version; refuses, untouched, an archive that
    // a newer program has written.
    std::string migrate();
    // For an archive only read: "" when its schema is this program's, else why it cannot
    // be read as it is (it is left untouched).
    std::string checkSchema();

    // Keeps the evening in one transaction, replacing the one with the same name, date and
    // arranger: a second process adding at the same time waits; a killed add leaves the
    // archive as it was. The evening kept under `replacing` (the same evening before its name,
    // date or arranger was corrected) goes in the same transaction; an empty key replaces no
    // other.
    std::string add(const Evening& evening, const EveningKey& replacing = {});

    // Every team's evening of a team event from `from` to `to` (inclusive), by date.
    std::string seasonTeamEntries(const std::string& from, const std::string& to,
                                  std::vector<SeasonTeamEntry>& entries);
    // Every evening a player played from `from` to `to` (both "YYYY-MM-DD", inclusive).
    std::string seasonEntries(const std::string& from, const std::string& to,
                              std::vector<SeasonEntry>& entries);
    // The evenings from `from` to `to` (inclusive), by date and, on one date, as they were added.
    std::string eveningsBetween(const std::string& from, const std::string& to,
                                std::vector<EveningKey>& evenings);
    // A member's evenings, oldest first.
    std::string playerHistory(int memberId, std::vector<PlayerEvening>& evenings);
    // The evening kept under these three, as it was added; `found` false when none is.
    std::string evening(const std::string& name, const std::string& date, const std::string& arranger,
                        Evening& evening, bool& found);
    std::string eveningCount(int& count);

    // For tests: called inside add's transaction once the standings are written and before
    // the board results are.
    void setMidwayHook(std::function<void()> hook) { m_midway = std::move(hook); }

private:
    std::string writeEvening(const Evening& evening);
    std::string removeEvening(const EveningKey& key);
    std::string removeRowsOf(std::int64_t eveningId);
    std::string writeTeams(std::int64_t eveningId, const Evening& evening);
    std::string readTeams(std::int64_t eveningId, Evening& evening);
    std::string insertRows(const std::string& table, const std::vector<std::string>& columns,
                           const std::vector<SqlValue>& values);

    std::unique_ptr<SqlConnection> m_db;
    std::function<void()> m_midway;
    int m_version = 0;  // the schema as opened; an archive only read may be older
};

// The newest schema this program reads and writes: 2 keeps team events.
constexpr int kArchiveSchemaVersion = 2;
// The oldest an archive only read may have: one without team events is read as it is.
constexpr int kOldestReadableSchema = 1;

}  // namespace vindelkast
