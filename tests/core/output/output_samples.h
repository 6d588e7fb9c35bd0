#pragma once

#include <ostream>
#include <sstream>
#include <string>

#include "support/sample_contests.h"

namespace vindelkast::test {

// An evening for the output tests: pairs 1..7 and the bye pair 8, 9 boards in 3 rounds
// (3 per round, so the last old-style block holds one board), deals on boards 1..7 (board 1
// with a void in every hand but North's), an adjusted NS 60 % / EW 40 % result on board 2,
// negative scores, an unscored result on board 9, Swedish names with "&" and "<script>".
struct Evening : ContestFixture {
    Evening();
};

// Six pairs at three tables on one board scored 420, 420, 100: totals 4, 3, 3, 1, 1, 0,
// so the places read 1, 2, -, 4, -, 6.
struct TiedBoard : ContestFixture {
    TiedBoard();
};

// Decodes standard base64, skipping line breaks; throws on a foreign character.
std::string decodeBase64(const std::string& text);

// The text between the first line equal to `from` and the next line equal to `to`.
std::string linesBetween(const std::string& page, const std::string& from, const std::string& to);

// Runs `xmllint` on a file with the local document type definitions and no network;
// returns its exit code and puts what it said into `report`. Where there is no xmllint (the
// Windows build's tests under Wine) it returns kNoXmllint; the Linux run validates.
inline constexpr int kNoXmllint = -2;
int runXmllint(const std::string& options, const std::string& text, std::string& report);

// What a writer puts on a stream, as one text.
template <typename Write>
std::string written(Write write) {
    std::ostringstream out;
    write(out);
    return out.str();
}

}  // namespace vindelkast::test
