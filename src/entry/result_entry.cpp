// The entry panel's commands: opening, hiding, board or round mode, the result order and
// moving between boards.
#include "entry/result_entry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "entry/result_entry_colours.h"
#include "model/result_order.h"
#include "model/standings.h"
#include "qt/fonts.h"
#include "session/contest_session.h"
#include "session/dialogs.h"
#include "session/pane_requests.h"

namespace vindelkast {

namespace {

const QString kMixedRound =
    "Ronden inneh\u00e5ller olika parm\u00f6ten (fel eller ej)\ns\u00e5 endast enbricksinmatning "
    "till\u00e5ten";
const QString kLongRound =
    "Ronden har fler \u00e4n 8 brickor (eller saknar brickor per rond)\ns\u00e5 endast "
    "enbricksinmatning till\u00e5ten";

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

ResultEntry::ResultEntry(QWidget& client, ContestSession& session, Dialogs& dialogs, PaneRequests& panes)
    : m_client(client), m_session(session), m_contest(session.contest()), m_dialogs(dialogs), m_panes(panes) {
    setObjectName("GrpRes");
    setTitle("Ge resultat");
    setAutoFillBackground(true);
    QPalette aqua = palette();
    aqua.setColor(QPalette::Window, entry_colours::kPanel);
    setPalette(aqua);
    resize(609, 505);

    // A grid of 36 tables is taller than most screens: the panel scrolls inside its frame.
    m_scroll = new QScrollArea(&client);
    m_scroll->setObjectName("GrpResFrame");
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(this);
    m_scroll->setGeometry(8, 8, 609, 505);
    m_scroll->hide();

    LblGivNr = makeLabel(this, "LblGivNr", "1", 135, 32);
    LblGivNr->setFont(windowFont(32, true));
    LblGivNr->adjustSize();
    Label2 = makeLabel(this, "Label2", "Giv", 95, 44);
    LblResNE = makeLabel(this, "LblResNE", "NS    \u00d6V", 55, 84);
    LblGivarNummer = makeLabel(this, "LblGivarNummer", "1          2          3", 203, 87);
    LblGivarNummer->setFont(paneFont(16, true));
    LblGivarNummer->adjustSize();
    BtnPrev = makeButton(this, "BtnPrev", "F\u00f6rra", QRect(31, 44, 41, 25));
    BtnNext = makeButton(this, "BtnNext", "N\u00e4sta", QRect(191, 44, 41, 25));
    BtnCalc = makeButton(this, "BtnCalc", "Ber\u00e4kna", QRect(303, 444, 74, 37));
    BtnCalc->hide();
    // The buttons keep their small size; a smaller font keeps their captions readable.
    for (QPushButton* button : {BtnPrev, BtnNext}) button->setFont(windowFont(11, false));
    LblResorder = makeLabel(this, "LblResorder", "Bords/spelordning (F6)", 7, 484);
    connect(BtnPrev, &QPushButton::clicked, this, &ResultEntry::BtnPrevClick);
    connect(BtnNext, &QPushButton::clicked, this, &ResultEntry::BtnNextClick);
    connect(BtnCalc, &QPushButton::clicked, this, &ResultEntry::BtnCalcClick);
    connect(&m_session, &ContestSession::changed, this, &ResultEntry::followSession);
    client.installEventFilter(this);
}

QRect ResultEntry::panelGeometry() const {
    if (!m_built) return QRect(8, 8, 609, 505);
    return m_scroll->geometry();
}

void ResultEntry::open() {
    if (!m_contest.setUpDone) {
        m_dialogs.message("Starta upp t\u00e4vlingen f\u00f6rst");
        return;
    }
    if (m_contest.playingTableCount <= 0 || entryShape(m_contest).rows == 0) {
        m_dialogs.message("Antal resultat ej satt, kan inte ge resultat");
        return;
    }
    m_panes.showProgress();
    emit opening();
    m_panes.hideRoundResult();
    m_scroll->show();
    m_scroll->raise();

    if (!m_built) {
        buildGrid();
        // The first opening shows one board.
        m_roundMode = true;
        setRoundMode(false);
        if (m_contest.isBarometer) {
            m_session.choose([](Contest& c) { setResultOrder(c, PairOrder); });
            showOrderCaption();
        }
    } else {
        int proposed = m_contest.nextBoardAfterScored();
        if (proposed > m_contest.boardCount) proposed = 1;
        const auto answer =
            m_dialogs.inputQuery("Ge resultat p\u00e5 giv", "Giv nr: ", QString::number(proposed));
        const auto board = answer ? wholeNumber(answer->toStdString()) : std::nullopt;
        if (board && *board >= 1 && *board <= m_contest.boardCount) {
            m_currentBoard = *board;
            setRoundMode(m_roundMode && roundModeAllowed(*board, true));
        }
    }
    fillGrid();
    focusStart();
}

void ResultEntry::hideEntry() {
    m_scroll->hide();
    m_panes.hideScoreTables();
}

bool ResultEntry::roundModeAllowed(int board, bool tell) {
    QString refusal;
    if (!roundEntryPossible(m_contest))
        refusal = kLongRound;
    else if (mixedPairingsBoard(m_contest, board) != 0)
        refusal = kMixedRound;
    if (refusal.isEmpty()) return true;
    if (tell) m_dialogs.message(refusal);
    return false;
}

void ResultEntry::toggleRoundMode() {
    if (!m_built) {
        open();
        if (!m_built) return;
    }
    if (!m_roundMode && !roundModeAllowed(m_currentBoard, true)) return;
    setRoundMode(!m_roundMode);
    fillGrid();
    focusStart();
}

void ResultEntry::roundModeOn() {
    if (!m_built) {
        m_roundMode = true;
        return;
    }
    if (m_roundMode || !roundModeAllowed(m_currentBoard, false)) return;
    setRoundMode(true);
    if (m_scroll->isVisible()) fillGrid();
}

void ResultEntry::showIndividualHeadings() { LblResNE->setText("N    S  -    \u00d6    V"); }

void ResultEntry::stepResultOrder() {
    if (!m_built) open();
    m_session.choose([](Contest& c) { setResultOrder(c, 0); });
    showOrderCaption();
    if (m_built)
        fillGrid();
    else
        m_panes.showScoreTables(m_currentBoard, m_roundMode, panelGeometry());
}

void ResultEntry::clearEntry() {
    m_scroll->hide();
    m_roundMode = true;
    m_currentBoard = 1;
    m_pairChanged = false;
    m_scoreChanged = false;
    m_duplicatesPending = false;
    // The next contest may have other tables and rounds: its first opening builds its grid.
    m_built = false;
    removeGrid();
    showOrderCaption();
}

void ResultEntry::BtnPrevClick() { stepBoard(-1); }

void ResultEntry::BtnNextClick() { stepBoard(1); }

void ResultEntry::stepBoard(int direction) {
    if (!m_built) return;
    storePendingEdit();
    if (const int wrong = boardDisagreeingWithGrid(m_contest, gridView())) {
        m_dialogs.message("Fel i parnummer p\u00e5 bricka " + QString::number(wrong) + ". VG kolla data");
        return;
    }
    const int next = boardAfterStep(m_contest, m_currentBoard, m_roundMode, direction);
    if (next == 0) return;
    m_currentBoard = next;
    if (m_roundMode && !roundModeAllowed(next, true)) setRoundMode(false);
    showHeadings();
    if (m_panes.roundResultShown() && m_contest.boardsPerRound > 0)
        m_panes.showRoundResultAgain(roundOfBoard(m_contest, next));
    m_duplicatesPending = false;
    fillGrid();
    m_pairChanged = false;
    m_scoreChanged = false;
    focusStart();
}

void ResultEntry::storePendingEdit() {
    if (!m_pairChanged && !m_scoreChanged) return;
    const auto it = m_fields.constFind(QApplication::focusWidget());
    if (it == m_fields.constEnd()) return;
    fieldLeft(*it);
}

std::vector<int> ResultEntry::typedNumbers() {
    std::vector<int> numbers;
    if (!m_contest.isBarometer) return numbers;
    for (const GridRow& row : m_rows) {
        for (QLineEdit* f : {row.ns, row.nsPartner, row.ew, row.ewPartner}) {
            if (!f) continue;
            const std::string text = f->text().toStdString();
            const int labelled = m_contest.sections.any() ? pairFieldNumber(m_contest, text) : 0;
            const auto number = labelled > 0 ? std::optional<int>(labelled) : wholeNumber(text);
            if (!number) continue;
            if (*number > m_contest.maxPairNumber) {
                f->clear();
                continue;
            }
            numbers.push_back(*number);
        }
    }
    return numbers;
}

// Results from elsewhere (the tables' phones, a held result the director took) show in the
// grid at once; a score the director is typing stays in its field, and the grid shows them
// when it is filled next.
void ResultEntry::followSession(const ContestChange& change) {
    if (m_ownChange || change.kind != ContestChange::Kind::Results || !m_built) return;
    const QWidget* focus = QApplication::focusWidget();
    if (!(focus && isAncestorOf(focus))) fillGrid();
}

}  // namespace vindelkast
