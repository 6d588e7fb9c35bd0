#include "model/name_forms.h"

namespace vindelkast {

std::string memberName(const Member& member, NameForm form) {
    return form == NameForm::Long ? longName(member) : shortName(member);
}

std::string pairName(const Contest& contest, int number, NameForm form) {
    if (number < 1 || number > contest.participantCount || number > kMaxPair) return "-- ";
    const Participant& p = contest.participants[number];
    std::string name = p.first ? memberName(*p.first, form) : "-- ";
    if (p.second && p.second != contest.byeMember) name += " & " + memberName(*p.second, form);
    return name;
}

std::string longNameOrDashes(const Member* member) { return member ? longName(*member) : "--"; }

}  // namespace vindelkast
