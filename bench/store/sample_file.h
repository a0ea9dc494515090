#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "store/record_writer.h"

// The benchmarks' data files: records of four points with point 3 switched
// off and two readings each.

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

inline const std::vector<std::string> kReadings = {"0.3", "0.75"};

// A file of this name in the temporary folder that is this process's own,
// so that benchmarks run side by side do not write, read and remove each
// other's files.
inline std::string BenchTempFile(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "_" + name)).string();
}

// A data file of the given number of records (about 250 bytes each) in the
// temporary folder, written in slices, removed when the program ends.
class SampleFile {
public:
    explicit SampleFile(int records)
        : name_(BenchTempFile("tolvazen_bench_" + std::to_string(records) + ".dat")),
          records_(records)
    {
        constexpr int kSlice = 10000;
        std::ofstream out(name_, std::ios::binary | std::ios::trunc);
        for (int first = 0; first < records; first += kSlice) {
            std::string slice;
            for (int r = first; r < std::min(records, first + kSlice); ++r)
                slice += RecordText(SampleState(r), kReadings, "05.03.2007", "14:27");
            out.write(slice.data(), static_cast<std::streamsize>(slice.size()));
        }
    }
    ~SampleFile() { std::filesystem::remove(name_); }

    const std::string& Name() const { return name_; }
    int Records() const { return records_; }
    double Bytes() const { return static_cast<double>(std::filesystem::file_size(name_)); }

    // A copy to change, removed when the returned name's owner goes.
    std::shared_ptr<const std::string> Copy(const std::string& suffix) const
    {
        const std::string copy = name_ + suffix;
        std::filesystem::copy_file(name_, copy, std::filesystem::copy_options::overwrite_existing);
        return std::shared_ptr<const std::string>(new std::string(copy), [](const std::string* name) {
            std::filesystem::remove(*name);
            delete name;
        });
    }

private:
    std::string name_;
    int records_;
};

inline const SampleFile& Sample(int records)
{
    static std::map<int, std::unique_ptr<SampleFile>> files;
    auto& file = files[records];
    if (!file)
        file = std::make_unique<SampleFile>(records);
    return *file;
}
