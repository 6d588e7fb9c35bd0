// Committing the pair numbers of a row when its field is left.
#include <QLineEdit>
#include <QScopedValueRollback>

#include "entry/result_entry.h"
#include "session/contest_session.h"
#include "session/dialogs.h"
#include "session/pane_requests.h"

namespace vindelkast {

void ResultEntry::pairFieldLeft(int row) {
    const QScopedValueRollback own(m_ownChange, true);
    const bool wasPending = m_duplicatesPending;
    if (!checkDuplicates()) return;
    const EntryView view = gridView(row);
    if (rowSeatsSwapped(m_contest, view, row)) {
        askSeating(row, wasPending);
        return;
    }
    if (wasPending) {
        // Nothing was committed while numbers were typed twice: the grid is the truth now.
        m_duplicatesPending = false;
        showStores(m_session.rebuildFromGrid(view), false);
        afterPairsChanged(true);
        return;
    }
    const RowCommitResult result = m_session.commitRow(view, row);
    showStores(result.stores, result.kind == RowCommit::Added);
    afterPairsChanged(result.changed);
}

void ResultEntry::askSeating(int row, bool rebuild) {
    const QScopedValueRollback own(m_ownChange, true);
    const bool wholeRound = m_dialogs.confirm("Byta parnr f\u00f6r hela ronden?");
    m_session.seatRowAsTyped(gridView(), row, wholeRound);
    if (!wholeRound) m_dialogs.message("Anv\u00e4nd enbricksinmatning f\u00f6r denna rond");
    if (rebuild) {
        m_duplicatesPending = false;
        m_session.rebuildFromGrid(gridView());
    }
    fillGrid();
}

void ResultEntry::afterPairsChanged(bool changed) {
    // A change reached the views through the session; typed numbers are the grid's own.
    if (changed) return;
    m_panes.showScoreTables(m_currentBoard, m_roundMode, panelGeometry());
    refreshProgress();
}

}  // namespace vindelkast
