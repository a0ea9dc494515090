#include "record_writer.h"

#include <filesystem>
#include <fstream>

#include "code_page.h"
#include "file_numbers.h"
#include "whole_file.h"

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

// Cuts an existing file off at the first byte 26 of its last 128 bytes.
bool CutAtCtrlZ(const std::string& fileName)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(fileName, error);
    if (error)
        return !std::filesystem::exists(fileName, error);
    const auto start = size > kCtrlZWindow ? size - kCtrlZWindow : 0;
    std::ifstream in(fileName, std::ios::binary);
    std::string tail(static_cast<std::size_t>(size - start), '\0');
    if (!in.seekg(static_cast<std::streamoff>(start)) || !in.read(tail.data(), static_cast<std::streamsize>(tail.size())))
        return false;
    const auto cut = tail.find(kCtrlZ);
    if (cut == std::string::npos)
        return true;
    std::filesystem::resize_file(fileName, start + cut, error);
    return !error;
}

}  // namespace

std::string RecordText(const CalibrationState& s, const std::vector<std::string>& readings,
                       std::string_view dateText, std::string_view timeText)
{
    std::string out;
    AddLine(out, "");
    AddLine(out, "#");
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
                  std::string_view timeText)
{
    if (dataFileName.empty())
        return false;
    const std::string record = RecordText(s, readings, dateText, timeText);
    return CutAtCtrlZ(dataFileName) && AppendToFile(dataFileName, record);
}
