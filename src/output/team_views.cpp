#include "output/team_views.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/board_scoring.h"
#include "model/name_forms.h"
#include "model/scoring_form.h"
#include "model/victory_points.h"
#include "output/text_format.h"

namespace vindelkast {

namespace {

std::string teamLabel(const Contest& contest, int team) {
    return formatText("%2d %s", team, teamName(contest, team).c_str());
}

std::string scoreText(int score) {
    if (!hasScore(score)) return "";
    if (!isBridgeScore(score)) return adjustedScoreText(score);
    return std::to_string(score);
}

// " 1-2 " for a team's match, " 3   " for a pair's.
std::string tablesColumn(const MatchCard& card) {
    if (card.tables == 1) return formatText("%2d   ", card.homeTable);
    return formatText("%2d-%-2d", card.homeTable, card.homeTable + 1);
}

std::string boardRange(const Contest& contest, int round) {
    const int k = contest.boardsPerRound;
    return formatText("brickor %d-%d", (round - 1) * k + 1, std::min(round * k, contest.lastBoard()));
}

}  // namespace

std::string matchImpText(double imps) {
    const long hundredths = std::lround(imps * 100);
    if (hundredths % 100 == 0) return std::to_string(hundredths / 100);
    return formatText("%s%ld,%02ld", hundredths < 0 ? "-" : "", std::labs(hundredths) / 100,
                      std::labs(hundredths) % 100);
}

std::vector<ViewLine> teamDrawLines(const Contest& contest, int round) {
    std::vector<ViewLine> lines{
        {formatText("Rond %d, %s", round, boardRange(contest, round).c_str()), Colour::Black, true},
        {contest.teams.pairsPerTeam() == 1 ? "Bord   Hemmapar                                    Bortapar"
                                           : "Bord   Hemmalag                                    Bortalag",
         Colour::Black, true}};
    const std::vector<MatchCard> cards = roundMatches(contest, round);
    for (const MatchCard& card : cards)
        lines.push_back(
            {formatText("%s  %-43s %s", tablesColumn(card).c_str(), teamLabel(contest, card.home).c_str(),
                        teamLabel(contest, card.away).c_str())});
    for (int team : roundByes(contest, round))
        lines.push_back({formatText("Fri:   %s (%s VP)", teamLabel(contest, team).c_str(),
                                    vpText(contest.teams.byeVp).c_str())});
    if (cards.empty())
        lines.push_back({"Ronden \xe4r inte lottad"});
    else if (cards.front().tables == 1)
        lines.push_back({"Hemmaparet sitter i NS."});
    else {
        lines.push_back({"Vid f\xf6rsta bordet sitter hemmalagets par 1 i NS mot bortalagets par 2,"});
        lines.push_back({"vid det andra bortalagets par 1 i NS mot hemmalagets par 2."});
    }
    return lines;
}

std::vector<ViewLine> matchCardLines(const Contest& contest, const MatchCard& card) {
    std::string heading = "Bricka";
    for (int t = 0; t < card.tables; ++t) heading += formatText("  Bord %-2d", card.homeTable + t);
    std::vector<ViewLine> lines{
        {formatText("Rond %d, bord %s: %s - %s", card.round, matchTablesText(card).c_str(),
                    teamName(contest, card.home).c_str(), teamName(contest, card.away).c_str()),
         Colour::Black, true},
        {heading + "   IMP hemma  IMP borta", Colour::Black, true}};
    for (const MatchBoard& b : card.boards) {
        std::string line = formatText("%5d %8s", b.board, scoreText(b.homeTableScore).c_str());
        if (card.tables == 2) line += formatText(" %8s", scoreText(b.awayTableScore).c_str());
        const double home = b.homeImps.value_or(0);
        lines.push_back({line + formatText(" %11s %10s", home > 0 ? matchImpText(home).c_str() : "",
                                           home < 0 ? matchImpText(-home).c_str() : "")});
    }
    const int width = 9 * card.tables;
    lines.push_back({formatText("Summa %*d %10d", 11 + width, card.homeImps, card.awayImps)});
    lines.push_back({formatText("VP %*s %10s", 14 + width, vpText(card.vp.first).c_str(),
                                vpText(card.vp.second).c_str())});
    if (card.boardsDone < static_cast<int>(card.boards.size()))
        lines.push_back({formatText(card.tables == 1 ? "%d av %zu brickor spelade"
                                                     : "%d av %zu brickor spelade vid b\xe5"
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
    std::string heading = padRight(contest.teams.pairsPerTeam() == 1 ? "pl  nr par" : "pl  nr lag", 47);
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
        // A team whose pairs have no names yet shows none; a pair is named by its players.
        const std::vector<int> pairs = contest.teams.pairsOf(row.pair);
        std::string players;
        bool named = false;
        for (int pair : pairs) {
            named = named || contest.participants[static_cast<std::size_t>(pair)].first;
            players += (players.empty() ? "" : ", ") + pairName(contest, pair, NameForm::Long);
        }
        if (named && pairs.size() > 1) lines.push_back({"          " + players, Colour::Blue});
    }
    for (const VpAdjustment& j : contest.teams.adjustments)
        lines.push_back({formatText("Justering rond %d: %s %s VP", j.round, teamName(contest, j.team).c_str(),
                                    vpText(j.vp).c_str())});
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
        std::string line = formatText("%2d %-20.20s", t, teamName(contest, t).c_str());
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
    // The scale the matches were scored on, for the wall beside the standings.
    lines.push_back({""});
    for (ViewLine& line : vpScaleLines(contest.boardsPerRound)) lines.push_back(std::move(line));
    return lines;
}

std::vector<ViewLine> vpScaleLines(int boards) {
    std::vector<ViewLine> lines{
        {"VP-skala f\xf6r " + std::to_string(boards) + (boards == 1 ? " bricka" : " brickor"), Colour::Black,
         true},
        {"  IMP  Vinnare  F\xf6rlorare", Colour::Black, true}};
    const std::vector<int> scale = vpScale(boards);
    for (std::size_t margin = 0; margin < scale.size(); ++margin) {
        const std::string imps = std::to_string(margin) + (margin + 1 == scale.size() ? "+" : " ");
        lines.push_back({formatText("%6s %8s %10s", imps.c_str(), vpText(scale[margin]).c_str(),
                                    vpText(kVpMatchTotal - scale[margin]).c_str())});
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
