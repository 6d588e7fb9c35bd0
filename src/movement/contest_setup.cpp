#include "movement/contest_setup.h"

#include <algorithm>

#include "model/result_order.h"
#include "model/sections.h"
#include "movement/built_in_movement.h"
#include "movement/bye_pair.h"
#include "movement/guide_card_command.h"
#include "movement/set_up_fields.h"

namespace vindelkast {

namespace {

// Each text is one line of the contest file: a line break would split it and leave a file
// that cannot be read back.
bool holdsControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

std::string textRefusal(const SetUpRequest& request) {
    if (holdsControlCharacter(request.contestName)) return kControlCharsInName;
    if (holdsControlCharacter(request.contestDate)) return kControlCharsInDate;
    if (holdsControlCharacter(request.arranger)) return kControlCharsInArranger;
    return "";
}

// "Klar": the counts and the bye pair from the fields.
std::string completeSetUp(Contest& contest, const SetUpRequest& fields) {
    contest.contestName = fields.contestName;
    contest.contestDate = fields.contestDate;
    contest.arranger = fields.arranger;

    const int boards = fieldNumber(fields.boards);
    const int rounds = fieldNumber(fields.rounds);
    const int maxPair = fieldNumber(fields.maxPair);
    const int typedByePair = fieldNumber(fields.byePair);
    // Counts that cannot index the boards and the start list are never stored, not even
    // when the set-up is refused: the contest may still be saved or shown meanwhile.
    if (boards <= kMaxBoard) contest.boardCount = boards;
    contest.roundCount = rounds;
    if (maxPair > contest.maxPairNumber && maxPair <= kMaxPair) contest.maxPairNumber = maxPair;
    if (rounds > 0 && rounds <= boards && boards <= kMaxBoard) contest.boardsPerRound = boards / rounds;
    contest.isBarometer = fields.barometer || fields.gronaHissen;
    contest.isIndividual = fields.individual;

    // More rounds than boards would leave rounds without boards and no boards per round.
    if (boards <= 0 || boards > kMaxBoard || rounds <= 0 || rounds > boards) return kFillInBoardsAndRounds;
    if (maxPair > kMaxPair) return kTooManyPairs;
    if (typedByePair < 0 || typedByePair > kMaxPair) return kByePairOutOfRange;
    // "fripar" never overwrites a pair that has names (a late pair typed over the bye entry).
    if (!fields.individual && holdsRealPerson(contest, typedByePair))
        return "Par " + std::to_string(typedByePair) + " har namn och kan inte vara fripar";

    settleByePairAtSetUp(contest, typedByePair);
    // Counted after the bye pair may have raised the highest pair number: seven pairs with
    // pair 8 as the bye play three tables.
    contest.tableCount = laidTableCount(contest);
    contest.playingTableCount = contest.tableCount - (contest.byePair > 0 ? 1 : 0);
    if (!contest.movement && !fields.withoutGuideCard) buildBuiltInMovement(contest);
    contest.setUpDone = true;
    if (contest.byePair != 0)
        for (int b = 1; b <= contest.boardCount; ++b) sortResults(contest.boards[b]);
    return "";
}

}  // namespace

GuideCardChoice chooseGuideCard(Contest& contest, const SetUpRequest& request,
                                const std::function<std::string(const std::string& filter)>& pickCard) {
    const GuideCardStart start = startGuideCard(contest, {request.boards, request.rounds, request.maxPair,
                                                          request.byePair, request.withoutGuideCard});
    GuideCardChoice choice;
    if (!start.needsCard) return choice;
    choice.cardRead = true;
    choice.message = useGuideCard(contest, pickCard(start.filter));
    // Seven pairs on a card for eight: the eighth is nobody and sits out.
    const int typed = fieldNumber(request.maxPair);
    if (choice.message.empty() && !contest.isIndividual && typed % 2 == 1 &&
        contest.maxPairNumber == typed + 1 && fieldNumber(request.byePair) == 0)
        choice.sitOut = contest.maxPairNumber;
    return choice;
}

SetUpOutcome setUpContest(Contest& contest, const SetUpRequest& request) {
    SetUpOutcome outcome;
    if (std::string refusal = textRefusal(request); !refusal.empty()) {
        outcome.title = kSetUpRefusedTitle;
        outcome.message = refusal;
        return outcome;
    }
    // The kind boxes mean what they show, also after a clear.
    contest.hasHandicap = request.handicap;
    contest.isGronaHissen = request.gronaHissen;
    contest.isTeamContest = request.teamContest;
    contest.ghVariant = request.ghVariant;
    contest.isIndividual = request.individual;

    SetUpRequest fields = request;
    if (request.guideCard) {
        const GuideCardChoice choice =
            chooseGuideCard(contest, request, [&request](const std::string&) { return *request.guideCard; });
        if (!choice.message.empty()) {
            outcome.title = kGuideCardRefusedTitle;
            outcome.message = choice.message;
            return outcome;
        }
        if (choice.cardRead) {
            // The panel shows the card's counts once it is read, and "Klar" takes them.
            fields.maxPair = std::to_string(contest.maxPairNumber);
            fields.boards = std::to_string(contest.boardCount);
            fields.rounds = std::to_string(contest.roundCount);
            fields.individual = contest.isIndividual;
            if (choice.sitOut > 0) fields.byePair = std::to_string(choice.sitOut);
        }
    }

    outcome.message = completeSetUp(contest, fields);
    if (!outcome.message.empty()) {
        outcome.title = kSetUpRefusedTitle;
        return outcome;
    }
    outcome.lacksMovement = contest.boards[1].resultCount == 0 && !fields.withoutGuideCard;
    return outcome;
}

}  // namespace vindelkast
