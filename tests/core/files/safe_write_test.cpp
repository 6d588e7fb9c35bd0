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

}  // namespace
}  // namespace vindelkast
