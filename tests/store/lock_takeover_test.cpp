// Lock files left by programs that are gone, and what their commands left.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <utime.h>

#include "child_process.h"
#include "temp_dir.h"
#include "store/durable_append.h"
#include "store/file_lock.h"
#include "store/lock_holder.h"

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kShortWait{150};

pid_t DeadPid()
{
    const pid_t pid = StartChild([] { return 0; });
    WaitChild(pid);
    return pid;
}

LockHolder Holder(const std::string& host, long long pid, long long age)
{
    LockHolder holder;
    holder.user = "ann";
    holder.host = host;
    holder.pid = pid;
    holder.token = "77";
    holder.since = static_cast<long long>(std::time(nullptr)) - age;
    return holder;
}

void Age(const std::string& file, long long seconds)
{
    const std::time_t then = std::time(nullptr) - seconds;
    const utimbuf times{then, then};
    ::utime(file.c_str(), &times);
}

bool Taken(const std::string& file)
{
    try {
        const DataFileLock lock(file, kShortWait);
        return true;
    } catch (const DataFileBusy&) {
        return false;
    }
}

}  // namespace

TEST(LockTakeover, ALockFileIsTakenOverOnlyWhenItsHolderIsGone)
{
    struct Case {
        const char* what;
        std::string text;
        long long fileAge;
        bool taken;
    };
    const std::string self = std::to_string(::getpid());
    const Case cases[] = {
        {"this host, process ended", HolderText(Holder(ThisHost(), DeadPid(), 0)), 0, true},
        {"this host, process runs", HolderText(Holder(ThisHost(), ::getppid(), 0)), 0, false},
        {"this process, no hold of it", HolderText(Holder(ThisHost(), ::getpid(), 0)), 0, true},
        {"another host, young", HolderText(Holder("lab-2", 4242, 60)), 0, false},
        {"another host, older than any command", HolderText(Holder("lab-2", 4242, 3600)), 0, true},
        {"no holder's text, just made", "tolvazen lock\nuser ann\n", 0, false},
        {"no holder's text, long ago", "", 3600, true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string file = dir.Write("data.dat", "#\r\n");
        dir.Write("data.dat.lock", c.text);
        Age(file + ".lock", c.fileAge);
        EXPECT_EQ(Taken(file), c.taken) << c.what;
        EXPECT_EQ(std::filesystem::exists(file + ".lock"), !c.taken) << c.what;
        EXPECT_EQ(Slurp(file), "#\r\n") << c.what;
    }
}

TEST(LockTakeover, TheBusyMessageNamesTheHolderAndSinceWhen)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", "#\r\n");
    const LockHolder holder = Holder("lab-2", 4242, 30);
    dir.Write("data.dat.lock", HolderText(holder));
    const std::time_t since = static_cast<std::time_t>(holder.since);
    char when[32];
    std::strftime(when, sizeof when, "%d.%m.%Y %H:%M:%S", std::localtime(&since));
    try {
        const DataFileLock lock(file, kShortWait);
        ADD_FAILURE() << "the lock was had";
    } catch (const DataFileBusy& busy) {
        EXPECT_EQ(std::string(busy.what()),
                  "Файл данных " + file +
                      " занят другой программой (пользователь ann, компьютер lab-2, процесс 4242, с " + when +
                      "). Команда не выполнена, файл не изменен; повторите ее позже");
    }
}

// The holder noted its append (on a share in a file of its own, on a local
// disk in its lock file) and ended before it settled: the next holder keeps
// an append that arrived whole and gives back one that did not.
TEST(LockTakeover, AnUnsettledAppendIsKeptWholeOrGivenBack)
{
    const std::string old = "#\r\nold\x1a tail";
    const std::string record = "\r\n#\r\nnew\r\n";
    const std::size_t at = old.find('\x1a');
    struct Case {
        const char* what;
        std::string found;
        std::string after;
    };
    const Case cases[] = {
        {"arrived whole", old.substr(0, at) + record, old.substr(0, at) + record},
        {"torn", old.substr(0, at) + record.substr(0, 4), old},
        {"cut but not written", old.substr(0, at), old},
        {"not begun", old, old},
        {"changed by hand since", "#\r\nnew\x1a tail", "#\r\nnew\x1a tail"},
    };
    const std::string note = InPlaceWriteText(
        {"data.dat", old.size(), at, old.substr(at), at + record.size(), BytesHash(record), 4, BytesHash(old.substr(at - 4, 4))});
    for (const Case& c : cases)
        for (const bool inLockFile : {false, true}) {
            TempDir dir;
            const std::string file = dir.Write("data.dat", c.found);
            const std::string holder = HolderText(Holder(ThisHost(), DeadPid(), 0));
            dir.Write("data.dat.lock", inLockFile ? holder + note : holder);
            if (!inLockFile)
                dir.Write("data.dat.undo", note);
            EXPECT_TRUE(Taken(file)) << c.what << inLockFile;
            EXPECT_EQ(Slurp(file), c.after) << c.what << inLockFile;
            EXPECT_EQ(dir.FileCount(), 1) << c.what << inLockFile;
        }
}

