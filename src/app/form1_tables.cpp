// The table server and its desk, which the window builds; the session stores what the tables send.
#include "app/form1.h"
#include "app/table_desk.h"
#include "app/table_server.h"

namespace vindelkast {

void TForm1::MnBordClick() { m_tableDesk->open(); }

QString TForm1::startTableServer(quint16 port) {
    const QString problem = m_tableServer->start(port);
    m_tableDesk->showState();
    return problem;
}

}  // namespace vindelkast
