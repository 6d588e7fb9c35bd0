#include "app/table_status_line.h"

#include <QStatusBar>

#include "app/table_desk.h"
#include "app/table_server.h"
#include "model/evening_progress.h"
#include "qt/qt_text.h"
#include "session/table_result_sink.h"
#include "tables/table_status_view.h"

namespace vindelkast {

TableStatusLine::TableStatusLine(QStatusBar& bar, TableResultSink& owner, TableServer& server)
    : QLabel(&bar), m_bar(bar), m_owner(owner), m_server(server) {
    setObjectName("LblBordStatus");
    setTextFormat(Qt::RichText);
    m_bar.addWidget(this, 1);
    m_bar.setSizeGripEnabled(false);
    connect(&m_server, &TableServer::tablesChanged, this, &TableStatusLine::refresh);
    connect(&m_server, &TableServer::runningChanged, this, &TableStatusLine::refresh);
    refresh();
}

void TableStatusLine::refresh() {
    const TableService* service = m_server.isRunning() ? m_server.service() : nullptr;
    if (!service) {
        // Without the tables the line tells what comes next, so a set-up never ends on an
        // empty window.
        const QString hint = toQt(nextStepHint(m_owner.contest()));
        setText(hint.toHtmlEscaped());
        m_bar.setVisible(!hint.isEmpty());
        return;
    }
    m_bar.setVisible(true);
    const ServerStatusLine line =
        serverStatusLine(m_owner.contest(), *service, fromQtLossy(tableServerAddress(m_server.port())));
    QString text = toQt(line.text).toHtmlEscaped();
    // The conflicts stand out: they wait for the director, who may not have the desk open.
    const QString conflicts = "Konflikter att avg\u00f6ra: " + QString::number(line.conflicts);
    if (line.conflicts > 0)
        text.replace(conflicts,
                     "<span style=\"background-color:#ffd400;color:#000;font-weight:bold\">&nbsp;" +
                         conflicts + "&nbsp;</span>");
    setText(text);
}

}  // namespace vindelkast
