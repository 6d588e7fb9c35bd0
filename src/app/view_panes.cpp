#include "app/view_panes.h"

#include <algorithm>

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "app/text_pane.h"
#include "app/widget_colours.h"
#include "model/contest.h"
#include "output/journal_view.h"
#include "output/progress_view.h"
#include "output/round_view.h"
#include "output/score_tables_view.h"
#include "output/standings_view.h"
#include "output/team_views.h"
#include "qt/fonts.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"

namespace vindelkast {

namespace {

QLabel* makeLabel(QWidget& parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, &parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

// A cell of the progress grid: black numbers on white, white ones on the coloured cells.
void setCellColour(QLabel* cell, Colour colour) {
    setBackground(cell, viewColour(colour));
    setTextColour(cell, colour == Colour::White ? Qt::black : Qt::white);
}

}  // namespace

ViewPanes::ViewPanes(QWidget& parent, const ContestSession& session)
    : QObject(&parent), m_parent(parent), m_session(session) {
    UtTotal = new TextPane(&parent, "UtTotal");
    UtTotal->setFont(paneFont(16, true));
    UtTotal->setGeometry(384, 48, 625, 665);
    setBackground(UtTotal, QColor(255, 255, 128));
    UtTotal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    UtRond = new TextPane(&parent, "UtRond");
    UtRond->setFont(paneFont(16, true));
    UtRond->setGeometry(520, 272, 480, 450);

    scoreTables = new TextPane(&parent, "ScoreTables");
    // It takes no input, yet reads as clearly as the other panes.
    QPalette readable = scoreTables->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Text, QPalette::Window, QPalette::WindowText})
        readable.setColor(QPalette::Disabled, role, readable.color(QPalette::Active, role));
    scoreTables->setPalette(readable);
    m_scoreTablesPixels = QFont().pixelSize() > 0 ? QFont().pixelSize() : 13;
    scoreTables->setFont(paneFont(m_scoreTablesPixels, false));

    LblTotal = makeLabel(parent, "LblTotal", "St\u00e4llning totalt");
    LblTotal->setFont(windowFont(24, true));
    LblTotal->move(392, 10);
    LblRond = makeLabel(parent, "LblRond", "Resultat rond ");
    LblRond->setFont(windowFont(24, true));
    LblRond->move(600, 240);

    progressCaption = makeLabel(parent, "ProgressCaption", "Beh. givar: (F8)");
    QFont small = windowFont(13, false);
    progressCaption->setFont(small);
    setTextColour(progressCaption, Qt::white);
    for (int i = 1; i <= 72; ++i) {
        QLabel* cell = makeLabel(parent, "", QString::asprintf("%3d", i));
        cell->setObjectName(QString("ProgressCell%1").arg(i));
        cell->setFont(small);
        cell->setFixedSize(19, 19);
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setCellColour(cell, Colour::White);
        m_cellColours[i] = static_cast<int>(Colour::White);
        progressCells[i] = cell;
    }
    debugMarker = makeLabel(parent, "DebugMarker", "DEBUG");
    placeForWindow(parent.width(), parent.height());
    connect(&session, &ContestSession::changed, this, &ViewPanes::follow);
}

void ViewPanes::placeForWindow(int width, int height) {
    const int top = std::max(0, height - 180);
    progressCaption->move(20, top);
    progressCaption->adjustSize();
    for (int i = 1; i <= 72; ++i)
        progressCells[i]->move(20 + ((i - 1) % 12) * 20, top + 20 + ((i - 1) / 12) * 20);
    debugMarker->move(width / 3, debugMarker->y());
}

void ViewPanes::showStandings(const Contest& contest) {
    if (UtTotal->isVisible()) {
        UtTotal->hide();
        LblTotal->hide();
        return;
    }
    showInPane(InPane::Standings, contest);
}

void ViewPanes::showTeamEvent(const Contest& contest) {
    if (teamEventShown()) {
        UtTotal->hide();
        LblTotal->hide();
        return;
    }
    showInPane(InPane::TeamEvent, contest);
}

void ViewPanes::showJournal() {
    if (journalShown()) {
        UtTotal->hide();
        LblTotal->hide();
        return;
    }
    showInPane(InPane::Journal, m_session.contest());
}

void ViewPanes::showInPane(InPane content, const Contest& contest) {
    m_inPane = content;
    UtTotal->clearLines();
    UtTotal->show();
    showStandingsLines(contest);
}

bool ViewPanes::teamEventShown() const { return UtTotal->isVisible() && m_inPane == InPane::TeamEvent; }
bool ViewPanes::journalShown() const { return UtTotal->isVisible() && m_inPane == InPane::Journal; }

