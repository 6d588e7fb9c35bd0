#pragma once

// The archive verb's help, the same in every build: the Windows build, which has no archive
// yet (cli/no_archive/), shows what the verb does elsewhere and says why it cannot.
namespace vindelkast::cli {

inline constexpr const char* kArchiveUsage =
    "archive add T\xc4VLING.sco... [--date \xc5\xc5\xc5\xc5-MM-DD]\n"
    "       archive import MAPP\n"
    "       archive season --from \xc5\xc5\xc5\xc5-MM-DD --to "
    "\xc5\xc5\xc5\xc5-MM-DD"
    " [--best N] [--min M] [--format text|csv|html] [--site-base ADRESS]\n"
    "       archive player MEDLEMSNR\n"
    "       alla med [--archive PLATS] (klubbarkiv.db eller postgresql://...)";

inline constexpr const char* kArchiveSummary =
    "Klubbarkivet: sparar kv\xe4llar, visar s\xe4songsst\xe4llningen och en spelares "
    "kv\xe4llar. Med --site-base l\xe4nkar s\xe4songssidan varje kv\xe4ll till "
    "ADRESS/\xc5\xc5\xc5\xc5-MM-DD-namn/index.html, d\xe4r kv\xe4llens "
    "resultatsidor lagts med site (namnet med sm\xe5 bokst\xe4ver a-z och siffror, "
    "\xe5 \xe4 \xf6 som a a o, annat som bindestreck).";

}  // namespace vindelkast::cli
