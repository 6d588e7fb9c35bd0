#pragma once

#include <memory>
#include <string>

#include "archive/sql_connection.h"

namespace vindelkast {

// Opens (and creates) the SQLite archive file at `path`. Writers wait for each other up to
// half a minute; readers never wait for a writer. `message` is "" on success.
std::unique_ptr<SqlConnection> openSqliteConnection(const std::string& path, std::string& message);

}  // namespace vindelkast
