#pragma once

#include <functional>
#include <string>

#include "model/contest.h"
#include "tables/table_host.h"
#include "tables/table_service.h"

namespace vindelkast {

// The owner of the contest, as the table server sees it: it may read the contest, it keeps the
// evening's table service (the codes, the entries stored, the results held for the director)
// and it records every change the tables make as one change of the evening, like a typed score.
class TableResultSink : public TableHost {
public:
    // Runs `store`, which decides the tables' requests through the service, stores results in
    // the contest through the core and returns whether the contest changed. When the contest or
    // what the service keeps changed, the owner records it as one change (views and caption,
    // and the recovery file written once for all of it). Returns "" when nothing needed writing
    // or the recovery file was written, else the message why not. With `Unsecured::Undo` (the
    // phones' results) a change the recovery file could not keep is taken back: the phones hear
    // 503 and send again, and nothing shows as entered that a crash would lose. The director's
    // own decisions are kept (`Keep`): he is told, as for a typed score.
    enum class Unsecured { Keep, Undo };
    virtual std::string storeTableResults(const std::function<bool(Contest&, TableService&)>& store,
                                          Unsecured unsecured) = 0;
};

}  // namespace vindelkast
