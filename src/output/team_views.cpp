#include "output/team_views.h"

#include <algorithm>

#include "model/board_scoring.h"
#include "model/name_forms.h"
#include "model/scoring_form.h"
#include "model/victory_points.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

std::string teamLabel(const Contest& contest, int team) {
    return formatText("%2d %s", team, contest.teams.nameOf(team).c_str());
}

std::string scoreText(int score) {
    if (!hasScore(score)) return "";
    if (!isBridgeScore(score)) return adjustedScoreText(score);
    return std::to_string(score);
}

std::string boardRange(const Contest& contest, int round) {
    const int k = contest.boardsPerRound;
    return formatText("brickor %d-%d", (round - 1) * k + 1, std::min(round * k, contest.lastBoard()));
}

}  // namespace

std::vector<ViewLine> teamDrawLines(const Contest& contest, int round) {
    std::vector<ViewLine> lines{
        {formatText("Rond %d, %s", round, boardRange(contest, round).c_str()), Colour::Black, true},
        {"Bord   Hemmalag                                    Bortalag", Colour::Black, true}};
    const std::vector<MatchCard> cards = roundMatches(contest, round);
    for (const MatchCard& card : cards)
        lines.push_back(
            {formatText("%2d-%-2d  %-43s %s", card.homeTable, card.homeTable + 1,
                        teamLabel(contest, card.home).c_str(), teamLabel(contest, card.away).c_str())});
    for (int team : roundByes(contest, round))
        lines.push_back({formatText("Fri:   %s (%s VP)", teamLabel(contest, team).c_str(),
                                    vpText(contest.teams.byeVp).c_str())});
    if (cards.empty())
        lines.push_back({"Ronden \xe4r inte lottad"});
    else {
        lines.push_back({"Vid f\xf6rsta bordet sitter hemmalagets par 1 i NS mot bortalagets par 2,"});
        lines.push_back({"vid det andra bortalagets par 1 i NS mot hemmalagets par 2."});
    }
    return lines;
}

std::vector<ViewLine> matchCardLines(const Contest& contest, const MatchCard& card) {
    std::vector<ViewLine> lines{
        {formatText("Rond %d, bord %d-%d: %s - %s", card.round, card.homeTable, card.homeTable + 1,
                    contest.teams.nameOf(card.home).c_str(), contest.teams.nameOf(card.away).c_str()),
         Colour::Black, true},
        {formatText("Bricka  Bord %-2d  Bord %-2d   IMP hemma  IMP borta", card.homeTable,
                    card.homeTable + 1),
         Colour::Black, true}};
    for (const MatchBoard& b : card.boards) {
        const int home = b.homeImps.value_or(0);
        lines.push_back({formatText("%5d %8s %8s %11s %10s", b.board, scoreText(b.homeTableScore).c_str(),
                                    scoreText(b.awayTableScore).c_str(),
                                    b.homeImps && home > 0 ? std::to_string(home).c_str() : "",
                                    b.homeImps && home < 0 ? std::to_string(-home).c_str() : "")});
    }
    lines.push_back({formatText("Summa %29d %10d", card.homeImps, card.awayImps)});
    lines.push_back(
        {formatText("VP %32s %10s", vpText(card.vp.first).c_str(), vpText(card.vp.second).c_str())});
    if (card.boardsDone < static_cast<int>(card.boards.size()))
        lines.push_back({formatText("%d av %zu brickor spelade vid b\xe5"
                                    "da borden",
                                    card.boardsDone, card.boards.size()),
                         Colour::Blue});
    return lines;
}

std::vector<ViewLine> roundCardsLines(const Contest& contest, int round) {
    std::vector<ViewLine> lines;
    for (const MatchCard& card : roundMatches(contest, round)) {
        std::vector<ViewLine> part = matchCardLines(contest, card);
        lines.insert(lines.end(), part.begin(), part.end());
        lines.push_back({""});
    }
    return lines;
}

