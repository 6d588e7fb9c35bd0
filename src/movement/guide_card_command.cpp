#include "movement/guide_card_command.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "model/sections.h"
#include "movement/built_in_movement.h"
#include "movement/bye_pair.h"
#include "movement/guide_card.h"
#include "movement/set_up_fields.h"

namespace vindelkast {

GuideCardStart startGuideCard(Contest& contest, const GuideCardFields& fields) {
    contest.boardCount = fieldNumber(fields.boards);
    contest.maxPairNumber = fieldNumber(fields.maxPair);
    contest.roundCount = fieldNumber(fields.rounds);
    contest.byePair = byePairFromField(fields.byePair);
    if (contest.boardCount > 0 && contest.roundCount > 0)
        contest.boardsPerRound = contest.boardCount / contest.roundCount;
    contest.tableCount = contest.maxPairNumber / 2 - (contest.byePair > 0 ? 1 : 0);

    if (!fields.withoutGuideCard) buildBuiltInMovement(contest);
    GuideCardStart start;
    if (contest.boards[1].resultCount > 0) return start;
    start.needsCard = true;
    start.filter = guideCardFilter(fieldNumber(fields.maxPair), contest.maxPairNumber, contest.isIndividual);
    return start;
}

std::string useGuideCard(Contest& contest, const std::string& fileName) {
    std::error_code error;
    if (fileName.empty() || !std::filesystem::exists(std::u8string(fileName.begin(), fileName.end()), error))
        return "Kan inte l\xe4sa filen";
    // Reached from the menu while playing without a card, there may be no movement yet.
    if (!contest.movement) contest.movement = std::make_shared<Movement>();
    Movement& movement = *contest.movement;
    const GuideCardReading reading = readGuideCardFile(fileName, movement, contest.boards);
    if (!reading.headerTaken) return reading.message;

    contest.roundCount = movement.roundCount;
    contest.boardCount = movement.boardCount;
    contest.maxPairNumber = movement.pairCount;
    contest.boardsPerRound = movement.boardsPerRound;
    const Board& first = contest.boards[1];
    contest.isIndividual = first.resultCount > 0 && first.results[0].nsPlayer2 > 0;
    contest.tableCount = laidTableCount(contest);
    return reading.message;
}

}  // namespace vindelkast
