#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <thread>

#include "child_process.h"
#include "store/atomic_replace.h"
#include "store/record_delete.h"
#include "store/stray_files.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& file)
{
    struct stat st {};
    ::lstat(file.c_str(), &st);
    return st.st_mode & 07777;
}

// Every entry of the folder but the data file, with its permission bits.
std::vector<std::pair<std::string, mode_t>> Others(const TempDir& dir, const std::string& dataName)
{
    std::vector<std::pair<std::string, mode_t>> others;
    std::error_code error;
    for (fs::directory_iterator it(dir.Path(), error), end; !error && it != end; it.increment(error))
        if (it->path().filename() != dataName)
            others.emplace_back(it->path().filename().string(), ModeOf(it->path().string()));
    return others;
}

}  // namespace

TEST(AtomicReplace, AKilledReplaceLeavesTheOldOrTheNewFileAndNoReadableCopy)
{
    TempDir dir;
    const std::string oldBytes(8 << 20, 'o');
    const std::string newBytes(6 << 20, 'n');
    const std::string file = dir.Write("big.dat", oldBytes);
    ::chmod(file.c_str(), 0640);
    std::mt19937 random(5);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 10; ++round) {
        const pid_t child = StartChild([&]() -> int {
            for (;;)
                ReplaceFileContents(file, round % 2 ? oldBytes : newBytes);
        });
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(random() % 100);
        while (std::chrono::steady_clock::now() < deadline)
            for (const auto& [name, mode] : Others(dir, "big.dat"))
                ASSERT_EQ(mode & ~0640u, 0u) << name << " is readable by more users than the data file";
        ::kill(child, SIGKILL);
        WaitChild(child);
        const std::string now = Slurp(file);
        ASSERT_TRUE(now == oldBytes || now == newBytes) << "round " << round << ", " << now.size() << " bytes";
        (now == oldBytes ? sawOld : sawNew)++;
        EXPECT_EQ(ModeOf(file), 0640u);
        ASSERT_TRUE(ReplaceFileContents(file, now));
        EXPECT_TRUE(Others(dir, "big.dat").empty()) << "round " << round << ": " << Others(dir, "big.dat")[0].first;
    }
    EXPECT_GT(sawOld + sawNew, 0);
}

TEST(AtomicReplace, OnlyLeftoversOfThisFileAreRemoved)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", "#\r\na\r\n#\r\nb\r\n");
    for (const char* name : {".data.dat.123.tmp", ".data.dat.7.tmp"})
        dir.Write(name, "stale copy");
    for (const char* name : {".data.dat.x1.tmp", ".other.dat.123.tmp", "data.dat.123.tmp", ".data.dat..tmp", "tv.tmp"})
        dir.Write(name, "not ours");
    ASSERT_TRUE(DeleteRecordLines(file, 2));
    std::vector<std::string> left;
    for (const auto& [name, mode] : Others(dir, "data.dat"))
        left.push_back(name);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".data.dat..tmp", ".data.dat.x1.tmp", ".other.dat.123.tmp",
                                              "data.dat.123.tmp", "tv.tmp"}));
}

// A file removed by a share's rename before its new copy took its name is
// given that copy back, but only a copy whose name its bytes give.
TEST(AtomicReplace, AFileRenamedAwayGetsItsWholeCopyBack)
{
    const std::string bytes = "#\r\nnew\r\n";
    struct Case {
        const char* what;
        bool fileThere;
        std::string copyBytes;
        std::string after;  // the file afterwards; "-" when missing
    };
    const Case cases[] = {
        {"whole copy", false, bytes, bytes},
        {"torn copy", false, bytes.substr(0, 5), "-"},
        {"file there", true, bytes, "old"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.fileThere)
            dir.Write("data.dat", "old");
        dir.Write(CompleteCopyName("data.dat", bytes), c.copyBytes);
        PutBackRenamedAway(dir.Path().string(), "data.dat");
        EXPECT_EQ(std::filesystem::exists(dir.File("data.dat")) ? Slurp(dir.File("data.dat")) : "-", c.after) << c.what;
    }
}

TEST(AtomicReplace, KeepsTheModeOwnerAndGroup)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", "old");
    ::chmod(file.c_str(), 0604);
    const bool superuser = ::geteuid() == 0;
    if (superuser) {
        ASSERT_EQ(::chown(file.c_str(), 1234, 5678), 0);
    }
    struct stat before {};
    ::stat(file.c_str(), &before);
    ASSERT_TRUE(ReplaceFileContents(file, "new"));
    struct stat after {};
    ::stat(file.c_str(), &after);
    EXPECT_NE(after.st_ino, before.st_ino) << "a new file was renamed in";
    EXPECT_EQ(after.st_mode & 07777, 0604u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(Slurp(file), "new");
}

TEST(AtomicReplace, AReadOnlyFileOrFolderIsLeftAsItWas)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir dir;
    const std::string file = dir.Write("data.dat", "old");
    ::chmod(file.c_str(), 0444);
    EXPECT_FALSE(ReplaceFileContents(file, "new"));
    ::chmod(file.c_str(), 0644);
    ::chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(ReplaceFileContents(file, "new"));
    EXPECT_FALSE(DeleteRecordLines(file, 0));
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(Slurp(file), "old");
    EXPECT_EQ(dir.FileCount(), 1);
}
