#pragma once

#include <QLabel>

class QStatusBar;

namespace vindelkast {

class TableResultSink;
class TableServer;

// The main window's status line. While the table server is on: the address the phones open,
// how many tables have finished the round in play, and the results waiting for the
// director, highlighted, whether the desk is open or not. While it is off: what to do next
// with the evening; hidden before the set-up.
class TableStatusLine : public QLabel {
    Q_OBJECT
public:
    TableStatusLine(QStatusBar& bar, TableResultSink& owner, TableServer& server);

    // Shows what is current; the bar goes away when there is nothing to say.
    void refresh();

private:
    QStatusBar& m_bar;
    TableResultSink& m_owner;
    TableServer& m_server;
};

}  // namespace vindelkast
