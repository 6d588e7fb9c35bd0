#include "tables/login_guard.h"

#include <algorithm>

namespace vindelkast {

namespace {
// A LAN has a few hundred addresses; beyond this many remembered clients the ones whose
// last wrong code is older than a lock-out are forgotten.
constexpr std::size_t kRememberedClients = 1024;
// Far more phones than an evening has tables; the longest known is forgotten first.
constexpr std::size_t kRememberedLogins = 1024;

int secondsUntil(std::int64_t ms) { return static_cast<int>((std::max<std::int64_t>(ms, 0) + 999) / 1000); }
}  // namespace

std::string waitText(int seconds) {
    if (seconds >= 60) {
        const int minutes = (seconds + 59) / 60;
        return std::to_string(minutes) + (minutes == 1 ? " minut" : " minuter");
    }
    return std::to_string(seconds) + (seconds == 1 ? " sekund" : " sekunder");
}

std::int64_t LoginGuard::waitAfter(const Record& record) {
    if (record.failures < kFreeCodeTries) return 0;
    const int doublings = std::min(record.failures - kFreeCodeTries, 5);
    return std::min<std::int64_t>(1000LL << doublings, kMaxCodeWaitMs);
}

CodeTryVerdict LoginGuard::mayTry(const std::string& client, int table, std::int64_t nowMs) const {
    CodeTryVerdict verdict;
    std::int64_t until = 0;
    if (const auto c = m_clients.find(client); c != m_clients.end()) {
        if (lockedOut(c->second, nowMs))
            return {false, true, secondsUntil(c->second.lastFailureMs + kLockOutMs - nowMs)};
        until = std::max(until, c->second.lastFailureMs + waitAfter(c->second));
    }
    if (const auto t = m_tables.find(table); table > 0 && t != m_tables.end())
        until = std::max(until, t->second.lastFailureMs + waitAfter(t->second));
    if (nowMs < until) {
        verdict.allowed = false;
        verdict.waitSeconds = secondsUntil(until - nowMs);
    }
    return verdict;
}

void LoginGuard::failed(const std::string& client, int table, std::int64_t nowMs) {
    forgetOld(nowMs);
    Record& c = m_clients[client];
    // A lock-out that has run its course starts the count afresh.
    if (c.failures >= kLockOutAfter && nowMs >= c.lastFailureMs + kLockOutMs) c.failures = 0;
    ++c.failures;
    c.lastFailureMs = nowMs;
    c.lastTable = table;
    if (table > 0) {
        Record& t = m_tables[table];
        t.failures = std::min(t.failures + 1, kLockOutAfter);
        t.lastFailureMs = nowMs;
    }
}

void LoginGuard::succeeded(const std::string& client, int table) {
    m_clients.erase(client);
    m_tables.erase(table);
    if (m_logins.size() >= kRememberedLogins) {
        const auto oldest =
            std::min_element(m_logins.begin(), m_logins.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        m_logins.erase(oldest);
    }
    m_logins[{client, table}] = ++m_loginCount;
}

bool LoginGuard::knows(const std::string& client, int table) const {
    return m_logins.count({client, table}) > 0;
}

void LoginGuard::clear() {
    m_clients.clear();
    m_tables.clear();
}

bool LoginGuard::lockedOut(const Record& record, std::int64_t nowMs) const {
    return record.failures >= kLockOutAfter && nowMs < record.lastFailureMs + kLockOutMs;
}

std::vector<LockOut> LoginGuard::lockOuts(std::int64_t nowMs) const {
    std::vector<LockOut> list;
    for (const auto& [client, record] : m_clients)
        if (lockedOut(record, nowMs))
            list.push_back(
                {client, record.lastTable, secondsUntil(record.lastFailureMs + kLockOutMs - nowMs)});
    std::stable_sort(list.begin(), list.end(),
                     [](const LockOut& a, const LockOut& b) { return a.waitSeconds > b.waitSeconds; });
    return list;
}

bool LoginGuard::lift(const std::string& client, std::int64_t nowMs) {
    const auto found = m_clients.find(client);
    if (found == m_clients.end() || !lockedOut(found->second, nowMs)) return false;
    m_tables.erase(found->second.lastTable);
    m_clients.erase(found);
    return true;
}

void LoginGuard::forgetOld(std::int64_t nowMs) {
    if (m_clients.size() < kRememberedClients) return;
    std::erase_if(m_clients,
                  [&](const auto& entry) { return nowMs - entry.second.lastFailureMs > kLockOutMs; });
}

}  // namespace vindelkast
