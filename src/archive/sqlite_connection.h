#pragma once

#include <memory>
#include <string>

#include "archive/sql_connection.h"

namespace vindelkast {

// Opens (and creates) the SQLite archive file at `path`. Writers wait for each other up to
// half a minute; readers never wait for a writer. `forWriting` false opens an existing file
// only to read, changing nothing in it (a user may read a club's archive he may not write);
// a file to write that may only be read is refused. `message` is "" on success.
std::unique_ptr<SqlConnection> openSqliteConnection(const std::string& path, bool forWriting,
                                                    std::string& message);

}  // namespace vindelkast
