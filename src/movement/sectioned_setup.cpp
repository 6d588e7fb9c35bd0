#include "movement/sectioned_setup.h"

#include <memory>
#include <string>

#include "model/board_results.h"
#include "model/result_order.h"
#include "movement/movement.h"

namespace vindelkast {

namespace {

SetUpOutcome refused(const std::string& message) { return {kSetUpRefusedTitle, message, false}; }

// Lays a section's slots and card tables into the contest, its pairs and tables numbered on.
void laySection(Contest& contest, const Contest& section, int pairOffset, int tableOffset) {
    for (int b = 1; b <= section.boardCount && b <= kMaxBoard; ++b) {
        const Board& from = section.boards[b];
        for (int i = 0; i < from.resultCount; ++i) {
            const BoardResult& r = from.results[i];
            addResult(contest.boards[b], r.nsPair + pairOffset, r.ewPair + pairOffset, r.round, kNoScore,
                      0.0f, 0.0f, false);
        }
    }
    if (!section.movement || section.movement->tables.empty()) return;
    if (!contest.movement) contest.movement = std::make_shared<Movement>();
    for (const auto& [seat, table] : section.movement->tables) {
        const auto [round, ns, ew] = seat;
        contest.movement->tables[{round, ns + pairOffset, ew + pairOffset}] = table + tableOffset;
    }
}

}  // namespace

SetUpOutcome setUpSections(Contest& contest, const SetUpRequest& request, const std::vector<int>& pairCounts,
                           bool acrossField) {
    if (request.individual || request.gronaHissen || request.withoutGuideCard)
        return refused("Sektioner finns bara i part\xe4vlingar med ett spel per sektion");
    if (pairCounts.size() < 2 || static_cast<int>(pairCounts.size()) > kMaxSections)
        return refused("Ange 2-8 sektioner");
    MemberRegister& reg = *contest.memberRegister;
    std::vector<int> sizes;
    int pairs = 0, tables = 0, playing = 0, bye = 0;
    std::vector<std::unique_ptr<Contest>> sections;
    for (std::size_t s = 0; s < pairCounts.size(); ++s) {
        auto section = std::make_unique<Contest>();
        section->reset(reg);
        SetUpRequest asked = request;
        asked.maxPair = std::to_string(pairCounts[s]);
        asked.byePair = "";
        const SetUpOutcome outcome = setUpContest(*section, asked);
        const std::string letter(1, static_cast<char>('A' + s));
        if (!outcome.message.empty())
            return {outcome.title, "Sektion " + letter + ": " + outcome.message, false};
        if (outcome.lacksMovement)
            return refused("Sektion " + letter + ": inget inbyggt spel passar " +
                           std::to_string(section->boardCount) + " givar och " +
                           std::to_string(section->maxPairNumber) + " par; v\xe4lj ett guidekort");
        if (section->boardCount != (sections.empty() ? section->boardCount : sections[0]->boardCount))
            return refused("Sektion " + letter + " spelar inte lika m\xe5nga givar som sektion A");
        if (pairs + section->maxPairNumber > kMaxPair) return refused(kTooManyPairs);
        if (bye == 0 && section->byePair > 0) bye = pairs + section->byePair;
        sizes.push_back(section->maxPairNumber);
        pairs += section->maxPairNumber;
        tables += section->tableCount;
        playing += section->playingTableCount;
        sections.push_back(std::move(section));
    }
    // The first section's set-up gives the evening its texts, counts and kind.
    SetUpRequest first = request;
    first.maxPair = std::to_string(pairCounts[0]);
    first.byePair = "";
    setUpContest(contest, first);
    for (int b = 1; b <= kMaxBoard; ++b) contest.boards[b].resultCount = 0;
    contest.movement.reset();
    int pairOffset = 0, tableOffset = 0;
    for (const auto& section : sections) {
        laySection(contest, *section, pairOffset, tableOffset);
        pairOffset += section->maxPairNumber;
        tableOffset += section->tableCount;
    }
    contest.maxPairNumber = pairs;
    contest.participantCount = pairs;
    contest.byePair = bye;
    if (bye > 0) contest.participants[bye] = {contest.byeMember, contest.byeMember};
    contest.tableCount = tables;
    contest.playingTableCount = playing;
    contest.sections = sectionsOfSizes(sizes, acrossField);
    for (int b = 1; b <= contest.boardCount && b <= kMaxBoard; ++b) sortResults(contest.boards[b]);
    return {};
}

}  // namespace vindelkast
