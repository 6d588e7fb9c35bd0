#pragma once

#include <memory>
#include <string>

#include "archive/sql_connection.h"

namespace vindelkast {

// Connects to the PostgreSQL archive named by a libpq connection URI, handed to libpq as
// given ("postgresql://host/db", "postgresql:///klubb?host=/run/postgresql"). `message` is
// "" on success.
std::unique_ptr<SqlConnection> openPostgresConnection(const std::string& uri, std::string& message);

}  // namespace vindelkast
