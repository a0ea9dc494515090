#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "bench/store/sample_file.h"
#include "history/history_file.h"
#include "history/history_writer.h"
#include "store/edited_file.h"
#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/whole_file.h"

namespace {

constexpr int kSmall = 100000;
constexpr int kLarge = 1000000;
constexpr char kListOnce[] = "--list-once";

void BM_ListRecords(benchmark::State& state)
{
    const SampleFile& file = Sample(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ListRecordEntries(file.Name()));
    state.counters["bytes"] = file.Bytes();
}
BENCHMARK(BM_ListRecords)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);

void BM_LoadLastRecord(benchmark::State& state)
{
    const SampleFile& file = Sample(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadRecord(file.Name(), file.Records()));
}
BENCHMARK(BM_LoadLastRecord)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);

// Argument 1 writes the history beside the file (a fresh one for each run);
// 0 does not, so the two figures of one run stand side by side.
class BenchHistory {
public:
    BenchHistory(const std::string& dataFile, bool on) : history_(HistoryFileName(dataFile)), on_(on)
    {
        std::filesystem::remove(history_);
    }
    ~BenchHistory() { std::filesystem::remove(history_); }
    ChangeJournal* Journal() { return on_ ? &writer_ : nullptr; }

private:
    std::string history_;
    bool on_;
    HistoryWriter writer_{QStringLiteral("bench")};
};

void BM_AppendRecord(benchmark::State& state)
{
    const auto copy = Sample(kSmall).Copy(".append");
    BenchHistory history(*copy, state.range(0) != 0);
    const CalibrationState s = SampleState(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            AppendRecord(*copy, s, kReadings, "05.03.2007", "14:27", kDataFileLockWait, history.Journal()));
}
BENCHMARK(BM_AppendRecord)->ArgName("history")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DeleteMiddleRecord(benchmark::State& state)
{
    const SampleFile& file = Sample(static_cast<int>(state.range(0)));
    const auto copy = file.Copy(".delete");
    BenchHistory history(*copy, state.range(1) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(DeleteRecordLines(*copy, file.Records() / 2, kDataFileLockWait, history.Journal()));
}
BENCHMARK(BM_DeleteMiddleRecord)
    ->ArgNames({"records", "history"})
    ->Args({kSmall, 0})
    ->Args({kSmall, 1})
    ->Args({kLarge, 0})
    ->Unit(benchmark::kMillisecond);

// The editor's save of the 100,000-record file with one line changed, back
// and forth.
void BM_EditorSaveOneLine(benchmark::State& state)
{
    const auto copy = Sample(kSmall).Copy(".edit");
    BenchHistory history(*copy, state.range(0) != 0);
    std::string texts[2] = {*ReadWholeFile(*copy), {}};
    texts[1] = texts[0];
    texts[1].replace(texts[1].size() / 2, 1, "#");
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveEditedFile(*copy, texts[k], texts[1 - k], kDataFileLockWait, history.Journal()));
        k = 1 - k;
    }
}
BENCHMARK(BM_EditorSaveOneLine)->ArgName("history")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

struct ChildRun {
    double seconds = 0;
    double cpuSeconds = 0;
};

// The peak resident memory of this process's own image ("VmHWM"); the
// rusage figure would include the parent's memory from before the exec.
std::string PeakKilobytesOfThisProcess()
{
    const std::string status = ReadWholeFile("/proc/self/status").value_or(std::string());
    const std::size_t at = status.find("VmHWM:");
    return at == std::string::npos ? "0" : std::to_string(std::stol(status.substr(at + 6)));
}

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// Runs a program to its end with its output thrown away: wall time from the
// fork to the exit and the child's processor time (user and system, which
// other processes on a busy machine disturb less).
ChildRun Run(const std::vector<std::string>& command)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::vector<char*> argv;
        for (const std::string& word : command)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

// The first list of a fresh process (this program run with --list-once)
// beside `wc -l` on the same file; the time reported is the list's, the
// counters give the ratios (wall and processor time) and the list's peak of
// resident memory.
void BM_FirstListInFreshProcess(benchmark::State& state)
{
    const SampleFile& file = Sample(static_cast<int>(state.range(0)));
    const std::string peakFile = file.Name() + ".peak";
    ChildRun list;
    ChildRun wc;
    for (auto _ : state) {
        const ChildRun l = Run({"/proc/self/exe", kListOnce, file.Name(), peakFile});
        const ChildRun w = Run({"wc", "-l", file.Name()});
        state.SetIterationTime(l.seconds);
        list.seconds += l.seconds;
        wc.seconds += w.seconds;
        list.cpuSeconds += l.cpuSeconds;
        wc.cpuSeconds += w.cpuSeconds;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["wc_ms"] = 1000 * wc.seconds / runs;
    state.counters["ratio_to_wc"] = list.seconds / wc.seconds;
    state.counters["cpu_ms"] = 1000 * list.cpuSeconds / runs;
    state.counters["wc_cpu_ms"] = 1000 * wc.cpuSeconds / runs;
    state.counters["cpu_ratio_to_wc"] = list.cpuSeconds / wc.cpuSeconds;
    state.counters["peak_kB"] = std::stod(ReadWholeFile(peakFile).value_or("0"));
    std::filesystem::remove(peakFile);
    state.counters["bytes"] = file.Bytes();
}
BENCHMARK(BM_FirstListInFreshProcess)->Arg(kSmall)->Arg(kLarge)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], kListOnce) == 0) {
        const bool listed = !ListRecordEntries(argv[2]).empty();
        std::ofstream(argv[3]) << PeakKilobytesOfThisProcess();
        return listed ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
