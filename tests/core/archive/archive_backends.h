#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "../files/temp_folder.h"
#include "archive/archive_place.h"
#include "archive/postgres_connection.h"
#include "archive/sqlite_connection.h"
#include "postgres_server.h"

namespace vindelkast::test {

// The archive as a file on the club's PC.
struct SqliteBackend {
    static constexpr const char* kName = "SQLite";
    TempFolder folder;
    std::string place() const { return folder.file("klubbarkiv.db"); }
    std::string unavailable() const { return ""; }
    std::unique_ptr<SqlConnection> raw() const {
        std::string message;
        return openSqliteConnection(place(), true, message);
    }
};

// The archive in a database of a throwaway PostgreSQL server.
struct PostgresBackend {
    static constexpr const char* kName = "PostgreSQL";
    TempFolder folder;
    std::string uri = PostgresServer::instance().newDatabase();
    std::string place() const { return uri; }
    std::string unavailable() const { return PostgresServer::instance().failure(); }
    std::unique_ptr<SqlConnection> raw() const {
        std::string message;
        return openPostgresConnection(place(), message);
    }
};

// One suite, every backend: the scenarios are the same whatever keeps the archive.
template <typename Backend>
class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string why = backend.unavailable();
        // A server that cannot start is a failure: the PostgreSQL archive would go untested.
        if (!why.empty() && std::getenv("VK_SKIP_POSTGRES")) GTEST_SKIP() << why;
        ASSERT_EQ(why, "");
    }
    std::unique_ptr<Archive> open() {
        OpenedArchive opened = openArchive(backend.place());
        EXPECT_EQ(opened.message, "");
        return std::move(opened.archive);
    }
    int evenings(Archive& archive) {
        int count = -1;
        EXPECT_EQ(archive.eveningCount(count), "");
        return count;
    }

    Backend backend;
};

using Backends = ::testing::Types<SqliteBackend, PostgresBackend>;

struct BackendNames {
    template <typename T>
    static std::string GetName(int) {
        return T::kName;
    }
};

}  // namespace vindelkast::test
