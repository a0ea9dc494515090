#include <gtest/gtest.h>

#include <QJsonArray>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

#include "child_process.h"
#include "history/history_commands.h"
#include "history_fixture.h"
#include "store/edited_file.h"
#include "store/record_delete.h"
#include "store/whole_file.h"

namespace {

std::string Field(const QJsonObject& event, const QString& name)
{
    return event.value(name).toString().toStdString();
}

TEST(HistoryWriter, AppendDeleteAndEditorSaveChainTheirEventsAndHashTheFile)
{
    HistoryFolder folder;
    HistoryWriter writer(QStringLiteral("test"));
    std::vector<std::string> states{Slurp(folder.data)};
    writer.SetAppendDetails(QStringLiteral("Y=0.05*X+0.01"), {{3, 10, 0.9}, {5, 30, 1.5}});
    ASSERT_TRUE(folder.Append(writer));
    states.push_back(Slurp(folder.data));
    const std::string second = states.back().substr(RecordLines(states.back(), 2).begin,
                                                    RecordLines(states.back(), 2).end - RecordLines(states.back(), 2).begin);
    ASSERT_TRUE(DeleteRecordLines(folder.data, 2, kDataFileLockWait, &writer));
    states.push_back(Slurp(folder.data));
    std::string edited = states.back();
    edited.replace(edited.find("0.75"), 4, "0.76");
    ASSERT_EQ(SaveEditedFile(folder.data, states.back(), edited, kDataFileLockWait, &writer).status,
              EditedFileSave::Status::Saved);
    states.push_back(edited);

    const auto lines = ReadHistoryLines(folder.history).value();
    const std::vector<QJsonObject> events = folder.Events();
    ASSERT_EQ(events.size(), 3u);
    const char* operations[] = {"append", "delete", "editor-save"};
    for (std::size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(operations[i]);
        EXPECT_EQ(Field(events[i], history_field::Operation), operations[i]);
        EXPECT_EQ(events[i].value(history_field::Seq).toInteger(), static_cast<qint64>(i + 1));
        EXPECT_EQ(Field(events[i], history_field::PrevSha), i == 0 ? "" : Sha256Hex(lines[i - 1]));
        EXPECT_EQ(Field(events[i], history_field::ShaBefore), Sha256Hex(states[i]));
        EXPECT_EQ(Field(events[i], history_field::ShaAfter), Sha256Hex(states[i + 1]));
        EXPECT_FALSE(Field(events[i], history_field::User).empty());
        EXPECT_EQ(events[i].value(history_field::Program).toObject().value(QStringLiteral("name")), QStringLiteral("test"));
        EXPECT_TRUE(events[i].value(history_field::Time).toString().contains(QRegularExpression("T\\d\\d:\\d\\d:\\d\\d.*([+-]\\d\\d:\\d\\d|Z)$")));
    }
    EXPECT_EQ(events[0].value(history_field::Record).toInteger(), 4);
    EXPECT_EQ(TextFileBytes(events[0].value(history_field::Text).toString()), ExampleRecordBytes());
    EXPECT_EQ(events[0].value(history_field::Equation), QStringLiteral("Y=0.05*X+0.01"));
    EXPECT_EQ(events[0].value(history_field::ExcludedPoints).toArray().size(), 2);
    EXPECT_EQ(events[0].value(history_field::ExcludedPoints).toArray()[1].toObject().value(QStringLiteral("x")).toDouble(), 30);
    EXPECT_EQ(events[1].value(history_field::Record).toInteger(), 2);
    EXPECT_EQ(TextFileBytes(events[1].value(history_field::Text).toString()), second);
    EXPECT_LT(lines[2].size(), 600u) << "a one-line change keeps a line, not the file";
    EXPECT_EQ(VerifyHistory(folder.data).status, 0);
}

// The hash the writer keeps from one event to the next, across the marks it
// keeps every MiB, and made afresh after a change outside the program.
TEST(HistoryWriter, EachEventHashesTheFileAsItWasAndBecame)
{
    HistoryFolder folder(9000);
    HistoryWriter writer(QStringLiteral("test"));
    std::vector<std::pair<std::string, std::string>> states;
    const auto step = [&](const std::function<bool()>& change) {
        const std::string before = Slurp(folder.data);
        EXPECT_TRUE(change());
        states.emplace_back(before, Slurp(folder.data));
    };
    const auto append = [&] { return folder.Append(writer); };
    const auto editMiddle = [&] {
        std::string edited = Slurp(folder.data);
        edited.replace(edited.find("0.75", edited.size() / 2), 4, "0.76");
        return SaveEditedFile(folder.data, Slurp(folder.data), edited, kDataFileLockWait, &writer).status ==
               EditedFileSave::Status::Saved;
    };
    step(append);
    step([&] { return DeleteRecordLines(folder.data, 4500, kDataFileLockWait, &writer); });
    step(editMiddle);
    step(append);
    std::ofstream(folder.data, std::ios::app) << "changed outside\r\n";
    step([&] { return DeleteRecordLines(folder.data, 1, kDataFileLockWait, &writer); });
    step(append);
    const std::vector<QJsonObject> events = folder.Events();
    ASSERT_EQ(events.size(), states.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Field(events[i], history_field::ShaBefore), Sha256Hex(states[i].first));
        EXPECT_EQ(Field(events[i], history_field::ShaAfter), Sha256Hex(states[i].second));
    }
    EXPECT_EQ(events[3].value(history_field::Record).toInteger(), RecordCount(states[3].second));
    EXPECT_EQ(events.back().value(history_field::Record).toInteger(), RecordCount(states.back().second));
}

