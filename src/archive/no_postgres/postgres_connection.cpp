// The PostgreSQL archive where the build has no PostgreSQL client (the Windows build): an
// archive named by a postgresql:// address is refused with the reason, and the SQLite file
// archive is the one to use.
#include "archive/postgres_connection.h"

namespace vindelkast {

bool postgresArchiveAvailable() { return false; }

std::unique_ptr<SqlConnection> openPostgresConnection(const std::string&, std::string& message) {
    message =
        "Klubbarkivet p\xe5 PostgreSQL finns inte i den h\xe4r versionen av Vindelkast f\xf6r Windows; "
        "arkivet i en SQLite-fil (klubbarkiv.db) g\xe5r att anv\xe4nda.";
    return nullptr;
}

}  // namespace vindelkast
