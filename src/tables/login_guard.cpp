#include "tables/login_guard.h"

#include <algorithm>

namespace vindelkast {

namespace {
// A LAN has a few hundred addresses; beyond this many remembered clients the ones whose
// last wrong code is older than a lock-out are forgotten.
constexpr std::size_t kRememberedClients = 1024;
// Far more phones than an evening has tables; the longest known is forgotten first.
constexpr std::size_t kRememberedLogins = 1024;
// Enough to tell the director that many addresses take part; more are counted as these.
constexpr std::size_t kAddressesOfATable = 256;

int secondsUntil(std::int64_t ms) { return static_cast<int>((std::max<std::int64_t>(ms, 0) + 999) / 1000); }

bool tableLocked(const GuardState::Table& t, std::int64_t nowMs) { return nowMs < t.lockedUntilMs; }
bool windowOpen(const GuardState::Table& t, std::int64_t nowMs) {
    return t.windowFailures > 0 && nowMs < t.windowStartMs + kTableWindowMs;
}
}  // namespace

std::string waitText(int seconds) {
    if (seconds >= 60) {
        const int minutes = (seconds + 59) / 60;
        return std::to_string(minutes) + (minutes == 1 ? " minut" : " minuter");
    }
    return std::to_string(seconds) + (seconds == 1 ? " sekund" : " sekunder");
}

std::int64_t LoginGuard::waitAfter(int failures, std::int64_t lastFailureMs) {
    if (failures < kFreeCodeTries) return lastFailureMs;
    const int doublings = std::min(failures - kFreeCodeTries, 5);
    return lastFailureMs + std::min<std::int64_t>(1000LL << doublings, kMaxCodeWaitMs);
}

CodeTryVerdict LoginGuard::mayTry(const std::string& client, int table, std::int64_t nowMs) const {
    CodeTryVerdict verdict;
    std::int64_t until = 0;
    if (const auto c = m_state.clients.find(client); c != m_state.clients.end()) {
        const GuardState::Client& record = c->second;
        if (lockedOut(record, nowMs))
            return {false, true, false, secondsUntil(record.lastFailureMs + kLockOutMs - nowMs)};
        until = std::max(until, waitAfter(record.failures, record.lastFailureMs));
    }
    if (const auto t = m_state.tables.find(table); table > 0 && t != m_state.tables.end()) {
        if (tableLocked(t->second, nowMs))
            return {false, false, true, secondsUntil(t->second.lockedUntilMs - nowMs)};
        until = std::max(until, waitAfter(t->second.failures, t->second.lastFailureMs));
    }
    if (nowMs < until) {
        verdict.allowed = false;
        verdict.waitSeconds = secondsUntil(until - nowMs);
    }
    return verdict;
}

void LoginGuard::failed(const std::string& client, int table, std::int64_t nowMs) {
    forgetOld(nowMs);
    GuardState::Client& c = m_state.clients[client];
    // A lock-out that has run its course starts the count afresh.
    if (c.failures >= kLockOutAfter && nowMs >= c.lastFailureMs + kLockOutMs) c.failures = 0;
    ++c.failures;
    c.lastFailureMs = nowMs;
    c.lastTable = table;
    if (table > 0) countForTable(client, table, nowMs);
}

void LoginGuard::countForTable(const std::string& client, int table, std::int64_t nowMs) {
    GuardState::Table& t = m_state.tables[table];
    t.failures = std::min(t.failures + 1, kLockOutAfter);
    t.lastFailureMs = nowMs;
    if (!windowOpen(t, nowMs)) {
        t.windowFailures = 0;
        t.windowStartMs = nowMs;
        t.clients.clear();
    }
    ++t.windowFailures;
    if (t.clients.size() < kAddressesOfATable) t.clients.insert(client);
    // Wrong codes sent while the table is locked are counted for the desk, but only a new
    // window full of them locks it further.
    if (t.windowFailures == kTableLockAfter)
        t.lockedUntilMs = std::max(t.lockedUntilMs, nowMs + kTableLockMs);
}

void LoginGuard::succeeded(const std::string& client, int table) {
    m_state.clients.erase(client);
    if (const auto t = m_state.tables.find(table); t != m_state.tables.end()) t->second.failures = 0;
    auto& logins = m_state.logins;
    if (logins.size() >= kRememberedLogins) {
        const auto oldest = std::min_element(
            logins.begin(), logins.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        logins.erase(oldest);
    }
    logins[{client, table}] = ++m_state.loginCount;
}

bool LoginGuard::knows(const std::string& client, int table) const {
    return m_state.logins.count({client, table}) > 0;
}

void LoginGuard::clear() {
    m_state.clients.clear();
    m_state.tables.clear();
}

bool LoginGuard::lockedOut(const GuardState::Client& record, std::int64_t nowMs) const {
    return record.failures >= kLockOutAfter && nowMs < record.lastFailureMs + kLockOutMs;
}

std::vector<LockOut> LoginGuard::lockOuts(std::int64_t nowMs) const {
    std::vector<LockOut> list;
    for (const auto& [client, record] : m_state.clients)
        if (lockedOut(record, nowMs))
            list.push_back(
                {client, record.lastTable, secondsUntil(record.lastFailureMs + kLockOutMs - nowMs)});
    std::stable_sort(list.begin(), list.end(),
                     [](const LockOut& a, const LockOut& b) { return a.waitSeconds > b.waitSeconds; });
    return list;
}

bool LoginGuard::lift(const std::string& client, std::int64_t nowMs) {
    const auto found = m_state.clients.find(client);
    if (found == m_state.clients.end() || !lockedOut(found->second, nowMs)) return false;
    // The table's wait starts afresh; a lock of the whole table is lifted on its own.
    if (const auto t = m_state.tables.find(found->second.lastTable); t != m_state.tables.end())
        t->second.failures = 0;
    m_state.clients.erase(found);
    return true;
}

std::vector<TableAttack> LoginGuard::tableAttacks(std::int64_t nowMs) const {
    std::vector<TableAttack> list;
    for (const auto& [table, t] : m_state.tables) {
        const bool locked = tableLocked(t, nowMs);
        const bool many =
            windowOpen(t, nowMs) && t.windowFailures >= kTableAttackShown && t.clients.size() > 1;
        if (locked || many)
            list.push_back({table, windowOpen(t, nowMs) ? t.windowFailures : 0,
                            static_cast<int>(t.clients.size()),
                            locked ? secondsUntil(t.lockedUntilMs - nowMs) : 0});
    }
    return list;
}

bool LoginGuard::liftTable(int table, std::int64_t nowMs) {
    const auto attacks = tableAttacks(nowMs);
    if (std::none_of(attacks.begin(), attacks.end(),
                     [table](const TableAttack& a) { return a.table == table; }))
        return false;
    m_state.tables.erase(table);
    return true;
}

void LoginGuard::forgetOld(std::int64_t nowMs) {
    if (m_state.clients.size() < kRememberedClients) return;
    std::erase_if(m_state.clients,
                  [&](const auto& entry) { return nowMs - entry.second.lastFailureMs > kLockOutMs; });
}

}  // namespace vindelkast