std::vector<ViewLine> teamStandingsLines(const Contest& contest) {
    const ScoringForm& form = scoringForm(contest);
    const Standings standings = form.standings(contest);
    std::string heading = padRight("pl  nr lag", 47);
    for (const FigureColumn& column : standings.columns)
        heading += formatText(" %*s", column.width, column.heading);
    std::vector<ViewLine> lines{{"St\xe4llning", Colour::Black, true}, {heading, Colour::Black, true}};
    for (std::size_t i = 0; i < standings.rows.size(); ++i) {
        const StandingsRow& row = standings.rows[i];
        const bool tied = (i > 0 && standings.rows[i - 1].place == row.place) ||
                          (i + 1 < standings.rows.size() && standings.rows[i + 1].place == row.place);
        std::string line = formatText("%2d%c %2d %-40s", row.place, tied ? '=' : ' ', row.pair,
                                      standingsName(contest, standings, i, NameForm::Long).c_str());
        for (std::size_t c = 0; c < standings.columns.size(); ++c)
            line += formatText(" %*s", standings.columns[c].width,
                               figureText(standings.columns[c], row.figures[c]).c_str());
        lines.push_back({line});
        // A team whose pairs have no names yet shows none.
        const Participant& first = contest.participants[static_cast<std::size_t>(firstPairOfTeam(row.pair))];
        const Participant& second =
            contest.participants[static_cast<std::size_t>(secondPairOfTeam(row.pair))];
        if (first.first || second.first)
            lines.push_back({"          " + pairName(contest, firstPairOfTeam(row.pair), NameForm::Long) +
                                 ", " + pairName(contest, secondPairOfTeam(row.pair), NameForm::Long),
                             Colour::Blue});
    }
    for (const VpAdjustment& j : contest.teams.adjustments)
        lines.push_back({formatText("Justering rond %d: %s %s VP", j.round,
                                    contest.teams.nameOf(j.team).c_str(), vpText(j.vp).c_str())});
    return lines;
}

std::vector<ViewLine> crossTableLines(const Contest& contest) {
    const int n = contest.teams.teamCount;
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(n) + 1,
                                                std::vector<std::string>(static_cast<std::size_t>(n) + 1));
    for (int round = 1; round <= drawnTeamRounds(contest); ++round)
        for (const MatchCard& card : roundMatches(contest, round)) {
            if (card.boardsDone == 0 || card.home > n || card.away > n) continue;
            cells[static_cast<std::size_t>(card.home)][static_cast<std::size_t>(card.away)] =
                vpText(card.vp.first);
            cells[static_cast<std::size_t>(card.away)][static_cast<std::size_t>(card.home)] =
                vpText(card.vp.second);
        }
    std::string heading = "nr lag                 ";
    for (int t = 1; t <= n; ++t) heading += formatText(" %5d", t);
    std::vector<ViewLine> lines{{"Korstabell (VP)", Colour::Black, true}, {heading, Colour::Black, true}};
    for (int t = 1; t <= n; ++t) {
        std::string line = formatText("%2d %-20.20s", t, contest.teams.nameOf(t).c_str());
        for (int o = 1; o <= n; ++o)
            line += formatText(
                " %5s",
                o == t ? "  X" : cells[static_cast<std::size_t>(t)][static_cast<std::size_t>(o)].c_str());
        lines.push_back({line});
    }
    return lines;
}

std::vector<ViewLine> teamEventLines(const Contest& contest) {
    std::vector<ViewLine> lines = teamStandingsLines(contest);
    for (int round = drawnTeamRounds(contest); round >= 1; --round) {
        lines.push_back({""});
        for (ViewLine& line : teamDrawLines(contest, round)) lines.push_back(std::move(line));
        lines.push_back({""});
        for (ViewLine& line : roundCardsLines(contest, round)) lines.push_back(std::move(line));
    }
    if (contest.teams.form == TeamForm::RoundRobin) {
        lines.push_back({""});
        for (ViewLine& line : crossTableLines(contest)) lines.push_back(std::move(line));
    }
    return lines;
}

std::string matchStandingText(const Contest& contest, int round, int team) {
    const std::optional<MatchCard> card = matchOfTeam(contest, round, team);
    if (!card) return "";
    const bool home = card->home == team;
    const int margin = home ? card->homeImps - card->awayImps : card->awayImps - card->homeImps;
    const std::string vp = vpText(home ? card->vp.first : card->vp.second);
    if (margin > 0) return "Ni leder med " + std::to_string(margin) + " IMP, " + vp + " VP";
    if (margin < 0) return "Ni ligger under med " + std::to_string(-margin) + " IMP, " + vp + " VP";
    return "Ni st\xe5r lika, " + vp + " VP";
}

}  // namespace vindelkast
