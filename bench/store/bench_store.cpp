#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/whole_file.h"

namespace {

constexpr int kRecords = 100000;

CalibrationState SampleState(int seed)
{
    CalibrationState s;
    s.PointCount = 4;
    for (int i = 1; i <= 4; ++i) {
        s.PercentValues[i] = i * 5.0 + seed % 7;
        s.MeasuredValues[i] = i * 0.2513 + (seed % 100) / 1000.0;
        s.PointExcluded[i] = i == 3 ? 'y' : 'n';
    }
    s.ActiveCount = 3;
    s.Tolerance = 0.05;
    return s;
}

const std::vector<std::string> kReadings = {"0.3", "0.75"};

// A data file of 100,000 records (about 25 MB) in the temporary folder,
// removed when the program ends.
class SampleFile {
public:
    SampleFile() : name_((std::filesystem::temp_directory_path() / "tolvazen_bench_store.dat").string())
    {
        std::string bytes;
        for (int r = 0; r < kRecords; ++r)
            bytes += RecordText(SampleState(r), kReadings, "05.03.2007", "14:27");
        bytes_ = bytes;
        WriteWholeFile(name_, bytes_);
    }
    ~SampleFile() { std::filesystem::remove(name_); }

    const std::string& Name() const { return name_; }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string name_;
    std::string bytes_;
};

const SampleFile& Sample()
{
    static const SampleFile file;
    return file;
}

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
