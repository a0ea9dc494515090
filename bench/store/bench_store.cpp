#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "bench/store/sample_file.h"
#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/whole_file.h"

namespace {

constexpr int kRecords = kSampleRecords;
const std::vector<std::string>& kReadings = kSampleReadings;

void BM_ListRecords(benchmark::State& state)
{
    CalibrationState s;
    for (auto _ : state)
        benchmark::DoNotOptimize(ListRecordEntries(s, Sample().Name()));
    state.counters["bytes"] = static_cast<double>(Sample().Bytes().size());
}
BENCHMARK(BM_ListRecords)->Unit(benchmark::kMillisecond);

void BM_LoadLastRecord(benchmark::State& state)
{
    CalibrationState s;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadRecord(s, Sample().Name(), kRecords));
}
BENCHMARK(BM_LoadLastRecord)->Unit(benchmark::kMillisecond);

// Appends to, and deletes from, a copy of the sample file.
void BM_AppendRecord(benchmark::State& state)
{
    const std::string copy = Sample().Name() + ".append";
    WriteWholeFile(copy, Sample().Bytes());
    const CalibrationState s = SampleState(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(AppendRecord(copy, s, kReadings, "05.03.2007", "14:27"));
    std::filesystem::remove(copy);
}
BENCHMARK(BM_AppendRecord)->Unit(benchmark::kMillisecond);

void BM_DeleteMiddleRecord(benchmark::State& state)
{
    const std::string copy = Sample().Name() + ".delete";
    WriteWholeFile(copy, Sample().Bytes());
    for (auto _ : state)
        benchmark::DoNotOptimize(DeleteRecordLines(copy, kRecords / 2));
    std::filesystem::remove(copy);
}
BENCHMARK(BM_DeleteMiddleRecord)->Unit(benchmark::kMillisecond);

// For comparison: `wc -l` on the same file, the start of the process included.
void BM_WcLineCountReference(benchmark::State& state)
{
    const std::string command = "wc -l '" + Sample().Name() + "' > /dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
}
BENCHMARK(BM_WcLineCountReference)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Sample();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