TEST(HistoryWriter, ADamagedHistoryIsNamedByVerifyAndTheNextEventStartsASegment)
{
    struct Case {
        const char* name;
        void (*damage)(const std::string& history);
        const char* verifySays;
        bool breakNamed;
    };
    const Case cases[] = {
        {"garbage", [](const std::string& h) { std::ofstream(h, std::ios::app) << "garbage\n"; }, "line 3", true},
        {"truncated", [](const std::string& h) { ::truncate(h.c_str(), static_cast<off_t>(Slurp(h).size() - 10)); }, "line 2", true},
        {"edited", [](const std::string& h) {
             std::string bytes = Slurp(h);
             bytes.replace(bytes.find("\"seq\":1"), 7, "\"seq\":7");
             std::ofstream(h, std::ios::binary) << bytes;
         }, "line 1", false},
        {"missing", [](const std::string& h) { std::filesystem::remove(h); }, "missing", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryFolder folder;
        HistoryWriter writer(QStringLiteral("test"));
        ASSERT_TRUE(folder.Append(writer));
        ASSERT_TRUE(folder.Append(writer));
        c.damage(folder.history);
        const CommandOutcome verified = VerifyHistory(folder.data);
        EXPECT_EQ(verified.status, 1);
        EXPECT_NE(verified.error.find(c.verifySays), std::string::npos) << verified.error;
        ASSERT_NO_THROW(DeleteRecordLines(folder.data, 1, kDataFileLockWait, &writer));
        const QJsonObject last = folder.Events().back();
        EXPECT_EQ(last.value(history_field::Operation), QStringLiteral("delete"));
        EXPECT_EQ(last.contains(history_field::Break), c.breakNamed);
        EXPECT_EQ(last.value(history_field::Seq).toInteger(), static_cast<qint64>(folder.Events().size()));
    }
}

// Delete, editor save and append with a history that cannot be written: 1,
// 2 and 4 for each that ended with HistoryNotWritten; 20 when the data file
// changed before the append.
int RefusedCommands(const HistoryFolder& folder)
{
    const std::string before = Slurp(folder.data);
    HistoryWriter writer(QStringLiteral("test"));
    const std::function<void()> commands[] = {
        [&] { DeleteRecordLines(folder.data, 1, kDataFileLockWait, &writer); },
        [&] { SaveEditedFile(folder.data, before, "", kDataFileLockWait, &writer); },
        [&] {
            if (Slurp(folder.data) != before)
                throw std::runtime_error("changed");
            folder.Append(writer);
        },
    };
    int refused = 0;
    for (int k = 0; k < 3; ++k) {
        try {
            commands[k]();
        } catch (const HistoryNotWritten&) {
            refused += 1 << k;
        } catch (const std::runtime_error&) {
            return 20;
        }
    }
    return refused;
}

// A history nobody but its owner may write, and a process of another user.
TEST(HistoryWriter, AHistoryThatCannotBeWrittenRefusesDeleteAndEditorSaveAndAppendKeepsTheRecord)
{
    HistoryFolder folder;
    HistoryWriter writer(QStringLiteral("test"));
    ASSERT_TRUE(folder.Append(writer));
    ::chmod(folder.dir.Path().c_str(), 0777);
    ::chmod(folder.data.c_str(), 0666);
    ::chmod(folder.history.c_str(), 0444);
    const std::string before = Slurp(folder.data);
    const std::string history = Slurp(folder.history);
    const int code = RunChild([&] {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            return 10;
        return RefusedCommands(folder);
    });
    EXPECT_EQ(code, 7);
    EXPECT_EQ(Slurp(folder.data), before + ExampleRecordBytes()) << "the append keeps its record";
    EXPECT_EQ(Slurp(folder.history), history);
}

// A full disk: the history cannot grow, the data file can.
TEST(HistoryWriter, AFullDiskForTheHistoryRefusesDeleteAndEditorSaveAndKeepsTheAppendedRecord)
{
    HistoryFolder folder(1);
    HistoryWriter writer(QStringLiteral("test"));
    for (int k = 0; k < 4; ++k)
        ASSERT_TRUE(folder.Append(writer));
    std::ofstream(folder.data, std::ios::binary) << ExampleRecordBytes();
    const auto historySize = static_cast<rlim_t>(Slurp(folder.history).size());
    const std::string before = Slurp(folder.data);
    const int code = RunChild([&] {
        LimitFileSize(historySize);
        return RefusedCommands(folder);
    });
    EXPECT_EQ(code, 7);
    EXPECT_EQ(Slurp(folder.data), before + ExampleRecordBytes());
    EXPECT_EQ(static_cast<rlim_t>(Slurp(folder.history).size()), historySize) << "no half event";
}

// A system call that changes files: the states of the files between two of
// them are all the states a killed process can leave.
bool ChangesFiles(const __ptrace_syscall_info& call)
{
    switch (call.entry.nr) {
    case SYS_write: case SYS_pwrite64: case SYS_writev: case SYS_fsync: case SYS_fdatasync: case SYS_rename:
    case SYS_renameat: case SYS_renameat2: case SYS_link: case SYS_linkat: case SYS_unlink: case SYS_unlinkat:
    case SYS_ftruncate: case SYS_fchmod: case SYS_fchown: case SYS_mkdir:
        return true;
    case SYS_openat:
        return (call.entry.args[2] & (O_CREAT | O_TRUNC | O_TMPFILE)) != 0;
    default:
        return false;
    }
}

// Runs `body` in a child that this process traces and kills as it enters
// its `step`th system call that changes files (ChangesFiles), in any of its
// threads. True when the body ended before that.
bool RunKilledAtStep(const std::function<void()>& body, int step)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_TRACECLONE | PTRACE_O_EXITKILL);
    ::ptrace(PTRACE_SYSCALL, child, nullptr, nullptr);
    int stops = 0;
    for (;;) {
        const pid_t thread = ::waitpid(-1, &status, __WALL);
        if (thread < 0 || (thread == child && (WIFEXITED(status) || WIFSIGNALED(status))))
            return thread == child && WIFEXITED(status);
        if (!WIFSTOPPED(status))
            continue;
        const int signal = WSTOPSIG(status);
        __ptrace_syscall_info call{};
        if (signal == (SIGTRAP | 0x80) &&
            ::ptrace(PTRACE_GET_SYSCALL_INFO, thread, sizeof call, &call) > 0 &&
            call.op == PTRACE_SYSCALL_INFO_ENTRY && ChangesFiles(call) && ++stops == step)
            ::kill(child, SIGKILL);
        // Stops at system calls, at a new thread and at its start are not
        // signals to hand on.
        const bool handOn = signal != (SIGTRAP | 0x80) && signal != SIGTRAP && signal != SIGSTOP;
        ::ptrace(PTRACE_SYSCALL, thread, nullptr, handOn ? signal : 0);
    }
}

