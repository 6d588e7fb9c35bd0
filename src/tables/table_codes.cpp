#include "tables/table_codes.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <random>
#include <set>

#include <sodium.h>

#include "files/side_text.h"

namespace vindelkast {

namespace {

const char* const kHeader = "%BORDKODER 1";
const char* const kFile = "bordkodsfilen";

// Picks letters of the alphabet, each as likely as the next.
struct SodiumLetters {
    std::size_t operator()() const {
        return randombytes_uniform(static_cast<std::uint32_t>(kCodeAlphabet.size()));
    }
};

struct SeededLetters {
    std::mt19937_64 random;
    std::uniform_int_distribution<std::size_t> pick{0, kCodeAlphabet.size() - 1};
    std::size_t operator()() { return pick(random); }
};

template <typename Letters>
std::string randomCode(Letters& random, int length) {
    std::string code;
    for (int i = 0; i < length; ++i) code += kCodeAlphabet[random()];
    return code;
}

template <typename Letters>
TableCodes makeCodes(int tableCount, bool pairsTyped, Letters& random) {
    TableCodes codes;
    codes.pairsTyped = pairsTyped;
    codes.director = randomCode(random, kDirectorCodeLength);
    std::set<std::string> taken;
    const int count = std::clamp(tableCount, 0, kMaxTables);
    while (static_cast<int>(codes.tables.size()) < count) {
        std::string code = randomCode(random, kTableCodeLength);
        if (taken.insert(code).second) codes.tables.push_back(code);
    }
    return codes;
}

std::string normalised(std::string_view code) {
    std::string text;
    for (char c : code)
        if (c != ' ') text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool validCode(std::string_view code, std::size_t length) {
    return code.size() == length && std::all_of(code.begin(), code.end(), [](char c) {
               return kCodeAlphabet.find(c) != std::string_view::npos;
           });
}

}  // namespace

TableCodes makeTableCodes(int tableCount, bool pairsTyped) {
    // libsodium draws on the kernel's source (getrandom) and aborts rather than hand out a
    // weak number; a failed start leaves it unusable, and the process then stops here too.
    static const bool ready = sodium_init() >= 0;
    if (!ready) std::abort();
    SodiumLetters random;
    return makeCodes(tableCount, pairsTyped, random);
}

TableCodes makeTableCodes(int tableCount, bool pairsTyped, std::uint64_t seed) {
    SeededLetters random{std::mt19937_64(seed)};
    return makeCodes(tableCount, pairsTyped, random);
}

int tableOfCode(const TableCodes& codes, std::string_view code) {
    const std::string typed = normalised(code);
    if (typed.empty()) return 0;
    for (std::size_t t = 0; t < codes.tables.size(); ++t)
        if (codes.tables[t] == typed) return static_cast<int>(t) + 1;
    return 0;
}

bool isDirectorCode(const TableCodes& codes, std::string_view code) {
    return !codes.director.empty() && normalised(code) == codes.director;
}

std::string codeForReading(std::string_view code) {
    std::string text;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (i > 0 && i % 4 == 0) text += ' ';
        text += code[i];
    }
    return text;
}

std::string writeTableCodes(const TableCodes& codes) {
    std::string text = std::string(kHeader) + "\r\n";
    text += "ledare " + codes.director + "\r\n";
    text += std::string("parnummer ") + (codes.pairsTyped ? "skrivs" : "spelschema") + "\r\n";
    for (std::size_t t = 0; t < codes.tables.size(); ++t)
        text += "bord " + std::to_string(t + 1) + ' ' + codes.tables[t] + "\r\n";
    return text;
}

std::string readTableCodes(TableCodes& codes, std::string_view text) {
    if (text.size() > kMaxSideFileBytes) return "Bordkodsfilen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Filen \xe4r ingen bordkodsfil (version 1)";
    TableCodes read;
    std::set<std::string_view> taken;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = lineWords(lines[i]);
        if (words.size() == 2 && words[0] == "ledare" && read.director.empty()) {
            if (!validCode(words[1], kDirectorCodeLength))
                return sideFileFault(kFile, i + 1, "felaktig ledarkod");
            read.director = std::string(words[1]);
        } else if (words.size() == 2 && words[0] == "parnummer" &&
                   (words[1] == "skrivs" || words[1] == "spelschema")) {
            read.pairsTyped = words[1] == "skrivs";
        } else if (words.size() == 3 && words[0] == "bord") {
            int table = 0;
            // Tables come in order, so table t is always on the t-th table line.
            if (!numberWord(words[1], 1, kMaxTables, table) ||
                table != static_cast<int>(read.tables.size()) + 1)
                return sideFileFault(kFile, i + 1, "borden ska komma i ordning 1-36");
            // An evening saved with the short codes of before goes on with them.
            const bool known =
                validCode(words[2], kTableCodeLength) || validCode(words[2], kShortTableCodeLength);
            if (!known || !taken.insert(words[2]).second)
                return sideFileFault(kFile, i + 1, "felaktig eller upprepad bordskod");
            read.tables.emplace_back(words[2]);
        } else {
            return sideFileFault(kFile, i + 1, "ok\xe4nd rad");
        }
    }
    if (read.director.empty()) return "Bordkodsfilen saknar ledarkod";
    codes = std::move(read);
    return "";
}

}  // namespace vindelkast
