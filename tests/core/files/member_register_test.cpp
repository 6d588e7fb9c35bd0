#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "child_process.h"
#include "example_contests.h"
#include "files/member_add.h"
#include "files/member_file.h"
#include "files/member_import.h"
#include "files/member_lookup.h"
#include "files/safe_write.h"
#include "files/text_encoding.h"
#include "model/name_forms.h"
#include "support/sample_contests.h"
#include "support/test_text.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

using test::w;

struct LineCase {
    const char* line;
    const char* surname;
    const char* firstName;
    int memberId;
    double handicap;
};

class MemberLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(MemberLines, ReadAsTheRegisterMeansThem) {
    const LineCase& k = GetParam();
    const Member m = parseMemberLine(w(k.line));
    EXPECT_EQ(m.surname, w(k.surname));
    EXPECT_EQ(m.firstName, w(k.firstName));
    EXPECT_EQ(m.memberId, k.memberId);
    EXPECT_DOUBLE_EQ(m.handicap, k.handicap);
    // What the writer makes of it reads back as the same person.
    const Member back = parseMemberLine(memberLine(m));
    EXPECT_EQ(longName(back), longName(m));
    EXPECT_EQ(back.memberId, m.memberId);
    EXPECT_DOUBLE_EQ(back.handicap, m.handicap);
}

INSTANTIATE_TEST_SUITE_P(
    Register, MemberLines,
    ::testing::Values(LineCase{"Andersson Anna Maria 12345 3.5", "Andersson", "Anna Maria", 12345, 3.5},
                      LineCase{"Berg 17 0", "Berg", "", 17, 0},
                      LineCase{"  \tÖberg Gun 131 2", "Öberg", "Gun", 131, 2},
                      LineCase{"Andersson Anna -1 0", "Andersson", "Anna", -1, 0},
                      LineCase{"Andersson Anna Maria", "Andersson", "Anna Maria", -1, 0},
                      LineCase{"Jakobsson Inga-Lill 106011 0", "Jakobsson", "Inga-Lill", 106011, 0},
                      LineCase{"Lind Per  +12 1.5", "Lind", "Per", 12, 1.5},
                      LineCase{"Ek Göran 5", "Ek", "Göran", 5, 0},
                      LineCase{"Ek Göran 5 3,5", "Ek", "Göran", 5, 0}, LineCase{"Solo", "Solo", "", -1, 0}));

TEST(MemberRegister, LoadsLooksUpAndNumbersTheWholeRegister) {
    test::TempFolder folder;
    const std::string path = folder.write("medlem.txt", w("# klubbens medlemmar\r\n"
                                                          "  # en anmärkning\r\n"
                                                          "\r\n"
                                                          "Andersson Anna Maria 123456 3.5\r\n"
                                                          "Andersson Anna 5 0\r\n"
                                                          "Berg 17 0\n"
                                                          "Åberg Karin -1 2"));
    MemberRegister reg;
    EXPECT_EQ(loadRegister(path, reg), 5);
    EXPECT_EQ(reg.entry(0), &reg.byeMember());
    EXPECT_EQ(reg.entry(4)->surname, w("Åberg"));
    EXPECT_EQ(findMemberByLongName("Andersson Anna Maria", reg), reg.entry(1));
    EXPECT_EQ(findMemberByLongName("Andersson Anna", reg), reg.entry(2));
    EXPECT_EQ(findMemberByLongName("Andersson", reg), nullptr);
    EXPECT_EQ(findMemberByLongName("Berg", reg), reg.entry(3));
    EXPECT_EQ(nextFreeMemberId(reg), 18) << "123456 is a federation number";
    EXPECT_EQ(loadRegister(folder.file("none.txt"), reg), 0);
    EXPECT_EQ(reg.memberCount(), 5) << "a file that cannot be opened leaves the register";

    MemberRegister empty;
    EXPECT_EQ(nextFreeMemberId(empty), 1);

    // Far beyond 1000 entries: the last one is found and its number counts.
    MemberRegister big;
    test::fillRegister(big, 1500);
    big.append(Member{"Sist", "Person", 999, 0});
    EXPECT_EQ(findMemberByLongName("Sist Person", big), big.entry(1501));
    EXPECT_EQ(nextFreeMemberId(big), 1000);

    // The start list: seated persons of pairs 1..maxPairNumber only.
    test::ContestFixture f;
    test::fillRegister(*f.reg, 10);
    test::setUp(f.c(), 3, 1, 4);
    test::seatPairs(f.c(), 4);
    EXPECT_TRUE(isInStartList(f.c(), f.reg->entry(8)));
    EXPECT_FALSE(isInStartList(f.c(), f.reg->entry(9)));
    EXPECT_FALSE(isInStartList(f.c(), nullptr));
    f.c().participants[5].first = f.reg->entry(9);
    EXPECT_FALSE(isInStartList(f.c(), f.reg->entry(9))) << "pair 5 is beyond the highest pair number";
}

