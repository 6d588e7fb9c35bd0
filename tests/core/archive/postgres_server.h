#pragma once

#include <string>

namespace vindelkast::test {

// A throwaway PostgreSQL server for the tests: a cluster in a temporary folder, reached only
// through a Unix socket there (no network), run as an unprivileged user when the tests run
// as root. Started on first use, stopped when the test program ends.
class PostgresServer {
public:
    static PostgresServer& instance();

    // Why the server could not be started; "" when it runs.
    const std::string& failure() const { return m_failure; }
    // A new empty database on it, as a libpq connection URI.
    std::string newDatabase();
    void stop();

private:
    PostgresServer();
    std::string start();
    std::string run(const std::string& command, const std::string& log) const;

    std::string m_folder;
    std::string m_asUser;  // "runuser -u nobody -- " when root, else ""
    std::string m_failure;
    int m_databases = 0;
};

}  // namespace vindelkast::test
