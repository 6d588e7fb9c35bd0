#include "files/member_lookup.h"

#include <algorithm>

namespace vindelkast {

Member* findMemberByLongName(std::string_view longNameText, const MemberRegister& reg) {
    return reg.findByLongName(longNameText);
}

bool isInStartList(const Contest& contest, const Member* member) {
    if (!member) return false;
    const int last = std::clamp(contest.maxPairNumber, 0, kMaxPair);
    for (int p = 1; p <= last; ++p) {
        const Participant& participant = contest.participants[p];
        if (participant.first == member || participant.second == member) return true;
    }
    return false;
}

int nextFreeMemberId(const MemberRegister& reg) {
    int highest = 0;
    for (const Member* member : reg.entries()) {
        if (member && member->memberId < kFirstFederationNumber)
            highest = std::max(highest, member->memberId);
    }
    return highest + 1;
}

}  // namespace vindelkast
