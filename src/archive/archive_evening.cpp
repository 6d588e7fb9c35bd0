// Reading one evening back whole, as it was added.
#include "archive/archive.h"

#include "files/text_encoding.h"

namespace vindelkast {

namespace {

std::string coreText(const SqlRows& rows, int row, int column) {
    return databaseText(rows.text(row, column));
}
int integer(const SqlRows& rows, int row, int column) { return static_cast<int>(rows.integer(row, column)); }

void readEntries(const SqlRows& entries, const SqlRows& players, Evening& e) {
    for (int r = 0; r < entries.count(); ++r)
        e.entries.push_back({integer(entries, r, 0),
                             {},
                             entries.real(r, 1),
                             entries.real(r, 2),
                             entries.real(r, 3),
                             integer(entries, r, 4)});
    for (int r = 0; r < players.count(); ++r) {
        const int number = integer(players, r, 0);
        for (ArchivedEntry& entry : e.entries)
            if (entry.number == number)
                entry.players.push_back(
                    {players.isNull(r, 1) ? 0 : integer(players, r, 1), coreText(players, r, 2)});
    }
}

void readResults(const SqlRows& rows, Evening& e) {
    for (int r = 0; r < rows.count(); ++r)
        e.results.push_back({integer(rows, r, 0), integer(rows, r, 1), integer(rows, r, 2),
                             integer(rows, r, 3), integer(rows, r, 4), integer(rows, r, 5),
                             integer(rows, r, 6), integer(rows, r, 7), rows.real(r, 8), rows.real(r, 9),
                             coreText(rows, r, 10)});
}

}  // namespace

std::string Archive::evening(const std::string& name, const std::string& date, const std::string& arranger,
                             Evening& e, bool& found) {
    found = false;
    e = Evening{};
    SqlConnection& db = *m_db;
    // One read transaction, so an evening replaced meanwhile is seen whole, old or new.
    std::string m = db.run("BEGIN");
    if (!m.empty()) return m;
    SqlRows head, entries, players, results;
    m = db.run(
        "SELECT id, individual, boards FROM evenings WHERE name = ? AND evening_date = ? AND arranger = ?",
        {SqlValue(cp1252ToUtf8(name)), date, SqlValue(cp1252ToUtf8(arranger))}, &head);
    if (m.empty() && head.count() == 1) {
        const SqlValue id = head.integer(0, 0);
        m = db.run(
            "SELECT number, total, top, percent, place FROM entries WHERE evening_id = ? ORDER BY place",
            {id}, &entries);
        if (m.empty())
            m = db.run(
                "SELECT number, member_id, name FROM entry_players WHERE evening_id = ? ORDER BY number, "
                "seat",
                {id}, &players);
        if (m.empty())
            m = db.run(
                "SELECT board, round, ns, ew, ns2, ew2, ns_score, ew_score, ns_points, ew_points, contract"
                " FROM board_results WHERE evening_id = ? ORDER BY board, ns, ew, ns2, ew2",
                {id}, &results);
        if (m.empty()) {
            e = Evening{name, date, arranger, head.integer(0, 1) != 0, integer(head, 0, 2), {}, {}, {}, {}};
            readEntries(entries, players, e);
            readResults(results, e);
            m = readTeams(head.integer(0, 0), e);
            found = m.empty();
        }
    }
    db.rollback();
    return m;
}

std::string Archive::eveningsBetween(const std::string& from, const std::string& to,
                                     std::vector<EveningKey>& evenings) {
    SqlRows rows;
    const std::string m = m_db->run(
        "SELECT name, evening_date, arranger FROM evenings WHERE evening_date >= ? AND evening_date <= ?"
        " ORDER BY evening_date, id",
        {from, to}, &rows);
    if (!m.empty()) return m;
    evenings.clear();
    for (int r = 0; r < rows.count(); ++r)
        evenings.push_back({coreText(rows, r, 0), rows.text(r, 1), coreText(rows, r, 2)});
    return "";
}

}  // namespace vindelkast
