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
#include "files/session_import.h"
#include "model/contest_scoring.h"
#include "model/sections.h"
#include "output/standings_view.h"
#include "output/text_format.h"

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

// An evening in two sections counts in a season as its whole field's list stands, each pair
// by its percentage of its own section, across the field and per section alike.
TEST(EveningRecord, SectionsCountAsTheFieldsListStands) {
    MemberRegister reg;
    reg.startWithByeMember();
    Contest contest;
    contest.reset(reg);
    const SessionImport imported =
        importSessionFile(contest, VK_SOURCE_DIR "/tests/data/interchange/usebio12_sections.xml");
    ASSERT_TRUE(imported.refusal.empty()) << imported.refusal;
    for (const bool across : {true, false}) {
        chooseSectionComparison(contest, across);
        const EveningReading reading = eveningFromContest(contest, "2024-05-21");
        ASSERT_EQ(reading.message, "");
        std::vector<std::string> field;
        for (const ViewLine& line : standingsLines(contest))
            if (!field.empty() || line.text.rfind("Alla sektioner", 0) == 0) field.push_back(line.text);
        ASSERT_EQ(field.size(), reading.evening.entries.size() + 2) << "heading, columns, a line a pair";
        for (std::size_t i = 0; i < reading.evening.entries.size(); ++i) {
            const ArchivedEntry& entry = reading.evening.entries[i];
            const std::string& shown = field[i + 2];
            EXPECT_EQ(shown.substr(0, 7),
                      formatText("%2d %3s ", entry.place, pairLabel(contest, entry.number).c_str()))
                << shown;
            EXPECT_EQ(shown.substr(shown.size() - 5), formatText("%5.1f", entry.percent)) << shown;
        }
    }
}

}  // namespace
}  // namespace vindelkast
