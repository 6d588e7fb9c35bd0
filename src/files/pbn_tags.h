#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// A PBN file taken apart into games, tags and the table rows that follow a tag, with the line
// of each; what the tags mean is the business of the reader that asks for them.
namespace vindelkast {

struct PbnTag {
    std::string value;  // as written, escapes undone; the file's own bytes
    int line = 0;
};

struct PbnRow {
    std::vector<std::string> cells;  // blank-separated; a quoted cell may hold blanks
    int line = 0;
};

struct PbnGame {
    int line = 0;  // the first tag's
    std::map<std::string, PbnTag> tags;
    std::map<std::string, std::vector<PbnRow>> sections;  // rows after a tag, to the next tag

    const PbnTag* tag(const std::string& name) const;
    const std::vector<PbnRow>& rows(const std::string& name) const;
};

struct PbnFile {
    std::vector<PbnGame> games;
    std::string refusal;  // a tag that cannot be read, with its line
};

// Games end at an empty line. Comment lines ("%", ";") and "{...}" commentary are skipped; a
// value "#" repeats the previous game's value of that tag.
PbnFile splitPbnGames(std::string_view bytes);

// The columns of a table tag such as "PairId_NS\2R;PairId_EW\2R;Score_NS\6R".
class PbnColumns {
public:
    explicit PbnColumns(std::string_view tagValue);
    bool has(const std::string& name) const { return m_index.count(name) > 0; }
    std::size_t size() const { return m_count; }
    // The row's cell in the named column; "" for a column the table does not have.
    std::string cell(const PbnRow& row, const std::string& name) const;

private:
    std::map<std::string, std::size_t> m_index;
    std::size_t m_count = 0;
};

}  // namespace vindelkast
