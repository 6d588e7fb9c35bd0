#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "archive/archive.h"

namespace vindelkast {

// Where the club keeps its archive when nothing else is said: a file in the working folder.
inline constexpr const char* kDefaultArchivePlace = "klubbarkiv.db";

// A place is a PostgreSQL connection URI ("postgresql://..." or "postgres://...") or else
// the path of a SQLite file.
bool isPostgresPlace(std::string_view place);

// An archive ready for use, its schema brought up to date; on failure `archive` is empty and
// `message` says why.
struct OpenedArchive {
    std::unique_ptr<Archive> archive;
    std::string message;
};
// `forWriting` false opens it only to read (a SQLite file read-only, as a club's archive on
// a shared folder may be); an archive to write that may only be read is refused with a message.
OpenedArchive openArchive(const std::string& place, bool forWriting = true);

}  // namespace vindelkast
