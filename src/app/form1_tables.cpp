// Results from the tables' phones: the window stores them as one change and shows them.
#include <QApplication>

#include "app/form1.h"
#include "app/table_desk.h"
#include "app/table_server.h"
#include "app/view_panes.h"
#include "entry/result_entry.h"

namespace vindelkast {

void TForm1::MnBordClick() { m_tableDesk->open(); }

QString TForm1::startTableServer(quint16 port) {
    const QString problem = m_tableServer->start(port);
    m_tableDesk->showState();
    return problem;
}

std::string TForm1::storeTableResults(const std::function<bool(Contest&)>& store) {
    if (!store(m_contest)) return "";
    m_saved = false;
    const std::string problem = writeRecovery();
    refreshCaption();
    refreshAfterTableResults();
    return problem;
}

void TForm1::refreshAfterTableResults() {
    // A score the director is typing stays in its field: then only the views follow, and
    // the grid shows the tables' results when it is filled next.
    const QWidget* focus = QApplication::focusWidget();
    if (m_entry->gridBuilt() && !(focus && m_entry->isAncestorOf(focus))) {
        m_entry->fillGrid();
        return;
    }
    m_panes->refreshProgress(m_contest, m_entry->typedNumbers());
    m_panes->refreshStandings(m_contest);
}

}  // namespace vindelkast
