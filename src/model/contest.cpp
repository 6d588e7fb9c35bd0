#include "model/contest.h"

#include "model/member_register.h"

namespace vindelkast {

bool Board::dealComplete() const {
    for (const Hand& hand : deal)
        for (const Card& card : hand)
            if (card.empty()) return false;
    return true;
}

Contest::Contest() {
    for (int b = 0; b < kBoardSlots; ++b) {
        boards[b].number = b;
        boards[b].contest = this;
    }
}

void Contest::reset(MemberRegister& reg) {
    memberRegister = &reg;
    for (int p = 0; p < kParticipantSlots; ++p) {
        participants[p] = Participant{};
        nameFrozen[p] = false;
    }
    participantCount = 0;
    maxPairNumber = 0;
    boardCount = 0;
    byePair = 0;
    isBarometer = false;
    isGronaHissen = false;
    isIndividual = false;
    setUpDone = false;
    isTeamContest = false;
    hasHandicap = false;
    scoringRule = ScoringRule{};
    sections = Sections{};
    teams = TeamSetup{};
    ghVariant = 2;
    resultOrder = 1;
    contracts.clear();
    analyses = {};
    for (int b = 1; b <= kMaxBoard; ++b) {
        boardHasScores[b] = false;
        boards[b].number = b;
        boards[b].resultCount = 0;
        boards[b].contest = this;
    }
    // Keep one bye person for the whole run: the register's entry 0 must stay the
    // same person as the contest's, or a "fripar" chosen after a clear is no bye pair.
    Member& bye = reg.byeMember();
    bye = Member{"fripar", "", 0, 0.0};
    byeMember = &bye;
}

int Contest::memberCount() const { return memberRegister ? memberRegister->memberCount() : 0; }

int Contest::nextBoardAfterScored() const {
    for (int b = kMaxBoard; b >= 1; --b)
        if (boardHasScores[b]) return b + 1;
    return 1;
}

}  // namespace vindelkast
