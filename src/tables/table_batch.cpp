#include "tables/table_batch.h"

#include <algorithm>

#include "tables/http_status.h"
#include "tables/table_answers.h"
#include "tables/table_store.h"

namespace vindelkast {

TableBatch TableSubmissions::decide(Contest& contest, TableService& service,
                                    const std::vector<BatchEntry>& entries, std::int64_t nowMs) {
    TableBatch batch;
    for (const BatchEntry& entry : entries) {
        const std::uint64_t revision = service.revision();
        const TableDecision decision = service.handle(contest, entry.request, entry.client, nowMs);
        BatchReply reply{decision.status, decision.body, false};
        if (decision.outcome == TableOutcome::Store) {
            const std::string problem = storeTableResult(contest, decision.store);
            if (!problem.empty()) {
                reply = {http::kUnprocessable, tableMessageAnswer("fel", problem), false};
            } else {
                reply = {http::kOk, service.storedAnswer(contest, decision.store), true};
                changed();
            }
        } else if (decision.outcome == TableOutcome::Duplicate ||
                   decision.outcome == TableOutcome::Conflict) {
            // A result held now is a change; one acknowledged before counts as told only once
            // a write has secured it: the phone does not send it again after this answer.
            reply.needsRecovery = true;
            if (service.revision() != revision) changed();
        }
        batch.needsWrite = batch.needsWrite || (reply.needsRecovery && unsecured());
        batch.replies.push_back(std::move(reply));
    }
    batch.mark = m_lastChange;
    return batch;
}

std::vector<BatchReply> TableSubmissions::answer(const TableBatch& batch,
                                                 const std::string& recoveryProblem) {
    if (batch.needsWrite) written(batch.mark, recoveryProblem);
    std::vector<BatchReply> replies = batch.replies;
    for (BatchReply& reply : replies)
        if (reply.needsRecovery && batch.needsWrite && !recoveryProblem.empty())
            reply = {http::kUnavailable, unsecuredAnswer(recoveryProblem), true};
    return replies;
}

void TableSubmissions::written(std::uint64_t mark, const std::string& recoveryProblem) {
    if (recoveryProblem.empty()) m_secured = std::max(m_secured, mark);
}

std::string unsecuredAnswer(const std::string& recoveryProblem) {
    return tableMessageAnswer("fel", "Resultatet kunde inte s\xe4kras p\xe5 t\xe4vlingsledarens dator (" +
                                         recoveryProblem + "). F\xf6rs\xf6k igen.");
}

}  // namespace vindelkast