TEST(HistoryWriter, AProcessKilledAtAnyStepOfADeleteOrAnEditorSaveNeverLosesTheRecordFromBoth)
{
    if (RunChild([] { return ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) == 0 ? 0 : 1; }) != 0)
        GTEST_SKIP() << "processes cannot be traced here";
    std::string marked = ExampleRecordBytes();
    marked.replace(marked.find("14:27"), 5, "15:00");
    const std::string text = ExampleRecordBytes() + marked + ExampleRecordBytes();
    const ByteRange second = RecordLines(text, 2);
    std::string without = text;
    without.erase(second.begin, second.end - second.begin);
    for (const bool editor : {false, true}) {
        bool ended = false;
        for (int step = 1; !ended && step < 500; ++step) {
            SCOPED_TRACE(std::to_string(step) + (editor ? " editor" : " delete"));
            HistoryFolder folder;
            std::ofstream(folder.data, std::ios::binary) << text;
            ended = RunKilledAtStep(
                [&] {
                    HistoryWriter writer(QStringLiteral("test"));
                    if (editor)
                        SaveEditedFile(folder.data, text, without, kDataFileLockWait, &writer);
                    else
                        DeleteRecordLines(folder.data, 2, kDataFileLockWait, &writer);
                },
                step);
            const std::string data = Slurp(folder.data);
            EXPECT_TRUE(data == text || data == without) << "the old file or the new one";
            bool inHistory = false;
            for (const QJsonObject& event : folder.Events()) {
                const std::string kept = editor ? DiffFromJson(event.value(history_field::Diff).toObject()).oldText
                                                : TextFileBytes(event.value(history_field::Text).toString());
                inHistory = inHistory || kept.find("15:00") != std::string::npos;
            }
            ASSERT_TRUE(data == text || inHistory) << "in the data file or in the history";
            if (ended) {
                EXPECT_EQ(data, without);
            }
        }
        EXPECT_TRUE(ended);
    }
}

