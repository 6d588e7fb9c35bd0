#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "child_process.h"
#include "files/contest_file.h"
#include "files/safe_write.h"
#include "support/sample_contests.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

namespace fs = std::filesystem;

TEST(SafeWrite, AFailedSaveReportsAndKeepsTheOldFile) {
    test::TempFolder folder;
    const std::string path = folder.write("kvall.sco", "the old contest\r\n");
    test::ContestFixture f;
    test::fillLargestContest(f.c());
    const std::string text = contestFileText(f.c(), "v");

    // The disk fills up half-way through the new file.
    EXPECT_EQ(writeTextSafely(path, text, text.size() / 2), "Kunde inte skriva filen " + path);
    EXPECT_EQ(folder.read("kvall.sco"), "the old contest\r\n");
    EXPECT_EQ(writeTextSafely(path, text, text.size()), "") << "exactly enough room is enough";
    EXPECT_EQ(folder.read("kvall.sco"), text);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"kvall.sco"}) << "no temporary file is left";

    EXPECT_NE(writeTextSafely(folder.file("saknas/kvall.sco"), text), "");
    EXPECT_EQ(writeFileSafely(folder.file("ny.sco"), [](std::ostream& out) { out << "x"; }), "");
    EXPECT_EQ(folder.read("ny.sco"), "x");
}

TEST(SafeWrite, TwoProgramsWritingOneFileEachReportTheTruth) {
    test::TempFolder folder;
    const std::string path = folder.file("kvall.sco");
    const std::string mine(3000, 'a'), theirs(5000, 'b');
    // Each writes 200 times, and every time it looks, the file is one program's whole text.
    // Windows refuses to replace a file while another program reads it: there a save may
    // say it failed, but never wrongly, and most get through.
#ifdef _WIN32
    static constexpr int kMayBeRefused = 100;
#else
    static constexpr int kMayBeRefused = 0;
#endif
    const auto writer = [&path, &mine, &theirs](const std::string& text) {
        bool allTrue = true;
        int refused = 0;
        for (int i = 0; i < 200; ++i) {
            const std::string message = writeTextSafely(path, text);
            allTrue = (message == "" || message == cannotWriteMessage(path)) && allTrue;
            refused += message.empty() ? 0 : 1;
            std::ifstream in(path, std::ios::binary);
            const std::string seen((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            // (On Windows a look may also be refused while the file is being replaced.)
            const bool lookRefused = kMayBeRefused > 0 && !in.is_open();
            allTrue = (lookRefused || seen == mine || seen == theirs) && allTrue;
        }
        return allTrue && refused <= kMayBeRefused;
    };
    test::ChildProcess one([&] { return writer(mine); });
    test::ChildProcess two([&] { return writer(theirs); });
    EXPECT_TRUE(one.succeeded());
    EXPECT_TRUE(two.succeeded());
    const std::string last = folder.read("kvall.sco");
    EXPECT_TRUE(last == mine || last == theirs);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"kvall.sco"});
}

TEST(SafeWrite, AFolderIsRefusedAndALetterOutsideAsciiIsNoHindrance) {
    test::TempFolder folder;
    fs::create_directory(folder.file("mapp.sco"));
    EXPECT_EQ(writeTextSafely(folder.file("mapp.sco"), "x"), cannotWriteMessage(folder.file("mapp.sco")));
    EXPECT_TRUE(fs::is_directory(folder.file("mapp.sco")));
    // The window and the command line hand over UTF-8 names; the file gets that very name.
    // (Joined as bytes: a std::string path is in the system's code page on Windows.)
    const std::string name = folder.file("") + "/kv\xc3\xa4ll \xc3\x85sa.sco";
    EXPECT_EQ(writeTextSafely(name, "ny\r\n"), "");
    EXPECT_EQ(writeTextSafely(name, "nyare\r\n"), "");
    const fs::path written = fs::path(folder.file("")) / fs::path(std::u8string(u8"kv\u00e4ll \u00c5sa.sco"));
    std::ifstream in(written, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "nyare\r\n");
    EXPECT_EQ(folder.names().size(), 2u) << "the folder, the file and no temporary file";
}

}  // namespace
}  // namespace vindelkast
