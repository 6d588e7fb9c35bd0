#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/member_search.h"
#include "support/sample_contests.h"
#include "support/test_text.h"

namespace vindelkast {
namespace {

using test::u;
using test::w;

// A small club with the case and prefix traps the search must get right.
struct Club : test::ContestFixture {
    Club() {
        for (const char* line : {"Andersson|Anna Maria", "andrén|Per", "Anderberg|Bo", "Andrae|Märta",
                                 "Ån|Olle", "Åberg|Karin", "Berg|Mats", "Berg|", "Bergström|Malin",
                                 "Bergman|Olof", "Bergh|Maj", "Ber|Magnus", "van Dijk|Hans"}) {
            const std::string text = w(line);
            const auto bar = text.find('|');
            reg->append(Member{text.substr(0, bar), text.substr(bar + 1), -1, 0.0});
        }
        c().maxPairNumber = 8;
    }
    std::vector<std::string> found(const char* typedUtf8) {
        const auto query = nameQueryFor(w(typedUtf8));
        if (!query) return {"(no search)"};
        std::vector<std::string> names;
        for (const Member* m : searchMembers(*reg, c(), *query)) names.push_back(u(longName(*m)));
        return names;
    }
    Member* member(const char* longNameUtf8) { return reg->findByLongName(w(longNameUtf8)); }
};

using Names = std::vector<std::string>;

TEST(MemberSearch, CaseCountsOnlyWhenTheTextHoldsACapital) {
    Club club;
    // Lower case finds every surname that begins with the letters, in any case.
    EXPECT_EQ(club.found("and"),
              (Names{"Andersson Anna Maria", "andrén Per", "Anderberg Bo", "Andrae Märta"}));
    // A capital anywhere makes the whole comparison exact.
    EXPECT_EQ(club.found("And"), (Names{"Andersson Anna Maria", "Anderberg Bo", "Andrae Märta"}));
    EXPECT_EQ(club.found("anD"), Names{});
    EXPECT_EQ(club.found("andr"), (Names{"andrén Per", "Andrae Märta"}));
    // Å, Ä and Ö are capitals and letters like A-Z.
    EXPECT_EQ(club.found("å"), (Names{"Ån Olle", "Åberg Karin"}));
    EXPECT_EQ(club.found("Åb"), (Names{"Åberg Karin"}));
    EXPECT_EQ(club.found("åN"), Names{});
    EXPECT_EQ(club.found("fr"), (Names{"fripar"}));
    EXPECT_EQ(club.found("Fr"), Names{});
}

TEST(MemberSearch, SecondWordStartsTheFirstNameAndFurtherWordsDoNotCount) {
    Club club;
    EXPECT_EQ(club.found("Ber Ma"), (Names{"Berg Mats", "Bergström Malin", "Bergh Maj", "Ber Magnus"}));
    EXPECT_EQ(club.found("ber ma"), (Names{"Berg Mats", "Bergström Malin", "Bergh Maj", "Ber Magnus"}));
    EXPECT_EQ(club.found("berg\tm  x y"), (Names{"Berg Mats", "Bergström Malin", "Bergh Maj"}));
    // The whole surname alone still offers everybody who carries it, with or without a
    // first name; a first name must be at least as long as the typed start.
    EXPECT_EQ(club.found("Berg "),
              (Names{"Berg Mats", "Berg", "Bergström Malin", "Bergman Olof", "Bergh Maj"}));
    EXPECT_EQ(club.found("Berg Matsson"), Names{});
    EXPECT_EQ(club.found("andersson anna m"), (Names{"Andersson Anna Maria"}));
    // A surname that holds a blank cannot be typed as one word.
    EXPECT_EQ(club.found("van Dijk"), Names{});
}

TEST(MemberSearch, NoSearchForEmptyTextOrTextThatDoesNotBeginWithALetter) {
    Club club;
    for (const char* typed : {"", " and", "1", "-", "é", "#x"})
        EXPECT_EQ(club.found(typed), Names{"(no search)"}) << typed;
}

TEST(MemberSearch, MembersInTheStartListAreNotOfferedAgain) {
    Club club;
    Contest& c = club.c();
    c.participants[1].first = club.member("Berg Mats");
    c.participants[3].second = club.member("Bergh Maj");
    // Beyond the highest pair number a reference does not count as seated.
    c.participants[9].first = club.member("Bergman Olof");
    EXPECT_EQ(club.found("berg"), (Names{"Berg", "Bergström Malin", "Bergman Olof"}));
    c.participants[8].first = c.byeMember;
    EXPECT_EQ(club.found("fri"), Names{});
    c.maxPairNumber = 9;
    EXPECT_EQ(club.found("berg"), (Names{"Berg", "Bergström Malin"}));
}

TEST(MemberSearch, WholeRegisterIsSearchedBeyondAThousandEntries) {
    test::ContestFixture f;
    test::fillRegister(*f.reg, 2500);
    f.reg->append(Member{"Zetterlund", "Ulla", 5000, 0.0});
    const auto query = nameQueryFor("zet");
    ASSERT_TRUE(query);
    const auto found = searchMembers(*f.reg, f.c(), *query);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->memberId, 5000);
    EXPECT_EQ(searchMembers(*f.reg, f.c(), *nameQueryFor("efternamn1 f")).size(), 1u + 10u + 100u + 1000u);
}

}  // namespace
}  // namespace vindelkast
