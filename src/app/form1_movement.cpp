// "Skapa guidekort...": a movement made for the night's number of pairs, used at once,
// with its table cards and pair guide cards.
#include <QTextCursor>
#include <QTextDocument>

#include "app/form1.h"
#include "app/pane_printer.h"
#include "app/paper_print.h"
#include "app/section_set_up.h"
#include "app/set_up_panel.h"
#include "files/safe_write.h"
#include "movement/guide_card_command.h"
#include "movement/movement_generator.h"
#include "movement/set_up_fields.h"
#include "output/movement_cards.h"
#include "qt/fonts.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

namespace vindelkast {

namespace {

const char* const kTitle = "Skapa guidekort";

// Each card starts with its table or pair in large type, then its lines in the panes'
// fixed-pitch font; paper keeps a card on one page and puts as many as fit on each.
std::unique_ptr<QTextDocument> cardsDocument(const std::vector<PrintedCard>& cards) {
    auto document = std::make_unique<QTextDocument>();
    QTextOption whole = document->defaultTextOption();
    whole.setWrapMode(QTextOption::NoWrap);
    document->setDefaultTextOption(whole);
    QTextCursor cursor(document.get());
    QTextCharFormat lines;
    lines.setFont(paneFont(16, true));
    QTextCharFormat heading = lines;
    heading.clearProperty(QTextFormat::FontPixelSize);
    heading.setFontPointSize(20);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        QTextBlockFormat start;
        start.setProperty(kCardStartProperty, true);
        if (i > 0) start.setTopMargin(24);  // room to cut the cards apart
        for (std::size_t line = 0; line < cards[i].size(); ++line) {
            if (i > 0 || line > 0) cursor.insertBlock(line == 0 ? start : QTextBlockFormat());
            if (line == 0) cursor.setBlockFormat(start);
            cursor.insertText(toQt(cards[i][line]), line == 0 ? heading : lines);
        }
    }
    return document;
}

QString withoutExtension(const std::string& file) {
    const QString name = pathToQt(file);
    return name.left(name.lastIndexOf('.'));
}

}  // namespace

void TForm1::createGuideCardClick() {
    if (!contest().setUpDone) {
        const std::optional<std::vector<int>> sections = typedSections(m_setUp->choices(), m_dialogs);
        if (!sections) return;
        if (!sections->empty()) {
            createSectionCards(*m_setUp, m_dialogs, *sections);
            return;
        }
    }
    const int pairs = fieldNumber(m_setUp->choices().maxPair);
    if (pairs < 1) {
        m_dialogs.messageBox(kTitle, "Fyll i kv\u00e4llens antal par i Max parnr f\u00f6rst");
        return;
    }
    const std::optional<Dialogs::MovementChoice> choice = m_dialogs.movementChoice(pairs);
    if (!choice) return;
    const GeneratedMovement made =
        generateMovement({choice->howell ? MovementKind::Howell : MovementKind::Mitchell, pairs,
                          choice->rounds, choice->boardsPerRound, choice->relay});
    if (!made.message.empty()) {
        m_dialogs.messageBox(kTitle, toQt(made.message));
        return;
    }
    const std::string card = generatedCardName(made);
    if (const std::string problem = writeTextSafely(card, guideCardText(made)); !problem.empty()) {
        m_dialogs.messageBox(kTitle, toQt(problem));
        return;
    }
    // The bye pair first, so its slots never reach the boards.
    if (made.byePair > 0) m_setUp->showByePair(made.byePair);
    std::string message;
    m_session->choose([&](Contest& c) { message = useGuideCard(c, card); });
    const Contest& c = contest();
    m_setUp->showCounts(c.maxPairNumber, c.boardCount, c.roundCount);
    m_setUp->tickIndividual(false);
    if (!message.empty()) {
        m_dialogs.messageBox(kGuideCardRefusedTitle, toQt(message));
        return;
    }
    QStringList summary{"Guidekortet " + pathToQt(card) + " anv\u00e4nds nu.", ""};
    for (const std::string& line : movementSummary(made)) summary << toQt(line);
    m_dialogs.messageBox(kTitle, summary.join("\n"));
    m_setUp->guideCardDone();
    refreshCaption();
    printMovementCards(card);
}

// The cards are always saved as PDF beside the guide card, and printed when asked.
void TForm1::printMovementCards(const std::string& cardFile) {
    const auto tables = cardsDocument(tableCards(contest()));
    const auto pairs = cardsDocument(pairCards(contest()));
    const QString base = withoutExtension(cardFile);
    QStringList problems;
    for (const auto& [document, name] :
         {std::pair{tables.get(), base + "-bordskort.pdf"}, std::pair{pairs.get(), base + "-parkort.pdf"}}) {
        const QString problem = writePdf(*document, name, name);
        if (!problem.isEmpty()) problems << problem;
    }
    if (!problems.isEmpty()) m_dialogs.message(problems.join("\n"));
    if (!m_dialogs.confirm("Bordskort och parkort sparades som " + base + "-bordskort.pdf och " + base +
                           "-parkort.pdf. Vill du skriva ut dem?"))
        return;
    m_printer->print(*tables, "Bordskort");
    m_printer->print(*pairs, "Parkort");
}

}  // namespace vindelkast
