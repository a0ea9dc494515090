// The data file commands on a real share, as two or three workstations use
// it: each argument names the data file through one mount of the share.
//   share_check together A B C     two append 200 records each, a third deletes 100
//   share_check history-together A B
//                                  two append and delete with the history on: one whole chain
//   share_check same-bytes S L     the same commands on the share and on a local disk
//   share_check interrupted S KILL REMOUNT ROUNDS
//                                  the server is ended (shell command KILL) at a
//                                  random moment of each command, the share mounted
//                                  again (REMOUNT); the next command finds old or new
// Prints one line per check, "PASS ..." or "FAIL ...", and exits 1 on a failure.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "../store/child_process.h"
#include "../store/example_record.h"
#include "history/history_commands.h"
#include "history/history_event.h"
#include "history/history_file.h"
#include "history/history_writer.h"
#include "store/durable_append.h"
#include "store/edited_file.h"
#include "store/file_lock.h"
#include "store/record_delete.h"
#include "store/record_writer.h"
#include "store/whole_file.h"

namespace {

using std::chrono::milliseconds;

int failures = 0;

void Check(bool ok, const std::string& what)
{
    std::cout << (ok ? "PASS " : "FAIL ") << what << std::endl;
    failures += ok ? 0 : 1;
}

std::string Record(const std::string& tag)
{
    return RecordText(ExampleState(), {tag}, "05.03.2007", "14:27");
}

std::string Records(const std::string& prefix, int from, int to)
{
    std::string bytes;
    for (int i = from; i < to; ++i)
        bytes += Record(prefix + std::to_string(i));
    return bytes;
}

// Runs a command again while another workstation holds the file.
template <typename Command>
bool Patiently(Command command)
{
    for (int attempt = 0;; ++attempt) {
        try {
            return command();
        } catch (const DataFileBusy&) {
            if (attempt == 20)
                throw;
        }
    }
}

bool Append(const std::string& file, const std::string& tag)
{
    return Patiently([&] { return AppendRecord(file, ExampleState(), {tag}, "05.03.2007", "14:27"); });
}

void Put(const std::string& file, const std::string& bytes)
{
    std::filesystem::remove(file);
    std::ofstream(file, std::ios::binary) << bytes;
}

void Together(const std::string& a, const std::string& b, const std::string& c)
{
    constexpr int kAppends = 200, kDeletes = 100;
    Put(a, "");
    for (int i = 0; i < kDeletes; ++i)
        Append(a, "seed-" + std::to_string(i));
    std::vector<pid_t> children;
    for (const std::string& file : {a, b})
        children.push_back(StartChild([&, file] {
            for (int i = 0; i < kAppends; ++i)
                try {
                    if (!Append(file, (file == a ? "a-" : "b-") + std::to_string(i))) {
                        std::cout << "  append " << i << " through " << file << " failed" << std::endl;
                        return 1;
                    }
                } catch (const std::exception& error) {
                    std::cout << "  append " << i << " through " << file << ": " << error.what() << std::endl;
                    return 1;
                }
            return 0;
        }));
    children.push_back(StartChild([&] {
        for (int i = 0; i < kDeletes; ++i)
            if (!Patiently([&] { return DeleteRecordLines(c, 1); })) {
                std::cout << "  delete " << i << " through " << c << " failed" << std::endl;
                return 1;
            }
        return 0;
    }));
    bool allDone = true;
    for (const pid_t child : children)
        allDone = WaitChild(child) == 0 && allDone;
    Check(allDone, "every command of the three workstations succeeded");
    // The file holds each record of a and b once, whole, each in its order.
    const std::string bytes = ReadWholeFile(a).value_or("");
    std::size_t at = 0, nextA = 0, nextB = 0;
    bool whole = true;
    while (at < bytes.size() && whole) {
        const std::string ra = Record("a-" + std::to_string(nextA)), rb = Record("b-" + std::to_string(nextB));
        if (nextA < kAppends && bytes.compare(at, ra.size(), ra) == 0)
            at += ra.size(), ++nextA;
        else if (nextB < kAppends && bytes.compare(at, rb.size(), rb) == 0)
            at += rb.size(), ++nextB;
        else
            whole = false;
    }
    Check(whole && nextA == kAppends && nextB == kAppends,
          "400 records from two workstations, none lost, doubled or torn, all 100 deleted ones gone (" +
              std::to_string(nextA) + " + " + std::to_string(nextB) + " found)");
}

// Two workstations append and delete with the history on, each through its
// mount, at once: the history is one whole chain that names each record
// appended and each deleted once.
void HistoryTogether(const std::string& a, const std::string& b)
{
    constexpr int kRounds = 40;
    Put(a, Records("seed-", 0, kRounds));
    std::filesystem::remove(HistoryFileName(a));
    std::vector<pid_t> children;
    for (const std::string& file : {a, b})
        children.push_back(StartChild([&, file] {
            HistoryWriter writer(QStringLiteral("share_check"));
            const std::string tag = file == a ? "a-" : "b-";
            for (int i = 0; i < kRounds; ++i)
                try {
                    if (!Patiently([&] {
                            return AppendRecord(file, ExampleState(), {tag + std::to_string(i)}, "05.03.2007", "14:27",
                                                kDataFileLockWait, &writer);
                        }) ||
                        !Patiently([&] { return DeleteRecordLines(file, 1, kDataFileLockWait, &writer); })) {
                        std::cout << "  round " << i << " through " << file << " failed" << std::endl;
                        return 1;
                    }
                } catch (const std::exception& error) {
                    std::cout << "  round " << i << " through " << file << ": " << error.what() << std::endl;
                    return 1;
                }
            return 0;
        }));
    bool allDone = true;
    for (const pid_t child : children)
        allDone = WaitChild(child) == 0 && allDone;
    Check(allDone, "every append and delete of the two workstations with the history on succeeded");
    std::map<std::string, int> named[2];  // the record texts of the appends, of the deletes
    bool inOrder = true;
    const std::vector<std::string> lines = ReadHistoryLines(HistoryFileName(a)).value_or(std::vector<std::string>());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QJsonObject event = ParseEvent(lines[i]);
        inOrder = inOrder && event.value(history_field::Seq).toInteger() == static_cast<qint64>(i + 1);
        ++named[event.value(history_field::Operation) == history_operation::Append ? 0 : 1]
               [TextFileBytes(event.value(history_field::Text).toString())];
    }
    bool once = true;
    for (const auto& texts : named)
        once = once && texts.size() == 2 * kRounds &&
               std::all_of(texts.begin(), texts.end(), [](const auto& text) { return text.second == 1; });
    Check(inOrder && once && lines.size() == 4 * kRounds,
          "one history of " + std::to_string(lines.size()) + " events, seq 1, 2, ..., each record appended and "
          "each deleted named once");
    const CommandOutcome verified = VerifyHistory(a);
    Check(verified.status == 0, "verify finds the chain whole and the file as its last event left it " + verified.error);
}