void ViewPanes::showStandingsLines(const Contest& contest) {
    UtRond->hide();
    LblRond->hide();
    // The caption changes far less often than the lines: measuring it again costs more than them.
    const QString caption = m_inPane == InPane::TeamEvent ? QString("Lagst\u00e4llning och matchkort")
                            : m_inPane == InPane::Journal ? QString("\u00c4ndringslogg")
                                                          : toQt(standingsCaption(contest));
    if (caption != LblTotal->text()) {
        LblTotal->setText(caption);
        LblTotal->adjustSize();
    }
    LblTotal->show();
    // The journal's newest edits are the ones the director looks for: they stay in view.
    if (m_inPane == InPane::Journal)
        UtTotal->showLines(journalLines(m_session.journal()), TextPane::From::End);
    else
        UtTotal->showLines(m_inPane == InPane::TeamEvent ? teamEventLines(contest) : standingsLines(contest));
}

void ViewPanes::refreshStandings(const Contest& contest) {
    // Shown standings are rebuilt in place: the pane only changes the lines that differ.
    if (UtTotal->isVisible()) showStandingsLines(contest);
}

void ViewPanes::showRoundResult(const Contest& contest, int round) {
    UtTotal->hide();
    LblTotal->hide();
    if (UtRond->isVisible()) {
        UtRond->hide();
        LblRond->hide();
        return;
    }
    if (round == 0) return;
    UtRond->setGeometry(520, 272, 480, 450);
    // The score tables of a round reach down over the round's place; the asked-for view goes on top.
    UtRond->show();
    UtRond->raise();
    UtRond->clearLines();
    LblRond->setText(toQt(roundCaption(round)));
    LblRond->adjustSize();
    LblRond->show();
    LblRond->raise();
    UtRond->showLines(roundResultLines(contest, round));
}

bool ViewPanes::toggleScoreTables(const QRect& entryPanel) {
    scoreTables->move(entryPanel.right() + 1 + 10, entryPanel.top());
    scoreTables->resize(280 * m_textScale / 100, std::max(scoreTables->height(), 100));
    // The tables are only looked at; the focus stays in the entry panel.
    scoreTables->setEnabled(false);
    scoreTables->setVisible(!scoreTables->isVisible());
    return scoreTables->isVisible();
}

void ViewPanes::showScoreTables(const Contest& contest, int board, bool roundWise, const QRect& entryPanel) {
    m_tablesBoard = board;
    m_tablesRoundWise = roundWise;
    m_tablesBeside = entryPanel;
    const auto lines = scoreTableLines(contest, board, roundWise);
    if (!lines) return;
    scoreTables->showLines(*lines);
    const QFontMetrics metrics(scoreTables->font());
    const int lineHeight = metrics.height() + 1;
    const int frame =
        2 * scoreTables->frameWidth() + 2 * static_cast<int>(scoreTables->document()->documentMargin());
    // A larger text size widens the pane in step, so the tables' lines still fit.
    scoreTables->setGeometry(entryPanel.right() + 1 + 10, entryPanel.top(), 280 * m_textScale / 100,
                             static_cast<int>(lines->size()) * lineHeight + frame);
}

bool ViewPanes::progressShown() const { return progressCaption->isVisible(); }

void ViewPanes::hideProgress() {
    progressCaption->hide();
    for (int i = 1; i <= 72; ++i) progressCells[i]->hide();
}

void ViewPanes::toggleProgress(const Contest& contest, const std::vector<int>& typedNumbers) {
    if (progressShown()) {
        hideProgress();
        return;
    }
    progressCaption->setText(toQt(vindelkast::progressCaption(contest)));
    progressCaption->adjustSize();
    progressCaption->show();
    const int n = progressCellCount(contest);
    for (int i = 1; i <= n; ++i) progressCells[i]->show();
    refreshProgress(contest, typedNumbers);
}

void ViewPanes::refreshProgress(const Contest& contest, const std::vector<int>& typedNumbers) {
    const auto cells = vindelkast::progressCells(contest, typedNumbers);
    if (contest.isBarometer) {
        progressCaption->setText(toQt(progressRefreshCaption(contest)));
        progressCaption->adjustSize();
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QLabel* cell = progressCells[i + 1];
        // Repainting a label is dear; most cells keep their colour after a stored score.
        const int colour = static_cast<int>(cells[i].colour);
        if (m_cellColours[i + 1] != colour) {
            setCellColour(cell, cells[i].colour);
            m_cellColours[i + 1] = colour;
        }
        if (!cells[i].visible) cell->hide();
    }
}

void ViewPanes::toggleDebug(int top) {
    m_debug = !m_debug;
    debugMarker->setVisible(m_debug);
    debugMarker->setText(".");
    debugMarker->move(m_parent.width() / 3, top);
}

