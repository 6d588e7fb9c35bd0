// What the director's desk asks of the tables' server: the evening's codes, the held results,
// publishing.
#include <cstdint>
#include <optional>

#include "app/table_server.h"
#include "qt/qt_text.h"
#include "session/table_result_sink.h"
#include "tables/table_store.h"

namespace vindelkast {

const TableService* TableServer::service() {
    if (!m_sink.tableService()) {
        const std::string problem = m_sink.openTables();
        if (!problem.empty()) emit problemToShow(toQt(problem));
    }
    return m_sink.tableService();
}

QString TableServer::acceptConflict(int id) {
    std::string stored;
    const std::uint64_t mark = m_submissions.changed();
    const std::string problem = m_sink.storeTableResults(
        [&](Contest& contest, TableService& service) {
            const std::optional<TableStore> store = service.acceptConflict(id);
            if (!store) return false;
            stored = storeTableResult(contest, *store);
            if (!stored.empty()) return false;
            service.storedAnswer(contest, *store);
            return true;
        },
        TableResultSink::Unsecured::Keep);
    m_submissions.written(mark, problem);
    emit tablesChanged();
    return toQt(stored.empty() ? problem : stored);
}

QString TableServer::rejectConflict(int id) {
    const std::uint64_t mark = m_submissions.changed();
    const std::string problem = m_sink.storeTableResults(
        [id](Contest&, TableService& service) {
            service.rejectConflict(id);
            return false;
        },
        TableResultSink::Unsecured::Keep);
    m_submissions.written(mark, problem);
    emit tablesChanged();
    return toQt(problem);
}

QString TableServer::publishResults() {
    if (!service()) return "Starta upp t\u00e4vlingen f\u00f6rst.";
    const std::uint64_t mark = m_submissions.changed();
    const std::string problem = m_sink.storeTableResults(
        [](Contest&, TableService& service) {
            service.publishResults();
            return false;
        },
        TableResultSink::Unsecured::Keep);
    m_submissions.written(mark, problem);
    emit tablesChanged();
    return toQt(problem);
}

bool TableServer::resultsPublished() const {
    const TableService* service = m_sink.tableService();
    return service && service->resultsPublished();
}

void TableServer::forgetEvening() {
    stop();
    m_submissions.forget();
    emit tablesChanged();
}

QString TableServer::portRefused(quint16 port) {
    return "Registreringen vid borden kunde inte starta: port " + QString::number(port) +
           " \u00e4r upptagen eller inte till\u00e5ten.";
}

QString TableServer::tablesOpened() {
    emit runningChanged(true);
    // The codes exist from the moment the tables can reach the server.
    const std::string problem = m_sink.openTables();
    if (!problem.empty())
        return "Registreringen vid borden \u00e4r ig\u00e5ng, men bordens koder kunde inte s\u00e4kras: " +
               toQt(problem);
    return {};
}

}  // namespace vindelkast
