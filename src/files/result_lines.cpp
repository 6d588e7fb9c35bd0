#include "files/result_lines.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <string_view>

#include "files/text_fields.h"
#include "model/result_order.h"

namespace vindelkast {

namespace {

char* putNumber(char* at, int value, int width, bool firstField = false) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    return putRightAligned(at, std::string_view(digits, static_cast<std::size_t>(end - digits)), width,
                           firstField);
}

// One result's line with its line end, written in place: a contest's 2,500 lines go out with
// every saved or recovered contest.
void appendResultLine(std::string& text, const Contest& c, int board, const BoardResult& r) {
    char line[160];
    char* at = putNumber(line, board, 2, true);
    at = putNumber(at, r.nsPair, 3);
    at = putNumber(at, r.ewPair, 3);
    if (c.isIndividual) {
        at = putNumber(at, r.nsPlayer2, 3);
        at = putNumber(at, r.ewPlayer2, 3);
    }
    at = putNumber(at, r.nsScore, 6);
    at = putRightAligned(at, formatGeneral(r.nsPoints), 6);
    at = putRightAligned(at, formatGeneral(r.ewPoints), 6);
    *at++ = '\r';
    *at++ = '\n';
    text.append(line, static_cast<std::size_t>(at - line));
}

// Equal to the last bit: -0 and 0 points are written differently.
bool sameResult(const BoardResult& a, const BoardResult& b) {
    return a.round == b.round && a.nsPair == b.nsPair && a.ewPair == b.ewPair && a.nsScore == b.nsScore &&
           a.ewScore == b.ewScore &&
           std::bit_cast<std::uint32_t>(a.nsPoints) == std::bit_cast<std::uint32_t>(b.nsPoints) &&
           std::bit_cast<std::uint32_t>(a.ewPoints) == std::bit_cast<std::uint32_t>(b.ewPoints) &&
           a.nsPlayer2 == b.nsPlayer2 && a.ewPlayer2 == b.ewPlayer2;
}

}  // namespace

void appendBoardResultLines(std::string& text, const Contest& c, int b, int arrangedOrder) {
    const Board& board = c.boards[b];
    std::vector<int> slots =
        arrangedOrder == 0 ? slotsAsTheyLie(board) : orderedSlots(c, board, arrangedOrder);
    for (int slot : orderedSlots(c, board, TableOrder, std::move(slots))) {
        const BoardResult& r = board.results[slot];
        if (sitsOut(c, r.nsPair) || sitsOut(c, r.ewPair)) continue;
        appendResultLine(text, c, b, r);
    }
}

bool ResultLinesCache::sameResults(const Board& board, const std::vector<BoardResult>& results) {
    const int count = std::clamp(board.resultCount, 0, kMaxResults);
    return static_cast<std::size_t>(count) == results.size() &&
           std::equal(results.begin(), results.end(), board.results.begin(), sameResult);
}

const std::string& ResultLinesCache::boardLines(const Contest& c, int b) {
    Kept& kept = m_boards[static_cast<std::size_t>(std::clamp(b, 0, kBoardSlots - 1))];
    const Board& board = c.boards[b];
    if (kept.written && kept.individual == c.isIndividual && kept.byePair == c.byePair &&
        sameResults(board, kept.results))
        return kept.lines;
    kept.written = true;
    kept.individual = c.isIndividual;
    kept.byePair = c.byePair;
    kept.results.assign(board.results.begin(),
                        board.results.begin() + std::clamp(board.resultCount, 0, kMaxResults));
    kept.lines.clear();
    appendBoardResultLines(kept.lines, c, b);
    return kept.lines;
}

}  // namespace vindelkast
