#include "report/report_tables.h"

#include "core/number_text.h"
#include "report/number_format.h"

namespace {

constexpr int kEquationDigits = 5;
const std::string kMinus = "−";

// A signed term of a sum: " + 2" or " − 2".
std::string Term(const std::string& number)
{
    if (!number.empty() && number.front() == '-')
        return " " + kMinus + " " + number.substr(1);
    return " + " + number;
}

std::string Leading(const std::string& number)
{
    if (!number.empty() && number.front() == '-')
        return kMinus + number.substr(1);
    return number;
}

std::string EquationNumber(double value) { return FormatGeneral(value, kEquationDigits, "."); }

std::string RootText(QuadraticReading::Root root)
{
    return root == QuadraticReading::Root::NoRealRoot ? "нет действительного корня" : "нет корня в рабочем диапазоне";
}

// One row per reading, a line that is no number saying so.
template <typename RowOf>
TableRows ReadingTable(const RecordReport& record, RowOf rowOf)
{
    TableRows rows{{"Замер", "Концентрация", "±", "От", "До"}};
    for (const ReadingReport& r : record.readings)
        rows.push_back(r.reading ? rowOf(r) : std::vector<std::string>{r.text, "не число", "", "", ""});
    return rows;
}

}  // namespace

std::string RecordTitle(const RecordReport& record)
{
    return "Запись " + std::to_string(record.number) + ": " + record.date + " " + record.time;
}

std::vector<std::string> SavedByLines(const RecordReport& record)
{
    if (!record.savedBy)
        return {};
    const SavedByReport& saved = *record.savedBy;
    std::vector<std::string> lines{"Сохранил: " + saved.user + "@" + saved.host + ", " + saved.time};
    if (saved.excluded.empty())
        return lines;
    std::string excluded = "Исключены из расчета:";
    const char* separator = " ";
    for (const ExcludedPointReport& point : saved.excluded) {
        excluded += separator + ("точка " + std::to_string(point.number)) + " (X=" + ShortNumber(point.x) +
                    ", Y=" + ShortNumber(point.y) + ")";
        separator = ", ";
    }
    lines.push_back(excluded);
    return lines;
}

std::string FitErrorText(const RecordReport& record)
{
    return "Расчет невозможен: " + record.error.value_or(std::string());
}

std::string PrintedEquation(const RecordReport& record)
{
    // The window's text is "Y=" a "*X+" b.
    const std::string& shown = record.equation;
    const std::size_t times = shown.find("*X+");
    if (shown.rfind("Y=", 0) != 0 || times == std::string::npos)
        return shown;
    return "Y = " + Leading(shown.substr(2, times - 2)) + "·X" + Term(shown.substr(times + 3));
}

std::string PrintedCurve(const QuadraticCalibration& curve)
{
    return "Y = " + Leading(EquationNumber(curve.a)) + Term(EquationNumber(curve.b)) + "·X" +
           Term(EquationNumber(curve.c)) + "·X²";
}

TableRows PointRows(const RecordReport& record)
{
    TableRows rows{{"№", "%", "Замер", "Отклонение", "В допуске"}};
    for (std::size_t i = 0; i < record.points.size(); ++i) {
        const PointReport& p = record.points[i];
        rows.push_back({std::to_string(i + 1), ShortNumber(p.x), ShortNumber(p.y), p.deviation,
                        p.withinTolerance ? "да" : "нет"});
    }
    return rows;
}

TableRows StatisticsRows(const RecordReport& record)
{
    const CalibrationStatistics& st = record.statistics;
    TableRows rows{{"Показатель", "Значение"},
                   {"Точек в расчете", std::to_string(st.n)},
                   {"Наклон a", ShortNumber(st.slope)},
                   {"Свободный член b", ShortNumber(st.intercept)},
                   {"Стандартная ошибка a", ShortNumber(st.slopeStandardError)},
                   {"Стандартная ошибка b", ShortNumber(st.interceptStandardError)},
                   {"Коэффициент детерминации R²", ShortNumber(st.rSquared)},
                   {"Остаточное СКО s_y", ShortNumber(st.residualSd)},
                   {"СКО метода s_x0", ShortNumber(st.methodSd)},
                   {"Относительное СКО метода V_x0, %", ShortNumber(st.relativeMethodSdPercent)},
                   {"Предел принятия решения", ShortNumber(st.decisionLimit)},
                   {"Предел обнаружения", ShortNumber(st.detectionLimit)},
                   {"Предел определения", ShortNumber(st.quantificationLimit)}};
    if (st.mandel) {
        rows.push_back({"Тест Мандела: значение", ShortNumber(st.mandel->value)});
        rows.push_back({"Тест Мандела: F(0,99)", ShortNumber(st.mandel->quantile)});
        rows.push_back({"Тест Мандела: прямая линейна", st.mandel->linear ? "да" : "нет"});
    } else {
        rows.push_back({"Тест Мандела", "не определено"});
    }
    return rows;
}

TableRows ReadingRows(const RecordReport& record)
{
    return ReadingTable(record, [](const ReadingReport& r) -> std::vector<std::string> {
        const ReadingInterval& i = r.interval;
        return {ShortNumber(*r.reading), ShortNumber(i.concentration), ShortNumber(i.halfWidth), ShortNumber(i.low),
                ShortNumber(i.high)};
    });
}

TableRows CurveRows(const QuadraticCalibration& q)
{
    return {{"Показатель", "Значение"},
            {"Коэффициент a", ShortNumber(q.a)},
            {"Коэффициент b", ShortNumber(q.b)},
            {"Коэффициент c", ShortNumber(q.c)},
            {"Стандартная ошибка a", ShortNumber(q.aStandardError)},
            {"Стандартная ошибка b", ShortNumber(q.bStandardError)},
            {"Стандартная ошибка c", ShortNumber(q.cStandardError)},
            {"Остаточное СКО s_y (N − 3)", ShortNumber(q.residualSd)},
            {"Чувствительность при среднем X", ShortNumber(q.sensitivity)},
            {"СКО метода s_x0", ShortNumber(q.methodSd)},
            {"Относительное СКО метода V_x0, %", ShortNumber(q.relativeMethodSdPercent)},
            {"Рабочий диапазон X", ShortNumber(q.lowX) + " … " + ShortNumber(q.highX)}};
}

TableRows CurveReadingRows(const RecordReport& record)
{
    return ReadingTable(record, [](const ReadingReport& r) -> std::vector<std::string> {
        const QuadraticReading& c = r.onCurve.value_or(QuadraticReading{});
        if (c.root != QuadraticReading::Root::InRange)
            return {ShortNumber(*r.reading), RootText(c.root), "", "", ""};
        return {ShortNumber(*r.reading), ShortNumber(c.concentration), ShortNumber(c.halfWidth), ShortNumber(c.low),
                ShortNumber(c.high)};
    });
}

std::string StatisticsHeading(const ReportSettings& settings)
{
    return "Статистика (α = " + ShortNumber(settings.alpha) + "):";
}

std::string ReadingsHeading(const ReportSettings& settings)
{
    return "Результаты (холостой замер " + ShortNumber(settings.blank) + ", доверительный интервал " +
           ShortNumber(100 * (1 - settings.alpha)) + " %):";
}

std::string CurveHeading(const QuadraticCalibration& curve)
{
    return "Функция второй степени (ISO 8466-2): " + PrintedCurve(curve);
}

std::string CurveReadingsHeading(const ReportSettings& settings)
{
    return "Результаты по функции второй степени (доверительный интервал " + ShortNumber(100 * (1 - settings.alpha)) +
           " %):";
}
