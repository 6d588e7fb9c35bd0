// The tables' server where the build has no Qt HTTP server: it never starts and says why. The
// desk's part (the codes, the held results: app/table_server_desk.cpp) works as everywhere.
#include "app/table_server.h"

// Only the HTTP server fills these in.
class QHttpServerResponder {};

namespace vindelkast {

class TableServer::Http {};

TableServer::TableServer(TableResultSink& sink, QObject* parent) : QObject(parent), m_sink(sink) {}

TableServer::~TableServer() = default;

QString TableServer::start(quint16) {
    return QStringLiteral("Registreringen vid borden finns inte i den h\u00e4r versionen av Vindelkast.");
}

void TableServer::stop() {}

void TableServer::forgetEvening() {
    m_submissions.forget();
    emit tablesChanged();
}

}  // namespace vindelkast
