#include <gtest/gtest.h>

#include "files/contest_file.h"
#include "files/safe_write.h"
#include "support/sample_contests.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

TEST(SafeWrite, AFailedSaveReportsAndKeepsTheOldFile) {
    test::TempFolder folder;
    const std::string path = folder.write("kvall.sco", "the old contest\r\n");
    test::ContestFixture f;
    test::fillLargestContest(f.c());
    const std::string text = contestFileText(f.c(), "v");

    // The disk fills up half-way through the new file.
    const std::string message = writeTextSafely(path, text, text.size() / 2);
    EXPECT_EQ(message, "Kunde inte skriva filen " + path);
    EXPECT_EQ(folder.read("kvall.sco"), "the old contest\r\n");
    EXPECT_FALSE(folder.exists("kvall.sco.tmp"));

    // Exactly enough room is enough.
    EXPECT_EQ(writeTextSafely(path, text, text.size()), "");
    EXPECT_EQ(folder.read("kvall.sco"), text);
    EXPECT_FALSE(folder.exists("kvall.sco.tmp"));

    // A folder that does not exist.
    EXPECT_NE(writeTextSafely(folder.file("saknas/kvall.sco"), text), "");
    EXPECT_EQ(writeFileSafely(folder.file("ny.sco"), [](std::ostream& out) { out << "x"; }), "");
    EXPECT_EQ(folder.read("ny.sco"), "x");
}

TEST(SafeWrite, PathsInMessagesKeepTheirLetters) {
    EXPECT_EQ(pathText("/tmp/kv\xc3\xa4ll8.sco"), "/tmp/kv\xe4ll8.sco");
    // Letters without a Windows-1252 form, and bytes that are no UTF-8 at all, become "?" so
    // that the message does not come out garbled on the terminal.
    EXPECT_EQ(pathText("\xc5\x91szi/v\xc3\xa5r.sco"), "?szi/v\xe5r.sco");
    EXPECT_EQ(pathText("a\xe4"
                       "b\xf0\x9f\x83\x8f.sco"),
              "a?b?.sco");
    EXPECT_EQ(pathText("trasig\xe2\x82"), "trasig?");
    EXPECT_EQ(cannotWriteMessage("/saknas/\xc5\x91.sco"), "Kunde inte skriva filen /saknas/?.sco");
}

}  // namespace
}  // namespace vindelkast
