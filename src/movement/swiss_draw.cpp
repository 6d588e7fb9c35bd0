#include "movement/swiss_draw.h"

#include <sodium.h>

#include <algorithm>
#include <functional>
#include <limits>

#include "movement/later_rounds.h"
#include "movement/pairing_search.h"

namespace vindelkast {

namespace {

using Pairs = std::vector<std::pair<int, int>>;

// The places of the standings and the meetings so far.
class DrawField {
public:
    explicit DrawField(const SwissDrawInput& input) : m_input(input) {}

    bool haveMet(int a, int b) const { return m_input.met.count(meetingOf(a, b)) > 0; }

    int place(int team) const {
        const auto at = std::find(m_input.standings.begin(), m_input.standings.end(), team);
        return static_cast<int>(at - m_input.standings.begin());
    }

    // The fewest repeated meetings with which `teams` can all be paired.
    int fewestRepeats(const std::vector<int>& teams) const {
        const int most = mostPairs(static_cast<int>(teams.size()),
                                   [&](int i, int j) { return !haveMet(teams[i], teams[j]); });
        return static_cast<int>(teams.size()) / 2 - most;
    }

    // Pairs `free` (in standings order) from the top with `repeats` repeated meetings at most,
    // which must be enough for them: the first such draw in Monrad's order that `accept`
    // takes, looked for through at most `budget` choices of a partner. False when none is
    // found (then `pairs` is as it came).
    bool pairFromTop(const std::vector<int>& free, int repeats, Pairs& pairs,
                     const std::function<bool(const Pairs&)>& accept, int& budget) const {
        if (free.size() < 2) return accept(pairs);
        const int top = free.front();
        std::vector<int> partners(free.begin() + 1, free.end());
        std::stable_partition(partners.begin(), partners.end(), [&](int t) { return !haveMet(top, t); });
        for (int partner : partners) {
            const int repeatsAfter = repeats - (haveMet(top, partner) ? 1 : 0);
            if (repeatsAfter < 0 || --budget < 0) continue;
            std::vector<int> rest;
            for (int t : free)
                if (t != top && t != partner) rest.push_back(t);
            if (fewestRepeats(rest) > repeatsAfter) continue;
            pairs.push_back({top, partner});
            if (pairFromTop(rest, repeatsAfter, pairs, accept, budget)) return true;
            pairs.pop_back();
        }
        return false;
    }

    // The most rounds the field could still play without a repeat: no team has more opponents
    // left to meet (and in an odd field, a bye left to sit out).
    int roundsWithoutRepeat() const {
        const std::vector<int>& teams = m_input.standings;
        const bool odd = teams.size() % 2 != 0;
        int fewest = static_cast<int>(teams.size());
        for (int team : teams) {
            const int unmet = static_cast<int>(std::count_if(
                teams.begin(), teams.end(), [&](int t) { return t != team && !haveMet(team, t); }));
            fewest = std::min(fewest, unmet + (odd && !m_input.hadBye.count(team) ? 1 : 0));
        }
        return fewest;
    }

