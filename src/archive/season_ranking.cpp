#include "archive/season_ranking.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "archive/swedish_order.h"

namespace vindelkast {

namespace {

struct Player {
    int memberId = 0;
    std::string name;
    std::string latest;             // date of the evening the name is from
    std::vector<long long> tenths;  // percentages as kept: one decimal
};

using PlayerKey = std::pair<int, std::string>;  // member id, or 0 and a guest's name

std::map<PlayerKey, Player> playersOf(const std::vector<SeasonEntry>& entries) {
    std::map<PlayerKey, Player> players;
    for (const SeasonEntry& e : entries) {
        Player& p = players[{e.memberId, e.memberId > 0 ? std::string() : e.name}];
        p.memberId = e.memberId;
        if (p.tenths.empty() || e.date >= p.latest) {
            p.name = e.name;
            p.latest = e.date;
        }
        p.tenths.push_back(std::llround(e.percent * 10.0));
    }
    return players;
}

// The mean of the best `best` in hundredths, rounded half up in whole numbers: the kept
// percentages have one decimal, so the sum is exact.
long long figure(std::vector<long long>& tenths, int best, int& counted) {
    std::sort(tenths.begin(), tenths.end(), std::greater<>());
    counted = best > 0 ? std::min(best, static_cast<int>(tenths.size())) : static_cast<int>(tenths.size());
    long long sum = 0;
    for (int i = 0; i < counted; ++i) sum += tenths[i];
    const long long n = counted;
    const long long twice = 20 * sum;  // 2 * 10 * sum: hundredths times 2n
    return twice >= 0 ? (twice + n) / (2 * n) : -((-twice + n) / (2 * n));
}

bool ahead(const SeasonPlace& a, const SeasonPlace& b) {
    if (a.hundredths != b.hundredths) return a.hundredths > b.hundredths;
    if (a.evenings != b.evenings) return a.evenings > b.evenings;
    if (const int c = compareSwedish(a.name, b.name); c != 0) return c < 0;
    return a.memberId < b.memberId;
}

}  // namespace

std::vector<SeasonPlace> rankSeason(const std::vector<SeasonEntry>& entries, const SeasonRule& rule) {
    std::vector<SeasonPlace> places;
    for (auto& [key, player] : playersOf(entries)) {
        const int evenings = static_cast<int>(player.tenths.size());
        if (evenings < std::max(rule.minimum, 1)) continue;
        SeasonPlace place;
        place.memberId = player.memberId;
        place.name = player.name;
        place.evenings = evenings;
        place.hundredths = figure(player.tenths, rule.best, place.counted);
        places.push_back(std::move(place));
    }
    std::sort(places.begin(), places.end(), ahead);
    // Equal figures share a place, as the evenings' places do; the order among them stays.
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i].place = i > 0 && places[i].hundredths == places[i - 1].hundredths ? places[i - 1].place
                                                                                    : static_cast<int>(i) + 1;
    return places;
}

std::string percentText(long long hundredths) {
    const bool negative = hundredths < 0;
    const long long magnitude = negative ? -hundredths : hundredths;
    std::string cents = std::to_string(magnitude % 100);
    if (cents.size() < 2) cents.insert(0, "0");
    return (negative ? "-" : "") + std::to_string(magnitude / 100) + "," + cents;
}

}  // namespace vindelkast
