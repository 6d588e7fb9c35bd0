#include "app/section_set_up.h"

#include "files/safe_write.h"
#include "model/sections.h"
#include "movement/set_up_fields.h"
#include "qt/qt_text.h"
#include "session/dialogs.h"

#include <QStringList>

namespace vindelkast {

SetUpRequest setUpRequestFrom(const SetUpChoices& shown) {
    SetUpRequest request;
    request.boards = shown.boards;
    request.rounds = shown.rounds;
    request.maxPair = shown.maxPair;
    request.byePair = shown.byePair;
    request.individual = shown.individual;
    request.barometer = shown.barometer;
    request.gronaHissen = shown.gronaHissen;
    request.ghVariant = shown.ghVariant;
    request.teamContest = shown.teamContest;
    request.handicap = shown.handicap;
    request.withoutGuideCard = shown.withoutGuideCard;
    request.contestName = shown.contestName;
    request.contestDate = shown.contestDate;
    request.arranger = shown.arranger;
    request.acrossField = shown.acrossField;
    return request;
}

std::optional<std::vector<int>> typedSections(const SetUpChoices& shown, Dialogs& dialogs) {
    if (shown.sections.find_first_not_of(' ') == std::string::npos) return std::vector<int>{};
    const std::vector<int> sizes = sectionSizesFromText(shown.sections);
    const std::string refusal = sizes.empty() ? std::string("Par/sektion ska vara ") + kSectionSizesRule
                                              : sectionsRefusal(setUpRequestFrom(shown), sizes.size());
    if (refusal.empty()) return sizes;
    dialogs.messageBox(kSetUpRefusedTitle, toQt(refusal));
    return std::nullopt;
}

bool askSectionCards(const std::vector<SectionCardQuestion>& questions, const SetUpRequest& request,
                     MemberRegister& reg, Dialogs& dialogs, SectionCards& cards, bool wholeSetUp) {
    for (const SectionCardQuestion& question : questions) {
        const std::string card =
            pathFromQt(dialogs.openFileNameTitled(toQt(question.caption), toQt(question.filter)));
        if (card.empty()) {
            if (wholeSetUp) return false;
            continue;
        }
        const SetUpOutcome tried =
            sectionOutcome(reg, request, {question.pairs, card}, question.firstSection);
        if (tried.message.empty()) {
            cards[question.pairs] = card;
            continue;
        }
        dialogs.messageBox(toQt(tried.title), toQt(tried.message));
        if (wholeSetUp) return false;
    }
    return true;
}

void chooseSectionCards(SetUpPanel& panel, Dialogs& dialogs, MemberRegister& reg,
                        const std::vector<int>& sizes) {
    const SetUpChoices shown = panel.choices();
    const SetUpRequest request = setUpRequestFrom(shown);
    // Asked again for a count already chosen: the director may have picked the wrong card.
    const std::vector<SectionCardQuestion> questions = sectionCardQuestions(request, sizes, {});
    if (questions.empty()) {
        dialogs.message(toQt(kNoSectionCardNeeded));
        return;
    }
    SectionCards cards = shown.sectionCards;
    askSectionCards(questions, request, reg, dialogs, cards, false);
    panel.showSectionCards(cards);
}

void createSectionCards(SetUpPanel& panel, Dialogs& dialogs, const std::vector<int>& sizes) {
    const SetUpChoices shown = panel.choices();
    SectionCards cards = shown.sectionCards;
    QStringList summary;
    std::string problem;
    for (const GeneratedMovement& made :
         sectionMovements(sizes, fieldNumber(shown.boards), fieldNumber(shown.rounds))) {
        const std::string card = generatedCardName(made);
        problem = made.message.empty() ? writeTextSafely(card, guideCardText(made)) : made.message;
        if (!problem.empty()) break;
        cards[made.pairs] = card;
        panel.showBoardsAndRounds(made.boardCount(), made.rounds);
        for (const std::string& line : sectionMovementSummary(sizes, made)) summary << toQt(line);
        summary << QString();
    }
    // The cards made before a failure are kept for "Klar".
    panel.showSectionCards(cards);
    dialogs.messageBox("Skapa guidekort", problem.empty() ? summary.join('\n').trimmed() : toQt(problem));
}

}  // namespace vindelkast