// The commands of the window, each on the file given.
std::string Commands(const std::string& file)
{
    Put(file, Record("first") + Record("second") + "\r\n\x1a old end");
    ::chmod(file.c_str(), 0640);
    AppendRecord(file, ExampleState(), {"third"}, "05.03.2007", "14:27");
    AppendRecord(file, ExampleState(), {"fourth"}, "05.03.2007", "14:27");
    DeleteRecordLines(file, 2);
    const std::string seen = ReadWholeFile(file).value_or("");
    SaveEditedFile(file, seen, seen + "\r\n#\r\nДата: typed");
    const std::string other = file + ".other.dat";
    Put(other, Record("there"));
    AppendRecord(other, ExampleState(), {"chosen"}, "05.03.2007", "14:27");
    return ReadWholeFile(file).value_or("(none)") + "|" + ReadWholeFile(other).value_or("(none)");
}

unsigned Mode(const std::string& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void SameBytes(const std::string& share, const std::string& local)
{
    const std::string onShare = Commands(share), onDisk = Commands(local);
    Check(onShare == onDisk, "append, delete, editor save and save into another file give the local disk's bytes");
    const unsigned mode = Mode(share);
    std::cout << "  mode after the commands: " << std::oct << mode << std::dec << " (set 640 before)" << std::endl;
    Check(mode == 0640 || (mode & 077 & ~0640u) == 0 || std::getenv("SERVER_SETS_MODES"),
          "the data file is not opened to more users by the commands");
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(share).parent_path()))
        Check(entry.path().filename().string().find(".tmp") == std::string::npos &&
                  entry.path().filename().string().find(".lock") == std::string::npos,
              "nothing is left beside the file: " + entry.path().filename().string());
}

