#pragma once

#include <memory>
#include <string>

#include "archive/sql_connection.h"

namespace vindelkast {

// Connects to the PostgreSQL archive named by a libpq connection URI, handed to libpq as
// given ("postgresql://host/db", "postgresql:///klubb?host=/run/postgresql"). `message` is
// "" on success.
std::unique_ptr<SqlConnection> openPostgresConnection(const std::string& uri, std::string& message);

// Whether this build can reach a PostgreSQL archive at all (the Windows build keeps its archive
// in an SQLite file only: archive/no_postgres/).
bool postgresArchiveAvailable();

}  // namespace vindelkast
