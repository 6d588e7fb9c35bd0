#include "files/deal_import.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "files/deal_encodings.h"
#include "files/file_platform.h"
#include "files/safe_write.h"
#include "files/text_fields.h"

namespace vindelkast {

namespace {

constexpr std::size_t kDlmLineLength = 119;  // characters of a DLM line that are looked at

struct Record {
    std::size_t size;
    std::size_t dealOffset;
    std::size_t dealSize;
    DealEncoding encoding;
};

Record recordOf(DealFileFormat format) {
    switch (format) {
    case DealFileFormat::Dup:
        return {156, 0, 78, DealEncoding::CodePairs};
    case DealFileFormat::Cds:
        return {14, 1, 13, DealEncoding::OwnerBits};
    default:
        return {128, 0, 78, DealEncoding::CodePairs};
    }
}

// Fixed-size records, the k-th for board k; a record cut short by the end of the file is
// not used. Returns the number of records stored.
int readRecords(Contest& c, std::istream& in, DealFileFormat format, int last) {
    const Record record = recordOf(format);
    std::array<char, 156> buffer{};
    for (int k = 1; k <= last; ++k) {
        in.read(buffer.data(), static_cast<std::streamsize>(record.size));
        if (in.gcount() != static_cast<std::streamsize>(record.size)) return k - 1;
        storeDeal(c.boards[k], std::string_view(buffer.data() + record.dealOffset, record.dealSize),
                  record.encoding);
    }
    return last;
}

// "Board 07=" and 26 owner letters; the board number names the board. Reading stops after
// a board beyond the last one asked for, or at a number no board has. Returns the highest
// board stored.
int readDlm(Contest& c, std::istream& in, int last) {
    int highest = 0;
    std::string line;
    while (std::getline(in, line)) {
        chompCr(line);
        if (line.size() > kDlmLineLength) line.resize(kDlmLineLength);
        if (line.compare(0, 6, "Board ") != 0) continue;
        const auto number = parseLeadingInt(std::string_view(line).substr(6));
        if (!number || *number < 1) continue;
        if (*number > kMaxBoard) break;  // no such board: nothing to store it on
        storeDeal(c.boards[*number], line.size() > 9 ? std::string_view(line).substr(9) : std::string_view(),
                  DealEncoding::OwnerLetters);
        highest = std::max(highest, *number);
        if (*number > last) break;
    }
    return highest;
}

// The n-th "[Deal " line for board n. Returns the number of deals stored.
int readPbn(Contest& c, std::istream& in, int last) {
    int stored = 0;
    std::string line;
    while (stored < last && std::getline(in, line)) {
        chompCr(line);
        if (line.compare(0, 6, "[Deal ") != 0) continue;
        ++stored;
        storeDeal(c.boards[stored], line, DealEncoding::Pbn);
    }
    return stored;
}

}  // namespace

DealFileFormat dealFileFormat(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos) return DealFileFormat::Unknown;
    const std::string extension = fileName.substr(dot + 1);
    const struct {
        const char* lower;
        const char* upper;
        DealFileFormat format;
    } kinds[] = {{"bri", "BRI", DealFileFormat::Bri},
                 {"dup", "DUP", DealFileFormat::Dup},
                 {"cds", "CDS", DealFileFormat::Cds},
                 {"dlm", "DLM", DealFileFormat::Dlm},
                 {"pbn", "PBN", DealFileFormat::Pbn}};
    for (const auto& kind : kinds)
        if (extension == kind.lower || extension == kind.upper) return kind.format;
    return DealFileFormat::Unknown;
}

std::string dealImportRefusal(const Contest& contest) {
    return contest.boards[1].hasDeal() ? "Du har redan l\xe4st in givar" : "";
}

void importDeals(Contest& c, std::istream& in, DealFileFormat format) {
    const int last = c.boardCount >= 1 && c.boardCount <= kMaxBoard ? c.boardCount : kMaxBoard;
    c.dealCount = last;
    int read = 0;
    switch (format) {
    case DealFileFormat::Bri:
    case DealFileFormat::Dup:
    case DealFileFormat::Cds:
        read = readRecords(c, in, format, last);
        break;
    case DealFileFormat::Dlm:
        read = readDlm(c, in, last);
        break;
    case DealFileFormat::Pbn:
        read = readPbn(c, in, last);
        break;
    case DealFileFormat::Unknown:
        break;
    }
    int count = read;
    for (int b = 1; b <= read; ++b) {
        if (!c.boards[b].dealComplete()) {
            count = b - 1;
            c.boards[b].clearDeal();
            break;
        }
    }
    c.dealCount = std::min(c.dealCount, count);
}

std::string importDealFile(Contest& contest, const std::string& fileName) {
    const DealFileFormat format = dealFileFormat(fileName);
    std::ifstream in(filePath(fileName), std::ios::binary);
    if (!in) return "Kan inte l\xe4sa filen " + pathText(fileName);
    importDeals(contest, in, format);
    if (format == DealFileFormat::Unknown)
        return "Ok\xe4nd sorts givfil: " + pathText(fileName) +
               " (Vindelkast l\xe4ser .bri, .dup, .cds, .dlm och .pbn)";
    return "";
}

std::string dealCountMessage(int dealCount, int boardCount) {
    return (dealCount < boardCount ? "L\xe4ste bara " : "L\xe4ste ") + std::to_string(dealCount) + " givar";
}

}  // namespace vindelkast
