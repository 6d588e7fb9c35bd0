#pragma once

#include <set>
#include <string>
#include <vector>

#include "files/imported_session.h"
#include "model/sections.h"

// Another program's sections as the contest's. The contest keeps a section as one unbroken
// range of its pair numbers; sections whose numbers interleave, or that share a pair, cannot be
// kept so, and scoring their pairs as one field would give figures the evening never had: such
// a file is refused, and the director hears why.
namespace vindelkast {

struct ImportedSections {
    Sections sections;    // none when the file has fewer than two
    std::string refusal;  // why the file's sections cannot be used ("" when they can)
};

// The file's sections in the order of their pair numbers, lettered A, B ..., each stretched
// over the numbers next to it that no pair uses (a sit-out, a missing pair), so that they
// cover 1..`pairCount`. `inUse`: every pair number that plays a board or has a name.
ImportedSections importedSections(const ImportedSession& session, const std::set<int>& inUse, int pairCount,
                                  std::vector<ImportNote>& notes);

}  // namespace vindelkast
