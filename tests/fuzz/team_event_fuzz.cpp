// A team event's file lies beside the contest and may be edited or damaged: whatever the
// bytes, the reader must end; what it accepts must be written back the same, and an event set
// up with it must draw a first round that seats every team once, its fixed meetings included.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "files/team_event_file.h"
#include "fuzz_checks.h"
#include "model/member_register.h"
#include "movement/team_round_draw.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemberRegister reg;
    reg.startWithByeMember();
    Contest read;
    read.reset(reg);
    if (!readTeamEvent(read, std::string(reinterpret_cast<const char*>(data), size)).empty()) return 0;
    const TeamSetup& teams = read.teams;
    fuzz::require(teams.any() && teams.teamCount >= 2 &&
                  teams.teamCount <= (teams.form == TeamForm::SwissPairs ? kMaxPair : kMaxEventTeams));
    fuzz::require(teams.names.size() == static_cast<std::size_t>(teams.teamCount));
    for (const std::string& name : teams.names) fuzz::require(name.size() <= kMaxTeamNameBytes);

    const std::string text = writeTeamEvent(read);
    Contest again;
    again.reset(reg);
    fuzz::require(readTeamEvent(again, text).empty() && writeTeamEvent(again) == text);

    Contest event;
    event.reset(reg);
    const TeamPlan plan{teams.form, teams.teamCount, 1, 1, teams.byeVp, teams.names};
    fuzz::require(setUpTeamEvent(event, SetUpRequest{}, plan).empty());
    event.teams.fixedMeetings = teams.fixedMeetings;
    const TeamRoundDraw draw = drawTeamRound(event, true);
    if (draw.round == 0) return 0;
    std::set<int> seated;
    for (const DrawnMatch& m : draw.matches)
        fuzz::require(seated.insert(m.home).second && seated.insert(m.away).second);
    if (draw.bye != 0) fuzz::require(seated.insert(draw.bye).second);
    fuzz::require(static_cast<int>(seated.size()) == teams.teamCount);
    return 0;
}
