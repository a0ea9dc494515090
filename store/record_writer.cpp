#include "record_writer.h"

#include "code_page.h"
#include "durable_append.h"
#include "file_lock.h"
#include "file_numbers.h"
#include "record_format.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kCtrlZWindow = 128;
constexpr char kCtrlZ = 26;
constexpr int kStoredDecimals = 8;

// The Windows-1251 bytes of a label written here in UTF-8.
std::string Label(const char* utf8) { return Utf8ToCp1251(utf8).bytes; }

void AddLine(std::string& out, std::string_view a, std::string_view b = {})
{
    out.append(a).append(b).append(kLineEnd);
}

}  // namespace

std::string RecordText(const CalibrationState& s, const std::vector<std::string>& readings,
                       std::string_view dateText, std::string_view timeText)
{
    std::string out;
    AddLine(out, "");
    AddLine(out, std::string(1, kRecordMarker));
    AddLine(out, Label("Дата: "), dateText);
    AddLine(out, Label("Время: "), timeText);
    AddLine(out, RealText(s.Tolerance), Label("       Погрешность"));
    AddLine(out, std::to_string(s.ActiveCount), Label("       Кол-во точек"));
    AddLine(out, std::to_string(kStoredDecimals), Label("       Кол-во нулей за зпт."));
    for (int i = 1; i <= s.PointCount; ++i) {
        if (s.PointExcluded[i] == 'y')
            continue;
        const std::string number = std::to_string(i) + ")";
        AddLine(out, RealText(s.PercentValues[i]), "    = X%(" + number);
        AddLine(out, RealText(s.MeasuredValues[i]), "    = D(" + number);
    }
    for (const std::string& reading : readings)
        AddLine(out, reading);
    return out;
}

bool AppendRecord(const std::string& dataFileName, const CalibrationState& s,
                  const std::vector<std::string>& readings, std::string_view dateText,
                  std::string_view timeText, std::chrono::milliseconds lockWait, ChangeJournal* journal)
{
    if (dataFileName.empty())
        return false;
    const std::string record = RecordText(s, readings, dateText, timeText);
    DataFileLock lock(dataFileName, lockWait);
    if (journal)
        journal->PrepareAppend(dataFileName);
    if (!AppendDurably(dataFileName, record, kCtrlZWindow, kCtrlZ, &lock))
        return false;
    if (journal)
        journal->RecordAppend(dataFileName, record);
    return true;
}