TEST(MemberRegister, ImportReplacesTheRegisterAndRewritesTheFile) {
    test::TempFolder folder;
    const std::string registerFile = folder.write("medlem.txt", "Gammal Person 1 0\r\n");
    test::ContestFixture f;
    ASSERT_EQ(loadRegisterAtStartUp(*f.reg, registerFile), "");
    f.c().reset(*f.reg);
    Member* old = f.reg->entry(1);
    f.c().participants[1].first = old;
    f.c().participantCount = f.c().maxPairNumber = 1;

    // Only remarks: not a register; the register and the file stay as they were.
    const std::string remarks = folder.write("remarks.txt", "# inga medlemmar\r\n   \r\n  # alls\r\n");
    RegisterImport none = importRegister(remarks, *f.reg, registerFile);
    EXPECT_FALSE(none.imported);
    EXPECT_EQ(none.message, w("Detta är inte ett medlemsregister"));
    EXPECT_EQ(f.reg->memberCount(), 2);
    EXPECT_EQ(importRegister(folder.file("missing.txt"), *f.reg, registerFile).message,
              w("Detta är inte ett medlemsregister"));
    EXPECT_EQ(folder.read("medlem.txt"), "Gammal Person 1 0\r\n");

    // A person whose name a start list could not give back stays out, and is named.
    const std::string three = folder.write("ny.txt", w("# nya\nÅberg Karin 100231 0\n"
                                                       "Berg 31 2.50\n"
                                                       "Andersson Anna / Bengt 12 0\n"
                                                       "Lindqvist Per\n"));
    const RegisterImport done = importRegister(three, *f.reg, registerFile);
    EXPECT_TRUE(done.imported);
    EXPECT_EQ(done.membersRead, 3);
    EXPECT_EQ(done.message, w("Läste 3 personer.\nEtt namn får inte innehålla \" /\" (det skiljer paret åt i "
                              "startlistan): Andersson Anna / Bengt"));
    EXPECT_EQ(f.reg->memberCount(), 4);
    EXPECT_EQ(f.reg->entry(0), f.c().byeMember);
    EXPECT_EQ(folder.read("medlem.txt"), w("Åberg Karin 100231 0\r\nBerg 31 2.5\r\nLindqvist Per -1 0\r\n"));
    // The start list still names the person it had; that person is just not in the register.
    EXPECT_EQ(longNameOrDashes(f.c().participants[1].first), "Gammal Person");
    EXPECT_EQ(findMemberByLongName("Gammal Person", *f.reg), nullptr);

    // A register file that cannot be rewritten: the import is done, and the message says
    // the file was not written.
    const RegisterImport unwritten = importRegister(three, *f.reg, folder.file("no/such/folder/medlem.txt"));
    EXPECT_TRUE(unwritten.imported);
    EXPECT_EQ(unwritten.message.find(w("Läste 3 personer.")), 0u);
    EXPECT_NE(unwritten.message.find("Kunde inte skriva"), std::string::npos);
}