void ViewPanes::appendDebug(const QString& text) {
    // Hidden, the marker starts again from "." when shown: growing it unseen made every stored
    // score measure a longer text, all evening.
    if (!m_debug) return;
    debugMarker->setText(debugMarker->text() + text);
    debugMarker->adjustSize();
}

void ViewPanes::setDebugText(const QString& text) {
    debugMarker->setText(text);
    debugMarker->adjustSize();
}

void ViewPanes::follow(const ContestChange& change) {
    using Kind = ContestChange::Kind;
    // Every edit is in the journal.
    if (journalShown()) showStandingsLines(m_session.contest());
    // Names, a drawn round and a completed set-up show in the panels that made them.
    if (change.kind == Kind::Names || change.kind == Kind::Draw || change.kind == Kind::SetUp) return;
    const Contest& contest = m_session.contest();
    const bool tablesTouched = m_tablesRoundWise || change.touchesBoard(m_tablesBoard);
    if (scoreTables->isVisible() && tablesTouched)
        showScoreTables(contest, m_tablesBoard, m_tablesRoundWise, m_tablesBeside);
    refreshStandings(contest);
    if (progressShown()) refreshProgress();
}

void ViewPanes::showProgress() {
    if (!progressShown())
        toggleProgress(m_session.contest(), m_typedNumbers ? m_typedNumbers() : std::vector<int>{});
}

void ViewPanes::refreshProgress() {
    refreshProgress(m_session.contest(), m_typedNumbers ? m_typedNumbers() : std::vector<int>{});
}

void ViewPanes::showScoreTables(int board, bool roundWise, const QRect& entryPanel) {
    showScoreTables(m_session.contest(), board, roundWise, entryPanel);
}

void ViewPanes::hideScoreTables() { scoreTables->hide(); }

void ViewPanes::refreshStandings() { refreshStandings(m_session.contest()); }

void ViewPanes::hideRoundResult() {
    UtRond->hide();
    LblRond->hide();
}

bool ViewPanes::roundResultShown() const { return UtRond->isVisible(); }

void ViewPanes::showRoundResultAgain(int round) {
    showRoundResult(m_session.contest(), 0);
    showRoundResult(m_session.contest(), round);
}

void ViewPanes::placeViewsBelow(const QRect& area, int bottom) {
    const int top = area.bottom() + 1 + 40;
    UtTotal->setGeometry(area.left(), top, 625, bottom - top);
    UtRond->setGeometry(area.left(), top, 480, bottom - top);
    LblTotal->move(area.left(), top - 30);
}

bool ViewPanes::standingsShown() const { return UtTotal->isVisible(); }

void ViewPanes::openStandingsPane() {
    m_inPane = InPane::Standings;
    UtRond->hide();
    LblRond->hide();
    UtTotal->show();
    UtTotal->clearLines();
}

void ViewPanes::hideViews() {
    UtTotal->clearLines();
    scoreTables->clearLines();
    for (QWidget* view : std::initializer_list<QWidget*>{UtTotal, LblTotal, UtRond, LblRond, scoreTables})
        view->hide();
}

const QTextDocument& ViewPanes::roundDocument() const { return *UtRond->document(); }

const QTextDocument& ViewPanes::standingsDocument() const { return *UtTotal->document(); }

QString ViewPanes::shownStandingsCaption() const {
    return LblTotal->isVisible() ? LblTotal->text() : QString();
}

void ViewPanes::showInStandingsPane(const std::vector<ViewLine>& lines) {
    UtTotal->clearLines();
    for (const ViewLine& line : lines) UtTotal->addLine(line);
}

void ViewPanes::showDrawnRound(const std::vector<std::string>& lines) {
    UtTotal->hide();
    LblTotal->hide();
    LblRond->hide();
    UtRond->clearLines();
    UtRond->setGeometry(20, 400, m_parent.width() - 40, 300);
    UtRond->show();
    UtRond->raise();
    for (const std::string& line : lines) UtRond->addLine(ViewLine{line});
}

void ViewPanes::resetDebug() {
    m_debug = false;
    debugMarker->hide();
}

void ViewPanes::setTextScale(int percent) {
    m_textScale = percent;
    const auto scaled = [percent](int pixels) { return std::max(1, pixels * percent / 100); };
    UtTotal->setTextFont(paneFont(scaled(16), true));
    UtRond->setTextFont(paneFont(scaled(16), true));
    scoreTables->setTextFont(paneFont(scaled(m_scoreTablesPixels), false));
}

void ViewPanes::setStandingsScrollBar(bool always) {
    UtTotal->setVerticalScrollBarPolicy(always ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

}  // namespace vindelkast
