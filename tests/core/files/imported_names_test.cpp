// Names other programs write become members whose long name survives a start list and a
// register line: digits inside turn blanks into no-break spaces, one word is a surname.
#include <gtest/gtest.h>

#include <sstream>

#include "files/contest_file.h"
#include "files/imported_names.h"
#include "files/member_file.h"
#include "model/board_results.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::w;

struct NameCase {
    const char* written;   // UTF-8, as the other program wrote it
    const char* longName;  // UTF-8, "_" for a no-break space
};

std::string withNoBreak(const char* utf8) {
    std::string text = w(utf8);
    for (char& c : text)
        if (c == '_') c = kNoBreakSpace;
    return text;
}

class ForeignName : public testing::TestWithParam<NameCase> {};

TEST_P(ForeignName, ReadsBackFromStartListAndRegisterAsWritten) {
    const Member member = memberFromForeignName(w(GetParam().written));
    EXPECT_EQ(longName(member), withNoBreak(GetParam().longName));
    EXPECT_TRUE(nameReadsBack(member));
    // On screen the name is the file's words, whatever order the register keeps them in.
    std::string shown = foreignName(member);
    for (char& c : shown)
        if (c == kNoBreakSpace) c = ' ';
    EXPECT_EQ(shown.substr(shown.find_first_not_of(' ')), w(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(Names, ForeignName,
                         testing::Values(NameCase{"Anna Andersson", "Andersson Anna"},
                                         NameCase{"Anna Maria Andersson", "Andersson Anna Maria"},
                                         NameCase{"Smith", "Smith"}, NameCase{"Visitor 1", "Visitor_1"},
                                         NameCase{"Gäst 12 B", "B Gäst_12"},
                                         NameCase{"Anna 2 Berg", "Berg Anna_2"},
                                         NameCase{"J2 Holm", "Holm J2"}, NameCase{"Ann +1 Ek", "Ek Ann_+1"},
                                         NameCase{"#7 Lund", "Lund #7"}, NameCase{"fripar", "_fripar"},
                                         NameCase{"Per / Ola", "Ola Per_/"}));

// A contest holding such names is saved and opened again by a program with another register:
// every name comes back as it was, and the register's own file holds them too.
TEST(ForeignName, NamesSurviveSaveOpenAndTheRegisterFile) {
    test::ContestFixture f;
    Contest& c = f.c();
    test::setUp(c, 2, 1, 4);
    const char* written[4][2] = {{"Visitor 1", "Visitor 2"},
                                 {"Smith", "Anna 2 Berg"},
                                 {"Gäst 12", "Åsa Öberg"},
                                 {"Per / Ola", "fripar"}};
    std::vector<ImportNote> notes;
    for (int p = 1; p <= 4; ++p) {
        c.participants[p].first = registerMemberFor(*f.reg, {w(written[p - 1][0]), -1}, p, notes);
        c.participants[p].second = registerMemberFor(*f.reg, {w(written[p - 1][1]), -1}, p, notes);
    }
    c.participantCount = 4;
    EXPECT_EQ(notes.size(), 6u);  // every name that needed no-break spaces is named once
    addResult(c.boards[1], 1, 2, 1, 420, 0.0f, 0.0f, true);

    test::ContestFixture opened;
    std::istringstream in(contestFileText(c, "3.23"));
    const ContestReadResult read = readContestFile(opened.c(), in);
    EXPECT_EQ(read.kind, ContestReadResult::Kind::MissingNames);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(longName(*opened.c().participants[p].first), longName(*c.participants[p].first));
        EXPECT_EQ(longName(*opened.c().participants[p].second), longName(*c.participants[p].second));
    }
    EXPECT_EQ(opened.c().byePair, 0);

    std::istringstream registerFile(registerFileText(*f.reg));
    const std::vector<Member> lines = readMemberLines(registerFile);
    ASSERT_EQ(lines.size(), 8u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(longName(lines[i]), longName(*f.reg->entry(int(i) + 1)));
}

// A person the club knows is found in either order of the words, or by national number.
TEST(ForeignName, KnownPersonsAreFoundInTheRegister) {
    MemberRegister reg;
    reg.startWithByeMember();
    Member* anna = reg.append({"Andersson", "Anna Maria", 123456, 0});
    Member* bo = reg.append({"Berg", "Bo", 17, 0});
    std::vector<ImportNote> notes;
    EXPECT_EQ(registerMemberFor(reg, {"Anna Maria Andersson", -1}, 3, notes), anna);
    EXPECT_EQ(registerMemberFor(reg, {"Berg Bo", -1}, 3, notes), bo);
    EXPECT_EQ(registerMemberFor(reg, {"A. M. Andersson", 123456}, 9, notes), anna);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].line, 9);
    // A club number is the other club's: it finds nobody here.
    Member* other = registerMemberFor(reg, {"B. Berg", 17}, 10, notes);
    EXPECT_NE(other, bo);
    EXPECT_EQ(longName(*other), "Berg B.");
    EXPECT_EQ(registerMemberFor(reg, {"  ", -1}, 11, notes), nullptr);
    EXPECT_EQ(reg.memberCount(), 4);
}

}  // namespace
}  // namespace vindelkast
