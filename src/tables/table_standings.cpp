#include "tables/table_standings.h"

#include <algorithm>

#include "model/board_results.h"
#include "model/name_forms.h"
#include "model/scoring_form.h"
#include "model/sections.h"
#include "model/standings.h"

namespace vindelkast {

namespace {

bool hasNames(const Contest& contest, int pair) {
    return pair >= 1 && pair <= std::min(contest.participantCount, kMaxPair) &&
           contest.participants[pair].first;
}

// The round a result was played in: the slot keeps it, except in Gröna Hissen, where it
// keeps the table and the round is the board's group.
int roundOfResult(const Contest& contest, int board, const BoardResult& r) {
    return contest.roundsDrawn() ? roundOfBoard(contest, board) : r.round;
}

int seatIn(const BoardResult& r, int pair, bool individual) {
    if (r.nsPair == pair) return North;
    if (r.ewPair == pair) return East;
    if (individual && r.nsPlayer2 == pair) return South;
    if (individual && r.ewPlayer2 == pair) return West;
    return -1;
}

// A team event's rows are its teams as the standings give them: VP, then IMP difference.
std::vector<RankingLine> teamLines(const Contest& contest) {
    const Standings standings = scoringForm(contest).standings(contest);
    std::vector<RankingLine> lines;
    for (std::size_t i = 0; i < standings.rows.size(); ++i) {
        const StandingsRow& row = standings.rows[i];
        lines.push_back({row.place, row.pair, standingsName(contest, standings, i, NameForm::Long),
                         row.figures[0], row.figures[1]});
    }
    return lines;
}

}  // namespace

std::string namesOf(const Contest& contest, int pair) {
    return hasNames(contest, pair) ? pairName(contest, pair, NameForm::Short) : "";
}

PhoneStandings phoneStandings(const Contest& contest) {
    PhoneStandings standings;
    standings.figures = liveStandings(contest);
    const LiveStandings& figures = standings.figures;
    const std::string title = figures.final ? "Slutst\xe4llning" : "St\xe4llning";
    const std::string after = figures.final ? "" : " " + roundsText(figures);
    standings.heading = title + after;
    if (contest.teams.any()) {
        standings.lines = teamLines(contest);
        return standings;
    }
    // Tied pairs share a place, as on the results pages and in the exports.
    const auto lineOf = [&](int pair, const std::vector<int>& among) {
        const PairStanding& p = figures.pairs[pair];
        return RankingLine{sharedLivePlace(figures, pair, among), pair, namesOf(contest, pair), p.points,
                           p.percent};
    };
    for (int pair : figures.order)
        if (figures.pairs[pair].hasFigure) standings.lines.push_back(lineOf(pair, figures.order));
    if (!contest.sections.any()) return standings;
    const int count = static_cast<int>(contest.sections.list.size());
    std::vector<std::vector<int>> members(static_cast<std::size_t>(count));
    for (int pair : figures.order)
        if (const int s = sectionOf(contest, pair); s >= 0 && figures.pairs[pair].hasFigure)
            members[static_cast<std::size_t>(s)].push_back(pair);
    for (int s = 0; s < count; ++s) {
        const std::vector<int>& among = members[static_cast<std::size_t>(s)];
        SectionRanking ranking{
            s, title + " sektion " + contest.sections.list[static_cast<std::size_t>(s)].letter + after, {}};
        for (int pair : among) ranking.lines.push_back(lineOf(pair, among));
        standings.sections.push_back(std::move(ranking));
    }
    return standings;
}

PairCard pairCard(const Contest& contest, int pair) {
    PairCard card;
    card.pair = pair;
    if (!Contest::validPair(pair)) return card;
    const ScoringForm& form = scoringForm(contest);
    const int lastBoard = contest.lastBoard();
    for (int b = 1; b <= lastBoard; ++b) {
        const Board& board = contest.boards[b];
        const int scored = countScored(board);
        for (int i = 0; i < board.resultCount; ++i) {
            const BoardResult& r = board.results[i];
            const int seat = seatIn(r, pair, contest.isIndividual);
            if (seat < 0) continue;
            const bool northSouth = seat == North || seat == South;
            CardLine line;
            line.round = roundOfResult(contest, b, r);
            line.board = b;
            line.seat = seat;
            line.opponent = northSouth ? r.ewPair : r.nsPair;
            line.opponentPartner = contest.isIndividual ? (northSouth ? r.ewPlayer2 : r.nsPlayer2) : 0;
            if (const auto found = contest.contracts.find({b, r.nsPair, r.ewPair});
                found != contest.contracts.end())
                line.hasPlayed = true, line.played = found->second;
            line.ownScore = northSouth ? r.nsScore : r.ewScore;
            const float points = northSouth ? r.nsPoints : r.ewPoints;
            if (!form.pointsHaveTop()) {
                // IMPs may be below nought; a result without them has none to add.
                if (hasScore(r.nsScore) && points != kNoPoints) card.points += line.points = points;
            } else if (hasScore(r.nsScore)) {
                line.points = std::max(0.0f, points);
                line.top = 2 * std::max(scored - 1, 0);
                card.points += line.points;
                card.top += line.top;
            }
            card.lines.push_back(line);
        }
    }
    std::stable_sort(card.lines.begin(), card.lines.end(),
                     [](const CardLine& a, const CardLine& b) { return a.round < b.round; });
    return card;
}

}  // namespace vindelkast
