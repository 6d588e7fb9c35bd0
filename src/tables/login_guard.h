#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Wrong table codes are slowed down and, from one client, locked out: after a few free
// tries each further try must wait longer (doubling up to half a minute), and a client
// with too many wrong codes in a row is locked out for a while. A table's own counter only
// slows tries down, so that no one can lock a table out by guessing its code. A client that
// has once given a table's right code is that table's phone: its right code always passes,
// so that others' wrong codes never slow it down (it learns nothing it did not know). Time
// comes in as milliseconds from any fixed start, so tests can step it.
namespace vindelkast {

inline constexpr int kFreeCodeTries = 3;
inline constexpr int kLockOutAfter = 10;
inline constexpr std::int64_t kMaxCodeWaitMs = 30'000;
inline constexpr std::int64_t kLockOutMs = 10 * 60'000;

struct CodeTryVerdict {
    bool allowed = true;
    bool lockedOut = false;
    int waitSeconds = 0;  // when not allowed: how long until the next try
};

// A client locked out after too many wrong codes, as the director's desk lists it.
struct LockOut {
    std::string client;
    int table = 0;        // the table it last tried (0: the code alone)
    int waitSeconds = 0;  // until the lock-out runs out
};

// A wait as the tables and the director read it: "1 sekund", "20 sekunder", "1 minut",
// "10 minuter" (a minute or more in whole minutes, rounded up). Windows-1252.
std::string waitText(int seconds);

class LoginGuard {
public:
    CodeTryVerdict mayTry(const std::string& client, int table, std::int64_t nowMs) const;
    void failed(const std::string& client, int table, std::int64_t nowMs);
    // A right code from a client not yet known for the table: its and the table's counts
    // start afresh, and the client is known for the table from now on.
    void succeeded(const std::string& client, int table);
    // Whether the client has given this table's right code before.
    bool knows(const std::string& client, int table) const;
    // The director lets everyone try again (the tables' phones stay known).
    void clear();
    // The clients locked out now, longest wait first.
    std::vector<LockOut> lockOuts(std::int64_t nowMs) const;
    // The director lets one client try again at once: its count and that of the table it
    // tried start afresh. False when it is not locked out.
    bool lift(const std::string& client, std::int64_t nowMs);

private:
    struct Record {
        int failures = 0;
        std::int64_t lastFailureMs = 0;
        int lastTable = 0;
    };
    bool lockedOut(const Record& record, std::int64_t nowMs) const;
    static std::int64_t waitAfter(const Record& record);
    void forgetOld(std::int64_t nowMs);

    std::map<std::string, Record> m_clients;
    std::map<int, Record> m_tables;
    std::map<std::pair<std::string, int>, std::uint64_t> m_logins;  // client and table -> order of login
    std::uint64_t m_loginCount = 0;
};

}  // namespace vindelkast
