// Committing the pair numbers of a row when its field is left.
#include <QLineEdit>

#include "app/dialogs.h"
#include "app/form1.h"
#include "app/view_panes.h"
#include "entry/result_entry.h"

namespace vindelkast {

void ResultEntry::pairFieldLeft(int row) {
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
        showStores(rebuildFromGrid(m_contest, view), false);
        afterPairsChanged(true);
        return;
    }
    const RowCommitResult result = commitRow(m_contest, view, row);
    showStores(result.stores, result.kind == RowCommit::Added);
    afterPairsChanged(result.changed);
}

void ResultEntry::askSeating(int row, bool rebuild) {
    const bool wholeRound = m_dialogs.confirm("Byta parnr f\u00f6r hela ronden?");
    seatRowAsTyped(m_contest, gridView(), row, wholeRound);
    if (!wholeRound) m_dialogs.message("Anv\u00e4nd enbricksinmatning f\u00f6r denna rond");
    if (rebuild) {
        m_duplicatesPending = false;
        rebuildFromGrid(m_contest, gridView());
    }
    m_form.contestChanged();
    fillGrid();
}

void ResultEntry::afterPairsChanged(bool changed) {
    m_panes.showScoreTables(m_contest, m_currentBoard, m_roundMode, panelGeometry());
    refreshProgress();
    if (!changed) return;
    m_panes.refreshStandings(m_contest);
    m_form.contestChanged();
}

}  // namespace vindelkast
