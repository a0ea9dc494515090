// libFuzzer target over the data file's readers and the code-page
// conversion. The input is a data file's bytes. Besides what the sanitizers
// catch, it checks that the streamed readers agree with the same bytes read
// line by line from memory, and that the conversion round-trips.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/code_page.h"
#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/text_reader.h"

namespace {

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

std::string FileNameOfThisProcess() { return "/tmp/tolvazen_fuzz_" + std::to_string(getpid()) + ".dat"; }

const std::string& FileName()
{
    static const std::string name = [] {
        std::atexit([] { std::remove(FileNameOfThisProcess().c_str()); });
        return FileNameOfThisProcess();
    }();
    return name;
}

void WriteFile(std::string_view bytes)
{
    std::FILE* file = std::fopen(FileName().c_str(), "wb");
    Require(file != nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The records the list counts, found line by line: blanks skipped before
// each line, a marker line followed by its date and time lines.
std::size_t ListedLineByLine(std::string_view bytes)
{
    TextReader reader(bytes);
    std::size_t count = 0;
    while (!reader.SkipBlanks()) {
        if (reader.ReadLine().front() != '#')
            continue;
        ++count;
        reader.ReadLine();
        reader.ReadLine();
    }
    return count;
}

// The marker lines the load counts, found line by line: the first line as
// it stands, blanks skipped before every later one.
long long LoadedLineByLine(std::string_view bytes)
{
    TextReader reader(bytes);
    long long count = 0;
    std::string_view line = reader.ReadLine();
    for (;;) {
        count += !line.empty() && line.front() == '#';
        if (reader.SkipBlanks())
            return count;
        line = reader.ReadLine();
    }
}

void ReadNumbers(std::string_view bytes)
{
    TextReader reader(bytes);
    while (!reader.AtEnd()) {
        reader.ReadRealLine();
        reader.ReadIntegerLine();
        reader.SkipLeadingBlanks();
        reader.ReadLine(3);
    }
}

void CheckCodePage(std::string_view bytes)
{
    const std::string utf8 = Cp1251ToUtf8(bytes);
    Require(IsUtf8(utf8));
    const Cp1251Encoding back = Utf8ToCp1251(utf8);
    Require(!back.unencodable && back.bytes == bytes);
    const Cp1251Encoding direct = Utf8ToCp1251(bytes);
    Require(direct.unencodable || IsUtf8(bytes));
    Require(direct.unencodablePosition <= bytes.size());
}

void CheckRecords(std::string_view bytes)
{
    WriteFile(bytes);
    const RecordEntries entries = ListRecordEntries(FileName());
    Require(entries.size() == ListedLineByLine(bytes));
    for (std::size_t k = 1; k <= entries.size(); ++k)
        Require(entries.Text(k).size() <= 27);

    const long long beyond = LoadedLineByLine(bytes) + 1;
    const LoadedRecord none = ReadRecord(FileName(), beyond);
    Require(!none.found && none.markers == beyond - 1 && none.body.readings.empty() && none.body.ReadingRows() == 2);

    const long long last = static_cast<long long>(entries.size());
    for (const long long n : {0LL, 1LL, 2LL, last, last + 1}) {
        const RecordBody body = ReadRecord(FileName(), n).body;
        Require(body.ReadingRows() == std::max<int>(2, static_cast<int>(body.readings.size()) + 1));
        Require(body.x.size() == body.y.size() && body.x.size() <= static_cast<std::size_t>(kMaxRecordPoints));
        const ByteRange range = RecordLines(bytes, n);
        Require(range.begin <= range.end && range.end <= bytes.size());
        const auto streamed = RecordLinesInFile(FileName(), n);
        Require(streamed && streamed->begin == range.begin && streamed->end == range.end);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadNumbers(bytes);
    CheckCodePage(bytes);
    CheckRecords(bytes);
    return 0;
}
