#include "statistics_text.h"

#include <optional>
#include <utility>

#include "number_text.h"

namespace {

constexpr int kPrecision = 5;
// R² of a usable calibration differs from 1 only in the fourth decimal or
// later.
constexpr int kDeterminationPrecision = 7;
constexpr const char* kNotDefined = "—";

std::string Figure(const std::optional<double>& value, int precision, std::string_view separator)
{
    return value ? FormatGeneral(*value, precision, separator) : kNotDefined;
}

}  // namespace

std::string LineStatisticsText(const CalibrationStatistics& st, std::string_view separator)
{
    const std::pair<const char*, std::string> lines[] = {
        {"Точек в расчете", std::to_string(st.n)},
        {"Коэффициент детерминации R²", Figure(st.rSquared, kDeterminationPrecision, separator)},
        {"Остаточное СКО s_y", Figure(st.residualSd, kPrecision, separator)},
        {"СКО метода s_x0", Figure(st.methodSd, kPrecision, separator)},
        {"Относительное СКО метода V_x0, %", Figure(st.relativeMethodSdPercent, kPrecision, separator)},
        {"Предел принятия решения", Figure(st.decisionLimit, kPrecision, separator)},
        {"Предел обнаружения", Figure(st.detectionLimit, kPrecision, separator)},
        {"Предел определения", Figure(st.quantificationLimit, kPrecision, separator)},
    };
    std::string text;
    for (const auto& [name, value] : lines) {
        if (!text.empty())
            text += '\n';
        text += std::string(name) + ": " + value;
    }
    return text;
}
