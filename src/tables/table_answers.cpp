#include "tables/table_answers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "files/text_encoding.h"
#include "model/board_results.h"
#include "model/bridge_tables.h"
#include "model/entry_rules.h"
#include "model/scoring_form.h"
#include "model/sections.h"
#include "model/team_matches.h"
#include "output/team_views.h"
#include "tables/table_evening.h"
#include "tables/table_standings.h"

namespace vindelkast {

namespace {

using Json = nlohmann::json;

std::string text(const Json& json) { return json.dump(-1, ' ', true, Json::error_handler_t::replace); }

std::string utf8(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }

// A pair without names has its number alone. In an evening in sections the page shows the
// pair as "B7" (`label`); `nr` stays the contest's number, which the requests carry.
Json participant(const Contest& contest, int number) {
    Json json = {{"nr", number}, {"name", utf8(namesOf(contest, number))}};
    if (contest.sections.any()) json["label"] = pairLabel(contest, number);
    // In a team event the players know each other by their teams (in Swiss pairs by their names).
    if (contest.teams.pairsPerTeam() > 1 && contest.teams.any() && number > 0)
        json["team"] = utf8(teamName(contest, contest.teams.teamOfPair(number)));
    return json;
}

// The match from the table's North-South team's side, once a board has been played at both of
// its tables: before that the 0-0 and 10-10 would say nothing.
void addMatch(Json& json, const Contest& contest, int round, int nsPair) {
    const int team = contest.teams.teamOfPair(nsPair);
    const std::optional<MatchCard> card = matchOfTeam(contest, round, team);
    if (!card || card->boardsDone == 0) return;
    const std::string standing = matchStandingText(contest, round, team);
    const bool pairs = contest.teams.pairsPerTeam() == 1;
    json["match"] = utf8(pairs ? "NS: " + standing : "NS (" + teamName(contest, team) + "): " + standing);
    json["matchStanding"] = utf8(standing);  // a page that names the team itself shows this beside it
}

// In an evening in sections a table is also shown as the players read it ("B3", `tableLabel`);
// `table` stays the running number the requests carry.
void labelTable(Json& json, const Contest& contest, int table) {
    if (contest.sections.any() && table > 0) json["tableLabel"] = tableLabel(contest, table);
}

Json boardLine(int board) {
    return {{"board", board},
            {"vulnerability", utf8(vulnerabilityName(board))},
            {"dealer", utf8(dealerName(board))}};
}

Json playedJson(const PlayedContract& p) {
    return {{"contract", contractText(p.contract)},
            {"declarer", p.contract.passedOut() ? "" : declarerText(p.declarer)},
            {"tricks", p.tricks}};
}

// `score` keeps the grid's "%+-" for the readers that know it; an adjusted score also says
// what each side gets, so that a page can show it as the players understand it.
void addScore(Json& line, int score) {
    line["score"] = score == kNoScore ? "" : utf8(scoreCellText(score));
    if (score < kAdjustedBase) return;
    const int shares = score - kAdjustedBase;  // NS% + EW%/10
    line["adjusted"] = {{"ns", shares / 10 % 10 * 10}, {"ew", shares % 10 * 10}};
}

Json contractOf(const Contest& contest, int board, int ns, int ew) {
    const auto found = contest.contracts.find({board, ns, ew});
    return found == contest.contracts.end() ? Json(nullptr) : playedJson(found->second);
}

// A pair's line (NS or EW) or, in an individual contest, a player's seat.
std::string seatCode(int seat, bool individual) {
    if (individual) return declarerText(seat);
    return seat == North || seat == South ? "NS" : "EW";
}

Json nextJson(const Contest& contest, const TableSeat& seat) {
    Json moves = Json::array();
    for (const NextSeat& move : nextSeats(contest, seat)) {
        Json line = participant(contest, move.participant);
        line["table"] = move.table;
        labelTable(line, contest, move.table);
        line["seat"] = seatCode(move.seat, contest.isIndividual);
        line["boards"] = move.boards;
        moves.push_back(line);
    }
    return moves;
}

Json eveningJson(const EveningState& state) {
    return {{"round", state.round},
            {"rounds", state.rounds},
            {"tablesDone", state.tablesDone},
            {"tables", state.tables},
            {"over", state.over}};
}

// A figure as the lists show it: to its column's decimals (matchpoints to the tenth, IMPs to
// the hundredth).
double shown(const Contest& contest, double x) {
    double scale = 1.0;
    for (int i = 0; i < scoringForm(contest).figureColumns().front().decimals; ++i) scale *= 10.0;
    return std::round(x * scale) / scale;
}

Json columnJson(const FigureColumn& column) {
    return {{"heading", utf8(column.heading)}, {"decimals", column.decimals}, {"unit", utf8(column.unit)}};
}

// The ranking's figures as a short list shows them, each with the line's key it is read from:
// the total ("points") and the relative figure ("percent").
Json figuresJson(const ScoringForm& form) {
    static const char* const keys[] = {"points", "percent"};
    Json figures = Json::array();
    const std::vector<FigureColumn> columns = form.figureColumns();
    for (std::size_t i = 0; i < columns.size() && i < 2; ++i) {
        if (!columns[i].brief) continue;
        Json column = columnJson(columns[i]);
        column["key"] = keys[i];
        figures.push_back(column);
    }
    return figures;
}

// A card line's points, and whether they are a share of the board's top (shown as a percentage).
Json pointsJson(const ScoringForm& form) {
    Json points = columnJson(form.pointsColumn());
    points["decimals"] = form.figureColumns().front().decimals;
    points["ofTop"] = form.pointsHaveTop();
    return points;
}

// The card's total is the pair's figure in the ranking beside it, so the two always agree.
Json cardJson(const Contest& contest, int pair, const PairStanding& figure) {
    const PairCard card = pairCard(contest, pair);
    Json rows = Json::array();
    for (const CardLine& line : card.lines) {
        Json row = {{"round", line.round},
                    {"board", line.board},
                    {"seat", seatCode(line.seat, contest.isIndividual)},
                    {"opponents", participant(contest, line.opponent)},
                    {"played", line.hasPlayed ? playedJson(line.played) : Json(nullptr)},
                    {"points", shown(contest, line.points)},
                    {"top", line.top}};
        addScore(row, line.ownScore);
        if (line.opponentPartner > 0) row["opponents2"] = participant(contest, line.opponentPartner);
        rows.push_back(row);
    }
    Json json = participant(contest, pair);
    json.update({{"points", shown(contest, figure.points)},
                 {"top", card.top},
                 {"percent", shown(contest, figure.percent)},
                 {"rows", rows}});
    return json;
}

Json rankingJson(const Contest& contest, const std::vector<RankingLine>& lines) {
    Json ranking = Json::array();
    for (const RankingLine& line : lines) {
        Json json = {{"place", line.place},
                     {"nr", line.pair},
                     {"name", utf8(line.name)},
                     {"points", shown(contest, line.points)},
                     {"percent", shown(contest, line.percent)}};
        if (contest.sections.any()) json["label"] = pairLabel(contest, line.pair);
        ranking.push_back(json);
    }
    return ranking;
}

// Each section's ranking, the section of the pairs at the table first.
Json sectionsJson(const Contest& contest, const PhoneStandings& standings, const std::vector<int>& pairs) {
    int own = -1;
    for (int pair : pairs) own = own < 0 ? sectionOf(contest, pair) : own;
    Json lists = Json::array();
    for (int first = 1; first >= 0; --first)
        for (const SectionRanking& s : standings.sections)
            if ((s.section == own) == (first == 1))
                lists.push_back(
                    {{"section",
                      std::string(1, contest.sections.list[static_cast<std::size_t>(s.section)].letter)},
                     {"heading", utf8(s.heading)},
                     {"ranking", rankingJson(contest, s.lines)}});
    return lists;
}

}  // namespace

std::string tableMessageAnswer(const std::string& status, const std::string& message, int waitSeconds) {
    Json json = {{"status", status}, {"message", utf8(message)}};
    if (waitSeconds > 0) json["wait"] = waitSeconds;
    return text(json);
}

std::string loginAnswer(const Contest& contest, int table, bool pairsTyped) {
    Json json = {{"status", "ok"},
                 {"table", table},
                 {"contest", utf8(contest.contestName)},
                 {"individual", contest.isIndividual},
                 {"pairsTyped", pairsTyped},
                 {"rounds", lastTableRound(contest, pairsTyped)}};
    labelTable(json, contest, table);
    return text(json);
}

std::string roundAnswer(const Contest& contest, const TableSeat& seat, int current, bool pairsTyped,
                        const std::vector<int>& held,
                        const std::vector<std::pair<std::string, ConflictDecision>>& decided,
                        bool showResults) {
    Json decisions = Json::array();
    for (const auto& [entry, d] : decided)
        decisions.push_back({{"entry", entry}, {"board", d.board}, {"accepted", d.accepted}});
    Json boards = Json::array();
    const EveningState state = eveningState(contest, pairsTyped);
    // A round the table rests has nothing to enter: it is over as soon as it is on.
    const bool rests = !pairsTyped && seat.nsPair == 0 && seat.table > 0;
    bool complete = !pairsTyped && (seat.nsPair > 0 || rests);
    const std::vector<int> numbers = pairsTyped ? boardsOfGroupRound(contest, seat.round) : seat.boards;
    for (int b : numbers) {
        Json line = boardLine(b);
        const BoardResult* slot =
            seat.nsPair > 0 ? findResult(contest.boards[b], seat.nsPair, seat.ewPair) : nullptr;
        const bool entered = slot && hasScore(slot->nsScore);
        complete = complete && entered;
        line["entered"] = entered;
        if (entered && showResults) {
            addScore(line, slot->nsScore);
            line["played"] = contractOf(contest, b, seat.nsPair, seat.ewPair);
        }
        boards.push_back(line);
    }
    Json json = {{"status", "ok"},       {"table", seat.table},          {"round", seat.round},
                 {"current", current},   {"pairsTyped", pairsTyped},     {"individual", contest.isIndividual},
                 {"boards", boards},     {"complete", complete},         {"held", held},
                 {"decided", decisions}, {"evening", eveningJson(state)}};
    labelTable(json, contest, seat.table);
    if (rests) json["rests"] = true;
    json["next"] = complete ? nextJson(contest, seat) : Json::array();
    json["nextStarted"] = complete && nextRoundStarted(contest, seat.table, seat.round, pairsTyped, state);
    if (seat.nsPair > 0) {
        json["ns"] = participant(contest, seat.nsPair);
        json["ew"] = participant(contest, seat.ewPair);
        if (contest.isIndividual) {
            json["south"] = participant(contest, seat.nsPartner);
            json["west"] = participant(contest, seat.ewPartner);
        }
        if (contest.teams.any()) addMatch(json, contest, seat.round, seat.nsPair);
    }
    // Drawn round by round, the next round may not be there yet: the page then says it is awaited.
    if (contest.roundsDrawn() && seat.round < state.rounds)
        json["nextDrawn"] = !roundTables(contest, seat.round + 1, false).empty();
    return text(json);
}

std::string boardResultsAnswer(const Contest& contest, int board, const std::string& status,
                               const std::string& message) {
    Json results = Json::array();
    const Board& bd = contest.boards[board];
    for (int i = 0; i < bd.resultCount; ++i) {
        const BoardResult& r = bd.results[i];
        if (!hasScore(r.nsScore)) continue;
        Json line = {{"ns", participant(contest, r.nsPair)},
                     {"ew", participant(contest, r.ewPair)},
                     {"played", contractOf(contest, board, r.nsPair, r.ewPair)}};
        addScore(line, r.nsScore);
        results.push_back(line);
    }
    Json json = boardLine(board);
    json["status"] = status;
    json["results"] = results;
    if (!message.empty()) json["message"] = utf8(message);
    return text(json);
}

std::string standingsAnswer(const Contest& contest, const std::vector<int>& pairs) {
    const PhoneStandings standings = phoneStandings(contest);
    Json cards = Json::array();
    for (int pair : pairs)
        if (Contest::validPair(pair)) cards.push_back(cardJson(contest, pair, standings.figures.pairs[pair]));
    Json json = {{"status", "ok"},
                 {"contest", utf8(contest.contestName)},
                 {"heading", utf8(standings.heading)},
                 {"figures", figuresJson(scoringForm(contest))},
                 {"points", pointsJson(scoringForm(contest))},
                 {"ranking", rankingJson(contest, standings.lines)},
                 {"cards", cards}};
    if (contest.sections.any()) json["sections"] = sectionsJson(contest, standings, pairs);
    if (contest.teams.any()) json["teams"] = true;  // the ranking's lines are teams, the cards pairs
    return text(json);
}

std::string previewAnswer(int board, int nsScore) {
    return text({{"status", "ok"}, {"board", board}, {"score", nsScore}});
}

}  // namespace vindelkast