    // The event once a round is drawn as `pairs` with `bye` sitting out.
    DrawnSoFar after(const Pairs& pairs, int bye) const {
        DrawnSoFar field{m_input.standings, m_input.met, m_input.hadBye};
        for (const auto& [a, b] : pairs) field.met.insert(meetingOf(a, b));
        for (const auto& [a, b] : m_input.fixedMeetings) field.met.insert(meetingOf(a, b));
        if (bye != 0) field.hadBye.insert(bye);
        return field;
    }

private:
    const SwissDrawInput& m_input;
};

// How many meetings a draw may try while it looks for one that leaves the rounds after it
// open: enough for the few ways a small field near its end has left, bounded for 40 teams.
constexpr int kLookAheadBudget = 20000;

std::string checkInput(const SwissDrawInput& input) {
    const std::vector<int>& teams = input.standings;
    if (teams.size() < 2) return "Det beh\xf6vs minst tv\xe5 lag f\xf6r en lottning";
    if (teams.size() > static_cast<std::size_t>(kMaxTeams))
        return "Fler \xe4n " + std::to_string(kMaxTeams) + " lag g\xe5r inte att lotta";
    if (std::set<int>(teams.begin(), teams.end()).size() != teams.size())
        return "Ett lag st\xe5r tv\xe5 g\xe5nger";
    if (input.roundsLeft < 1) return "Alla ronder \xe4r redan spelade";
    std::set<int> fixed;
    for (const auto& [a, b] : input.fixedMeetings) {
        for (int team : {a, b}) {
            if (std::find(teams.begin(), teams.end(), team) == teams.end())
                return "Fast m\xf6te med ok\xe4nt lag " + std::to_string(team);
            if (!fixed.insert(team).second)
                return "Lag " + std::to_string(team) + " har mer \xe4n ett fast m\xf6te";
        }
    }
    return "";
}

// The lowest-placed team without a fixed meeting that has not sat out; when all have, the
// lowest-placed without a fixed meeting.
int byeTeam(const SwissDrawInput& input, const std::set<int>& fixed) {
    int fallback = 0;
    for (auto at = input.standings.rbegin(); at != input.standings.rend(); ++at) {
        if (fixed.count(*at)) continue;
        if (!input.hadBye.count(*at)) return *at;
        if (fallback == 0) fallback = *at;
    }
    return fallback;
}

}  // namespace

std::pair<int, int> meetingOf(int a, int b) { return {std::min(a, b), std::max(a, b)}; }

SwissDraw drawSwissRound(const SwissDrawInput& input) {
    SwissDraw draw;
    draw.message = checkInput(input);
    if (!draw.message.empty()) return draw;
    const DrawField field(input);

    std::set<int> fixed;
    for (const auto& [a, b] : input.fixedMeetings) fixed.insert({a, b});
    if (input.standings.size() % 2 != 0) {
        draw.bye = byeTeam(input, fixed);
        if (draw.bye == 0) {
            draw.message = "Alla lag har fasta m\xf6ten; inget kan vara fritt";
            return draw;
        }
    }
    std::vector<int> free;
    for (int team : input.standings)
        if (!fixed.count(team) && team != draw.bye) free.push_back(team);

    const int repeats = field.fewestRepeats(free);
    draw.repeatUnavoidable = repeats > 0;
    // With rounds still to come after this one, a draw that lets as many of them as the field
    // allows go without a repeat goes before Monrad's first choice: a repeat comes as late as
    // it can.
    Pairs pairs;
    int budget = kLookAheadBudget;
    const bool lookAhead = input.roundsLeft >= 2 && repeats == 0;
    bool found = false;
    for (int later = std::min(input.roundsLeft, field.roundsWithoutRepeat()) - 1;
         lookAhead && !found && later >= 1; --later) {
        pairs.clear();
        found = field.pairFromTop(
            free, repeats, pairs,
            [&](const Pairs& p) { return laterRoundsOpen(field.after(p, draw.bye), later, budget); }, budget);
    }
    if (!found) {
        draw.nextRoundRepeats = lookAhead;
        budget = std::numeric_limits<int>::max();
        pairs.clear();
        field.pairFromTop(
            free, repeats, pairs, [](const Pairs&) { return true; }, budget);
    }
    if (pairs.size() * 2 != free.size()) {
        draw.message = "Lottningen misslyckades: alla lag kunde inte paras ihop";
        return draw;
    }
    for (const auto& [a, b] : input.fixedMeetings) pairs.push_back({a, b});
    for (auto& [a, b] : pairs)
        if (field.place(b) < field.place(a)) std::swap(a, b);
    std::sort(pairs.begin(), pairs.end(),
              [&](const auto& x, const auto& y) { return field.place(x.first) < field.place(y.first); });
    draw.repeats = static_cast<int>(std::count_if(
        pairs.begin(), pairs.end(), [&](const auto& p) { return field.haveMet(p.first, p.second); }));
    draw.pairs = std::move(pairs);
    return draw;
}

SwissDrawInput swissDrawInput(const TeamEvent& event, int byeVp, bool shuffleFirstRound) {
    SwissDrawInput input;
    for (const TeamScore& totals : rankTeams(teamTotals(event, byeVp)))
        input.standings.push_back(totals.team);
    for (const TeamRound& round : event.played) {
        for (const TeamMatch& match : round.matches) input.met.insert(meetingOf(match.home, match.away));
        input.hadBye.insert(round.byes.begin(), round.byes.end());
    }
    input.roundsLeft = event.rounds - static_cast<int>(event.played.size());
    input.fixedMeetings = event.fixedMeetings;
    if (event.played.empty() && shuffleFirstRound) {
        // The kernel's random source through libsodium, which aborts rather than hand out a
        // guessable order; a draw a player could foresee is no draw.
        static const bool ready = sodium_init() >= 0;
        (void)ready;
        std::vector<int>& order = input.standings;
        for (std::size_t i = order.size(); i > 1; --i)
            std::swap(order[i - 1], order[randombytes_uniform(static_cast<std::uint32_t>(i))]);
    }
    return input;
}

}  // namespace vindelkast
