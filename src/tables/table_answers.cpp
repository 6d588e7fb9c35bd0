#include "tables/table_answers.h"

#include <nlohmann/json.hpp>

#include "files/text_encoding.h"
#include "model/board_results.h"
#include "model/bridge_tables.h"
#include "model/entry_rules.h"
#include "model/name_forms.h"

namespace vindelkast {

namespace {

using Json = nlohmann::json;

std::string text(const Json& json) { return json.dump(-1, ' ', true, Json::error_handler_t::replace); }

std::string utf8(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }

Json participant(const Contest& contest, int number) {
    return {{"nr", number}, {"name", number > 0 ? utf8(pairName(contest, number, NameForm::Short)) : ""}};
}

Json boardLine(int board) {
    return {{"board", board},
            {"vulnerability", utf8(vulnerabilityName(board))},
            {"dealer", utf8(dealerName(board))}};
}

Json contractOf(const Contest& contest, int board, int ns, int ew) {
    const auto found = contest.contracts.find({board, ns, ew});
    if (found == contest.contracts.end()) return nullptr;
    const PlayedContract& p = found->second;
    return {{"contract", contractText(p.contract)},
            {"declarer", p.contract.passedOut() ? "" : declarerText(p.declarer)},
            {"tricks", p.tricks}};
}

}  // namespace

std::string tableMessageAnswer(const std::string& status, const std::string& message, int waitSeconds) {
    Json json = {{"status", status}, {"message", utf8(message)}};
    if (waitSeconds > 0) json["wait"] = waitSeconds;
    return text(json);
}

std::string loginAnswer(const Contest& contest, int table, bool pairsTyped) {
    return text({{"status", "ok"},
                 {"table", table},
                 {"contest", utf8(contest.contestName)},
                 {"individual", contest.isIndividual},
                 {"pairsTyped", pairsTyped},
                 {"rounds", lastTableRound(contest, pairsTyped)}});
}

std::string roundAnswer(const Contest& contest, const TableSeat& seat, int current, bool pairsTyped) {
    Json boards = Json::array();
    const std::vector<int> numbers = pairsTyped ? boardsOfGroupRound(contest, seat.round) : seat.boards;
    for (int b : numbers) {
        Json line = boardLine(b);
        const BoardResult* slot =
            seat.nsPair > 0 ? findResult(contest.boards[b], seat.nsPair, seat.ewPair) : nullptr;
        const bool entered = slot && slot->nsScore != kNoScore;
        line["entered"] = entered;
        if (entered) {
            line["score"] = utf8(scoreCellText(slot->nsScore));
            line["played"] = contractOf(contest, b, seat.nsPair, seat.ewPair);
        }
        boards.push_back(line);
    }
    Json json = {{"status", "ok"},     {"table", seat.table},      {"round", seat.round},
                 {"current", current}, {"pairsTyped", pairsTyped}, {"individual", contest.isIndividual},
                 {"boards", boards}};
    if (seat.nsPair > 0) {
        json["ns"] = participant(contest, seat.nsPair);
        json["ew"] = participant(contest, seat.ewPair);
        if (contest.isIndividual) {
            json["south"] = participant(contest, seat.nsPartner);
            json["west"] = participant(contest, seat.ewPartner);
        }
    }
    return text(json);
}

std::string boardResultsAnswer(const Contest& contest, int board, const std::string& status,
                               const std::string& message) {
    Json results = Json::array();
    const Board& bd = contest.boards[board];
    for (int i = 0; i < bd.resultCount; ++i) {
        const BoardResult& r = bd.results[i];
        if (r.nsScore == kNoScore) continue;
        results.push_back({{"ns", participant(contest, r.nsPair)},
                           {"ew", participant(contest, r.ewPair)},
                           {"played", contractOf(contest, board, r.nsPair, r.ewPair)},
                           {"score", utf8(scoreCellText(r.nsScore))}});
    }
    Json json = boardLine(board);
    json["status"] = status;
    json["results"] = results;
    if (!message.empty()) json["message"] = utf8(message);
    return text(json);
}

std::string previewAnswer(int board, int nsScore) {
    return text({{"status", "ok"}, {"board", board}, {"score", nsScore}});
}

}  // namespace vindelkast
