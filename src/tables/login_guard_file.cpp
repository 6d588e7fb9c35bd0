#include "tables/login_guard_file.h"

#include <charconv>

#include "files/side_text.h"
#include "tables/table_codes.h"

namespace vindelkast {

namespace {

const char* const kHeader = "%INLOGGNINGAR 1";
const char* const kFile = "inloggningarna i \xe5terst\xe4llningsfilen";

// A client as the server names it (an address): one word of printable ASCII.
bool validClient(std::string_view client) {
    if (client.empty() || client.size() > 64) return false;
    for (char c : client)
        if (c <= ' ' || c > '~') return false;
    return true;
}

bool msWord(std::string_view word, std::int64_t& value) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && value >= 0;
}

std::string ms(std::int64_t value) { return std::to_string(value); }

}  // namespace

std::string writeGuardState(const GuardState& state) {
    std::string text = std::string(kHeader) + "\r\n";
    for (const auto& [client, c] : state.clients)
        if (validClient(client))
            text += "adress " + client + ' ' + std::to_string(c.failures) + ' ' + ms(c.lastFailureMs) + ' ' +
                    std::to_string(c.lastTable) + "\r\n";
    for (const auto& [table, t] : state.tables) {
        text += "bord " + std::to_string(table) + ' ' + std::to_string(t.failures) + ' ' +
                ms(t.lastFailureMs) + ' ' + std::to_string(t.windowFailures) + ' ' + ms(t.windowStartMs) +
                ' ' + ms(t.lockedUntilMs) + "\r\n";
        for (const std::string& client : t.clients)
            if (validClient(client)) text += "gissare " + std::to_string(table) + ' ' + client + "\r\n";
    }
    for (const auto& [login, order] : state.logins)
        if (validClient(login.first))
            text += "telefon " + login.first + ' ' + std::to_string(login.second) + ' ' + ms(order) + "\r\n";
    return text;
}

std::string readGuardState(GuardState& state, std::string_view text) {
    if (text.size() > kMaxSideFileBytes)
        return "Inloggningarna i \xe5terst\xe4llningsfilen \xe4r f\xf6r m\xe5nga";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader)
        return "Inloggningarna i \xe5terst\xe4llningsfilen \xe4r ol\xe4sliga";
    GuardState read;
    constexpr int kMaxCount = 1'000'000;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> w = lineWords(lines[i]);
        const auto fault = [&](const char* what) { return sideFileFault(kFile, i + 1, what); };
        if (w.size() == 5 && w[0] == "adress") {
            GuardState::Client c;
            if (!validClient(w[1]) || !numberWord(w[2], 0, kMaxCount, c.failures) ||
                !msWord(w[3], c.lastFailureMs) || !numberWord(w[4], 0, kMaxTables, c.lastTable))
                return fault("felaktig adress");
            read.clients[std::string(w[1])] = c;
        } else if (w.size() == 7 && w[0] == "bord") {
            int table = 0;
            GuardState::Table t;
            if (!numberWord(w[1], 1, kMaxTables, table) || !numberWord(w[2], 0, kLockOutAfter, t.failures) ||
                !msWord(w[3], t.lastFailureMs) || !numberWord(w[4], 0, kMaxCount, t.windowFailures) ||
                !msWord(w[5], t.windowStartMs) || !msWord(w[6], t.lockedUntilMs))
                return fault("felaktigt bord");
            read.tables[table] = t;
        } else if (w.size() == 3 && w[0] == "gissare") {
            int table = 0;
            if (!numberWord(w[1], 1, kMaxTables, table) || !read.tables.count(table) || !validClient(w[2]))
                return fault("felaktig gissare");
            read.tables[table].clients.emplace(w[2]);
        } else if (w.size() == 4 && w[0] == "telefon") {
            int table = 0;
            std::int64_t order = 0;
            if (!validClient(w[1]) || !numberWord(w[2], 1, kMaxTables, table) || !msWord(w[3], order) ||
                order < 1)
                return fault("felaktig telefon");
            read.logins[{std::string(w[1]), table}] = static_cast<std::uint64_t>(order);
        } else {
            return fault("ok\xe4nd rad");
        }
    }
    // Logins go on numbered after the last one kept, whichever line named it last.
    for (const auto& login : read.logins) read.loginCount = std::max(read.loginCount, login.second);
    state = std::move(read);
    return "";
}

}  // namespace vindelkast
