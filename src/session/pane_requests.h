#pragma once

#include <string>
#include <vector>

#include <QRect>
#include <QString>

#include "output/view_line.h"

namespace vindelkast {

// What the entry and name panels ask of the window's read-only panes. The panes follow the
// contest session by themselves; a panel asks only for what its own work shows (the score
// tables of the board it shows, the round it steps to, a drawn round).
class PaneRequests {
public:
    virtual ~PaneRequests() = default;

    // The progress grid: shown when result entry opens, refreshed when typed numbers change.
    virtual void showProgress() = 0;
    virtual void refreshProgress() = 0;
    // The score tables of a board (or of its round) beside the entry panel.
    virtual void showScoreTables(int board, bool roundWise, const QRect& entryPanel) = 0;
    virtual void hideScoreTables() = 0;
    virtual void refreshStandings() = 0;
    // The result of a round: hidden while entering, shown again for the round stepped to.
    virtual void hideRoundResult() = 0;
    virtual bool roundResultShown() const = 0;
    virtual void showRoundResultAgain(int round) = 0;
    // A tall grid puts the standings and the round result below itself.
    virtual void placeViewsBelow(const QRect& area, int bottom) = 0;
    // Lines shown in the standings pane in place of the standings (the seating draw).
    virtual void showInStandingsPane(const std::vector<ViewLine>& lines) = 0;
    // A drawn round across the lower part of the client area.
    virtual void showDrawnRound(const std::vector<std::string>& lines) = 0;
    // The debug marker.
    virtual void appendDebug(const QString& text) = 0;
    virtual void setDebugText(const QString& text) = 0;
};

}  // namespace vindelkast