TEST(HistoryWriter, TwoProgramsAppendingAndDeletingInOneFileMakeOneWholeChain)
{
    HistoryFolder folder(1);
    constexpr int kEach = 30;
    // Both start at once, so that their commands interleave.
    const auto start = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    std::vector<pid_t> children;
    for (int program = 0; program < 2; ++program)
        children.push_back(StartChild([&] {
            HistoryWriter writer(QStringLiteral("test"));
            std::this_thread::sleep_until(start);
            for (int k = 0; k < kEach; ++k)
                if (!folder.Append(writer) || (k % 2 == 1 && !DeleteRecordLines(folder.data, 1, kDataFileLockWait, &writer)))
                    return 1;
            return 0;
        }));
    for (const pid_t child : children)
        EXPECT_EQ(WaitChild(child), 0);
    const std::vector<QJsonObject> events = folder.Events();
    const auto deletes = std::count_if(events.begin(), events.end(), [](const QJsonObject& event) {
        return event.value(history_field::Operation) == QStringLiteral("delete");
    });
    EXPECT_EQ(events.size(), 2u * kEach + 2 * (kEach / 2));
    EXPECT_EQ(deletes, 2 * (kEach / 2));
    for (std::size_t i = 0; i < events.size(); ++i)
        EXPECT_EQ(events[i].value(history_field::Seq).toInteger(), static_cast<qint64>(i + 1));
    const CommandOutcome verified = VerifyHistory(folder.data);
    EXPECT_EQ(verified.status, 0) << verified.error;
    EXPECT_EQ(RecordCount(Slurp(folder.data)), 1 + 2 * kEach - 2 * (kEach / 2));
}

}  // namespace
