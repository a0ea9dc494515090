// libFuzzer target over the data file's readers, the settings file's
// reader, the code-page conversion and the date pattern of new records. The
// input is a data file's bytes, and the same bytes as a settings file and as
// a locale's short date pattern. Besides what the sanitizers catch, it checks
// that the streamed readers agree with the same bytes read line by line from
// memory, that the settings file names its first line, that the conversion
// round-trips, and that the date pattern only lengthens year fields.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/code_page.h"
#include "store/date_time_text.h"
#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/settings_file.h"
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

// The name is the first line, after a byte-order mark, up to CR, LF or
// Ctrl-Z.
void CheckSettings(std::string_view bytes)
{
    WriteFile(bytes);
    const SettingsLine line = DataFileNameFromSettings(FileName());
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    Require(line.bytes == text.substr(0, text.find_first_of("\r\n\x1A")));
    Require(!line.utf8 || IsUtf8(line.bytes));
}

std::string WithoutYears(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), 'y'), text.end());
    return text;
}

// Only year fields grow, each by two letters, and a pattern made so stays.
void CheckDatePattern(std::string_view pattern)
{
    const std::string fourDigit = FourDigitYearPattern(pattern);
    Require(WithoutYears(fourDigit) == WithoutYears(std::string(pattern)));
    Require(fourDigit.size() >= pattern.size() && (fourDigit.size() - pattern.size()) % 2 == 0);
    Require(FourDigitYearPattern(fourDigit) == fourDigit);
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
    CheckDatePattern(bytes);
    CheckSettings(bytes);
    CheckRecords(bytes);
    return 0;
}
