#include "model/typed_score.h"

#include <algorithm>
#include <array>
#include <map>

#include "model/board_results.h"
#include "model/board_scoring.h"
#include "model/bridge_tables.h"
#include "model/contest_scoring.h"
#include "model/possible_scores.h"
#include "model/sections.h"

namespace vindelkast {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The score each letter stands for, not vulnerable and vulnerable, as North-South make it
// (a capital letter: the same score made by East-West). "p" is not a shortcut.
struct LetterShortcut {
    char letter;
    int notVulnerable;
    int vulnerable;
};
constexpr std::array<LetterShortcut, 25> kLetterShortcuts{{
    {'a', 400, 600}, {'b', 500, 500}, {'c', 300, 300}, {'d', 430, 630}, {'e', 130, 130},
    {'f', 440, 640}, {'g', 450, 650}, {'h', 460, 660}, {'i', 180, 180}, {'j', 100, 100},
    {'k', 480, 680}, {'l', 490, 690}, {'m', 800, 800}, {'n', 600, 600}, {'o', 210, 210},
    {'q', 110, 110}, {'r', 140, 140}, {'s', 420, 620}, {'t', 150, 150}, {'u', 170, 170},
    {'v', 400, 400}, {'w', 120, 120}, {'x', 200, 200}, {'y', 160, 160}, {'z', 100, 100},
}};

}  // namespace

std::optional<int> wholeNumber(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Nine digits stay well inside an int; longer numbers are no score anyway.
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

int pairFieldNumber(std::string_view text, int maxPairNumber) {
    const auto number = wholeNumber(text);
    if (!number || *number < 1 || *number > std::min(maxPairNumber, kMaxPair)) return 0;
    return *number;
}

namespace {

// The pair a field's label or number stands for ("b3" as "B3"); 0 for none.
int labelledPair(const Contest& contest, std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::string typed(text);
    if (!typed.empty() && typed.front() >= 'a' && typed.front() <= 'h') typed.front() -= 'a' - 'A';
    return pairFromLabel(contest, typed);
}

}  // namespace

int pairFieldNumber(const Contest& contest, std::string_view text) {
    if (!contest.sections.any()) return pairFieldNumber(text, contest.maxPairNumber);
    const int pair = labelledPair(contest, text);
    return pair <= std::min(contest.maxPairNumber, kMaxPair) ? pair : 0;
}

std::string pairFieldText(const Contest& contest, int pair) {
    return pair > 0 ? pairLabel(contest, pair) : "";
}

PairFieldCheck checkPairFields(const Contest& contest, const std::vector<std::string>& texts) {
    if (!contest.sections.any()) return checkPairFields(texts);
    std::vector<std::string> numbers;
    for (const std::string& text : texts) {
        const int pair = labelledPair(contest, text);
        numbers.push_back(pair > 0 ? std::to_string(pair) : text);
    }
    return checkPairFields(numbers);
}

std::string scoreCellText(int nsScore) {
    if (!hasScore(nsScore)) return "";
    if (nsScore < kAdjustedBase + 1) return std::to_string(nsScore);
    return adjustedScoreText(nsScore);
}

std::optional<int> letterScore(char key, int board) {
    const auto byte = static_cast<unsigned char>(key);
    if (byte == 0xA7) return 50;   // the section sign
    if (byte == 0xBD) return -50;  // the half sign
    const bool capital = key >= 'A' && key <= 'Z';
    const char small = capital ? static_cast<char>(key - 'A' + 'a') : key;
    const auto shortcut = std::find_if(kLetterShortcuts.begin(), kLetterShortcuts.end(),
                                       [small](const LetterShortcut& s) { return s.letter == small; });
    if (shortcut == kLetterShortcuts.end()) return std::nullopt;
    // A capital is the same score made by East-West, so their vulnerability counts.
    const bool vulnerable = capital ? ewVulnerable(board) : nsVulnerable(board);
    const int value = vulnerable ? shortcut->vulnerable : shortcut->notVulnerable;
    return capital ? -value : value;
}

PairFieldCheck checkPairFields(const std::vector<std::string>& texts) {
    PairFieldCheck check;
    std::map<int, int> counts;
    std::vector<std::optional<int>> numbers;
    numbers.reserve(texts.size());
    for (const std::string& text : texts) {
        numbers.push_back(wholeNumber(text));
        if (numbers.back()) ++counts[*numbers.back()];
    }
    check.states.assign(texts.size(), PairFieldState::Plain);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty()) continue;
        if (numbers[i] && counts[*numbers[i]] > 1) {
            check.states[i] = PairFieldState::Duplicate;
            check.duplicates = true;
        } else if (!numbers[i] || *numbers[i] < 1) {
            check.states[i] = PairFieldState::Invalid;
        }
    }
    return check;
}

TypedScore readTypedScore(std::string_view text, int board) {
    using Kind = TypedScore::Kind;
    if (text.empty()) return {};
    const auto refused = [](Kind kind, const std::string& shown) {
        return TypedScore{kind, kNoScore, "Ogiltigt resultat: " + shown};
    };
    if (text.size() == 1)
        if (const auto shortcut = letterScore(text[0], board)) return {Kind::Score, *shortcut, ""};
    if (const auto number = wholeNumber(text)) {
        // A number beyond the bridge scores would read as an adjusted-score code, and so
        // would four typed digits grown by the completion.
        if (!hasScore(*number) || *number > 9999) return refused(Kind::BeyondScores, std::to_string(*number));
        const int value = expandTypedScore(*number);
        if (!hasScore(value) || value > 9999) return refused(Kind::BeyondScores, std::to_string(value));
        return {Kind::Score, value, ""};
    }
    if (const int adjusted = parseAdjustedScore(text); adjusted != kNoScore)
        return {Kind::Score, adjusted, ""};
    return refused(Kind::NotAScore, std::string(text));
}

StoredScore storeTypedScore(Contest& contest, int board, const EntryRow& row, std::string_view text) {
    StoredScore out;
    if (!boardInContest(contest, board)) return out;
    Board& bd = contest.boards[board];
    BoardResult* slot = findResult(bd, row.ns, row.ew);
    if (!slot && row.seatsChange) slot = findResult(bd, row.ew, row.ns);
    if (!slot) return out;
    out.found = true;
    out.text = std::string(text);

    const TypedScore typed = readTypedScore(text, board);
    const bool score = typed.kind == TypedScore::Kind::Score;
    out.ink = text.empty() ? ScoreInk::Empty : score && typed.value >= 0 ? ScoreInk::Plus : ScoreInk::Minus;
    if (pairInContest(contest, row.ns) && pairInContest(contest, row.ew)) {
        if (typed.kind == TypedScore::Kind::BeyondScores) {
            // The cell must not look stored: it shows nothing, and the director is told.
            out.refusal = typed.refusal;
            out.text.clear();
            out.ink = ScoreInk::Empty;
        }
        const int value = score ? typed.value : kNoScore;
        out.value = value;
        out.plausibility = checkPlausibility(value, board);
        out.impossible = impossibleScoreMessage(value);
        setScore(*slot, value);
        contest.boardHasScores[board] = true;
        out.written = true;
        if (value != kNoScore) out.text = scoreCellText(value);
    }
    scoreContestBoard(contest, bd);
    return out;
}

std::string scoreWarning(const StoredScore& stored) {
    if (!stored.refusal.empty()) return stored.refusal;
    if (!stored.impossible.empty()) return stored.impossible;
    return plausibilityMessage(stored.plausibility);
}

}  // namespace vindelkast