TEST(MemberRegister, StartUpFindsTheRegisterOrAsksForAnother) {
    test::TempFolder folder;
    MemberRegister reg;
    EXPECT_EQ(loadRegisterAtStartUp(reg, folder.file("medlem.txt")),
              "Hittade inte persondatabasen medlem.txt!");
    EXPECT_EQ(reg.memberCount(), 0);
    folder.write("klubb.txt", "Berg 17 0\r\n");
    EXPECT_EQ(loadChosenRegister(folder.file("klubb"), reg), 2) << ".txt is added to a name without one";
    EXPECT_EQ(withDefaultExtension("/a.b/klubb", ".txt"), "/a.b/klubb.txt");
    EXPECT_EQ(withDefaultExtension("klubb.lst", ".txt"), "klubb.lst");

    // An empty file still gives the bye person.
    MemberRegister other;
    EXPECT_EQ(loadRegisterAtStartUp(other, folder.write("tom.txt", "")), "");
    EXPECT_EQ(other.memberCount(), 1);

    // The example register of the program.
    MemberRegister example;
    EXPECT_EQ(loadRegisterAtStartUp(example, test::examplePath("medlem.txt")), "");
    EXPECT_EQ(example.memberCount(), 61);
    EXPECT_EQ(nextFreeMemberId(example), 213);
    ASSERT_NE(findMemberByLongName(w("Björklund Sven Erik"), example), nullptr);
    EXPECT_EQ(findMemberByLongName("Strand", example)->firstName, "");
    EXPECT_EQ(findMemberByLongName("Lindqvist Per", example)->memberId, -1);
}

TEST(MemberRegister, NewPersonsGoIntoTheRegisterAndTheFile) {
    test::TempFolder folder;
    const std::string file = folder.write("medlem.txt", "Berg 17 0\r\nEk Anna 5");  // last line unended
    MemberRegister reg;
    loadRegister(file, reg);

    const AddedMember single = addMemberToRegister(reg, "Solo", "", "3.5", file);
    EXPECT_EQ(single.message, "");
    ASSERT_NE(single.member, nullptr);
    EXPECT_EQ(reg.entry(3), single.member);
    EXPECT_EQ(single.member->firstName, "");
    EXPECT_EQ(single.member->memberId, 18) << "next free club number";
    EXPECT_EQ(single.member->handicap, 0) << "3.5 is not a whole number";

    const AddedMember two = addMemberToRegisterUtf8(reg, "  Åström  Anna  Maria ", "123456", "4", file);
    EXPECT_EQ(two.message, "");
    EXPECT_EQ(longName(*two.member), w("Åström Anna  Maria"));
    EXPECT_EQ(two.member->memberId, 123456);
    EXPECT_EQ(findMemberByLongName(w("Åström Anna  Maria"), reg), two.member);

    EXPECT_EQ(folder.read("medlem.txt"),
              w("Berg 17 0\r\nEk Anna 5\r\nSolo 18 0\r\nÅström Anna  Maria 123456 4\r\n"));
    MemberRegister again;
    EXPECT_EQ(loadRegister(file, again), 5);
    EXPECT_EQ(again.entry(3)->firstName, "") << "a single word reads back without first name";
    EXPECT_EQ(longName(*again.entry(4)), longName(*two.member));

    // Refused: characters outside Windows-1252, no name, a name that would read back wrong.
    const int before = reg.memberCount();
    EXPECT_EQ(addMemberToRegisterUtf8(reg, "Łukasz Nowak", "", "", file).message, notRepresentableMessage());
    EXPECT_NE(addMemberToRegister(reg, "   ", "", "", file).message, "");
    EXPECT_NE(addMemberToRegister(reg, "#Berg Per", "", "", file).message, "");
    EXPECT_NE(addMemberToRegister(reg, "Berg Per 2", "", "", file).message, "");
    // " /" separates the two persons of a pair in a start list.
    EXPECT_EQ(
        addMemberToRegister(reg, "Andersson Anna / Bengt", "", "", file).message,
        w("Ett namn får inte innehålla \" /\" (det skiljer paret åt i startlistan): Andersson Anna / Bengt"));
    EXPECT_NE(addMemberToRegister(reg, "Johansson Stig  /", "", "", file).message, "");
    EXPECT_EQ(reg.memberCount(), before);
    EXPECT_EQ(loadRegister(file, again), 5) << "nothing refused reached the file";

    // The file cannot be appended to: the person is in the register, and the message says so.
    const AddedMember unwritten =
        addMemberToRegister(reg, "Nilsson Bo", "x", "", folder.file("no/medlem.txt"));
    EXPECT_NE(unwritten.member, nullptr);
    EXPECT_EQ(unwritten.member->memberId, 19);
    EXPECT_NE(unwritten.message.find("Kunde inte skriva"), std::string::npos);
}

