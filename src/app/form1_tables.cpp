// Results from the tables' phones: the session stores them; the window keeps the grid true.
#include <QApplication>

#include "app/form1.h"
#include "app/table_desk.h"
#include "app/table_server.h"
#include "entry/result_entry.h"

namespace vindelkast {

void TForm1::MnBordClick() { m_tableDesk->open(); }

QString TForm1::startTableServer(quint16 port) {
    const QString problem = m_tableServer->start(port);
    m_tableDesk->showState();
    return problem;
}

void TForm1::showTableResultsInGrid() {
    // A score the director is typing stays in its field; the grid shows the tables' results
    // when it is filled next.
    const QWidget* focus = QApplication::focusWidget();
    if (m_entry->gridBuilt() && !(focus && m_entry->isAncestorOf(focus))) m_entry->fillGrid();
}

}  // namespace vindelkast
