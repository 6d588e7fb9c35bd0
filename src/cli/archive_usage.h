#pragma once

// The archive verb's help, the same in every build: the Windows build, which has no archive
// yet (cli/no_archive/), shows what the verb does elsewhere and says why it cannot.
namespace vindelkast::cli {

inline constexpr const char* kArchiveUsage =
    "archive add T\xc3\x84VLING.sco... [--date \xc3\x85\xc3\x85\xc3\x85\xc3\x85-MM-DD]\n"
    "       archive import MAPP\n"
    "       archive season --from \xc3\x85\xc3\x85\xc3\x85\xc3\x85-MM-DD --to "
    "\xc3\x85\xc3\x85\xc3\x85\xc3\x85-MM-DD"
    " [--best N] [--min M] [--format text|csv|html] [--site-base ADRESS]\n"
    "       archive player MEDLEMSNR\n"
    "       alla med [--archive PLATS] (klubbarkiv.db eller postgresql://...)";

inline constexpr const char* kArchiveSummary =
    "Klubbarkivet: sparar kv\xc3\xa4llar, visar s\xc3\xa4songsst\xc3\xa4llningen och en spelares "
    "kv\xc3\xa4llar. Med --site-base l\xc3\xa4nkar s\xc3\xa4songssidan varje kv\xc3\xa4ll till "
    "ADRESS/\xc3\x85\xc3\x85\xc3\x85\xc3\x85-MM-DD-namn/index.html, d\xc3\xa4r kv\xc3\xa4llens "
    "resultatsidor lagts med site (namnet med sm\xc3\xa5 bokst\xc3\xa4ver a-z och siffror, "
    "\xc3\xa5 \xc3\xa4 \xc3\xb6 som a a o, annat som bindestreck).";

}  // namespace vindelkast::cli
