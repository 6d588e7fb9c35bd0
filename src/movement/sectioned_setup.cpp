#include "movement/sectioned_setup.h"

#include <memory>
#include <string>

#include "model/board_results.h"
#include "model/result_order.h"
#include "movement/bye_pair.h"
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

// The request for one section: its pair count and its card.
SetUpRequest sectionRequest(const SetUpRequest& request, const SectionPlan& plan) {
    SetUpRequest asked = request;
    asked.sections.clear();
    asked.maxPair = std::to_string(plan.pairs);
    asked.byePair = "";
    if (plan.guideCard) asked.guideCard = plan.guideCard;
    return asked;
}

// "" or why the section's movement does not seat its pairs: a card for another count. (A card
// for one more than an odd section seats its sit-out, as a card does for an odd field.)
std::string sectionMisfit(const Contest& section, int pairs) {
    const int seated = section.maxPairNumber - (section.byePair > 0 ? 1 : 0);
    if (seated == pairs) return "";
    return "guidekortet \xe4r f\xf6r " + std::to_string(section.maxPairNumber) + " par, sektionen har " +
           std::to_string(pairs);
}

// Sets up one section alone on `section`; the refusal names the section.
SetUpOutcome setUpSection(Contest& section, const SetUpRequest& request, const SectionPlan& plan,
                          char letter) {
    const std::string named = "Sektion " + std::string(1, letter) + ": ";
    const SetUpOutcome outcome = setUpContest(section, sectionRequest(request, plan));
    if (!outcome.message.empty()) return {outcome.title, named + outcome.message, false};
    if (outcome.lacksMovement)
        return refused(named + "inget inbyggt spel passar " + std::to_string(section.boardCount) +
                       " givar och " + std::to_string(plan.pairs) + " par; v\xe4lj ett guidekort");
    if (const std::string misfit = sectionMisfit(section, plan.pairs); !misfit.empty())
        return refused(named + misfit);
    return {};
}

}  // namespace

std::string sectionsRefusal(const SetUpRequest& request, std::size_t sectionCount) {
    if (request.individual || request.gronaHissen || request.withoutGuideCard)
        return "Sektioner finns bara i part\xe4vlingar med ett spel per sektion";
    if (sectionCount < 2 || static_cast<int>(sectionCount) > kMaxSections) return "Ange 2-8 sektioner";
    return "";
}

std::vector<SectionPlan> sectionPlans(const std::vector<int>& pairCounts) {
    std::vector<SectionPlan> plans;
    for (const int pairs : pairCounts) plans.push_back({pairs, std::nullopt});
    return plans;
}

SetUpOutcome sectionOutcome(MemberRegister& reg, const SetUpRequest& request, const SectionPlan& plan,
                            char letter) {
    const auto section = std::make_unique<Contest>();
    section->reset(reg);
    return setUpSection(*section, request, plan, letter);
}

SetUpOutcome setUp(Contest& contest, const SetUpRequest& request) {
    if (request.sections.empty()) return setUpContest(contest, request);
    const std::vector<SectionPlan>& plans = request.sections;
    if (const std::string refusal = sectionsRefusal(request, plans.size()); !refusal.empty())
        return refused(refusal);
    MemberRegister& reg = *contest.memberRegister;
    std::vector<int> sizes;
    int pairs = 0;
    std::vector<std::unique_ptr<Contest>> sections;
    for (std::size_t s = 0; s < plans.size(); ++s) {
        auto section = std::make_unique<Contest>();
        section->reset(reg);
        const char letter = static_cast<char>('A' + s);
        if (SetUpOutcome outcome = setUpSection(*section, request, plans[s], letter);
            !outcome.message.empty())
            return outcome;
        if (section->boardCount != (sections.empty() ? section->boardCount : sections[0]->boardCount))
            return refused("Sektion " + std::string(1, letter) +
                           " spelar inte lika m\xe5nga givar som sektion A");
        if (pairs + section->maxPairNumber > kMaxPair) return refused(kTooManyPairs);
        sizes.push_back(section->maxPairNumber);
        pairs += section->maxPairNumber;
        sections.push_back(std::move(section));
    }
    // The first section's set-up gives the evening its texts, counts and kind.
    setUpContest(contest, sectionRequest(request, plans[0]));
    for (int b = 1; b <= kMaxBoard; ++b) contest.boards[b].resultCount = 0;
    contest.movement.reset();
    int pairOffset = 0, tableOffset = 0;
    for (const auto& section : sections) {
        laySection(contest, *section, pairOffset, tableOffset);
        // A late pair already named at the sit-out's number keeps its names and plays.
        if (section->byePair > 0 && !holdsRealPerson(contest, section->byePair + pairOffset))
            contest.participants[section->byePair + pairOffset] = {contest.byeMember, contest.byeMember};
        pairOffset += section->maxPairNumber;
        tableOffset += section->tableCount;
    }
    contest.maxPairNumber = pairs;
    contest.participantCount = pairs;
    contest.sections = sectionsOfSizes(sizes, request.acrossField);
    settleSections(contest);
    return {};
}

}  // namespace vindelkast