// A write that cannot be given back (here: no room for the old content's
// copy), whether found when the hold begins or left by this hold, stays
// noted for the next holder, and the lock is free at once.
TEST(LockTakeover, AWriteThatCannotBeGivenBackWaitsForTheNextHolder)
{
    const std::string old = "#\r\n" + std::string(4000, 'x') + "\x1a tail";
    const std::string record = "\r\n#\r\nnew\r\n";
    const std::size_t at = old.find('\x1a');
    const std::string torn = old.substr(0, at) + record.substr(0, 4);
    const InPlaceWrite write{"data.dat", old.size(), at, old.substr(at), at + record.size(), BytesHash(record), 4,
                             BytesHash(old.substr(at - 4, 4))};
    for (const bool foundAtStart : {true, false}) {
        TempDir dir;
        const std::string file = dir.Write("data.dat", torn);
        if (foundAtStart)
            dir.Write("data.dat.lock", HolderText(Holder(ThisHost(), DeadPid(), 0)) + InPlaceWriteText(write));
        const int code = RunChild([&] {
            LimitFileSize(1000);
            try {
                DataFileLock lock(file);
                if (!foundAtStart && !lock.NoteInPlaceWrite(file, write.size, at, write.oldTail, record, old.substr(0, at)))
                    return 2;
            } catch (const WriteOutcomeUnknown&) {
                if (!foundAtStart)
                    return 3;
            }
            return std::filesystem::exists(file + ".lock") || !std::filesystem::exists(file + ".undo") ? 1 : 0;
        });
        EXPECT_EQ(code, 0) << foundAtStart;
        EXPECT_EQ(Slurp(file), torn) << foundAtStart;
        EXPECT_TRUE(Taken(file)) << foundAtStart;
        EXPECT_EQ(Slurp(file), old) << foundAtStart;
        EXPECT_EQ(dir.FileCount(), 1) << foundAtStart;
    }
}

// Programs that find one lock file left by a process that ended take it over
// one at a time.
TEST(LockTakeover, NoTwoProgramsTakeOverAtOnce)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", "#\r\n");
    const std::string trace = dir.File("trace");
    for (int round = 0; round < 5; ++round) {
        dir.Write("data.dat.lock", HolderText(Holder(ThisHost(), DeadPid(), 0)));
        std::vector<pid_t> children;
        for (int program = 0; program < 4; ++program)
            children.push_back(StartChild([&] {
                const DataFileLock lock(file, milliseconds(10000));
                std::ofstream(trace, std::ios::app) << "(";
                std::this_thread::sleep_for(milliseconds(20));
                std::ofstream(trace, std::ios::app) << ")";
                return 0;
            }));
        for (const pid_t child : children)
            EXPECT_EQ(WaitChild(child), 0);
    }
    std::string expected;
    for (int i = 0; i < 20; ++i)
        expected += "()";
    EXPECT_EQ(Slurp(trace), expected);
}

TEST(LockTakeover, TheNextHoldClearsWhatInterruptedCommandsLeft)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", "#\r\n");
    for (const char* name : {".data.dat.123.tmp", ".fuse_hidden0000000a00000001", ".fuse_hidden0000000b00000002",
                             ".other.dat.5.tmp"})
        dir.Write(name, "copy");
    Age(dir.File(".fuse_hidden0000000a00000001"), 3600);
    dir.Write("data.dat.lock", HolderText(Holder(ThisHost(), DeadPid(), 0)));
    { const DataFileLock lock(file); }
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".fuse_hidden0000000b00000002", ".other.dat.5.tmp", "data.dat"}));
}
