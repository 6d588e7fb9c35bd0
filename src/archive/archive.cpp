#include "archive/archive.h"

#include "archive/archive_schema.h"
#include "files/text_encoding.h"

namespace vindelkast {

namespace {

SqlValue textValue(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }
SqlValue number(std::int64_t n) { return n; }
std::string coreText(const SqlRows& rows, int row, int column) {
    return databaseText(rows.text(row, column));
}

std::string newerSchemaMessage(int version) {
    return "Klubbarkivet \xe4r skrivet av en nyare version av programmet (schema " + std::to_string(version) +
           "; det h\xe4r programmet kan schema " + std::to_string(kArchiveSchemaVersion) +
           "). Arkivet l\xe4mnas or\xf6rt: uppdatera programmet f\xf6r att anv\xe4nda det.";
}

// Runs `work` in a transaction begun by `begin`; rolls back on any message.
template <typename Begin, typename Work>
std::string inTransaction(SqlConnection& db, Begin begin, Work work) {
    std::string message = begin();
    if (!message.empty()) return message;
    message = work();
    if (message.empty()) message = db.commit();
    if (!message.empty()) db.rollback();
    return message;
}

}  // namespace

Archive::Archive(std::unique_ptr<SqlConnection> connection) : m_db(std::move(connection)) {}

std::string Archive::migrate() {
    SqlConnection& db = *m_db;
    // Every step in one transaction: an upgrade broken off leaves the archive as it was.
    const std::string message = inTransaction(
        db, [&] { return db.beginSchemaChange(); },
        [&]() -> std::string {
            if (auto m = db.run("CREATE TABLE IF NOT EXISTS archive_schema (version INTEGER NOT NULL)");
                !m.empty())
                return m;
            SqlRows rows;
            if (auto m = db.run("SELECT MAX(version) FROM archive_schema", {}, &rows); !m.empty()) return m;
            const int version =
                rows.count() == 0 || rows.isNull(0, 0) ? 0 : static_cast<int>(rows.integer(0, 0));
            if (version > kArchiveSchemaVersion) return newerSchemaMessage(version);
            for (int step = version + 1; step <= kArchiveSchemaVersion; ++step)
                for (const std::string& statement : schemaSteps(step, db.identityColumn()))
                    if (auto m = db.run(statement); !m.empty()) return m;
            if (version == kArchiveSchemaVersion) return std::string();
            if (auto m = db.run("DELETE FROM archive_schema"); !m.empty()) return m;
            return db.run("INSERT INTO archive_schema (version) VALUES (?)", {number(kArchiveSchemaVersion)});
        });
    if (message.empty()) m_version = kArchiveSchemaVersion;
    return message;
}

std::string Archive::checkSchema() {
    SqlRows rows;
    if (auto m = m_db->run("SELECT MAX(version) FROM archive_schema", {}, &rows); !m.empty()) return m;
    const int version = rows.count() == 0 || rows.isNull(0, 0) ? 0 : static_cast<int>(rows.integer(0, 0));
    if (version > kArchiveSchemaVersion) return newerSchemaMessage(version);
    if (version < kOldestReadableSchema)
        return "Klubbarkivet \xe4r skrivet av en \xe4ldre version av programmet och m\xe5ste uppdateras, "
               "vilket kr\xe4ver skrivr\xe4tt till det.";
    m_version = version;
    return "";
}

std::string Archive::add(const Evening& evening, const EveningKey& replacing) {
    SqlConnection& db = *m_db;
    const bool replacesAnother = !replacing.name.empty() && !(replacing == keyOf(evening));
    return inTransaction(
        db, [&] { return db.beginWrite(); },
        [&] {
            std::string m = replacesAnother ? removeEvening(replacing) : std::string();
            return m.empty() ? writeEvening(evening) : m;
        });
}

std::string Archive::removeEvening(const EveningKey& key) {
    SqlRows rows;
    std::string m = m_db->run("SELECT id FROM evenings WHERE name = ? AND evening_date = ? AND arranger = ?",
                              {textValue(key.name), key.date, textValue(key.arranger)}, &rows);
    if (!m.empty() || rows.count() == 0) return m;
    const std::int64_t id = rows.integer(0, 0);
    if (m = removeRowsOf(id); !m.empty()) return m;
    return m_db->run("DELETE FROM evenings WHERE id = ?", {number(id)});
}

std::string Archive::removeRowsOf(std::int64_t eveningId) {
    for (const char* table : {"board_results", "entry_players", "entries", "team_players", "team_entries"})
        if (std::string m =
                m_db->run(std::string("DELETE FROM ") + table + " WHERE evening_id = ?", {number(eveningId)});
            !m.empty())
            return m;
    return "";
}

std::string Archive::writeEvening(const Evening& e) {
    SqlConnection& db = *m_db;
    // The upsert locks the evening's row, so a second process replacing the same evening
    // waits for this one instead of adding a duplicate.
    SqlRows rows;
    std::string m = db.run(
        "INSERT INTO evenings (name, evening_date, arranger, individual, boards, team_form)"
        " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (name, evening_date, arranger) DO UPDATE SET"
        " individual = excluded.individual, boards = excluded.boards, team_form = excluded.team_form"
        " RETURNING id",
        {textValue(e.name), e.date, textValue(e.arranger), number(e.individual ? 1 : 0), number(e.boards),
         number(static_cast<int>(e.teamForm))},
        &rows);
    if (!m.empty()) return m;
    if (rows.count() != 1) return "Klubbarkivet gav inget id f\xf6r kv\xe4llen.";
    const std::int64_t id = rows.integer(0, 0);
    if (m = removeRowsOf(id); !m.empty()) return m;

    std::vector<SqlValue> entries, players, results;
    for (const ArchivedEntry& entry : e.entries) {
        entries.insert(entries.end(), {number(id), number(entry.number), entry.total, entry.top,
                                       entry.percent, number(entry.place)});
        for (std::size_t seat = 0; seat < entry.players.size(); ++seat) {
            const ArchivedPlayer& p = entry.players[seat];
            players.insert(players.end(),
                           {number(id), number(entry.number), number(static_cast<int>(seat) + 1),
                            p.memberId > 0 ? number(p.memberId) : SqlValue{}, textValue(p.name)});
        }
    }
    for (const ArchivedResult& r : e.results)
        results.insert(results.end(),
                       {number(id), number(r.board), number(r.round), number(r.nsPair), number(r.ewPair),
                        number(r.nsPlayer2), number(r.ewPlayer2), number(r.nsScore), number(r.ewScore),
                        r.nsPoints, r.ewPoints, textValue(r.contract)});
    if (m = insertRows("entries", {"evening_id", "number", "total", "top", "percent", "place"}, entries);
        !m.empty())
        return m;
    if (m = insertRows("entry_players", {"evening_id", "number", "seat", "member_id", "name"}, players);
        !m.empty())
        return m;
    if (m = writeTeams(id, e); !m.empty()) return m;
    if (m_midway) m_midway();
    return insertRows("board_results",
                      {"evening_id", "board", "round", "ns", "ew", "ns2", "ew2", "ns_score", "ew_score",
                       "ns_points", "ew_points", "contract"},
                      results);
}

// Many rows to a statement: one round trip to a district's server per few hundred rows
// instead of one per result.
std::string Archive::insertRows(const std::string& table, const std::vector<std::string>& columns,
                                const std::vector<SqlValue>& values) {
    const std::size_t width = columns.size();
    const std::size_t rowsPerStatement = std::min<std::size_t>(256, m_db->parameterLimit() / width);
    std::string head = "INSERT INTO " + table + " (";
    for (std::size_t c = 0; c < width; ++c) head += (c ? ", " : "") + columns[c];
    head += ") VALUES ";
    std::string row = "(";
    for (std::size_t c = 0; c < width; ++c) row += c ? ", ?" : "?";
    row += ")";
    const std::size_t rowCount = values.size() / width;
    for (std::size_t first = 0; first < rowCount; first += rowsPerStatement) {
        const std::size_t count = std::min(rowsPerStatement, rowCount - first);
        std::string sql = head;
        for (std::size_t r = 0; r < count; ++r) sql += (r ? ", " : "") + row;
        const std::vector<SqlValue> chunk(values.begin() + first * width,
                                          values.begin() + (first + count) * width);
        if (std::string m = m_db->run(sql, chunk); !m.empty()) return m;
    }
    return "";
}

std::string Archive::seasonEntries(const std::string& from, const std::string& to,
                                   std::vector<SeasonEntry>& entries) {
    SqlRows rows;
    const std::string m = m_db->run(
        "SELECT p.member_id, p.name, e.evening_date, n.percent FROM evenings e"
        " JOIN entries n ON n.evening_id = e.id"
        " JOIN entry_players p ON p.evening_id = n.evening_id AND p.number = n.number"
        " WHERE e.evening_date >= ? AND e.evening_date <= ? ORDER BY e.evening_date, e.id",
        {from, to}, &rows);
    if (!m.empty()) return m;
    entries.clear();
    entries.reserve(rows.count());
    for (int r = 0; r < rows.count(); ++r)
        entries.push_back({rows.isNull(r, 0) ? 0 : static_cast<int>(rows.integer(r, 0)), coreText(rows, r, 1),
                           rows.text(r, 2), rows.real(r, 3)});
    return "";
}

std::string Archive::playerHistory(int memberId, std::vector<PlayerEvening>& evenings) {
    SqlRows rows;
    const std::string m = m_db->run(
        "SELECT e.evening_date, e.name, e.arranger, e.individual, q.member_id, q.name, n.percent, n.place,"
        " (SELECT COUNT(*) FROM entries c WHERE c.evening_id = e.id), p.name"
        " FROM entry_players p JOIN evenings e ON e.id = p.evening_id"
        " JOIN entries n ON n.evening_id = p.evening_id AND n.number = p.number"
        " LEFT JOIN entry_players q ON q.evening_id = p.evening_id AND q.number = p.number AND q.seat <> "
        "p.seat"
        " WHERE p.member_id = ? ORDER BY e.evening_date, e.name, e.arranger",
        {number(memberId)}, &rows);
    if (!m.empty()) return m;
    evenings.clear();
    for (int r = 0; r < rows.count(); ++r) {
        PlayerEvening e;
        e.playerName = coreText(rows, r, 9);
        e.date = rows.text(r, 0);
        e.name = coreText(rows, r, 1);
        e.arranger = coreText(rows, r, 2);
        e.individual = rows.integer(r, 3) != 0;
        e.partner = {rows.isNull(r, 4) ? 0 : static_cast<int>(rows.integer(r, 4)), coreText(rows, r, 5)};
        e.percent = rows.real(r, 6);
        e.place = static_cast<int>(rows.integer(r, 7));
        e.entryCount = static_cast<int>(rows.integer(r, 8));
        evenings.push_back(std::move(e));
    }
    return "";
}

std::string Archive::eveningCount(int& count) {
    SqlRows rows;
    const std::string m = m_db->run("SELECT COUNT(*) FROM evenings", {}, &rows);
    count = m.empty() && rows.count() == 1 ? static_cast<int>(rows.integer(0, 0)) : 0;
    return m;
}

}  // namespace vindelkast
