#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/contest.h"
#include "tables/login_guard.h"
#include "tables/table_codes.h"
#include "tables/table_entries.h"
#include "tables/table_request.h"
#include "tables/table_store.h"

// Decides what a request from a table's phone leads to. The service never changes the
// contest: a result to store comes back as a TableStore for the session, which stores it
// (storeTableResult), writes the recovery file and only then answers with storedAnswer.
// What it keeps of the evening (the codes, the entries stored, the results held for the
// director) the session keeps in side files and the recovery file; `revision` tells it when
// that changed. The guard's counts and lock-outs go in the recovery file alone, written when
// `guardRevision` has changed; contacts are for this run only.
namespace vindelkast {

enum class TableOutcome {
    Answer,        // a reading call answered (login, round, results, preview)
    Unauthorised,  // wrong code, or a wait or lock-out after wrong codes
    Invalid,       // the request cannot be used; the message says why
    Duplicate,     // the same entry or the same result again: acknowledged, nothing to do
    Conflict,      // another result than the slot's: held for the director
    Store          // store `store`, then answer with storedAnswer
};

struct TableDecision {
    TableOutcome outcome = TableOutcome::Invalid;
    int status = 400;  // the HTTP status to answer with
    std::string body;  // the JSON answer; for Store it comes from storedAnswer afterwards
    TableStore store;
};

class TableService {
public:
    explicit TableService(TableCodes codes) : m_codes(std::move(codes)) {}

    const TableCodes& codes() const { return m_codes; }
    const TableEntries& entries() const { return m_sent; }
    // The entries and held results kept from before (the side file, the recovery file).
    void takeEntries(TableEntries entries);
    // Counts every change of what the side files keep (entries, held results).
    std::uint64_t revision() const { return m_revision; }

    // `client` names the sender (its address); `nowMs` is the time in milliseconds.
    TableDecision handle(const Contest& contest, const TableRequest& request, const std::string& client,
                         std::int64_t nowMs);

    // The answer to a stored result: the board's results so far. Remembers the entry id.
    std::string storedAnswer(const Contest& contest, const TableStore& store);

    const std::vector<PendingConflict>& conflicts() const { return m_sent.conflicts; }
    // The director takes the table's result: the store for the session; nothing when no
    // conflict has that id.
    // Either way the decision is kept for the table's phone (its round answer tells it).
    std::optional<TableStore> acceptConflict(int id);
    bool rejectConflict(int id);

    // The director has published the results: every board's page is open to all at /resultat/,
    // as once the evening is over. Kept with the entries, so a restart remembers it.
    void publishResults();
    bool resultsPublished() const { return m_sent.published; }

    // The table whose phone reads the results pages with the table and code of its cookie: the
    // code must be the table's and the client must have logged in to it with that code. Any
    // other cookie (a stale one from an earlier evening, a guess) is a visitor's and counts
    // against nobody: it opens nothing for a client that has not logged in, so it cannot be
    // used to guess. 0 for a visitor.
    int readerTable(int table, const std::string& code, const std::string& client, std::int64_t nowMs);
    // When a table last sent a request with its right code (milliseconds); -1 never.
    std::int64_t lastContact(int table) const;
    void clearLockOuts();
    std::vector<LockOut> lockOuts(std::int64_t nowMs) const { return m_guard.lockOuts(nowMs); }
    // The director lets a locked-out phone try again; false when it is not locked out.
    bool liftLockOut(const std::string& client, std::int64_t nowMs);
    std::vector<TableAttack> tableAttacks(std::int64_t nowMs) const { return m_guard.tableAttacks(nowMs); }
    // The director opens a table locked for new phones; false when it is not listed.
    bool liftTableLock(int table, std::int64_t nowMs);

    // What the guard knows, for the recovery file, and taken back from one.
    const GuardState& guardState() const { return m_guard.state(); }
    void restoreGuard(GuardState state);
    // Counts every change of the guard's state; `whenGuardChanges` is called after each.
    std::uint64_t guardRevision() const { return m_guardRevision; }
    void whenGuardChanges(std::function<void()> call) { m_guardChanged = std::move(call); }

private:
    TableDecision authorise(const TableRequest& request, const std::string& client, std::int64_t nowMs);
    TableDecision round(const Contest& contest, const TableRequest& request) const;
    TableDecision submit(const Contest& contest, const TableRequest& request);
    TableDecision results(const Contest& contest, const TableRequest& request) const;
    TableDecision standings(const Contest& contest, const TableRequest& request) const;
    TableDecision slotDecision(const Contest& contest, const TableStore& store);
    void decide(const PendingConflict& conflict, bool accepted);
    // Without a movement: the table has given a result for these pairs in the round.
    void keepTypedSeat(const TableStore& store);
    bool typedHere(int table, int round, int ns, int ew) const;
    void guardChanged();

    TableCodes m_codes;
    LoginGuard m_guard;
    TableEntries m_sent;
    std::uint64_t m_revision = 0;
    std::uint64_t m_guardRevision = 0;
    std::function<void()> m_guardChanged;
    std::map<int, std::int64_t> m_contacts;
};

// Where a board sits for a table in its allowed rounds (its current one and the one before),
// or the message why it may not write it.
struct BoardSeat {
    TableStore slot;  // table, round, board, pairs and newSlot filled
    std::string message;
};
// Without a movement, the pairs other tables have typed in the round are not this table's.
BoardSeat boardSeatOfTable(const Contest& contest, const TableCodes& codes, const TableRequest& request,
                           const std::set<TypedSeat>& typedSeats);

}  // namespace vindelkast
