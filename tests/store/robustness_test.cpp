#include <gtest/gtest.h>

#include <random>

#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "temp_dir.h"

namespace {

using Random = std::mt19937;

int Uniform(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

// A line of text that is no line end, no Ctrl-Z and never starts a record.
std::string Text(Random& random, int maxLength)
{
    static const std::string alphabet = "0123456789.-+eE ,;=abcXYZ\t\xC0\xE0\xFF#";
    std::string text;
    const int length = Uniform(random, 1, maxLength);
    for (int i = 0; i < length; ++i)
        text += alphabet[static_cast<std::size_t>(Uniform(random, 0, static_cast<int>(alphabet.size()) - 1))];
    if (text.front() == '#' || static_cast<unsigned char>(text.front()) <= 32)
        text.front() = 'r';
    return text;
}

struct WrittenRecord {
    std::string bytes;
    CalibrationState state;
    std::vector<std::string> readings;
};

WrittenRecord RandomRecord(Random& random)
{
    WrittenRecord r;
    CalibrationState& s = r.state;
    s.PointCount = Uniform(random, 0, 12);
    int active = 0;
    for (int i = 1; i <= s.PointCount; ++i) {
        s.PercentValues[i] = std::uniform_real_distribution<double>(-1e3, 1e3)(random);
        s.MeasuredValues[i] = Uniform(random, -100, 100) / 8.0;
        s.PointExcluded[i] = Uniform(random, 0, 3) == 0 ? 'y' : 'n';
        active += s.PointExcluded[i] != 'y';
    }
    s.ActiveCount = active;
    s.Tolerance = Uniform(random, 0, 1000) / 100.0;
    const int readingCount = Uniform(random, 0, 4);
    for (int i = 0; i < readingCount; ++i)
        r.readings.push_back(Text(random, 10));
    r.bytes = RecordText(s, r.readings, Text(random, 12), Text(random, 8));
    return r;
}

void Mutate(Random& random, std::string& bytes)
{
    static const std::string special = "\r\n\x1A# 0123456789.-eE\t";
    const int edits = Uniform(random, 1, 6);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const auto at = static_cast<std::size_t>(Uniform(random, 0, static_cast<int>(bytes.size()) - 1));
        const char c = Uniform(random, 0, 1) ? special[static_cast<std::size_t>(Uniform(random, 0, static_cast<int>(special.size()) - 1))]
                                             : static_cast<char>(Uniform(random, 0, 255));
        switch (Uniform(random, 0, 4)) {
        case 0: bytes[at] = c; break;
        case 1: bytes.insert(at, 1, c); break;
        case 2: bytes.erase(at, static_cast<std::size_t>(Uniform(random, 1, 40))); break;
        case 3: bytes.insert(at, bytes.substr(at, static_cast<std::size_t>(Uniform(random, 1, 80)))); break;
        default: bytes.insert(at, std::to_string(Uniform(random, 0, 70000)) + "\r\n"); break;
        }
    }
}

// List, load every record the load can find, delete one: only the range
// error may be raised, and the delete removes exactly the record's lines.
void Exercise(Random& random, const TempDir& dir, const std::string& bytes)
{
    const std::string file = dir.Write("fuzz.dat", bytes);
    const auto entries = ListRecordEntries(file);
    for (long long n = 0;; ++n) {
        const LoadedRecord record = ReadRecord(file, n);
        ASSERT_EQ(record.found, n > 0 && record.markers == n);
        ASSERT_EQ(record.body.ReadingRows(), std::max<int>(2, static_cast<int>(record.body.readings.size()) + 1));
        ASSERT_EQ(record.body.x.size(), static_cast<std::size_t>(std::min(record.body.pointCount, kMaxRecordPoints)));
        if (n > 0 && !record.found)
            break;
    }
    const long long k = Uniform(random, 0, static_cast<int>(entries.size()) + 1);
    const ByteRange range = RecordLines(bytes, k);
    ASSERT_TRUE(DeleteRecordLines(file, k));
    ASSERT_EQ(Slurp(file), std::string(bytes).erase(range.begin, range.end - range.begin));
}

}  // namespace

TEST(Robustness, ValidFilesDeleteExactlyOneRecord)
{
    Random random(20070305);
    TempDir dir;
    for (int round = 0; round < 400; ++round) {
        const std::string preamble = Uniform(random, 0, 1) ? Text(random, 20) + "\r\n" : "";
        std::string bytes = preamble;
        std::vector<WrittenRecord> records;
        std::vector<std::size_t> offsets;
        for (int n = Uniform(random, 1, 6); n > 0; --n) {
            offsets.push_back(bytes.size());
            records.push_back(RandomRecord(random));
            bytes += records.back().bytes;
        }
        const std::string file = dir.Write("valid.dat", bytes);
        ASSERT_EQ(ListRecordEntries(file).size(), records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            const RecordBody r = ReadRecord(file, static_cast<long long>(i + 1)).body;
            ASSERT_EQ(r.readings, records[i].readings);
            ASSERT_EQ(r.pointCount, records[i].state.ActiveCount);
            ASSERT_DOUBLE_EQ(r.tolerance, records[i].state.Tolerance);
            const CalibrationState& w = records[i].state;
            for (int from = 1, to = 0; from <= w.PointCount; ++from) {
                if (w.PointExcluded[from] == 'y')
                    continue;
                ASSERT_NEAR(r.x[to], w.PercentValues[from], 5e-9);
                ASSERT_EQ(r.y[to++], w.MeasuredValues[from]);
            }
        }
        const auto k = static_cast<std::size_t>(Uniform(random, 1, static_cast<int>(records.size())));
        ASSERT_TRUE(DeleteRecordLines(file, static_cast<long long>(k)));
        // The marker line of record k starts after its separator line.
        const std::size_t begin = offsets[k - 1] + 2;
        const std::size_t end = k < records.size() ? offsets[k] + 2 : bytes.size();
        ASSERT_EQ(Slurp(file), std::string(bytes).erase(begin, end - begin));
        ASSERT_EQ(ListRecordEntries(file).size(), records.size() - 1);
    }
}

TEST(Robustness, MutatedAndRandomFilesNeverFail)
{
    Random random(1251);
    TempDir dir;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        if (round % 4 == 0) {
            const int length = Uniform(random, 0, 600);
            for (int i = 0; i < length; ++i)
                bytes += static_cast<char>(Uniform(random, 0, 1) ? "#\r\n 0123456789.\x1A"[Uniform(random, 0, 15)]
                                                                  : Uniform(random, 0, 255));
        } else {
            for (int n = Uniform(random, 1, 4); n > 0; --n)
                bytes += RandomRecord(random).bytes;
            Mutate(random, bytes);
        }
        Exercise(random, dir, bytes);
        if (HasFatalFailure())
            FAIL() << "round " << round;
    }
}
