#include "model/team_matches.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "model/board_results.h"
#include "model/imp_scoring.h"
#include "model/name_forms.h"
#include "model/scoring_form.h"

namespace vindelkast {

namespace {

// The IMPs an adjusted score's side is worth: its percentage's 3 IMPs for every 10 above 50.
int adjustedSideImps(int code, bool northSouth) {
    const int percent = (northSouth ? std::abs(code) / 10 % 10 : std::abs(code) % 10) * 10;
    return (percent - 50) * 3 / 10;
}

int tableScore(const Board& board, const MatchTable& table) {
    const BoardResult* slot = findResult(board, table.nsPair, table.ewPair);
    return slot ? slot->nsScore : kNoScore;
}

// What a match of pairs gets from one board scored across the field: half the difference of
// its two sides' IMPs, or, on matchpoints, 3 IMPs for every 10 % the home pair's share of the
// board's matchpoints lies above the other side's, halved, as an adjusted score of 60 % is
// worth 3 IMPs. Nothing while the board has no other result to be compared with.
std::optional<double> fieldImps(const Contest& contest, const Board& board, const MatchTable& table) {
    const BoardResult* slot = findResult(board, table.nsPair, table.ewPair);
    if (!slot || !hasScore(slot->nsScore) || slot->nsPoints == kNoPoints || slot->ewPoints == kNoPoints ||
        countScored(board) < 2)
        return std::nullopt;
    const double difference = static_cast<double>(slot->nsPoints) - slot->ewPoints;
    if (!scoringForm(contest).pointsHaveTop()) return difference / 2;
    // The two sides share the board's top as it stands, however many tables have played it.
    const double top = static_cast<double>(slot->nsPoints) + slot->ewPoints;
    return top > 0 ? difference / top * 15.0 : 0.0;
}

int roundedMargin(double imps) { return static_cast<int>(std::lround(imps)); }

}  // namespace

std::optional<int> matchBoardImps(int homeTableScore, int awayTableScore) {
    if (!hasScore(homeTableScore) || !hasScore(awayTableScore)) return std::nullopt;
    if (isBridgeScore(homeTableScore) && isBridgeScore(awayTableScore))
        return impsForDifference(homeTableScore - awayTableScore);
    // The home team sits North-South at its own table and East-West at the other.
    int imps = 0;
    if (!isBridgeScore(homeTableScore)) imps += adjustedSideImps(homeTableScore, true);
    if (!isBridgeScore(awayTableScore)) imps += adjustedSideImps(awayTableScore, false);
    return imps;
}

std::string teamName(const Contest& contest, int team) {
    const TeamSetup& teams = contest.teams;
    const std::size_t index = static_cast<std::size_t>(team - 1);
    if (teams.pairsPerTeam() == 1 && team >= 1 && team <= kMaxPair &&
        (index >= teams.names.size() || teams.names[index].empty()))
        return contest.participants[index + 1].first ? pairName(contest, team, NameForm::Long)
                                                     : "Par " + std::to_string(team);
    return teams.nameOf(team);
}

std::string matchTablesText(const MatchCard& card) {
    if (card.tables == 1) return std::to_string(card.homeTable);
    return std::to_string(card.homeTable) + "-" + std::to_string(card.homeTable + card.tables - 1);
}

int drawnTeamRounds(const Contest& contest) {
    const int k = contest.boardsPerRound;
    if (k <= 0) return 0;
    int rounds = 0;
    for (int b = 1; b <= contest.lastBoard(); b += k)
        if (contest.boards[b].resultCount > 0) rounds = (b - 1) / k + 1;
    return rounds;
}

std::vector<MatchCard> roundMatches(const Contest& contest, int round) {
    const int k = contest.boardsPerRound;
    const int first = (round - 1) * k + 1;
    if (k <= 0 || round < 1 || first > contest.lastBoard()) return {};
    const int last = std::min(round * k, contest.lastBoard());
    // The home team's own table is the lower of its match's tables.
    const TeamSetup& teams = contest.teams;
    std::map<int, MatchCard> byTable;
    const Board& opening = contest.boards[first];
    for (int i = 0; i < opening.resultCount; ++i) {
        const BoardResult& r = opening.results[i];
        const int nsTeam = teams.teamOfPair(r.nsPair), ewTeam = teams.teamOfPair(r.ewPair);
        const MatchTable own = teams.matchTables(nsTeam, ewTeam).front();
        const bool known = std::any_of(byTable.begin(), byTable.end(), [&](const auto& entry) {
            return entry.second.home == ewTeam && entry.second.away == nsTeam;
        });
        if (!known && r.nsPair == own.nsPair && r.ewPair == own.ewPair)
            byTable[r.round] = {round, nsTeam, ewTeam, r.round, teams.pairsPerTeam(), {}, 0, 0, 0, {}};
    }
    std::vector<MatchCard> cards;
    for (auto& [table, card] : byTable) {
        const std::vector<MatchTable> tables = teams.matchTables(card.home, card.away);
        double margin = 0;
        for (int b = first; b <= last; ++b) {
            const Board& board = contest.boards[b];
            MatchBoard line{b, tableScore(board, tables[0]), kNoScore, {}};
            if (tables.size() == 2) {
                line.awayTableScore = tableScore(board, tables[1]);
                if (const std::optional<int> imps = matchBoardImps(line.homeTableScore, line.awayTableScore))
                    line.homeImps = *imps;
            } else {
                line.homeImps = fieldImps(contest, board, tables[0]);
            }
            if (line.homeImps) {
                margin += *line.homeImps;
                if (tables.size() == 2) {
                    card.homeImps += std::max(roundedMargin(*line.homeImps), 0);
                    card.awayImps += std::max(-roundedMargin(*line.homeImps), 0);
                }
                ++card.boardsDone;
            }
            card.boards.push_back(line);
        }
        // A match of pairs is worth its margin over the boards, to the nearest IMP.
        if (tables.size() == 1) {
            card.homeImps = std::max(roundedMargin(margin), 0);
            card.awayImps = std::max(-roundedMargin(margin), 0);
        }
        card.vp = matchVp(k, card.homeImps, card.awayImps);
        cards.push_back(std::move(card));
    }
    return cards;
}

std::vector<int> roundByes(const Contest& contest, int round) {
    const std::vector<MatchCard> cards = roundMatches(contest, round);
    std::vector<int> byes;
    if (cards.empty()) return byes;
    for (int team = 1; team <= contest.teams.teamCount; ++team)
        if (std::none_of(cards.begin(), cards.end(),
                         [&](const MatchCard& c) { return c.home == team || c.away == team; }))
            byes.push_back(team);
    return byes;
}

TeamEvent teamEventOf(const Contest& contest) {
    TeamEvent event;
    event.boards = contest.boardsPerRound;
    event.rounds = contest.roundCount;
    for (int team = 1; team <= contest.teams.teamCount; ++team) {
        event.teams.push_back(team);
        event.names.push_back(teamName(contest, team));
    }
    for (int round = 1; round <= drawnTeamRounds(contest); ++round) {
        TeamRound played;
        for (const MatchCard& card : roundMatches(contest, round))
            played.matches.push_back({card.home, card.away, card.homeImps, card.awayImps});
        played.byes = roundByes(contest, round);
        event.played.push_back(std::move(played));
    }
    event.fixedMeetings = contest.teams.fixedMeetings;
    return event;
}

std::vector<TeamScore> teamEventTotals(const Contest& contest, int firstRound, int lastRound) {
    // A match counts from its first board entered, a bye from the round's first board.
    TeamEvent event = teamEventOf(contest);
    for (int round = 1; round <= static_cast<int>(event.played.size()); ++round) {
        TeamRound& played = event.played[static_cast<std::size_t>(round - 1)];
        if (round < firstRound || round > lastRound) {
            played = {};
            continue;
        }
        const std::vector<MatchCard> cards = roundMatches(contest, round);
        std::erase_if(played.matches, [&](const TeamMatch& m) {
            return std::any_of(cards.begin(), cards.end(), [&](const MatchCard& c) {
                return c.home == m.home && c.away == m.away && c.boardsDone == 0;
            });
        });
        if (played.matches.empty()) played.byes.clear();
    }
    std::vector<TeamScore> totals = teamTotals(event, contest.teams.byeVp);
    for (const CarriedTotals& c : contest.teams.carried)
        for (TeamScore& t : totals)
            if (t.team == c.team && firstRound <= 1) {
                t.vp += c.vp;
                t.impsFor += c.impsFor;
                t.impsAgainst += c.impsAgainst;
            }
    for (const VpAdjustment& adjustment : contest.teams.adjustments)
        if (adjustment.round >= firstRound && adjustment.round <= lastRound)
            for (TeamScore& t : totals)
                if (t.team == adjustment.team) t.vp += adjustment.vp;
    return totals;
}

std::optional<MatchCard> matchOfTeam(const Contest& contest, int round, int team) {
    for (const MatchCard& card : roundMatches(contest, round))
        if (card.home == team || card.away == team) return card;
    return std::nullopt;
}

}  // namespace vindelkast
