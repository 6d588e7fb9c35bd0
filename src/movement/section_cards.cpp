#include "movement/section_cards.h"

#include <algorithm>

#include "movement/built_in_movement.h"
#include "movement/guide_card.h"
#include "movement/set_up_fields.h"

namespace vindelkast {

namespace {

std::string number(int value) { return std::to_string(value); }

// The counts in the order of their first sections.
std::vector<int> distinctCounts(const std::vector<int>& pairCounts) {
    std::vector<int> counts;
    for (const int pairs : pairCounts)
        if (std::find(counts.begin(), counts.end(), pairs) == counts.end()) counts.push_back(pairs);
    return counts;
}

// The sections of a count: "sektion B", "sektionerna A och B", "sektionerna A, C och D".
std::string sectionsNamed(const std::vector<int>& pairCounts, int pairs) {
    std::vector<char> letters;
    for (std::size_t s = 0; s < pairCounts.size(); ++s)
        if (pairCounts[s] == pairs) letters.push_back(static_cast<char>('A' + s));
    if (letters.size() == 1) return std::string("sektion ") + letters[0];
    std::string named = "sektionerna";
    for (std::size_t i = 0; i < letters.size(); ++i)
        named += std::string(i == 0 ? " " : i + 1 == letters.size() ? " och " : ", ") + letters[i];
    return named;
}

char firstSectionOf(const std::vector<int>& pairCounts, int pairs) {
    const auto first = std::find(pairCounts.begin(), pairCounts.end(), pairs);
    return static_cast<char>('A' + (first - pairCounts.begin()));
}

// The proposed kind for the count, else the other, whichever is made for the boards and
// rounds asked (0: the movement's own).
GeneratedMovement movementPlaying(int pairs, int boards, int rounds) {
    const int perRound = boards > 0 && rounds > 0 ? boards / rounds : 0;
    const MovementKind proposed = proposedMovementKind(pairs);
    const MovementKind other =
        proposed == MovementKind::Mitchell ? MovementKind::Howell : MovementKind::Mitchell;
    GeneratedMovement first;
    bool otherBoards = false;
    for (const MovementKind kind : {proposed, other}) {
        GeneratedMovement made = generateMovement({kind, pairs, rounds, perRound, false});
        if (made.message.empty() && (boards <= 0 || made.boardCount() == boards)) return made;
        otherBoards = otherBoards || made.message.empty();
        if (kind == proposed) first = made;
    }
    if (otherBoards)
        first.message = "ingen Mitchell eller Howell spelar " + number(boards) + " givar" +
                        (rounds > 0 ? " i " + number(rounds) + " ronder" : "");
    first.seats.clear();
    return first;
}

}  // namespace

std::vector<SectionCardQuestion> sectionCardQuestions(const SetUpRequest& request,
                                                      const std::vector<int>& pairCounts,
                                                      const SectionCards& cards) {
    std::vector<SectionCardQuestion> questions;
    for (const int pairs : distinctCounts(pairCounts)) {
        if (cards.contains(pairs) || builtInMovementFits(fieldNumber(request.boards), pairs)) continue;
        questions.push_back(
            {pairs, firstSectionOf(pairCounts, pairs),
             "Guidekort f\xf6r " + sectionsNamed(pairCounts, pairs) + " (" + number(pairs) + " par)",
             sectionCardFilter(pairs)});
    }
    return questions;
}

std::vector<SectionPlan> sectionPlans(const std::vector<int>& pairCounts, const SectionCards& cards) {
    std::vector<SectionPlan> plans = sectionPlans(pairCounts);
    for (SectionPlan& plan : plans)
        if (const auto card = cards.find(plan.pairs); card != cards.end()) plan.guideCard = card->second;
    return plans;
}

std::string sectionCardFilter(int pairs) {
    std::string filter = guideCardFilter(pairs, 0, false);
    if (pairs % 2 == 1) filter += ";P" + number(pairs) + "*.GUI";
    return filter;
}

std::vector<GeneratedMovement> sectionMovements(const std::vector<int>& pairCounts, int boards, int rounds) {
    std::vector<GeneratedMovement> movements;
    for (const int pairs : distinctCounts(pairCounts)) {
        GeneratedMovement made = movementPlaying(pairs, boards, rounds);
        if (!made.message.empty()) {
            std::string named = sectionsNamed(pairCounts, pairs);
            named[0] = 'S';
            made.message = named + " (" + number(pairs) + " par): " + made.message;
        } else if (boards <= 0 || rounds <= 0) {
            boards = made.boardCount();
            rounds = made.rounds;
        }
        movements.push_back(made);
    }
    return movements;
}

std::vector<std::string> sectionMovementSummary(const std::vector<int>& pairCounts,
                                                const GeneratedMovement& made) {
    std::vector<std::string> lines{"Guidekortet " + generatedCardName(made) + " anv\xe4nds f\xf6r " +
                                   sectionsNamed(pairCounts, made.pairs) + "."};
    for (const std::string& line : movementSummary(made)) lines.push_back(line);
    return lines;
}

}  // namespace vindelkast
