#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QObject>
#include <QRect>

#include "session/pane_requests.h"

class QTextDocument;

class QLabel;
class QWidget;

namespace vindelkast {

struct Contest;
struct ContestChange;
class ContestSession;
class TextPane;

// The read-only views of the main window: the overall standings (UtTotal, LblTotal), the
// result of a round (UtRond, LblRond), the score tables, the progress grid and the debug
// marker. Showing a view rebuilds it from the contest; the panes only show lines. They
// follow the session: a change rebuilds only the views it touches.
class ViewPanes : public QObject, public PaneRequests {
    Q_OBJECT
public:
    ViewPanes(QWidget& parent, const ContestSession& session);

    // The pair numbers typed in the entry grid, which the progress grid of a barometer shows.
    void setTypedNumbers(std::function<std::vector<int>()> typedNumbers) {
        m_typedNumbers = std::move(typedNumbers);
    }
    // What the panels ask for.
    void showProgress() override;
    void refreshProgress() override;
    void showScoreTables(int board, bool roundWise, const QRect& entryPanel) override;
    void hideScoreTables() override;
    void refreshStandings() override;
    void hideRoundResult() override;
    bool roundResultShown() const override;
    void showRoundResultAgain(int round) override;
    void placeViewsBelow(const QRect& area, int bottom) override;
    void showInStandingsPane(const std::vector<ViewLine>& lines) override;
    void showDrawnRound(const std::vector<std::string>& lines) override;
    void appendDebug(const QString& text) override;
    void setDebugText(const QString& text) override;

    bool standingsShown() const;
    // The standings pane alone and empty, for a list the window fills (a pair's protocol).
    void openStandingsPane();
    // Nothing of the contest left on screen, for the next one.
    void hideViews();
    // What prints: the round result's and the standings' text, and the caption over the
    // standings ("" when none is shown).
    const QTextDocument& roundDocument() const;
    const QTextDocument& standingsDocument() const;
    QString shownStandingsCaption() const;

    // Toggle of the overall standings.
    void showStandings(const Contest& contest);
    // Toggle of a team event's standings, draws and match cards in the standings' pane, kept
    // up to date as the standings are.
    void showTeamEvent(const Contest& contest);
    bool teamEventShown() const;
    // Toggle of the evening's journal ("Ändringslogg") in the standings' pane, kept up to date
    // with every edit; it prints as the standings do.
    void showJournal();
    bool journalShown() const;
    // Rebuilds the standings when they are shown.
    void refreshStandings(const Contest& contest);
    // Toggle of the result of round `round`; round 0 only hides.
    void showRoundResult(const Contest& contest, int round);

    // Places the score-table pane beside the entry panel and toggles it; true when shown.
    bool toggleScoreTables(const QRect& entryPanel);
    // Rebuilds the score tables of a board (or of its round); a board outside the contest
    // leaves the pane as it is.
    void showScoreTables(const Contest& contest, int board, bool roundWise, const QRect& entryPanel);

    // Toggle of the progress grid; refreshes its colours from the contest.
    void toggleProgress(const Contest& contest, const std::vector<int>& typedNumbers);
    void refreshProgress(const Contest& contest, const std::vector<int>& typedNumbers);
    bool progressShown() const;
    void hideProgress();

    // The debug flag: shows the marker with "." while on.
    void toggleDebug(int top);
    bool debugOn() const { return m_debug; }
    void resetDebug();

    // Hidden when the contest is small enough to fit without one.
    void setStandingsScrollBar(bool always);

    // The window lays out its bottom-anchored parts again when its size changes.
    void placeForWindow(int width, int height);

    // "Textstorlek": the panes' text in percent of the normal size, also what they show now.
    void setTextScale(int percent);
    int textScale() const { return m_textScale; }

private:
    TextPane* UtTotal = nullptr;
    TextPane* UtRond = nullptr;
    TextPane* scoreTables = nullptr;
    QLabel* LblTotal = nullptr;
    QLabel* LblRond = nullptr;
    QLabel* progressCaption = nullptr;
    std::array<QLabel*, 73> progressCells{};  // cells 1..72
    QLabel* debugMarker = nullptr;

    // Follows a change of the contest (the session's `changed`).
    void follow(const ContestChange& change);

    void showStandingsLines(const Contest& contest);

    QWidget& m_parent;
    // What the standings' pane shows: the standings, or in their place a team event or the journal.
    enum class InPane { Standings, TeamEvent, Journal };
    InPane m_inPane = InPane::Standings;
    void showInPane(InPane content, const Contest& contest);
    const ContestSession& m_session;
    std::function<std::vector<int>()> m_typedNumbers;
    bool m_debug = false;
    int m_textScale = 100;
    int m_scoreTablesPixels = 13;  // the score tables' normal text size
    // What the score tables show, so that a change of another board leaves them alone.
    int m_tablesBoard = 0;
    bool m_tablesRoundWise = false;
    QRect m_tablesBeside;
    // The colours the progress cells show, so that a refresh repaints only the changed ones.
    std::array<int, 73> m_cellColours{};
};

}  // namespace vindelkast
