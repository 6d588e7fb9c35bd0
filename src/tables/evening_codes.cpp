#include "tables/evening_codes.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "files/file_platform.h"
#include "files/safe_write.h"
#include "tables/table_rounds.h"

namespace vindelkast {

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in) return "";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TableCodes eveningCodes(const Contest& contest, const std::string& path, std::string& problem) {
    const bool pairsTyped = !tablesFollowMovement(contest);
    const int tables = tableCountOfEvening(contest, pairsTyped);
    TableCodes kept;
    if (readTableCodes(kept, fileText(path)).empty() && kept.pairsTyped == pairsTyped &&
        static_cast<int>(kept.tables.size()) == tables)
        return kept;
    TableCodes codes = makeTableCodes(tables, pairsTyped);
    problem = writeTextSafely(path, writeTableCodes(codes));
    return codes;
}

void forgetEveningCodes(const std::string& path) { std::remove(path.c_str()); }

}  // namespace vindelkast
