#include "files/edit_journal.h"

#include <algorithm>
#include <filesystem>

#include "files/contest_on_disk.h"
#include "files/file_platform.h"
#include "files/safe_write.h"
#include "files/side_text.h"
#include "model/contest.h"

namespace vindelkast {

namespace {

constexpr std::string_view kHeader = "%LOGG 1";
constexpr std::size_t kMaxFieldBytes = 4000;
constexpr int kFields = 6;

// A field's bytes with the journal's own separators written as "\t", "\n", "\r", "\\", cut
// where it would grow past what the reader takes: a journal written must always read back.
std::string escaped(std::string_view field) {
    std::string out;
    out.reserve(std::min(field.size(), kMaxFieldBytes));
    for (char c : field) {
        const std::string_view written = c == '\\'   ? "\\\\"
                                         : c == '\t' ? "\\t"
                                         : c == '\n' ? "\\n"
                                         : c == '\r' ? "\\r"
                                                     : std::string_view(&c, 1);
        if (out.size() + written.size() > kMaxFieldBytes) break;
        out += written;
    }
    return out;
}

bool unescaped(std::string_view field, std::string& out) {
    if (field.size() > kMaxFieldBytes) return false;
    out.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        // The writer never leaves a line end in a field: one there would be written back longer.
        if (field[i] == '\r') return false;
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) return false;
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

// "YYYY-MM-DD HH:MM:SS" in digits.
bool isJournalTime(std::string_view time) {
    if (time.size() != 19) return false;
    for (std::size_t i = 0; i < time.size(); ++i) {
        const char want = i == 4 || i == 7 ? '-' : i == 10 ? ' ' : i == 13 || i == 16 ? ':' : '0';
        if (want == '0' ? time[i] < '0' || time[i] > '9' : time[i] != want) return false;
    }
    return true;
}

std::string readEntry(std::string_view line, JournalEntry& entry) {
    const std::vector<std::string_view> fields = splitTabs(line);
    if (fields.size() != kFields) return "raden ska ha " + std::to_string(kFields) + " f\xe4lt";
    if (!isJournalTime(fields[0])) return "tiden ska skrivas \xc5\xc5\xc5\xc5-MM-DD TT:MM:SS";
    entry.time = std::string(fields[0]);
    std::string* texts[] = {&entry.source, &entry.what, &entry.before, &entry.after};
    for (int i = 0; i < 4; ++i)
        if (!unescaped(fields[1 + i], *texts[i])) return "trasig text i f\xe4lt " + std::to_string(i + 2);
    for (std::string_view word : lineWords(fields[5])) {
        int board = 0;
        if (!numberWord(word, 1, kMaxBoard, board))
            return "givarna ska vara tal 1-" + std::to_string(kMaxBoard);
        entry.boards.push_back(board);
    }
    return "";
}

}  // namespace

std::string journalTime(std::time_t when) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string journalClock(std::string_view time) {
    return time.size() >= 16 ? std::string(time.substr(11, 5)) : std::string(time);
}

std::string writeJournal(const std::vector<JournalEntry>& entries) {
    if (entries.empty()) return "";
    std::string text = std::string(kHeader) + "\r\n";
    for (const JournalEntry& entry : entries) {
        text += entry.time;
        for (const std::string* field : {&entry.source, &entry.what, &entry.before, &entry.after})
            text += "\t" + escaped(*field);
        text += "\t";
        for (std::size_t i = 0; i < entry.boards.size(); ++i)
            text += (i ? " " : "") + std::to_string(entry.boards[i]);
        text += "\r\n";
    }
    return text;
}

std::string readJournal(std::vector<JournalEntry>& entries, std::string_view text) {
    if (text.size() > kMaxJournalBytes) return "Loggen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Inte en \xe4ndringslogg";
    std::vector<JournalEntry> read;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        JournalEntry entry;
        if (std::string fault = readEntry(lines[i], entry); !fault.empty())
            return sideFileFault("\xe4ndringsloggen", i + 1, fault);
        read.push_back(std::move(entry));
    }
    entries = std::move(read);
    return "";
}

std::string readJournalBeside(const std::string& contestPath, std::vector<JournalEntry>& entries) {
    const std::string path = besidePath(contestPath, kJournalExtension);
    const WholeFile file = readWholeFile(path, kMaxJournalBytes);
    if (file.tooLarge) return pathText(path) + ": Loggen \xe4r f\xf6r stor";
    if (!file.found) {
        // A journal there that cannot be opened is still the evening's: never taken for none.
        std::error_code error;
        if (std::filesystem::symlink_status(filePath(path), error).type() !=
            std::filesystem::file_type::not_found)
            return "Kan inte l\xe4sa filen " + pathText(path);
        entries.clear();
        return "";
    }
    const std::string problem = readJournal(entries, file.text);
    return problem.empty() ? "" : pathText(path) + ": " + problem;
}

}  // namespace vindelkast
