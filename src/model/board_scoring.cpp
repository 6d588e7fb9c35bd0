#include "model/board_scoring.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>

#include "model/bridge_tables.h"
#include "model/imp_scoring.h"
#include "model/scoring_form.h"

namespace vindelkast {

namespace {

int& scoreOf(BoardResult& r, Side side) { return side == Side::NorthSouth ? r.nsScore : r.ewScore; }
float& pointsOf(BoardResult& r, Side side) { return side == Side::NorthSouth ? r.nsPoints : r.ewPoints; }

// Percentage of one side in an adjusted code: tens digit for NS, units digit for EW.
int adjustedShare(int code, Side side) {
    const int magnitude = std::abs(code);
    const int digit = side == Side::NorthSouth ? (magnitude / 10) % 10 : magnitude % 10;
    return digit * 10;
}

int markValue(char mark) {
    switch (mark) {
    case '+':
        return 60;
    case '-':
        return 40;
    case '=':
        return 50;
    default:
        return kNoScore;
    }
}

std::string markText(int digit) {
    switch (digit) {
    case 6:
        return "+";
    case 5:
        return "=";
    case 4:
        return "-";
    default:
        return "";
    }
}

}  // namespace

float adjustedPoints(int code, Side side, int top) {
    return static_cast<float>(roundHalfUp(adjustedShare(code, side) * static_cast<double>(top) * 0.1) * 0.1);
}

double withAdjusted(double points, int bridgeCount, int adjustedCount, bool neuberg) {
    if (!neuberg) return points + adjustedCount;  // every adjusted result deemed a tie
    return neubergPoints(points, bridgeCount, bridgeCount + adjustedCount);
}

double neubergPoints(double points, int played, int outOf) { return (points + 1.0) * outOf / played - 1.0; }

void scoreSide(Board& board, Side side, const ScoringRule& rule) {
    const bool neuberg = rule.neuberg;
    const int n = board.resultCount;
    int bridgeCount = 0;
    int adjustedCount = 0;
    for (int i = 0; i < n; ++i) {
        BoardResult& r = board.results[i];
        pointsOf(r, side) = kNoPoints;
        const int score = scoreOf(r, side);
        if (isBridgeScore(score)) ++bridgeCount;
        if (score >= kAdjustedBase) ++adjustedCount;
    }
    for (int i = 0; i < n; ++i) {
        BoardResult& r = board.results[i];
        const int score = scoreOf(r, side);
        if (score < kAdjustedBase) continue;
        pointsOf(r, side) = adjustedPoints(score, side, 2 * (n - 1));
    }
    if (bridgeCount == 0) return;

    // Hand out places from the top: a tied group shares the average of its places. Only
    // bridge scores take places; an unscored result lies below every one of them.
    std::array<std::pair<int, int>, kMaxResults> ranked;  // score and slot, highest first
    int count = 0;
    for (int i = 0; i < n; ++i)
        if (isBridgeScore(scoreOf(board.results[i], side)))
            ranked[count++] = {scoreOf(board.results[i], side), i};
    std::sort(ranked.begin(), ranked.begin() + count, std::greater<>());
    int running = 2 * (bridgeCount - 1);
    for (int first = 0; first < count;) {
        int last = first + 1;
        while (last < count && ranked[last].first == ranked[first].first) ++last;
        const int tied = last - first;
        const float points =
            static_cast<float>(withAdjusted(running - (tied - 1), bridgeCount, adjustedCount, neuberg));
        for (int k = first; k < last; ++k) pointsOf(board.results[ranked[k].second], side) = points;
        running -= 2 * tied;
        first = last;
    }
}

void scoreBoard(Board& board, const ScoringRule& rule) { scoringForm(rule).scoreBoard(board, rule); }

int parseAdjustedScore(std::string_view typed) {
    if (typed.size() < 2) return kNoScore;
    std::string text(typed);
    for (char& c : text)
        if (c == 'M') c = '%';
    if (text[0] != '%') return kNoScore;
    const int ns = markValue(text[1]);
    if (ns == kNoScore) return kNoScore;
    int ew = ns;
    if (text.size() > 2) {
        char mark = text[2];
        if (mark == '%') mark = text.size() > 3 ? text[3] : '\0';
        ew = markValue(mark);
        if (ew == kNoScore) return kNoScore;
    }
    return kAdjustedBase + ns + ew / 10;
}

std::string adjustedScoreText(int code) {
    if (code < kAdjustedBase) return "";
    std::string text = "%";
    text += markText((code / 10) % 10);
    text += markText(code % 10);
    return text;
}

int expandTypedScore(int typed) {
    int v = typed < kNoScore ? kNoScore : typed;
    while (hasScore(v) && v != 0) {
        if (v % 10 == 0 && std::abs(v) > 49 && std::abs(v) != 60) break;
        if (v > 9999) break;
        v *= 10;
    }
    return v;
}

int checkPlausibility(int s, int board) {
    if (!isBridgeScore(s)) return 0;
    const bool nsVul = nsVulnerable(board);
    const bool ewVul = ewVulnerable(board);
    if (s == -50 && nsVul) return 2;
    if (s == 50 && ewVul) return 2;
    const bool scorerVul = s > 0 ? nsVul : ewVul;
    const int a = std::abs(s);
    if (!scorerVul && a >= 600 && a <= 720 && a != 650) return 1;
    if (scorerVul && a >= 400 && a <= 599 && a != 500) return 2;
    if (!scorerVul && (a == 1370 || a == 1390 || a == 1430 || a == 1440 || a == 1460 || a == 1470)) return 2;
    if (scorerVul && (a == 920 || a == 940 || a == 980 || a == 990 || a == 1010 || a == 1020)) return 2;
    return 0;
}

std::string plausibilityMessage(int code) {
    if (code == 1) return "Troligen fel resultat i ozon";
    if (code == 2) return "Troligen fel resultat i zon";
    return "";
}

int roundHalfUp(double x) { return static_cast<int>(std::floor(x + 0.5)); }

}  // namespace vindelkast
