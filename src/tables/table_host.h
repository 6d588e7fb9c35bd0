#pragma once

#include <string>
#include <vector>

#include "files/edit_journal.h"
#include "model/contest.h"
#include "tables/table_service.h"

namespace vindelkast {

// The owner of the contest, as the tables' server reads it to answer a request.
class TableHost {
public:
    virtual ~TableHost() = default;

    virtual const Contest& contest() const = 0;
    // Every edit of the evening, oldest first: the pages tell of a board changed after the
    // results were published.
    virtual const std::vector<JournalEntry>& journal() const = 0;

    // The evening's table service; null until the codes are made. What it keeps (codes,
    // entries, held results) changes only as the owner records a change of the evening; a
    // reading call may change what it keeps for this run alone (lock-outs, contacts).
    virtual TableService* tableService() = 0;
    // Makes the evening's codes once the contest is set up (nothing when they exist) as a
    // change of the evening: the recovery file carries them from that moment. "" or the
    // message why the recovery file could not be written.
    virtual std::string openTables() = 0;
};

}  // namespace vindelkast
