#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Wrong table codes are slowed down and, from one client, locked out: after a few free
// tries each further try must wait longer (doubling up to half a minute), and a client
// with too many wrong codes in a row is locked out for a while. A table counts the wrong codes
// for it from every client together: past a limit it takes no new phones for a while, so that
// many addresses cannot share out the guessing. A client that has once given a table's right
// code is that table's phone: its right code always passes, so that others' wrong codes never
// slow it down or shut it out (it learns nothing it did not know), and an attacker cannot stop
// a table that plays. Time comes in as wall-clock milliseconds, so that a restart goes on where
// the last run left off, and tests can step it.
namespace vindelkast {

inline constexpr int kFreeCodeTries = 3;
inline constexpr int kLockOutAfter = 10;
inline constexpr std::int64_t kMaxCodeWaitMs = 30'000;
inline constexpr std::int64_t kLockOutMs = 10 * 60'000;
// A table takes at most kTableLockAfter wrong codes in a window of kTableWindowMs, whoever sends
// them, and then no new phone for kTableLockMs; a try while it is locked is refused whatever its
// code, so it guesses nothing. Over an evening of 6 hours that is at most 37 windows of 20, 740
// guesses a table, 26,640 over the largest evening of 36 tables. A table code has 8 characters
// from 22 (kTableCodeLength, kCodeAlphabet): 22^8 = 54,875,873,536 codes, so the chance that any
// guess of the evening hits is 26,640 / 5.49e10 = 4.9e-7, below one in a million. Only the
// director's lifting a table's lock lets more through, and he sees the table on the desk.
inline constexpr int kTableLockAfter = 20;
inline constexpr std::int64_t kTableWindowMs = 10 * 60'000;
inline constexpr std::int64_t kTableLockMs = 10 * 60'000;
// The desk shows a table guessed at from this many wrong codes in a window from more than one
// address, before it locks.
inline constexpr int kTableAttackShown = 10;

struct CodeTryVerdict {
    bool allowed = true;
    bool lockedOut = false;    // the client is locked out
    bool tableLocked = false;  // the table takes no new phones
    int waitSeconds = 0;       // when not allowed: how long until the next try
};

// A client locked out after too many wrong codes, as the director's desk lists it.
struct LockOut {
    std::string client;
    int table = 0;        // the table it last tried (0: the code alone)
    int waitSeconds = 0;  // until the lock-out runs out
};

// A table guessed at from several addresses, as the director's desk lists it.
struct TableAttack {
    int table = 0;
    int wrongCodes = 0;   // in the current window, from all addresses
    int addresses = 0;    // how many sent them
    int lockSeconds = 0;  // until the table takes new phones again; 0 when it does
};

// What the guard knows, as the recovery file keeps it.
struct GuardState {
    struct Client {
        int failures = 0;
        std::int64_t lastFailureMs = 0;
        int lastTable = 0;
        bool operator==(const Client&) const = default;
    };
    struct Table {
        int failures = 0;  // in a row, for the wait; at most kLockOutAfter
        std::int64_t lastFailureMs = 0;
        int windowFailures = 0;
        std::int64_t windowStartMs = 0;
        std::int64_t lockedUntilMs = 0;
        std::set<std::string> clients;  // who sent the window's wrong codes
        bool operator==(const Table&) const = default;
    };
    std::map<std::string, Client> clients;
    std::map<int, Table> tables;
    std::map<std::pair<std::string, int>, std::uint64_t> logins;  // client and table -> order of login
    std::uint64_t loginCount = 0;
    bool operator==(const GuardState&) const = default;
};

// A wait as the tables and the director read it: "1 sekund", "20 sekunder", "1 minut",
// "10 minuter" (a minute or more in whole minutes, rounded up). Windows-1252.
std::string waitText(int seconds);

class LoginGuard {
public:
    CodeTryVerdict mayTry(const std::string& client, int table, std::int64_t nowMs) const;
    void failed(const std::string& client, int table, std::int64_t nowMs);
    // A right code from a client not yet known for the table: its count and the table's wait
    // start afresh (not the table's window: the guesses stay counted), and the client is known
    // for the table from now on.
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
    // The tables locked for new phones, or guessed at from several addresses, by table.
    std::vector<TableAttack> tableAttacks(std::int64_t nowMs) const;
    // The director opens a table to new phones again: its counts start afresh. False when it
    // is neither locked nor listed.
    bool liftTable(int table, std::int64_t nowMs);

    const GuardState& state() const { return m_state; }
    void restore(GuardState state) { m_state = std::move(state); }

private:
    bool lockedOut(const GuardState::Client& record, std::int64_t nowMs) const;
    static std::int64_t waitAfter(int failures, std::int64_t lastFailureMs);
    void countForTable(const std::string& client, int table, std::int64_t nowMs);
    void forgetOld(std::int64_t nowMs);

    GuardState m_state;
};

}  // namespace vindelkast
