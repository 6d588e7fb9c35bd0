#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vindelkast {

// A statement's parameter or a cell of its answer. Text is UTF-8, as the databases hold it.
struct SqlValue {
    enum class Kind { Null, Integer, Real, Text };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0.0;
    std::string text;

    SqlValue() = default;
    SqlValue(int n) : kind(Kind::Integer), integer(n) {}
    SqlValue(std::int64_t n) : kind(Kind::Integer), integer(n) {}
    SqlValue(double d) : kind(Kind::Real), real(d) {}
    SqlValue(std::string s) : kind(Kind::Text), text(std::move(s)) {}
    SqlValue(const char* s) : kind(Kind::Text), text(s) {}
};

// The rows a statement answered, cell by cell. A backend gives cells as it has them (typed,
// or as text); the accessors read either.
class SqlRows {
public:
    void start(int columns);
    void add(SqlValue cell) { m_cells.push_back(std::move(cell)); }

    int count() const { return m_columns == 0 ? 0 : static_cast<int>(m_cells.size()) / m_columns; }
    bool isNull(int row, int column) const;
    std::int64_t integer(int row, int column) const;
    double real(int row, int column) const;
    std::string text(int row, int column) const;

private:
    const SqlValue& cell(int row, int column) const { return m_cells[row * m_columns + column]; }
    int m_columns = 0;
    std::vector<SqlValue> m_cells;
};

// One connection to an archive database. The archive's statements are written once with `?`
// for each parameter (never in a literal) and always run with their values as parameters.
// Every call returns "" or the message (Windows-1252, Swedish, with the database's words).
class SqlConnection {
public:
    virtual ~SqlConnection() = default;

    virtual std::string run(const std::string& sql, const std::vector<SqlValue>& parameters = {},
                            SqlRows* rows = nullptr) = 0;
    // A transaction that writes: a second writer waits for it to end.
    virtual std::string beginWrite() = 0;
    // A transaction that may change the schema: a second one, from any process, waits.
    virtual std::string beginSchemaChange() = 0;
    std::string commit() { return run("COMMIT"); }
    void rollback() { run("ROLLBACK"); }

    // The column definition of a table's own generated key.
    virtual std::string identityColumn() const = 0;
    // The most parameters one statement may have.
    virtual int parameterLimit() const = 0;
};

// A database's own message (UTF-8, English as a rule) as core text.
std::string databaseText(const std::string& utf8);

}  // namespace vindelkast
