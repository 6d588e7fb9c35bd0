// The traps only POSIX can set: pipes, links, permissions and a disk that really fills up.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "child_process.h"
#include "files/contest_file.h"
#include "files/member_add.h"
#include "files/member_file.h"
#include "files/safe_write.h"
#include "support/sample_contests.h"
#include "temp_folder.h"

namespace vindelkast {
namespace {

namespace fs = std::filesystem;

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

TEST(SafeWrite, WhatIsPlantedInTheFolderIsNeitherWrittenNorFollowed) {
    test::TempFolder folder, elsewhere;
    const std::string victim = elsewhere.write("victim.txt", "mine\n");
    // What an older version wrote through: a link, a pipe and a folder at "NAME.tmp".
    fs::create_symlink(victim, folder.file("kvall.sco.tmp"));
    ASSERT_EQ(::mkfifo(folder.file("medlem.txt.tmp").c_str(), 0644), 0);
    fs::create_directory(folder.file("rond.html.tmp"));
    for (const char* name : {"kvall.sco", "medlem.txt", "rond.html"}) {
        EXPECT_EQ(writeTextSafely(folder.file(name), "new\r\n"), "") << name;
        EXPECT_EQ(folder.read(name), "new\r\n");
        EXPECT_TRUE(S_ISREG(modeOf(folder.file(name))));
    }
    EXPECT_EQ(elsewhere.read("victim.txt"), "mine\n");
    EXPECT_EQ(fs::read_symlink(folder.file("kvall.sco.tmp")), victim);
    EXPECT_TRUE(S_ISFIFO(modeOf(folder.file("medlem.txt.tmp"))));
    EXPECT_TRUE(fs::is_directory(folder.file("rond.html.tmp")));

    // A target that is a pipe or a folder is refused at once; a link there is replaced by
    // the file, and what it pointed at stays as it was.
    ASSERT_EQ(::mkfifo(folder.file("pipe.sco").c_str(), 0644), 0);
    fs::create_directory(folder.file("mapp.sco"));
    fs::create_symlink(victim, folder.file("lank.sco"));
    EXPECT_EQ(writeTextSafely(folder.file("pipe.sco"), "x"), cannotWriteMessage(folder.file("pipe.sco")));
    EXPECT_NE(writeTextSafely(folder.file("mapp.sco"), "x"), "");
    EXPECT_EQ(writeTextSafely(folder.file("lank.sco"), "x"), "");
    EXPECT_TRUE(S_ISFIFO(modeOf(folder.file("pipe.sco"))));
    EXPECT_TRUE(S_ISREG(modeOf(folder.file("lank.sco"))));
    EXPECT_EQ(elsewhere.read("victim.txt"), "mine\n");

    // The longest name a folder can hold can be written too.
    const std::string longest = std::string(251, 'k') + ".sco";
    EXPECT_EQ(writeTextSafely(folder.file(longest), "lang\r\n"), "");
    EXPECT_EQ(folder.read(longest), "lang\r\n");
    EXPECT_EQ(folder.names().size(), 10u) << "the traps, the targets, and no temporary file";
}

TEST(SafeWrite, AReplacedFileKeepsItsPermissions) {
    test::TempFolder folder;
    const std::string path = folder.write("medlem.txt", "Berg 17 0\r\n");
    ::chmod(path.c_str(), 0600);
    ASSERT_EQ(writeTextSafely(path, "Berg 17 0\r\nEk 18 0\r\n"), "");
    EXPECT_EQ(modeOf(path) & 07777, 0600u);
    const mode_t mask = ::umask(022);
    ASSERT_EQ(writeTextSafely(folder.file("ny.sco"), "x"), "");
    ::umask(mask);
    EXPECT_EQ(modeOf(folder.file("ny.sco")) & 07777, 0644u) << "a new file gets the usual permissions";
}

TEST(MemberRegister, AFailedAppendLeavesTheFileAsItWas) {
    test::TempFolder folder;
    const std::string file = folder.write("medlem.txt", "Berg 17 0\r\nEk Anna 5");
    // A program whose files may not grow past a few more bytes fails as on a full disk.
    test::ChildProcess limited([&file] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{25, 25};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        MemberRegister reg;
        loadRegister(file, reg);
        return addMemberToRegister(reg, "Testsson Test", "", "", file).message == cannotWriteMessage(file);
    });
    EXPECT_TRUE(limited.succeeded());
    EXPECT_EQ(folder.read("medlem.txt"), "Berg 17 0\r\nEk Anna 5");
}

// A small disk of its own (tmpfs), so that it can really be full. Mounting needs root.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (::mount("tmpfs", folder.file("").c_str(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "no tmpfs can be mounted here; the capacity test above stands in";
        mounted = true;
    }
    void TearDown() override {
        if (mounted) ::umount2(folder.file("").c_str(), MNT_DETACH);
    }
    // Fills what is left of the disk.
    void fill() {
        std::ofstream filler(folder.file("fyllnad"), std::ios::binary);
        const std::string page(4096, 'x');
        for (int i = 0; i < 64 && filler.write(page.data(), page.size()).flush(); ++i) {
        }
    }

    test::TempFolder folder;
    bool mounted = false;
};

TEST_F(FullDisk, SavesAndNewPersonsFailWholeAndSayItOutLoud) {
    // A register a few bytes short of a whole page: the next line fits only in part.
    std::string members;
    for (int id = 1; members.size() < 4096 - 20; ++id)
        members += "Person" + std::to_string(id) + " A " + std::to_string(id) + " 0\r\n";
    const std::string path = folder.write("medlem.txt", members);
    const std::string contest = folder.write("kvall.sco", "the old contest\r\n");
    fill();

    EXPECT_EQ(writeTextSafely(contest, std::string(8192, 'n')), cannotWriteMessage(contest));
    EXPECT_EQ(folder.read("kvall.sco"), "the old contest\r\n");
    MemberRegister reg;
    loadRegister(path, reg);
    const AddedMember added = addMemberToRegister(reg, "Testsson Test Testarsson", "", "", path);
    EXPECT_EQ(added.message, cannotWriteMessage(path));
    EXPECT_EQ(folder.read("medlem.txt"), members) << "no half line that the next append would finish";
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"fyllnad", "kvall.sco", "medlem.txt"}));
}

}  // namespace
}  // namespace vindelkast
