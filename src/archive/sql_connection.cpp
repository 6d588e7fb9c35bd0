#include "archive/sql_connection.h"

#include <charconv>

#include "files/text_encoding.h"

namespace vindelkast {

namespace {

// Numbers as the databases write them, whatever the program's locale says about decimals.
template <typename Number>
Number parsed(const std::string& text) {
    Number value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

void SqlRows::start(int columns) {
    m_columns = columns;
    m_cells.clear();
}

bool SqlRows::isNull(int row, int column) const { return cell(row, column).kind == SqlValue::Kind::Null; }

std::int64_t SqlRows::integer(int row, int column) const {
    const SqlValue& v = cell(row, column);
    switch (v.kind) {
    case SqlValue::Kind::Integer:
        return v.integer;
    case SqlValue::Kind::Real:
        return static_cast<std::int64_t>(v.real);
    case SqlValue::Kind::Text:
        return parsed<std::int64_t>(v.text);
    default:
        return 0;
    }
}

double SqlRows::real(int row, int column) const {
    const SqlValue& v = cell(row, column);
    switch (v.kind) {
    case SqlValue::Kind::Integer:
        return static_cast<double>(v.integer);
    case SqlValue::Kind::Real:
        return v.real;
    case SqlValue::Kind::Text:
        return parsed<double>(v.text);
    default:
        return 0.0;
    }
}

std::string SqlRows::text(int row, int column) const {
    const SqlValue& v = cell(row, column);
    switch (v.kind) {
    case SqlValue::Kind::Integer:
        return std::to_string(v.integer);
    case SqlValue::Kind::Real:
        return std::to_string(v.real);
    case SqlValue::Kind::Text:
        return v.text;
    default:
        return "";
    }
}

std::string databaseText(const std::string& utf8) {
    std::string text = utf8;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (auto cp1252 = utf8ToCp1252(text)) return *cp1252;
    for (char& c : text)
        if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return text;
}

}  // namespace vindelkast