// The device of the file's folder: another one once the share is unmounted.
dev_t Device(const std::string& file)
{
    struct stat info {};
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    return ::stat(folder.empty() ? "." : folder.c_str(), &info) == 0 ? info.st_dev : 0;
}

// One kind of command, repeated by a worker until one does not succeed.
struct Kind {
    std::string name;
    std::string initial;
    std::function<bool(const std::string& file, int i)> command;
    std::function<std::string(int i)> after;  // the file after i commands
};

void Interrupted(const std::string& file, const std::string& kill, const std::string& remount, int rounds)
{
    const std::string initial = Records("s", 0, 30);
    const Kind kinds[] = {
        {"append", initial,
         [](const std::string& f, int i) { return AppendRecord(f, ExampleState(), {"n" + std::to_string(i)}, "05.03.2007", "14:27"); },
         [&](int i) { return initial + Records("n", 0, i); }},
        {"delete", initial, [](const std::string& f, int) { return DeleteRecordLines(f, 1); },
         // All 30 gone, the line in front of the first stays.
         [&](int i) { return i >= 30 ? std::string("\r\n") : Records("s", i, 30); }},
        {"editor save", initial,
         [&](const std::string& f, int i) {
             const std::string seen = i == 0 ? initial : initial + Records("e", 0, i);
             return SaveEditedFile(f, seen, initial + Records("e", 0, i + 1)).status == EditedFileSave::Status::Saved;
         },
         [&](int i) { return i == 0 ? initial : initial + Records("e", 0, i); }},
    };
    std::mt19937 random(std::random_device{}());
    const std::string log = "/tmp/share_check_outcomes." + std::to_string(::getpid());
    for (const Kind& kind : kinds) {
        int good = 0;
        for (int round = 0; round < rounds; ++round) {
            Put(file, kind.initial);
            std::remove(log.c_str());
            const pid_t worker = StartChild([&] {
                const dev_t mount = Device(file);
                for (int i = 0; i < 1000 && Device(file) == mount; ++i) {
                    std::string outcome;
                    try {
                        outcome = kind.command(file, i) ? "ok" : "no";
                    } catch (const WriteOutcomeUnknown&) {
                        outcome = "unknown";
                    } catch (const std::exception&) {
                        outcome = "no";
                    }
                    std::ofstream(log, std::ios::app) << outcome << "\n";
                    if (outcome != "ok")
                        return 0;
                }
                return 0;
            });
            std::this_thread::sleep_for(milliseconds(std::uniform_int_distribution<int>(20, 400)(random)));
            std::system(kill.c_str());
            WaitChild(worker);
            std::system(remount.c_str());
            { const DataFileLock next(file, milliseconds(30000)); }
            int ok = 0;
            std::string last;
            std::ifstream in(log);
            for (std::string line; std::getline(in, line); last = line)
                ok += line == "ok";
            // A GVfs mount may show the folder without the file for a moment
            // after the server came back.
            std::optional<std::string> read = ReadWholeFile(file);
            for (int attempt = 0; !read && attempt < 50; ++attempt) {
                std::this_thread::sleep_for(milliseconds(100));
                read = ReadWholeFile(file);
            }
            const std::string now = read.value_or("(none)");
            const bool matches = now == kind.after(ok) || (last != "no" && now == kind.after(ok + 1));
            good += matches;
            if (!matches)
                std::cout << "  " << kind.name << " round " << round << ": " << ok << " ok, then " << last
                          << ", file of " << now.size() << " bytes is neither old nor new (" << kind.after(ok).size()
                          << ", " << kind.after(ok + 1).size() << ")" << std::endl;
            if (!matches)
                for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(file).parent_path()))
                    std::cout << "    beside it: " << entry.path().filename().string() << std::endl;
        }
        Check(good == rounds, kind.name + ": old or new after the server ended " + std::to_string(rounds) +
                                  " times, and as the user was told");
    }
    std::remove(log.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "together")
        Together(args[1], args[2], args[3]);
    else if (args.size() == 3 && args[0] == "history-together")
        HistoryTogether(args[1], args[2]);
    else if (args.size() == 3 && args[0] == "same-bytes")
        SameBytes(args[1], args[2]);
    else if (args.size() == 5 && args[0] == "interrupted")
        Interrupted(args[1], args[2], args[3], std::stoi(args[4]));
    else {
        std::cerr << "usage: see the head of share_check.cpp\n";
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
