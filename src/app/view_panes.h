#pragma once

#include <array>
#include <vector>

#include <QObject>
#include <QRect>

class QLabel;
class QWidget;

namespace vindelkast {

struct Contest;
class TextPane;

// The read-only views of the main window: the overall standings (UtTotal, LblTotal), the
// result of a round (UtRond, LblRond), the score tables, the progress grid and the debug
// marker. Showing a view rebuilds it from the contest; the panes only show lines.
class ViewPanes : public QObject {
    Q_OBJECT
public:
    explicit ViewPanes(QWidget& parent);

    TextPane* UtTotal = nullptr;
    TextPane* UtRond = nullptr;
    TextPane* scoreTables = nullptr;
    QLabel* LblTotal = nullptr;
    QLabel* LblRond = nullptr;
    QLabel* progressCaption = nullptr;
    std::array<QLabel*, 73> progressCells{};  // cells 1..72
    QLabel* debugMarker = nullptr;

    // Toggle of the overall standings.
    void showStandings(const Contest& contest);
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
    void appendDebug(const QString& text);
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
    QWidget& m_parent;
    bool m_debug = false;
    int m_textScale = 100;
    int m_scoreTablesPixels = 13;  // the score tables' normal text size
};

}  // namespace vindelkast
