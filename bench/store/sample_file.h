#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/record_writer.h"
#include "store/whole_file.h"

// The benchmarks' data file: records of four points with point 3 switched
// off and two readings each, 100,000 records (about 25 MB) unless told.
constexpr int kSampleRecords = 100000;

inline CalibrationState SampleState(int seed)
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

inline const std::vector<std::string> kSampleReadings = {"0.3", "0.75"};

// The file in the temporary folder, removed when the program ends.
class SampleFile {
public:
    explicit SampleFile(int records = kSampleRecords, const std::string& name = "tolvazen_bench_store.dat")
        : name_((std::filesystem::temp_directory_path() / name).string())
    {
        for (int r = 0; r < records; ++r)
            bytes_ += RecordText(SampleState(r), kSampleReadings, "05.03.2007", "14:27");
        WriteWholeFile(name_, bytes_);
    }
    ~SampleFile() { std::filesystem::remove(name_); }
    SampleFile(const SampleFile&) = delete;
    SampleFile& operator=(const SampleFile&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string name_;
    std::string bytes_;
};

inline const SampleFile& Sample()
{
    static const SampleFile file;
    return file;
}
