#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "example_record.h"
#include "store/edited_file.h"
#include "store/file_lock.h"
#include "store/record_delete.h"
#include "store/record_writer.h"

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kShortWait{150};

bool AppendExample(const std::string& file, milliseconds wait)
{
    return AppendRecord(file, ExampleState(), {"0.3", "0.75"}, "05.03.2007", "14:27", wait);
}

}  // namespace

TEST(DataFileLock, EveryCommandOnAHeldFileFailsAfterTheWaitAndChangesNothing)
{
    TempDir dir;
    const std::string old = ExampleRecordBytes() + ExampleRecordBytes();
    const std::string file = dir.Write("data.dat", old);
    const DataFileLock held(file);
    EXPECT_TRUE(std::filesystem::exists(file + ".lock"));

    const auto started = std::chrono::steady_clock::now();
    EXPECT_THROW(AppendExample(file, kShortWait), DataFileBusy);
    EXPECT_GE(std::chrono::steady_clock::now() - started, kShortWait);
    EXPECT_THROW(DeleteRecordLines(file, 1, kShortWait), DataFileBusy);
    EXPECT_THROW(SaveEditedFile(file, old, "new", kShortWait), DataFileBusy);
    EXPECT_EQ(Slurp(file), old);
    try {
        DeleteRecordLines(file, 1, kShortWait);
    } catch (const DataFileBusy& busy) {
        EXPECT_NE(std::string(busy.what()).find(file + " занят другой программой"), std::string::npos) << busy.what();
    }
}

TEST(DataFileLock, ACommandWaitsForTheHolderAndTheLockFileGoesWithTheLastHold)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", ExampleRecordBytes());
    auto held = std::make_unique<DataFileLock>(file);
    std::thread release([&] {
        std::this_thread::sleep_for(milliseconds(100));
        held.reset();
    });
    EXPECT_TRUE(DeleteRecordLines(file, 1, milliseconds(5000)));
    release.join();
    EXPECT_EQ(Slurp(file), "\r\n");
    EXPECT_EQ(dir.FileCount(), 1);
}

// Another member of the data file's group must be able to open the lock file,
// or it would lock something else and both would write at once.
TEST(DataFileLock, TheLockFileTakesTheDataFilesGroupAndMode)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", ExampleRecordBytes());
    ::chmod(file.c_str(), 0660);
    const bool superuser = ::geteuid() == 0;
    if (superuser) {
        ASSERT_EQ(::chown(file.c_str(), 1234, 5678), 0);
    }
    struct stat data {};
    ASSERT_EQ(::stat(file.c_str(), &data), 0);
    const DataFileLock held(file);
    struct stat lock {};
    ASSERT_EQ(::stat((file + ".lock").c_str(), &lock), 0);
    EXPECT_EQ(lock.st_gid, data.st_gid);
    EXPECT_EQ(lock.st_mode & 07777, 0660u);
    if (superuser) {
        EXPECT_EQ(lock.st_uid, 1234u);
    }
}

TEST(DataFileLock, OneLockForALinkAndItsTarget)
{
    // An existing target, and a relative chain of two links to a file not
    // made yet (the append creates it): the lock file is beside the target.
    for (const bool dangling : {false, true}) {
        TempDir dir;
        std::filesystem::create_directory(dir.File("real"));
        const std::string target = dir.File("real/target.dat");
        if (!dangling)
            dir.Write("real/target.dat", "#\r\n");
        std::filesystem::create_symlink("real/target.dat", dir.File("hop.dat"));
        std::filesystem::create_symlink("hop.dat", dir.File("link.dat"));
        SCOPED_TRACE(dangling ? "dangling" : "existing");
        EXPECT_EQ(DataFileLock::LockFileName(dir.File("link.dat")), target + ".lock");
        const DataFileLock held(dir.File("link.dat"));
        EXPECT_THROW(DataFileLock(target, kShortWait), DataFileBusy);
    }
}

TEST(DataFileLock, WithoutRoomForALockFileTheDataFileItselfIsLocked)
{
    TempDir dir;
    const std::string file = dir.Write(std::string(252, 'l'), "#\r\n");
    {
        const DataFileLock held(file);
        EXPECT_THROW(DataFileLock(file, kShortWait), DataFileBusy);
        EXPECT_THROW(AppendExample(file, kShortWait), DataFileBusy);
    }
    EXPECT_TRUE(AppendExample(file, kShortWait));
    EXPECT_EQ(Slurp(file), "#\r\n" + ExampleRecordBytes());
    EXPECT_EQ(dir.FileCount(), 1);
}

TEST(EditedFile, ASaveOverAChangedFileReportsTheChangeAndWritesOnlyWhenTold)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", "opened");
    dir.Write("data.dat", "opened+appended");
    EditedFileSave save = SaveEditedFile(file, std::string("opened"), "edited");
    EXPECT_EQ(save.status, EditedFileSave::Status::Changed);
    EXPECT_EQ(save.current, "opened+appended");
    EXPECT_EQ(Slurp(file), "opened+appended");

    EXPECT_EQ(SaveEditedFile(file, save.current, "edited").status, EditedFileSave::Status::Saved);
    EXPECT_EQ(Slurp(file), "edited");

    std::filesystem::remove(file);
    save = SaveEditedFile(file, std::string("edited"), "again");
    EXPECT_EQ(save.status, EditedFileSave::Status::Changed);
    EXPECT_FALSE(save.current);
    EXPECT_EQ(SaveEditedFile(file, std::nullopt, "again").status, EditedFileSave::Status::Saved);
    EXPECT_EQ(Slurp(file), "again");
    EXPECT_EQ(SaveEditedFile(dir.File("no/folder.dat"), std::nullopt, "x").status, EditedFileSave::Status::Failed);
}

TEST(DataFileLock, InAReadOnlyFolderTheAppendLocksTheFileItselfAndAReadOnlyFileTakesNone)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir dir;
    const std::string file = dir.Write("data.dat", "#\r\n");
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    {
        const DataFileLock held(file);
        EXPECT_THROW(AppendExample(file, kShortWait), DataFileBusy);
    }
    EXPECT_TRUE(AppendExample(file, kShortWait));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_FALSE(AppendExample(file, kShortWait));
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(Slurp(file), "#\r\n" + ExampleRecordBytes());
    EXPECT_EQ(dir.FileCount(), 1);
}
