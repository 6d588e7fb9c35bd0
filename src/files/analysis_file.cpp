#include "files/analysis_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>
#include <vector>

#include "analysis/board_analysis.h"
#include "files/side_text.h"

namespace vindelkast {

namespace {

constexpr const char* kHeader = "%FACIT 1";
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kHexDigits = "0123456789abcdef";

// A line's fields are separated by tabs; the par contracts by blanks, each contract as
// "level,strain,seats,overtricks,undertricks".
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

bool number(std::string_view text, int low, int high, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

bool readContract(std::string_view text, ParContract& contract) {
    const auto fields = split(text, ',');
    return fields.size() == 5 && number(fields[0], 1, 7, contract.level) &&
           number(fields[1], 0, 4, contract.strain) && number(fields[2], 0, 5, contract.seats) &&
           number(fields[3], 0, 6, contract.overTricks) && number(fields[4], 0, 13, contract.underTricks);
}

// A deal is at most 4 hands of 13 cards, dots and blanks: never longer than 70 characters.
bool readLine(std::string_view line, int& board, BoardAnalysis& analysis) {
    const auto fields = split(line, '\t');
    if (fields.size() != 5 || !number(fields[0], 1, kMaxBoard, board)) return false;
    if (fields[1].size() < 2 || fields[1].size() > 70 || fields[1].substr(0, 2) != "N:") return false;
    analysis.deal = std::string(fields[1]);
    if (fields[2].size() != 20) return false;
    for (int i = 0; i < 20; ++i) {
        const char* digit = std::find(kHexDigits, kHexDigits + 14, fields[2][i]);
        if (digit == kHexDigits + 14) return false;
        analysis.tricks[i / 5][i % 5] = static_cast<int>(digit - kHexDigits);
    }
    if (!number(fields[3], -7600, 7600, analysis.parScore)) return false;
    analysis.parCount = 0;
    if (fields[4].empty()) return true;
    for (std::string_view text : split(fields[4], ' ')) {
        if (analysis.parCount == static_cast<int>(analysis.parContracts.size())) return false;
        if (!readContract(text, analysis.parContracts[analysis.parCount++])) return false;
    }
    return true;
}

}  // namespace

std::string analysisFileText(const Contest& contest) {
    std::ostringstream out;
    out << kHeader << kLineEnd;
    for (int b = 1; b <= kMaxBoard; ++b) {
        const BoardAnalysis* analysis = keptAnalysis(contest, b);
        if (!analysis) continue;
        out << b << '\t' << analysis->deal << '\t';
        for (const auto& row : analysis->tricks)
            for (int tricks : row) out << kHexDigits[std::clamp(tricks, 0, 13)];
        out << '\t' << analysis->parScore << '\t';
        for (int i = 0; i < analysis->parCount; ++i) {
            const ParContract& c = analysis->parContracts[i];
            out << (i > 0 ? " " : "") << c.level << ',' << c.strain << ',' << c.seats << ',' << c.overTricks
                << ',' << c.underTricks;
        }
        out << kLineEnd;
    }
    return out.str();
}

std::string readAnalysisFile(Contest& contest, const std::string& text) {
    if (text.size() > kMaxSideFileBytes) return "Facitfilen \xe4r f\xf6r stor";
    std::array<BoardAnalysis, kBoardSlots> analyses{};
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNumber == 1) {
            if (line != kHeader) return "Filen \xe4r inte en facitfil";
            continue;
        }
        if (line.empty()) continue;
        int board = 0;
        BoardAnalysis analysis;
        if (!readLine(line, board, analysis))
            return "Facitfilen \xe4r skadad p\xe5 rad " + std::to_string(lineNumber);
        analyses[board] = std::move(analysis);
    }
    if (lineNumber == 0) return "Filen \xe4r inte en facitfil";
    contest.analyses = std::move(analyses);
    return "";
}

}  // namespace vindelkast
