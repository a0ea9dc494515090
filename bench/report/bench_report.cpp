// The report program on the benchmarks' data file, run as a user runs it,
// beside `wc -l` on the same file. The peak resident memory of each run, as
// GNU time measures it, is reported too: on a file a tenth of the size it is
// about the same, since the records are read in one pass through a bounded
// buffer. (The rusage of a child forked from here would count this process's
// own memory, copied at the fork.)
#include <benchmark/benchmark.h>

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
    waitpid(pid, &run.status, 0);
    std::ifstream(kPeakFile) >> run.peakKilobytes;
    return run;
}

constexpr int kRecords = 100000;

void Measure(benchmark::State& state, const std::vector<std::string>& arguments, const SampleFile& file)
{
    ChildRun run;
    for (auto _ : state) {
        run = Run(arguments);
        if (run.status != 0)
            state.SkipWithError("the program failed");
    }
    state.counters["file_MB"] = file.Bytes() / (1 << 20);
    state.counters["peak_MB"] = static_cast<double>(run.peakKilobytes) / 1024;
}

void BM_ReportCsvAllRecords(benchmark::State& state)
{
    Measure(state, {REPORT_PROGRAM, "--format", "csv", Sample(kRecords).Name()}, Sample(kRecords));
}
BENCHMARK(BM_ReportCsvAllRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReportCsvTenthOfTheRecords(benchmark::State& state)
{
    Measure(state, {REPORT_PROGRAM, "--format", "csv", Sample(kRecords / 10).Name()}, Sample(kRecords / 10));
}
BENCHMARK(BM_ReportCsvTenthOfTheRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

// For comparison: `wc -l` on the same file, the start of the process included.
void BM_WcLineCountReference(benchmark::State& state)
{
    Measure(state, {"wc", "-l", Sample(kRecords).Name()}, Sample(kRecords));
}
BENCHMARK(BM_WcLineCountReference)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
