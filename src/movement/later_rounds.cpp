#include "movement/later_rounds.h"

#include <algorithm>

#include "movement/pairing_search.h"
#include "movement/swiss_draw.h"

namespace vindelkast {

namespace {

// An odd field's sit-out, drawn as one more partner.
constexpr int kSitOut = 0;

bool mayMeet(const DrawnSoFar& field, int a, int b) {
    if (a == kSitOut || b == kSitOut) {
        const int team = a == kSitOut ? b : a;
        return field.hadBye.size() >= field.teams.size() || !field.hadBye.count(team);
    }
    return !field.met.count(meetingOf(a, b));
}

bool pairable(const DrawnSoFar& field, const std::vector<int>& teams) {
    const int n = static_cast<int>(teams.size());
    return 2 * mostPairs(n,
                         [&](int i, int j) {
                             return mayMeet(field, teams[static_cast<std::size_t>(i)],
                                            teams[static_cast<std::size_t>(j)]);
                         }) ==
           n;
}

// Pairs `free` with no repeat, each choice kept only while the rest can still be paired, until
// the rounds after this one are open too.
bool drawRound(const DrawnSoFar& field, const std::vector<int>& free, DrawnSoFar& after, int roundsAfter,
               int& budget) {
    if (free.empty()) return laterRoundsOpen(after, roundsAfter, budget);
    const int top = free.front();
    for (std::size_t i = 1; i < free.size(); ++i) {
        const int partner = free[i];
        if (!mayMeet(field, top, partner) || --budget < 0) continue;
        std::vector<int> rest;
        for (int t : free)
            if (t != top && t != partner) rest.push_back(t);
        if (!pairable(field, rest)) continue;
        DrawnSoFar next = after;
        if (top == kSitOut || partner == kSitOut)
            next.hadBye.insert(top == kSitOut ? partner : top);
        else
            next.met.insert(meetingOf(top, partner));
        if (drawRound(field, rest, next, roundsAfter, budget)) return true;
    }
    return false;
}

}  // namespace

bool laterRoundsOpen(const DrawnSoFar& field, int rounds, int& budget) {
    if (rounds <= 0) return true;
    if (budget < 0) return false;
    std::vector<int> free = field.teams;
    if (free.size() % 2 != 0) free.insert(free.begin(), kSitOut);
    DrawnSoFar after = field;
    return drawRound(field, free, after, rounds - 1, budget);
}

}  // namespace vindelkast
