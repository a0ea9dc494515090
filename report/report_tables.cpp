#include "report/report_tables.h"

#include "report/number_format.h"

std::string RecordTitle(const RecordReport& record)
{
    return "Запись " + std::to_string(record.number) + ": " + record.date + " " + record.time;
}

std::string FitErrorText(const RecordReport& record)
{
    return "Расчет невозможен: " + record.error.value_or(std::string());
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
    TableRows rows{{"Замер", "Концентрация", "±", "От", "До"}};
    for (const ReadingReport& r : record.readings) {
        if (!r.reading) {
            rows.push_back({r.text, "не число", "", "", ""});
            continue;
        }
        const ReadingInterval& i = r.interval;
        rows.push_back({ShortNumber(*r.reading), ShortNumber(i.concentration), ShortNumber(i.halfWidth),
                        ShortNumber(i.low), ShortNumber(i.high)});
    }
    return rows;
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
