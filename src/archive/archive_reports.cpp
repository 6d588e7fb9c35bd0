#include "archive/archive_reports.h"

#include "archive/archive_place.h"
#include "archive/swedish_order.h"

namespace vindelkast {

std::string seasonRankingAt(const std::string& place, const SeasonRange& range,
                            std::vector<SeasonPlace>& places, std::vector<EveningKey>* evenings,
                            std::vector<TeamSeries>* series) {
    // Ties go by name: without ICU the ranking would come out in an order nobody expects.
    if (std::string message = loadSwedishOrder(); !message.empty()) return message;
    OpenedArchive opened = openArchive(place, false);
    if (!opened.archive) return opened.message;
    std::vector<SeasonEntry> entries;
    if (std::string message = opened.archive->seasonEntries(range.from, range.to, entries); !message.empty())
        return message;
    places = rankSeason(entries, range.rule);
    if (series) {
        std::vector<SeasonTeamEntry> teams;
        if (std::string message = opened.archive->seasonTeamEntries(range.from, range.to, teams);
            !message.empty())
            return message;
        *series = rankTeamSeries(teams);
    }
    return evenings ? opened.archive->eveningsBetween(range.from, range.to, *evenings) : "";
}

std::string playerEveningsAt(const std::string& place, int memberId, std::vector<PlayerEvening>& evenings) {
    OpenedArchive opened = openArchive(place, false);
    if (!opened.archive) return opened.message;
    return opened.archive->playerHistory(memberId, evenings);
}

}  // namespace vindelkast
