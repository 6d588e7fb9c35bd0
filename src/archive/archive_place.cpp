#include "archive/archive_place.h"

#include "archive/postgres_connection.h"
#include "archive/sqlite_connection.h"

namespace vindelkast {

namespace {

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

}  // namespace

bool isPostgresPlace(std::string_view place) {
    return startsWith(place, "postgresql://") || startsWith(place, "postgres://");
}

OpenedArchive openArchive(const std::string& place, bool forWriting) {
    OpenedArchive opened;
    if (place.empty()) {
        opened.message = "Ange var klubbarkivet finns.";
        return opened;
    }
    std::unique_ptr<SqlConnection> connection = isPostgresPlace(place)
                                                    ? openPostgresConnection(place, opened.message)
                                                    : openSqliteConnection(place, forWriting, opened.message);
    if (!connection) return opened;
    auto archive = std::make_unique<Archive>(std::move(connection));
    opened.message = forWriting ? archive->migrate() : archive->checkSchema();
    if (opened.message.empty()) opened.archive = std::move(archive);
    return opened;
}

}  // namespace vindelkast
