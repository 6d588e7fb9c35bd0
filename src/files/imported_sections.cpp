#include "files/imported_sections.h"

#include <algorithm>
#include <map>

namespace vindelkast {

namespace {

std::string pairsText(int first, int last) {
    return "par " + std::to_string(first) + (first == last ? "" : "-" + std::to_string(last));
}

ImportedSections refused(const std::string& why) {
    return {{}, "Sektionerna i filen g\xe5r inte att anv\xe4nda: " + why};
}

// The first pair number from..to that a pair uses, or 0.
int firstInUse(const std::set<int>& inUse, int from, int to) {
    const auto at = inUse.lower_bound(from);
    return at != inUse.end() && *at <= to ? *at : 0;
}

}  // namespace

ImportedSections importedSections(const ImportedSession& session, const std::set<int>& inUse, int pairCount,
                                  std::vector<ImportNote>& notes) {
    if (session.sections.size() < 2) return {};
    std::map<int, const ImportedSection*> home;
    for (const ImportedSection& section : session.sections)
        for (const int pair : section.pairs)
            if (const auto [at, added] = home.emplace(pair, &section); !added && at->second != &section)
                return refused("par " + std::to_string(pair) + " st\xe5r i sektion " + at->second->id +
                               " och i sektion " + section.id);
    std::vector<const ImportedSection*> ordered;
    for (const ImportedSection& section : session.sections) ordered.push_back(&section);
    std::stable_sort(ordered.begin(), ordered.end(), [](const ImportedSection* a, const ImportedSection* b) {
        return a->firstPair < b->firstPair;
    });
    ImportedSections out;
    out.sections.acrossField = true;
    int next = 1;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        const ImportedSection& s = *ordered[i];
        if (i > 0 && s.firstPair < next)
            return refused("sektion " + ordered[i - 1]->id + " (" +
                           pairsText(ordered[i - 1]->firstPair, next - 1) + ") och sektion " + s.id + " (" +
                           pairsText(s.firstPair, s.lastPair) + ") har parnummer om varandra");
        if (const int outside = firstInUse(inUse, next, s.firstPair - 1))
            return refused("par " + std::to_string(outside) + " ing\xe5r inte i n\xe5gon sektion");
        // Numbers no pair uses belong to the section before (the first takes those below it).
        if (i > 0) out.sections.list.back().lastPair = s.firstPair - 1;
        out.sections.list.push_back({static_cast<char>('A' + i), i == 0 ? 1 : s.firstPair, s.lastPair});
        if (s.id != std::string(1, out.sections.list.back().letter))
            notes.push_back({0, "sektion " + s.id + " heter " +
                                    std::string(1, out.sections.list.back().letter) + " h\xe4r"});
        next = s.lastPair + 1;
    }
    if (const int outside = firstInUse(inUse, next, kMaxPair))
        return refused("par " + std::to_string(outside) + " ing\xe5r inte i n\xe5gon sektion");
    out.sections.list.back().lastPair = std::max(next - 1, pairCount);
    if (const std::string problem = sectionsProblem(out.sections); !problem.empty()) return refused(problem);
    return out;
}

}  // namespace vindelkast
