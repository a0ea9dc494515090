// The report program on the benchmarks' data file, run as a user runs it,
// beside `wc -l` on the same file, each run followed by one of `wc -l`.
//
// CPU time: both programs are started the same way, spawned from here with
// nothing around them, and the user and system time of each comes from its
// own rusage; cpu_x_wc is the factor between the sums.
// Memory: the peak resident memory of a child counts this process's memory
// too, which the child runs in until it executes the program, so one more run
// of each is made under GNU time, which reports the program's peak alone. On a file a tenth
// of the size it is about the same, since the records are read in one pass
// through a bounded buffer.
//
// At the end one line sets the CSV of all records beside `wc -l`.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <vector>

#include "bench/store/sample_file.h"

namespace {

struct ChildRun {
    int status = -1;
    double cpuSeconds = 0;  // user and system
};

// Runs the command with its output to /dev/null. posix_spawn starts it
// without a copy of this process's memory, whose making and dropping a
// forked child would be charged for.
ChildRun Run(std::vector<std::string> command)
{
    std::vector<char*> argv;
    for (std::string& a : command)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ChildRun run;
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    rusage usage{};
    wait4(pid, &run.status, 0, &usage);
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return run;
}

// The peak resident memory of one run of the command, in megabytes.
double PeakMegabytes(const std::vector<std::string>& command)
{
    const std::string peakFile = BenchTempFile("tolvazen_bench_report.peak");
    std::vector<std::string> timed{"/usr/bin/time", "-f", "%M", "-o", peakFile};
    timed.insert(timed.end(), command.begin(), command.end());
    Run(timed);
    long kilobytes = 0;
    std::ifstream(peakFile) >> kilobytes;
    std::filesystem::remove(peakFile);
    return static_cast<double>(kilobytes) / 1024;
}

constexpr int kRecords = 100000;
constexpr double kAimedFactor = 20;

struct Comparison {
    double cpuMs = 0;
    double wcCpuMs = 0;
    double factor = 0;
    double peakMb = 0;
};
std::optional<Comparison> allRecords;

// Empty when a run of the program fails, which ends the measurement.
std::optional<Comparison> Measure(benchmark::State& state, const std::vector<std::string>& arguments,
                                  const SampleFile& file)
{
    double cpu = 0;
    double wcCpu = 0;
    bool failed = false;
    for (auto _ : state) {
        const ChildRun run = Run(arguments);
        if (run.status != 0) {
            state.SkipWithError("the program failed");
            failed = true;
            break;
        }
        state.PauseTiming();
        cpu += run.cpuSeconds;
        wcCpu += Run({"wc", "-l", file.Name()}).cpuSeconds;
        state.ResumeTiming();
    }
    if (failed)
        return std::nullopt;
    const auto perRun = [&](double seconds) { return 1000 * seconds / static_cast<double>(state.iterations()); };
    Comparison c;
    c.cpuMs = perRun(cpu);
    c.wcCpuMs = perRun(wcCpu);
    c.factor = wcCpu > 0 ? cpu / wcCpu : 0;
    c.peakMb = PeakMegabytes(arguments);
    state.counters["file_MB"] = file.Bytes() / (1 << 20);
    state.counters["peak_MB"] = c.peakMb;
    state.counters["cpu_ms"] = c.cpuMs;
    state.counters["wc_cpu_ms"] = c.wcCpuMs;
    state.counters["cpu_x_wc"] = c.factor;
    return c;
}

void BM_ReportCsvAllRecords(benchmark::State& state)
{
    allRecords = Measure(state, {REPORT_PROGRAM, "--format", "csv", Sample(kRecords).Name()}, Sample(kRecords));
}
BENCHMARK(BM_ReportCsvAllRecords)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReportCsvTenthOfTheRecords(benchmark::State& state)
{
    Measure(state, {REPORT_PROGRAM, "--format", "csv", Sample(kRecords / 10).Name()}, Sample(kRecords / 10));
}
BENCHMARK(BM_ReportCsvTenthOfTheRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

// For comparison: `wc -l` on the same file, measured as the program is
// (its cpu_x_wc is about 1 by construction).
void BM_WcLineCountReference(benchmark::State& state)
{
    Measure(state, {"wc", "-l", Sample(kRecords).Name()}, Sample(kRecords));
}
BENCHMARK(BM_WcLineCountReference)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (allRecords)
        std::printf("CSV of %d records: %.1f ms CPU, wc -l on the same file %.1f ms: %.1f times (aimed at: at most "
                    "%.0f), peak %.1f MB\n",
                    kRecords, allRecords->cpuMs, allRecords->wcCpuMs, allRecords->factor, kAimedFactor,
                    allRecords->peakMb);
    return 0;
}
