#include "archive/sqlite_connection.h"

#include <sqlite3.h>

#include <unordered_map>
#include <vector>

#include "files/safe_write.h"

namespace vindelkast {

namespace {

// Long enough for another club PC's import of an evening to finish.
constexpr int kBusyMilliseconds = 30'000;

class SqliteConnection : public SqlConnection {
public:
    explicit SqliteConnection(sqlite3* db) : m_db(db) {}
    ~SqliteConnection() override {
        for (auto& [sql, statement] : m_statements) sqlite3_finalize(statement);
        sqlite3_close(m_db);
    }

    std::string run(const std::string& sql, const std::vector<SqlValue>& parameters, SqlRows* rows) override {
        sqlite3_stmt* statement = prepared(sql);
        if (!statement) return failure();
        std::string message = bind(statement, parameters);
        if (message.empty()) message = step(statement, rows);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return message;
    }

    // IMMEDIATE takes the write lock at once, so two writers queue instead of one failing
    // when both try to upgrade a read lock.
    std::string beginWrite() override { return run("BEGIN IMMEDIATE", {}, nullptr); }
    std::string beginSchemaChange() override { return beginWrite(); }
    std::string identityColumn() const override { return "id INTEGER PRIMARY KEY"; }
    int parameterLimit() const override { return sqlite3_limit(m_db, SQLITE_LIMIT_VARIABLE_NUMBER, -1); }

private:
    std::string failure() const {
        return "Klubbarkivet (SQLite) svarade: " + databaseText(sqlite3_errmsg(m_db));
    }

    sqlite3_stmt* prepared(const std::string& sql) {
        if (auto found = m_statements.find(sql); found != m_statements.end()) return found->second;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v3(m_db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                               &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            return nullptr;
        }
        m_statements.emplace(sql, statement);
        return statement;
    }

    std::string bind(sqlite3_stmt* statement, const std::vector<SqlValue>& parameters) {
        for (int i = 0; i < static_cast<int>(parameters.size()); ++i) {
            const SqlValue& v = parameters[i];
            int rc = SQLITE_OK;
            switch (v.kind) {
            case SqlValue::Kind::Integer:
                rc = sqlite3_bind_int64(statement, i + 1, v.integer);
                break;
            case SqlValue::Kind::Real:
                rc = sqlite3_bind_double(statement, i + 1, v.real);
                break;
            case SqlValue::Kind::Text:
                rc = sqlite3_bind_text(statement, i + 1, v.text.data(), static_cast<int>(v.text.size()),
                                       SQLITE_TRANSIENT);
                break;
            case SqlValue::Kind::Null:
                rc = sqlite3_bind_null(statement, i + 1);
                break;
            }
            if (rc != SQLITE_OK) return failure();
        }
        return "";
    }

    std::string step(sqlite3_stmt* statement, SqlRows* rows) {
        const int columns = sqlite3_column_count(statement);
        if (rows) rows->start(columns);
        for (;;) {
            const int rc = sqlite3_step(statement);
            if (rc == SQLITE_DONE) return "";
            if (rc != SQLITE_ROW) return failure();
            if (!rows) continue;
            for (int c = 0; c < columns; ++c) rows->add(cell(statement, c));
        }
    }

    static SqlValue cell(sqlite3_stmt* statement, int column) {
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(statement, column);
        case SQLITE_NULL:
            return SqlValue{};
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            return std::string(text ? text : "",
                               static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
        }
        }
    }

    sqlite3* m_db;
    std::unordered_map<std::string, sqlite3_stmt*> m_statements;
};

// The file as a URI that opens it as it stands on disk: no lock, no -shm file beside it.
std::string immutableUri(const std::string& path) {
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            const char* hex = "0123456789ABCDEF";
            uri += '%';
            uri += hex[static_cast<unsigned char>(c) >> 4];
            uri += hex[static_cast<unsigned char>(c) & 15];
        } else {
            uri += c;
        }
    }
    return uri + "?mode=ro&immutable=1";
}

// True when the file can be read through `db` (a WAL file whose index SQLite may not create
// beside it cannot).
bool readable(sqlite3* db) {
    return sqlite3_exec(db, "SELECT COUNT(*) FROM sqlite_master", nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace

std::unique_ptr<SqlConnection> openSqliteConnection(const std::string& path, bool forWriting,
                                                    std::string& message) {
    sqlite3* db = nullptr;
    // One connection serves one thread: no locking inside SQLite.
    const int flags = (forWriting ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY) |
                      SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        message = "Kan inte \xf6ppna klubbarkivet " + pathText(path) + ": " +
                  databaseText(db ? sqlite3_errmsg(db) : "slut p\xe5 minne");
        sqlite3_close(db);
        return nullptr;
    }
    // A write-ahead-logged file in a folder the reader may not write has no index to read it
    // through: with no writer's log left beside it, the file itself is the whole archive.
    if (!forWriting && !readable(db)) {
        sqlite3_close(db);
        db = nullptr;
        if (sqlite3_open_v2(immutableUri(path).c_str(), &db, flags | SQLITE_OPEN_URI, nullptr) != SQLITE_OK ||
            !readable(db)) {
            message = "Kan inte l\xe4sa klubbarkivet " + pathText(path) + ": " +
                      databaseText(db ? sqlite3_errmsg(db) : "slut p\xe5 minne");
            sqlite3_close(db);
            return nullptr;
        }
    }
    // SQLite opens a file it may not write read-only without a word: a writer must hear why.
    if (forWriting && sqlite3_db_readonly(db, "main") == 1) {
        message = "Klubbarkivet " + pathText(path) +
                  " kan bara l\xe4sas h\xe4r: att spara i det kr\xe4ver skrivr\xe4tt till filen och mappen "
                  "den ligger i.";
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, kBusyMilliseconds);
    sqlite3_extended_result_codes(db, 1);
    auto connection = std::make_unique<SqliteConnection>(db);
    // Write-ahead logging lets a season ranking read while another PC adds an evening; a
    // killed writer's half evening is never seen. NORMAL keeps every committed evening
    // through a crash of the program (only a power cut may lose the last one). A reader
    // changes nothing: the mode is the file's, set by its writers.
    SqlRows ignored;
    const std::vector<const char*> pragmas =
        forWriting ? std::vector<const char*>{"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL",
                                              "PRAGMA foreign_keys = ON"}
                   : std::vector<const char*>{"PRAGMA foreign_keys = ON"};
    for (const char* pragma : pragmas) {
        message = connection->run(pragma, {}, &ignored);
        if (!message.empty()) {
            message = "Kan inte \xf6ppna klubbarkivet " + pathText(path) + ": " + message;
            return nullptr;
        }
    }
    return connection;
}

}  // namespace vindelkast
