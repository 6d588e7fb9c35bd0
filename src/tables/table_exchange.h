#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tables/http_request_reader.h"
#include "tables/table_batch.h"
#include "tables/table_host.h"
#include "tables/table_request.h"

// What the tables' server answers to one request (docs/table-api.md): the table's page, its
// script and style, the results pages, and the tables' calls. A submitted result is not
// answered here: it waits to be stored with the others that arrive together, and its answer
// comes from the batch.
namespace vindelkast {

struct TableExchange {
    std::string answer;                  // the whole HTTP answer; "" when `result` waits
    std::optional<TableRequest> result;  // a result to store with the batch
    bool heard = false;                  // a table's call was decided: the desk may show news
};

TableExchange answerRequest(TableHost& host, const HttpRequest& request, const std::string& client,
                            std::int64_t nowMs);

// The whole answer to a result once its batch is stored.
std::string storedResultAnswer(const BatchReply& reply, bool keepAlive);

// What a results page served to the phones may do: it carries its one style sheet inline,
// allowed by that sheet's hash alone, and runs nothing at all.
const std::string& resultsPagePolicy();

}  // namespace vindelkast
