#include "tables/table_connection.h"

#include <algorithm>

namespace vindelkast {

TableConnection::TableConnection(std::int64_t nowMs) : m_stageSinceMs(nowMs), m_lastActiveMs(nowMs) {}

void TableConnection::arrive(std::string_view bytes, std::int64_t nowMs) {
    if (m_over) return;
    m_lastActiveMs = nowMs;
    HttpReading reading = m_reader.feed(bytes);
    for (HttpRequest& request : reading.requests) m_queue.push_back(std::move(request));
    m_refusal = reading.refusal;
    m_inRequest = reading.inRequest;
    m_begun = m_begun || reading.begun;
}

ConnectionStep TableConnection::next(std::size_t unsentBytes) {
    ConnectionStep step;
    if (m_over) return step;
    if (m_queue.size() > kMaxQueuedRequests || unsentBytes > kMaxUnsentBytes) {
        m_over = true;
        m_queue.clear();
        step.kind = ConnectionStep::Kind::Drop;
        return step;
    }
    if (m_answering) return step;
    if (!m_queue.empty()) {
        step.kind = ConnectionStep::Kind::Answer;
        step.request = std::move(m_queue.front());
        m_queue.pop_front();
        m_answering = true;
        // After a request that closes the connection the reader reads nothing more.
        m_over = !step.request.keepAlive;
        return step;
    }
    if (m_refusal != 0) {
        // The requests before the refused one have had their answers.
        m_over = true;
        step.kind = ConnectionStep::Kind::Refuse;
        step.refusal = refusalAnswer(m_refusal);
    }
    return step;
}

void TableConnection::answered() {
    m_answering = false;
    m_heard = true;
}

void TableConnection::settle(std::size_t unsentBytes, std::int64_t nowMs) {
    ConnectionStage stage = ConnectionStage::Fresh;
    if (m_over && !m_answering)
        stage = ConnectionStage::Refused;
    else if (m_inRequest)
        stage = ConnectionStage::InRequest;
    else if (m_answering || !m_queue.empty() || unsentBytes > 0)
        stage = ConnectionStage::Answering;
    else if (m_heard)
        stage = ConnectionStage::Idle;
    // A new request has its own time, even right after the one before.
    if (stage != m_stage || (stage == ConnectionStage::InRequest && m_begun)) {
        m_stage = stage;
        m_stageSinceMs = nowMs;
    }
    m_begun = false;
}

std::int64_t TableConnection::deadlineMs() const {
    switch (m_stage) {
    case ConnectionStage::Refused:
        return m_stageSinceMs + kRefusedMs;
    case ConnectionStage::Idle:
        return m_stageSinceMs + kIdleMs;
    case ConnectionStage::Answering:
        return m_stageSinceMs + kAnswerMs;
    case ConnectionStage::Fresh:
    case ConnectionStage::InRequest:
        break;
    }
    return m_stageSinceMs + kRequestMs;
}

std::vector<std::size_t> connectionsToClose(const std::vector<OpenConnection>& open,
                                            const std::string& client) {
    std::vector<bool> closing(open.size(), false);
    std::vector<std::size_t> chosen;
    const auto closeFirst = [&](bool clientsOnly) {
        std::optional<std::size_t> first;
        for (std::size_t i = 0; i < open.size(); ++i) {
            if (closing[i] || (clientsOnly && open[i].client != client)) continue;
            if (!first || std::pair(open[i].stage, open[i].lastActiveMs) <
                              std::pair(open[*first].stage, open[*first].lastActiveMs))
                first = i;
        }
        if (!first) return;
        closing[*first] = true;
        chosen.push_back(*first);
    };
    const auto fromClient = static_cast<std::size_t>(
        std::count_if(open.begin(), open.end(), [&](const OpenConnection& c) { return c.client == client; }));
    if (fromClient >= kConnectionsPerClient) closeFirst(true);
    if (open.size() - chosen.size() >= kConnections) closeFirst(false);
    return chosen;
}

}  // namespace vindelkast
