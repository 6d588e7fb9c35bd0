#pragma once

// The archive verb's help, the same in every build: the Windows build, which has no archive
// yet (cli/no_archive/), shows what the verb does elsewhere and says why it cannot.
namespace vindelkast::cli {

inline constexpr const char* kArchiveUsage =
    "archive add T\xc3\x84VLING.sco... [--date \xc3\x85\xc3\x85\xc3\x85\xc3\x85-MM-DD]\n"
    "       archive import MAPP\n"
    "       archive season --from \xc3\x85\xc3\x85\xc3\x85\xc3\x85-MM-DD --to "
    "\xc3\x85\xc3\x85\xc3\x85\xc3\x85-MM-DD"
    " [--best N] [--min M] [--format text|csv|html]\n"
    "       archive player MEDLEMSNR\n"
    "       alla med [--archive PLATS] (klubbarkiv.db eller postgresql://...)";

inline constexpr const char* kArchiveSummary =
    "Klubbarkivet: sparar kv\xc3\xa4llar, visar s\xc3\xa4songsst\xc3\xa4llningen och en spelares "
    "kv\xc3\xa4llar.";

// Whether this build has the club's archive (SQLite, PostgreSQL and ICU); Windows does not yet.
bool archiveAvailable();

}  // namespace vindelkast::cli
