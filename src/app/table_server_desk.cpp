// What the director's desk asks of the tables' server, the same with or without a running
// HTTP server (app/no_http_server/): the evening's codes and the held results.
#include <optional>

#include "app/table_server.h"
#include "qt/qt_text.h"
#include "session/table_result_sink.h"
#include "tables/table_store.h"

namespace vindelkast {

const TableService* TableServer::service() {
    if (!m_sink.tableService()) m_sink.openTables();
    return m_sink.tableService();
}

QString TableServer::acceptConflict(int id) {
    std::string stored;
    const std::string problem = m_sink.storeTableResults([&](Contest& contest, TableService& service) {
        const std::optional<TableStore> store = service.acceptConflict(id);
        if (!store) return false;
        stored = storeTableResult(contest, *store);
        if (!stored.empty()) return false;
        service.storedAnswer(contest, *store);
        return true;
    });
    emit tablesChanged();
    return toQt(stored.empty() ? problem : stored);
}

void TableServer::rejectConflict(int id) {
    m_sink.storeTableResults([id](Contest&, TableService& service) {
        service.rejectConflict(id);
        return false;
    });
    emit tablesChanged();
}

}  // namespace vindelkast
