#pragma once

#include <functional>
#include <string>

#include "model/contest.h"

namespace vindelkast {

// The owner of the contest, as the table server sees it: it may read the contest, and it
// stores the tables' results as one change of the evening, like a typed score.
class TableResultSink {
public:
    virtual ~TableResultSink() = default;

    virtual const Contest& contest() const = 0;

    // Runs `store`, which stores results from the tables in the contest through the core
    // and returns whether it changed anything. When it did, the owner announces the change
    // (views, caption) and writes the recovery file once for all of them. Returns "" when
    // nothing needed writing or the recovery file was written, else the message why not.
    virtual std::string storeTableResults(const std::function<bool(Contest&)>& store) = 0;
};

}  // namespace vindelkast
