// The archive verb where the build has no archive (the Windows build, for now: Debian has no
// SQLite, PostgreSQL client or ICU built for MinGW). It answers with the reason and does
// nothing, so a script that archives an evening sees that it was not archived.
#include "cli/archive_usage.h"
#include "cli/cli_io.h"
#include "cli/cli_verbs.h"

namespace vindelkast::cli {
namespace {

int runArchive(const Args&) {
    printError("Klubbarkivet finns inte i den h\xe4r versionen av Vindelkast f\xf6r Windows \xe4n.");
    return 1;
}

}  // namespace

bool archiveAvailable() { return false; }

std::vector<Verb> archiveVerbs() {
    return {{"archive", kArchiveUsage, kArchiveSummary, 1, {}, runArchive, 1 << 20}};
}

}  // namespace vindelkast::cli
