// The contracts an evening keeps in the archive are for other programs reading it (a
// district's database): they stay in the form NAME.kontrakt, USEBIO and PBN use, declarer
// N E S W. Pages and views that show them to players give the seat in Swedish themselves.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "archive/evening_record.h"
#include "files/member_file.h"

namespace vindelkast {
namespace {

TEST(EveningRecord, EveryContractIsKeptAsTheTablesFileHasIt) {
    const std::string examples = VK_SOURCE_DIR "/examples/";
    MemberRegister reg;
    loadRegister(examples + "medlem.txt", reg);
    const EveningReading reading = readEveningFile(examples + "kv\xc3\xa4ll16.sco", reg);
    ASSERT_EQ(reading.message, "");

    std::map<std::tuple<int, int, int>, std::string> kept;
    for (const ArchivedResult& r : reading.evening.results)
        if (!r.contract.empty()) kept[{r.board, r.nsPair, r.ewPair}] = r.contract;

    std::ifstream file(examples + "kv\xc3\xa4ll16.kontrakt", std::ios::binary);
    std::string line;
    std::getline(file, line);  // %KONTRAKT 1
    int lines = 0, eastOrWest = 0;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream in(line);
        int board = 0, ns = 0, ew = 0;
        in >> board >> ns >> ew >> std::ws;
        std::string contract;
        std::getline(in, contract);
        EXPECT_EQ(kept[std::make_tuple(board, ns, ew)], contract) << line;
        if (contract.find(" E ") != std::string::npos || contract.find(" W ") != std::string::npos)
            ++eastOrWest;
        ++lines;
    }
    EXPECT_EQ(kept.size(), static_cast<std::size_t>(lines));
    EXPECT_GT(eastOrWest, 0) << "the example has contracts played by East-West";
}

}  // namespace
}  // namespace vindelkast
