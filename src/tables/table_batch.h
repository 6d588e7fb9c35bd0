#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/contest.h"
#include "tables/table_request.h"
#include "tables/table_service.h"

// What the server decides for the results the phones submit. Results that arrive together are
// decided in order as one batch and stored in the contest; the owner writes the recovery file
// once for the lot and only then are the replies final. Nothing is acknowledged that is not in
// the recovery file: a stored result, a held one, or an entry sent again ("redan") while an
// earlier write failed, all get 503 until a write succeeds.
//
// The state is kept by change marks, not by a flag set after the write: a change is counted as
// unsecured the moment it is made, and a good write secures only the changes made before it.
// So a batch decided while another one's write is still being reported (a message box opened
// by the failure, say) cannot find its entry "secured" and answer "redan".
namespace vindelkast {

struct BatchEntry {
    TableRequest request;
    std::string client;  // the sender's address
};

struct BatchReply {
    int status = 0;
    std::string body;
    bool needsRecovery = false;  // final only once the recovery file is written
};

struct TableBatch {
    std::vector<BatchReply> replies;  // one per entry, in order
    // The recovery file must be written before the replies go out.
    bool needsWrite = false;
    std::uint64_t mark = 0;  // the last change this batch's write covers
};

class TableSubmissions {
public:
    // Decides `entries` in order through `service`, storing results in `contest`. Run inside the
    // owner's change (TableResultSink::storeTableResults); `needsWrite` is what it returns.
    TableBatch decide(Contest& contest, TableService& service, const std::vector<BatchEntry>& entries,
                      std::int64_t nowMs);
    // The replies once the recovery write is done: "" written (or nothing to write), else the
    // message why not.
    std::vector<BatchReply> answer(const TableBatch& batch, const std::string& recoveryProblem);

    // The director changed what the tables sent (a held result taken or kept, the results
    // published): a change to secure. Returns the mark to pass to `written`.
    std::uint64_t changed() { return ++m_lastChange; }
    // The recovery write after the change `mark`: "" or the message.
    void written(std::uint64_t mark, const std::string& recoveryProblem);

    // Something acknowledged or held is not yet in the recovery file.
    bool unsecured() const { return m_secured < m_lastChange; }
    // A new evening: nothing is owed.
    void forget() { m_secured = m_lastChange; }

private:
    std::uint64_t m_lastChange = 0;
    std::uint64_t m_secured = 0;
};

// The 503 answer for a result that could not be secured.
std::string unsecuredAnswer(const std::string& recoveryProblem);

}  // namespace vindelkast