TEST(MemberRegister, ANewPersonIsWrittenInTheRegistersOwnEncodingAndLineEnds) {
    struct Kept {
        std::string bytes;  // the register as an editor left it
        std::string added;  // the new person's line as that editor would have written it
    };
    const std::string utf8 = "Sjöberg Gösta 12 0\r\nÅberg Karin 7 2\r\n";
    const std::vector<Kept> registers = {
        {"\xef\xbb\xbf" + utf8, "Öberg Sture 13 0\r\n"},                  // UTF-8 with a byte-order mark
        {"Sjöberg Gösta 12 0\nÅberg Karin 7 2\n", "Öberg Sture 13 0\n"},  // UTF-8, LF
        {w(utf8), w("Öberg Sture 13 0\r\n")},                             // Windows-1252, CR LF
        {w("Sjöberg Gösta 12 0\nÅberg Karin 7 2"), w("\nÖberg Sture 13 0\n")},  // last line unended
    };
    for (const Kept& kept : registers) {
        test::TempFolder folder;
        const std::string file = folder.write("medlem.txt", kept.bytes);
        MemberRegister reg;
        ASSERT_EQ(loadRegister(file, reg), 3);
        EXPECT_EQ(longName(*reg.entry(1)), w("Sjöberg Gösta"));
        EXPECT_EQ(findMemberByLongName(w("Åberg Karin"), reg), reg.entry(2));
        ASSERT_EQ(addMemberToRegisterUtf8(reg, "Öberg Sture", "", "", file).message, "");
        EXPECT_EQ(folder.read("medlem.txt"), kept.bytes + kept.added);
        MemberRegister again;
        EXPECT_EQ(loadRegister(file, again), 4);
        EXPECT_EQ(longName(*again.entry(3)), w("Öberg Sture"));
    }
    // Windows-1252 stays as it is, ASCII alone too: neither is taken for UTF-8.
    EXPECT_EQ(registerText(w("Sjöberg Gösta 12 0")), w("Sjöberg Gösta 12 0"));
    EXPECT_EQ(registerText("Berg Per 1 0"), "Berg Per 1 0");
    EXPECT_FALSE(registerForm("Berg Per 1 0\n").utf8);
}

TEST(MemberRegister, TwoProgramsNeverGiveTwoPersonsOneNumber) {
    test::TempFolder folder;
    const std::string file = folder.write("medlem.txt", "Berg 17 0\r\nEk Anna 1234 0\r\n");
    // Both loaded the same register, and each offers its own next free number, as the
    // new-person box does.
    const auto adder = [&file](const std::string& who) {
        MemberRegister reg;
        loadRegister(file, reg);
        bool ok = true;
        for (int i = 0; i < 25; ++i) {
            const std::string offered = std::to_string(nextFreeMemberId(reg));
            const AddedMember added = addMemberToRegister(reg, who + std::to_string(i), offered, "0", file);
            ok = ok && added.member != nullptr && added.member->memberId >= 18;
        }
        return ok;
    };
    test::ChildProcess one([&] { return adder("Ett"); });
    test::ChildProcess two([&] { return adder("Tva"); });
    EXPECT_TRUE(one.succeeded());
    EXPECT_TRUE(two.succeeded());
    MemberRegister after;
    EXPECT_EQ(loadRegister(file, after), 53) << "every person once, every line whole";
    std::set<int> numbers;
    for (int i = 1; i < after.memberCount(); ++i) numbers.insert(after.entry(i)->memberId);
    EXPECT_EQ(numbers.size(), 52u) << "no number handed out twice";
    EXPECT_EQ(*numbers.rbegin(), 1234);
    EXPECT_EQ(*std::prev(numbers.end(), 2), 67) << "the club numbers run on from 17 without a gap";
}

}  // namespace
}  // namespace vindelkast
