#include "postgres_server.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "archive/postgres_connection.h"

namespace vindelkast::test {

namespace {

std::string serverBin() {
    namespace fs = std::filesystem;
    std::string best;
    std::error_code ignored;
    for (const auto& version : fs::directory_iterator("/usr/lib/postgresql", ignored))
        if (fs::exists(version.path() / "bin" / "initdb") && version.path().string() > best)
            best = version.path().string();
    return best.empty() ? "" : best + "/bin/";
}

std::string tail(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    return all.size() > 2000 ? all.substr(all.size() - 2000) : all;
}

}  // namespace

PostgresServer& PostgresServer::instance() {
    // Kept alive until exit, so the server can be stopped then whatever else is gone.
    static PostgresServer* server = [] {
        auto* made = new PostgresServer;
        std::atexit([] { instance().stop(); });
        return made;
    }();
    return *server;
}

PostgresServer::PostgresServer() {
    m_failure = start();
    if (!m_failure.empty()) m_failure = "Testservern f\xf6r PostgreSQL startade inte: " + m_failure;
}

std::string PostgresServer::run(const std::string& command, const std::string& log) const {
    const std::string line = "cd '" + m_folder + "' && " + m_asUser + command + " >>'" + log + "' 2>&1";
    const int status = std::system(line.c_str());
    if (status == 0) return "";
    return command + " misslyckades:\n" + tail(log);
}

std::string PostgresServer::start() {
    const std::string bin = serverBin();
    if (bin.empty()) return "initdb finns inte under /usr/lib/postgresql (Debian-paketet postgresql)";
    char pattern[] = "/tmp/vk_pg_XXXXXX";
    if (!::mkdtemp(pattern)) return "kan inte skapa en tillf\xe4llig mapp";
    m_folder = pattern;
    if (::geteuid() == 0) {
        // PostgreSQL refuses to run as root: the cluster belongs to nobody.
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody) return "anv\xe4ndaren nobody finns inte";
        if (::chown(m_folder.c_str(), nobody->pw_uid, nobody->pw_gid) != 0) return "chown misslyckades";
        m_asUser = "runuser -u nobody -- ";
    }
    ::chmod(m_folder.c_str(), 0700);
    // The server writes its own log as its user; the commands' output goes to files of ours.
    std::string message =
        run(bin + "initdb -D '" + m_folder + "/data' -U vindelkast --auth=trust -E UTF8 --locale=C --no-sync",
            m_folder + "/initdb.log");
    if (!message.empty()) return message;
    message = run(bin + "pg_ctl -D '" + m_folder + "/data' -l '" + m_folder + "/data/server.log" +
                      "' -w -t 60 -o \"-c listen_addresses='' -c unix_socket_directories='" + m_folder +
                      "' -c fsync=off -c synchronous_commit=off -c max_connections=40\" start",
                  m_folder + "/pg_ctl.log");
    return message.empty() ? "" : message + "\n" + tail(m_folder + "/data/server.log");
}

std::string PostgresServer::newDatabase() {
    if (!m_failure.empty()) return "";
    const std::string name = "vk_" + std::to_string(::getpid()) + "_" + std::to_string(++m_databases);
    const std::string server = "postgresql:///postgres?host=" + m_folder + "&user=vindelkast";
    std::string message;
    auto connection = openPostgresConnection(server, message);
    if (connection) message = connection->run("CREATE DATABASE " + name);
    if (!message.empty()) {
        m_failure = message;
        return "";
    }
    return "postgresql:///" + name + "?host=" + m_folder + "&user=vindelkast";
}

void PostgresServer::stop() {
    if (m_folder.empty()) return;
    if (std::filesystem::exists(m_folder + "/data/postmaster.pid"))
        run(serverBin() + "pg_ctl -D '" + m_folder + "/data' -m immediate -w stop", m_folder + "/pg_ctl.log");
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
    m_folder.clear();
}

}  // namespace vindelkast::test
