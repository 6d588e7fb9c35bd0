// The season a director types in the window: dates in any form the archive reads, the best N
// and the fewest evenings, or the message that says what to fix.
#include <gtest/gtest.h>

#include "archive/season_request.h"

namespace vindelkast {
namespace {

struct RequestCase {
    const char* from;
    const char* to;
    const char* best;
    const char* minimum;
    const char* message;  // "" when read
    const char* caption;  // of the ranking read
};

class SeasonRequest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(SeasonRequest, ReadsWhatWasTypedOrSaysWhatToFix) {
    const RequestCase c = GetParam();
    SeasonRange range{"kept", "as", {7, 7}};
    EXPECT_EQ(readSeasonRequest(c.from, c.to, c.best, c.minimum, range), c.message);
    EXPECT_EQ(seasonCaption(range), c.caption);
}

const char* kUntouched = "S\xe4songsst\xe4llning kept till as, b\xe4sta 7 kv\xe4llar, minst 7 kv\xe4llar";

INSTANTIATE_TEST_SUITE_P(
    Typed, SeasonRequest,
    ::testing::Values(
        RequestCase{"2024-01-01", "2024-06-30", "", "", "",
                    "S\xe4songsst\xe4llning 2024-01-01 till 2024-06-30, alla kv\xe4llar"},
        RequestCase{
            "1.8.2023", "20240630", " 10 ", "3", "",
            "S\xe4songsst\xe4llning 2023-08-01 till 2024-06-30, b\xe4sta 10 kv\xe4llar, minst 3 kv\xe4llar"},
        RequestCase{"2024-03-11", "11/3 2024", "1", " ", "",
                    "S\xe4songsst\xe4llning 2024-03-11 till 2024-03-11, b\xe4sta 1 kv\xe4ll"},
        RequestCase{"2024-1-1", "2024-06-30", "", "",
                    "Kan inte l\xe4sa datumet \"2024-1-1\". Ange datumet som \xc5\xc5\xc5\xc5-MM-DD.",
                    kUntouched},
        RequestCase{"2024-01-01", "", "", "",
                    "Kan inte l\xe4sa datumet \"\". Ange datumet som \xc5\xc5\xc5\xc5-MM-DD.", kUntouched},
        RequestCase{"2024-06-30", "2024-01-01", "", "",
                    "Perioden slutar 2024-01-01, f\xf6re den b\xf6rjar 2024-06-30.", kUntouched},
        RequestCase{
            "2024-01-01", "2024-06-30", "0", "",
            "B\xe4sta antal kv\xe4llar ska vara ett heltal st\xf6rre \xe4n 0 (tomt: alla kv\xe4llar).",
            kUntouched},
        RequestCase{
            "2024-01-01", "2024-06-30", "tio", "",
            "B\xe4sta antal kv\xe4llar ska vara ett heltal st\xf6rre \xe4n 0 (tomt: alla kv\xe4llar).",
            kUntouched},
        RequestCase{"2024-01-01", "2024-06-30", "", "-2",
                    "Minsta antal kv\xe4llar ska vara ett heltal st\xf6rre \xe4n 0.", kUntouched},
        RequestCase{"2024-01-01", "2024-06-30", "", "99999999999",
                    "Minsta antal kv\xe4llar ska vara ett heltal st\xf6rre \xe4n 0.", kUntouched}));

}  // namespace
}  // namespace vindelkast
