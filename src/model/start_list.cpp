#include "model/start_list.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vindelkast {

namespace {

int lastParticipant(const Contest& contest) { return std::clamp(contest.participantCount, 0, kMaxPair); }

bool holdsByePerson(const Contest& contest, int number) {
    return contest.byeMember && Contest::validPair(number) &&
           contest.participants[number].first == contest.byeMember;
}

}  // namespace

void seatMember(Contest& contest, Member* member, int number, int column) {
    if (member && Contest::validPair(number)) {
        Participant& participant = contest.participants[number];
        (column == 0 ? participant.first : participant.second) = member;
        contest.participantCount = std::max(contest.participantCount, number);
        // A late pair seated in the bye entry plays: the entry is no bye pair any more, and
        // no "fripar" is left beside the real person.
        if (sitsOut(contest, number) && member != contest.byeMember) {
            if (number == contest.byePair) contest.byePair = 0;
            for (Member** person : {&participant.first, &participant.second})
                if (*person == contest.byeMember) *person = nullptr;
        }
    }
    const int last = lastParticipant(contest);
    if (last > 0 && holdsByePerson(contest, last)) contest.byePair = last;
    contest.maxPairNumber = std::max(contest.maxPairNumber, last);
}

std::string seatingDrawLine(const SeatingDraw& draw) {
    return std::to_string(draw.freeCount) + " " + std::to_string(draw.drawn) + " " +
           std::to_string(draw.from) + " " + std::to_string(draw.to);
}

std::vector<SeatingDraw> shuffleStartList(Contest& contest, const std::function<int()>& random) {
    const int n = lastParticipant(contest);
    std::array<Participant, kParticipantSlots> kept{};
    std::array<bool, kParticipantSlots> stays{};
    std::array<bool, kParticipantSlots> taken{};
    int freeCount = n;
    for (int p = 1; p <= n; ++p) {
        Participant& participant = contest.participants[p];
        kept[p] = participant;
        // A frozen number keeps whoever is there; an entry with only a second person has
        // nobody to draw a place for and must not be lost.
        stays[p] = contest.nameFrozen[p] || (!participant.first && participant.second);
        taken[p] = stays[p];
        if (stays[p])
            --freeCount;
        else
            participant = Participant{};
    }

    std::vector<SeatingDraw> draws;
    for (int i = 1; i <= n; ++i) {
        if (stays[i] || !kept[i].first) continue;
        SeatingDraw draw;
        draw.freeCount = freeCount;
        draw.from = i;
        draw.drawn = freeCount > 0 ? std::abs(random() % freeCount) : 0;
        --freeCount;
        for (int p = 1, seen = 0; p <= n; ++p) {
            if (taken[p]) continue;
            if (seen++ == draw.drawn) {
                draw.to = p;
                break;
            }
        }
        if (draw.to == 0) break;  // cannot happen: there are as many free places as entries
        contest.participants[draw.to] = kept[i];
        taken[draw.to] = true;
        if (holdsByePerson(contest, draw.to)) contest.byePair = draw.to;
        draws.push_back(draw);
    }
    return draws;
}

void swapParticipants(Contest& contest, int a, int b) {
    if (!Contest::validPair(a) || !Contest::validPair(b)) return;
    std::swap(contest.participants[a], contest.participants[b]);
    if (holdsByePerson(contest, a)) contest.byePair = a;
    if (holdsByePerson(contest, b)) contest.byePair = b;
}

void deleteParticipant(Contest& contest, int p) {
    const int last = lastParticipant(contest);
    if (p < 1 || p > last) return;
    for (int q = p; q < last; ++q) {
        if (contest.isIndividual)
            contest.participants[q].first = contest.participants[q + 1].first;
        else
            contest.participants[q] = contest.participants[q + 1];
    }
    contest.participants[last] = Participant{};
    contest.participantCount = last - 1;
}

void deleteParticipants(Contest& contest, std::vector<int> numbers) {
    // The bye entry added when the name panel evened the field lies beyond the last
    // participant; it is an entry like the others and moves up with them.
    if (contest.byePair > contest.participantCount && holdsByePerson(contest, contest.byePair))
        contest.participantCount = contest.byePair;
    // From the highest number down, so that every number still names the person marked.
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    for (const int p : numbers) {
        const int before = lastParticipant(contest);
        if (p < 1 || p > before) continue;
        deleteParticipant(contest, p);
        if (p == contest.byePair)
            contest.byePair = 0;
        else if (p < contest.byePair && contest.byePair <= before)
            --contest.byePair;
    }
    contest.maxPairNumber = contest.participantCount;
}

void toggleFrozen(Contest& contest, int number) {
    if (Contest::validPair(number)) contest.nameFrozen[number] = !contest.nameFrozen[number];
}

}  // namespace vindelkast
