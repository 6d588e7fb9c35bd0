#include "files/pbn_tags.h"

#include "files/foreign_text.h"

namespace vindelkast {

namespace {

const std::vector<PbnRow> kNoRows;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && (isBlank(line.front()) || line.front() == '\r')) line.remove_prefix(1);
    while (!line.empty() && (isBlank(line.back()) || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

// A quoted string from `at` (on its opening quote): escapes \" and \\ undone. False when the
// closing quote is missing.
bool quoted(std::string_view line, std::size_t& at, std::string& out) {
    for (++at; at < line.size(); ++at) {
        // Only \" and \\ are escapes; a table's "PairId_NS\2R" keeps its backslash.
        if (line[at] == '\\' && at + 1 < line.size() && (line[at + 1] == '"' || line[at + 1] == '\\')) {
            out += line[++at];
        } else if (line[at] == '"') {
            ++at;
            return true;
        } else {
            out += line[at];
        }
    }
    return false;
}

// "[Name "value"]": false when the line is not such a tag.
bool parseTag(std::string_view line, std::string& name, std::string& value) {
    std::size_t at = 1;
    while (at < line.size() && !isBlank(line[at]) && line[at] != '"' && line[at] != ']') name += line[at++];
    while (at < line.size() && isBlank(line[at])) ++at;
    if (name.empty() || at >= line.size() || line[at] != '"' || !quoted(line, at, value)) return false;
    while (at < line.size() && isBlank(line[at])) ++at;
    return at < line.size() && line[at] == ']';
}

PbnRow rowOf(std::string_view line, int number) {
    PbnRow row;
    row.line = number;
    std::size_t at = 0;
    while (at < line.size()) {
        if (isBlank(line[at])) {
            ++at;
            continue;
        }
        std::string cell;
        if (line[at] == '"') {
            quoted(line, at, cell);
        } else {
            while (at < line.size() && !isBlank(line[at])) cell += line[at++];
        }
        row.cells.push_back(cell);
    }
    return row;
}

}  // namespace

const PbnTag* PbnGame::tag(const std::string& name) const {
    const auto found = tags.find(name);
    return found == tags.end() ? nullptr : &found->second;
}

const std::vector<PbnRow>& PbnGame::rows(const std::string& name) const {
    const auto found = sections.find(name);
    return found == sections.end() ? kNoRows : found->second;
}

PbnFile splitPbnGames(std::string_view bytes) {
    PbnFile file;
    std::map<std::string, std::string> previous;
    PbnGame game;
    std::string section;
    bool inCommentary = false;
    int number = 0;
    const auto endGame = [&] {
        if (!game.tags.empty()) {
            for (const auto& [name, tag] : game.tags) previous[name] = tag.value;
            file.games.push_back(std::move(game));
        }
        game = PbnGame{};
        section.clear();
    };
    for (std::size_t start = 0; start <= bytes.size();) {
        const auto end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view line = trimmed(bytes.substr(start, end - start));
        start = end + 1;
        ++number;
        if (inCommentary) {
            inCommentary = line.find('}') == std::string_view::npos;
            continue;
        }
        if (line.empty()) {
            endGame();
            continue;
        }
        if (line.front() == '%' || line.front() == ';') continue;
        if (line.front() == '{') {
            inCommentary = line.find('}') == std::string_view::npos;
            continue;
        }
        if (line.front() != '[') {
            if (!section.empty()) game.sections[section].push_back(rowOf(line, number));
            continue;
        }
        std::string name, value;
        if (!parseTag(line, name, value)) {
            file.refusal = noteText({number, "taggen kan inte l\xe4sas: " + tidyText(line.substr(0, 60))});
            return file;
        }
        if (value == "#" && previous.count(name)) value = previous[name];
        if (game.tags.empty()) game.line = number;
        game.tags[name] = {value, number};
        section = name;
    }
    endGame();
    return file;
}

PbnColumns::PbnColumns(std::string_view tagValue) {
    std::size_t start = 0;
    while (start <= tagValue.size()) {
        const auto end = std::min(tagValue.find(';', start), tagValue.size());
        const std::string_view column = tagValue.substr(start, end - start);
        m_index.emplace(std::string(column.substr(0, column.find('\\'))), m_count++);
        start = end + 1;
    }
}

std::string PbnColumns::cell(const PbnRow& row, const std::string& name) const {
    const auto found = m_index.find(name);
    if (found == m_index.end() || found->second >= row.cells.size()) return "";
    return row.cells[found->second];
}

}  // namespace vindelkast
