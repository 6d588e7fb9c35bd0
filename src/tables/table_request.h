#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/contract.h"

// The requests of the tables' JSON interface (docs/table-api.md), read into plain structs.
// Every body is untrusted: its size is bounded, every field checked, unknown fields refused.
namespace vindelkast {

inline constexpr std::size_t kMaxTableRequestBytes = 2048;

enum class TableCall {
    Login,     // POST /api/login    {table?, code}; table a number or a label ("B3")
    Round,     // POST /api/round    {table, code, round?, ns?, ew?, south?, west?}
    Submit,    // POST /api/submit   {table, code, entry, round, board, contract, declarer?, tricks?, ns?...}
    Results,   // POST /api/results  {table, code, board, ns?, ew?}
    Preview,   // POST /api/preview  {table, code, board, contract, declarer?, tricks?}
    Standings  // POST /api/standings {table, code, ns?, ew?, south?, west?}
};

struct TableRequest {
    TableCall call = TableCall::Login;
    int table = 0;  // 0: not given (login only)
    // A login may name its table as the players read it ("B3" in an evening of sections).
    std::string tableLabel;
    std::string code;
    int round = 0;  // 0: the table's current round
    int board = 0;
    std::string entryId;  // the client's id of one entry, the same on every retry
    PlayedContract played;
    // Pair (player) numbers the table typed, for a contest without a movement; 0 otherwise.
    int nsPair = 0;
    int ewPair = 0;
    int nsPartner = 0;
    int ewPartner = 0;
};

struct TableRequestReading {
    TableRequest request;
    std::string message;  // "" when the request can be used; Swedish otherwise
};

// An entry id as a phone gives it: 1-64 of a-z A-Z 0-9 - _.
bool isEntryId(std::string_view id);

// The call a path names ("/api/login" ...); nothing for any other path.
std::optional<TableCall> tableCallOfPath(std::string_view path);

// Reads a request body (JSON text, UTF-8) for a call.
TableRequestReading readTableRequest(TableCall call, std::string_view body);

}  // namespace vindelkast
