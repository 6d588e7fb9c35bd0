// The dates the archive reads from a contest's free-text date, and the question it asks
// for one it cannot read.
#include <gtest/gtest.h>

#include "archive/evening_date.h"
#include "archive/evening_record.h"
#include "model/board_results.h"
#include "support/sample_contests.h"

namespace vindelkast {
namespace {

struct DateCase {
    const char* text;
    const char* read;  // "" when the date cannot be read
};

class EveningDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(EveningDate, ReadsTheFourFormsAndNothingElse) {
    const DateCase c = GetParam();
    EXPECT_EQ(readEveningDate(c.text).value_or(""), c.read) << "\"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Forms, EveningDate,
    ::testing::Values(DateCase{"2024-03-11", "2024-03-11"}, DateCase{"20240311", "2024-03-11"},
                      DateCase{"11/3 2024", "2024-03-11"}, DateCase{"11/03  2024", "2024-03-11"},
                      DateCase{"11.3.2024", "2024-03-11"}, DateCase{"1.12.2023", "2023-12-01"},
                      DateCase{"  2024-03-11 \r", "2024-03-11"}, DateCase{"29.2.2024", "2024-02-29"},
                      DateCase{"2000-02-29", "2000-02-29"},
                      // Not on the calendar, or not one of the forms.
                      DateCase{"29.2.2023", ""}, DateCase{"1900-02-29", ""}, DateCase{"2024-13-01", ""},
                      DateCase{"2024-04-31", ""}, DateCase{"0.1.2024", ""}, DateCase{"2024-3-11", ""},
                      DateCase{"11/3/2024", ""}, DateCase{"11.3 2024", ""}, DateCase{"2024031", ""},
                      DateCase{"202403111", ""}, DateCase{"11 mars 2024", ""}, DateCase{"", ""},
                      DateCase{"1899-12-31", ""}, DateCase{"2024-03-11x", ""}, DateCase{"-2024-03-11", ""},
                      DateCase{"111.3.2024", ""}));

TEST(EveningRecord, AnUnreadableDateIsAskedForByEvening) {
    test::ContestFixture f;
    test::fillRegister(*f.reg, 4);
    Contest& c = f.c();
    c.contestName = "M\xe5ndagsbridge";
    c.arranger = "BK Vindeln";
    c.contestDate = "m\xe5ndag 11 mars";
    test::setUp(c, 2, 1, 2);
    test::seatPairs(c, 2);
    // Without a result there is no evening: every player would count 0 %.
    EXPECT_TRUE(eveningFromContest(c, "2024-03-11").nothingScored);
    EXPECT_EQ(eveningFromContest(c, "2024-03-11").message,
              "Kv\xe4llen \"M\xe5ndagsbridge\" (BK Vindeln) har inga resultat att spara.");
    addResult(c.boards[1], 1, 2, 1, 420, 0.0f, 0.0f, true);

    EveningReading reading = eveningFromContest(c);
    EXPECT_TRUE(reading.dateUnreadable);
    EXPECT_EQ(
        reading.message,
        "Kan inte l\xe4sa datumet \"m\xe5ndag 11 mars\" f\xf6r kv\xe4llen \"M\xe5ndagsbridge\" (BK Vindeln). "
        "Ange datumet som \xc5\xc5\xc5\xc5-MM-DD.");
    EXPECT_TRUE(reading.evening.entries.empty());

    reading = eveningFromContest(c, "2024-03-11");
    EXPECT_EQ(reading.message, "");
    EXPECT_EQ(reading.evening.date, "2024-03-11");
    ASSERT_EQ(reading.evening.entries.size(), 2u);
    EXPECT_EQ(reading.evening.entries[0].players[0].name, "Efternamn1 F\xf6rnamn1");
    EXPECT_EQ(reading.evening.entries[0].players[1].memberId, 2);

    // A readable date of the contest's own is kept even when another is given.
    c.contestDate = "11.3.2024";
    EXPECT_EQ(eveningFromContest(c, "2025-01-01").evening.date, "2024-03-11");
}

}  // namespace
}  // namespace vindelkast
