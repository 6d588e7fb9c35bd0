#include "files/session_rounds.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "movement/played_rounds.h"

namespace vindelkast {

namespace {

// The size the most meetings have; the smaller size wins a tie.
int mostCommonSize(const std::map<std::tuple<int, int, int>, int>& meetings) {
    std::map<int, int> bySize;
    for (const auto& [key, size] : meetings) ++bySize[size];
    int best = 1, count = 0;
    for (const auto& [size, n] : bySize)
        if (n > count) {
            best = size;
            count = n;
        }
    return best;
}

int boardsPerRoundOf(const std::vector<ImportedResult>& results, bool roundsGiven) {
    std::map<std::tuple<int, int, int>, int> meetings;
    for (const ImportedResult& r : results) ++meetings[{r.nsPair, r.ewPair, roundsGiven ? r.round : 0}];
    return std::max(mostCommonSize(meetings), 1);
}

// A result's place among the results of its board, counted from 1 in the file's order.
std::vector<int> placesOnBoards(const std::vector<ImportedResult>& results) {
    std::map<int, int> seen;
    std::vector<int> places;
    for (const ImportedResult& r : results) places.push_back(++seen[r.board]);
    return places;
}

bool inferFromPlay(const std::vector<ImportedResult>& results, SessionRounds& laid, int boardCount) {
    const int perRound = laid.boardsPerRound;
    std::map<std::tuple<int, int, int>, std::size_t> index;
    std::vector<Meeting> meetings;
    std::vector<std::size_t> meetingOf;
    std::map<int, int> meetingsOfPair;
    for (const ImportedResult& r : results) {
        const int group = (r.board - 1) / perRound;
        const auto [at, added] = index.emplace(std::make_tuple(r.nsPair, r.ewPair, group), meetings.size());
        if (added) {
            meetings.push_back({r.nsPair, r.ewPair, group});
            ++meetingsOfPair[r.nsPair];
            ++meetingsOfPair[r.ewPair];
        }
        meetingOf.push_back(at->second);
    }
    int limit = (boardCount + perRound - 1) / perRound;
    for (const auto& [pair, count] : meetingsOfPair) limit = std::max(limit, count);
    std::vector<int> rounds = inferRounds(meetings, limit, false);
    if (rounds.empty()) {
        rounds = inferRounds(meetings, limit, true);
        if (!rounds.empty())
            laid.notes.push_back({0, "tv\xe5 bord spelade samma brickor i samma rond (delade brickor)"});
    }
    if (rounds.empty()) return false;
    for (std::size_t m : meetingOf) laid.roundOf.push_back(rounds[m]);
    return true;
}

}  // namespace

SessionRounds sessionRounds(const std::vector<ImportedResult>& results, int boardCount) {
    SessionRounds laid;
    const bool roundsGiven =
        !results.empty() &&
        std::all_of(results.begin(), results.end(), [](const ImportedResult& r) { return r.round > 0; });
    laid.boardsPerRound = boardsPerRoundOf(results, roundsGiven);
    if (boardCount % laid.boardsPerRound != 0)
        laid.notes.push_back({0, std::to_string(boardCount) + " givar g\xe5r inte j\xe4mnt upp i ronder om " +
                                     std::to_string(laid.boardsPerRound) + " givar"});
    if (roundsGiven) {
        for (const ImportedResult& r : results) laid.roundOf.push_back(r.round);
        return laid;
    }
    const bool someGiven =
        std::any_of(results.begin(), results.end(), [](const ImportedResult& r) { return r.round > 0; });
    if (someGiven)
        laid.notes.push_back({0, "bara en del av raderna anger rond; ronderna h\xe4rleds i st\xe4llet"});
    if (inferFromPlay(results, laid, boardCount)) {
        laid.notes.push_back(
            {0, "filen anger inga ronder; de \xe4r h\xe4rledda ur vilka par som spelade vilka brickor"});
        return laid;
    }
    laid.roundOf = placesOnBoards(results);
    laid.notes.push_back(
        {0, "ronderna kunde inte h\xe4rledas; varje resultat f\xe5r sin plats p\xe5 brickan som rond"});
    return laid;
}

}  // namespace vindelkast
