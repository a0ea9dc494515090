// Two programs append to one data file while a third deletes from it.
#include <gtest/gtest.h>

#include <thread>

#include "child_process.h"
#include "example_record.h"
#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_writer.h"

namespace {

constexpr int kAppendsEach = 300;
constexpr int kDeletes = 50;
constexpr int kSeeds = 60;

// A record told apart by its one reading line.
bool AppendTagged(const std::string& file, const std::string& tag)
{
    return AppendRecord(file, ExampleState(), {tag}, "05.03.2007", "14:27");
}

std::string TagLine(const std::string& tag) { return "\r\n" + tag + "\r\n"; }

int Occurrences(const std::string& bytes, const std::string& part)
{
    int count = 0;
    for (std::size_t at = bytes.find(part); at != std::string::npos; at = bytes.find(part, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(TwoPrograms, EveryAppendedRecordThatWasNotDeletedIsFound)
{
    TempDir dir;
    const std::string file = dir.Write("shared.dat", "");
    for (int i = 0; i < kSeeds; ++i)
        ASSERT_TRUE(AppendTagged(file, "seed-" + std::to_string(i)));

    std::vector<pid_t> children;
    for (int program = 0; program < 2; ++program)
        children.push_back(StartChild([&, program] {
            for (int i = 0; i < kAppendsEach; ++i)
                if (!AppendTagged(file, "p" + std::to_string(program) + "-" + std::to_string(i)))
                    return 1;
            return 0;
        }));
    // The first record is always a seed: the deletes take the seeds in order.
    children.push_back(StartChild([&] {
        for (int i = 0; i < kDeletes; ++i) {
            if (!DeleteRecordLines(file, 1))
                return 1;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return 0;
    }));
    for (const pid_t child : children)
        EXPECT_EQ(WaitChild(child), 0);

    const std::string bytes = Slurp(file);
    for (int program = 0; program < 2; ++program)
        for (int i = 0; i < kAppendsEach; ++i)
            ASSERT_EQ(Occurrences(bytes, TagLine("p" + std::to_string(program) + "-" + std::to_string(i))), 1)
                << program << " " << i;
    for (int i = 0; i < kSeeds; ++i)
        EXPECT_EQ(Occurrences(bytes, TagLine("seed-" + std::to_string(i))), i < kDeletes ? 0 : 1) << i;
    EXPECT_EQ(ListRecordEntries(file).size(), static_cast<std::size_t>(2 * kAppendsEach + kSeeds - kDeletes));
    EXPECT_EQ(dir.FileCount(), 1);
}
