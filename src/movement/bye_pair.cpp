#include "movement/bye_pair.h"

#include <algorithm>

#include "movement/set_up_fields.h"

namespace vindelkast {

void makeByePair(Contest& contest, int pair) {
    if (!validByePair(pair)) return;
    contest.byePair = pair;
    contest.participants[pair].first = contest.byeMember;
    contest.participants[pair].second = contest.byeMember;
}

bool holdsRealPerson(const Contest& contest, int pair) {
    if (!validByePair(pair)) return false;
    const Participant& entry = contest.participants[pair];
    const auto real = [&](const Member* person) { return person && person != contest.byeMember; };
    return real(entry.first) || real(entry.second);
}

void settleByePairAtSetUp(Contest& contest, int typedByePair) {
    if (contest.isIndividual) return;
    if (typedByePair > 0) {
        // A late pair typed over the bye entry keeps its names.
        if (!holdsRealPerson(contest, typedByePair)) makeByePair(contest, typedByePair);
        return;
    }
    if (typedByePair < 0) return;
    contest.byePair = 0;
    const int highest = std::min(contest.maxPairNumber, kMaxPair);
    for (int p = highest; p >= 1; --p) {
        if (contest.byeMember && contest.participants[p].first == contest.byeMember) {
            contest.byePair = p;
            return;
        }
    }
    if (contest.maxPairNumber % 2 == 1 && contest.maxPairNumber < kMaxPair) {
        // The odd number itself sits out; but a pair that has its names already is never
        // turned into "fripar": then the new, empty number does.
        const int odd = contest.maxPairNumber;
        ++contest.maxPairNumber;
        makeByePair(contest, holdsRealPerson(contest, odd) ? contest.maxPairNumber : odd);
    }
}

void settleByePairOnNamesClosed(Contest& contest) {
    // Sections seat their own sit-outs: a number past the last section would be in none; a
    // Monrad of pairs draws who sits out each round.
    if (contest.isIndividual || contest.sections.any() || contest.teams.any() ||
        contest.maxPairNumber % 2 == 0)
        return;
    const int last = contest.maxPairNumber;
    if (contest.byePair == last && contest.byeMember &&
        contest.participants[last].first == contest.byeMember) {
        contest.participants[last] = Participant{};
        contest.byePair = 0;
        contest.participantCount = std::min(contest.participantCount, last - 1);
        --contest.maxPairNumber;
        return;
    }
    if (contest.maxPairNumber >= kMaxPair) return;
    // Only the new, empty number may become the bye pair: an even field has no place to
    // spare, and a real pair must never be overwritten by "fripar".
    ++contest.maxPairNumber;
    if (contest.byePair == 0) makeByePair(contest, contest.maxPairNumber);
}

bool takeByePairIfFripar(Contest& contest, int pair) {
    if (!validByePair(pair) || !contest.byeMember) return false;
    if (contest.participants[pair].first != contest.byeMember) return false;
    contest.byePair = pair;
    return true;
}

int byePairFromField(const std::string& text) {
    const int number = fieldNumber(text);
    return validByePair(number) ? number : 0;
}

}  // namespace vindelkast
