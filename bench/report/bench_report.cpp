// The report program on the benchmarks' data file, run as a user runs it,
// beside `wc -l` on the same file. The peak resident memory of each run, as
// GNU time measures it, is reported too: on a file a tenth of the size it is
// about the same, since the records are read in one pass through a bounded
// buffer. (The rusage of a child forked from here would count this process's
// own memory, copied at the fork.) The CPU time of each run, user and
// system, is set beside that of `wc -l` run right after it: cpu_x_wc is the
// factor between them.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <fstream>
#include <vector>

#include "bench/store/sample_file.h"

namespace {

struct ChildRun {
    int status = -1;
    long peakKilobytes = 0;
    // User and system time of the program and of GNU time around it.
    double cpuSeconds = 0;
};

const std::string kPeakFile = (std::filesystem::temp_directory_path() / "tolvazen_bench_report.peak").string();

// Runs the program under GNU time with its output to /dev/null.
ChildRun Run(std::vector<std::string> command)
{
    std::vector<std::string> arguments{"/usr/bin/time", "-f", "%M", "-o", kPeakFile};
    arguments.insert(arguments.end(), command.begin(), command.end());
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    ChildRun run;
    rusage usage{};
    wait4(pid, &run.status, 0, &usage);
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::ifstream(kPeakFile) >> run.peakKilobytes;
    return run;
}

constexpr int kRecords = 100000;

// Each run of the program is followed, outside the timing, by `wc -l` on
// the same file, so that the CPU times of both come from the same moments
// of a machine that may be loaded.
void Measure(benchmark::State& state, const std::vector<std::string>& arguments, const SampleFile& file)
{
    ChildRun run;
    double cpu = 0;
    double wcCpu = 0;
    for (auto _ : state) {
        run = Run(arguments);
        if (run.status != 0)
            state.SkipWithError("the program failed");
        state.PauseTiming();
        cpu += run.cpuSeconds;
        wcCpu += Run({"wc", "-l", file.Name()}).cpuSeconds;
        state.ResumeTiming();
    }
    const auto perRun = [&](double seconds) { return 1000 * seconds / static_cast<double>(state.iterations()); };
    state.counters["file_MB"] = file.Bytes() / (1 << 20);
    state.counters["peak_MB"] = static_cast<double>(run.peakKilobytes) / 1024;
    state.counters["cpu_ms"] = perRun(cpu);
    state.counters["wc_cpu_ms"] = perRun(wcCpu);
    state.counters["cpu_x_wc"] = wcCpu > 0 ? cpu / wcCpu : 0;
}

void BM_ReportCsvAllRecords(benchmark::State& state)
{
    Measure(state, {REPORT_PROGRAM, "--format", "csv", Sample(kRecords).Name()}, Sample(kRecords));
}
BENCHMARK(BM_ReportCsvAllRecords)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReportCsvTenthOfTheRecords(benchmark::State& state)
{
    Measure(state, {REPORT_PROGRAM, "--format", "csv", Sample(kRecords / 10).Name()}, Sample(kRecords / 10));
}
BENCHMARK(BM_ReportCsvTenthOfTheRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

// For comparison: `wc -l` on the same file, the start of the process included
// (its cpu_x_wc is about 1 by construction).
void BM_WcLineCountReference(benchmark::State& state)
{
    Measure(state, {"wc", "-l", Sample(kRecords).Name()}, Sample(kRecords));
}
BENCHMARK(BM_WcLineCountReference)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
