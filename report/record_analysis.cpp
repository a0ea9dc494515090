#include "report/record_analysis.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/fit.h"
#include "core/grid_digits.h"
#include "core/number_text.h"
#include "store/code_page.h"

namespace {

constexpr std::string_view kSeparator = ".";
// The digits of the deviation column as the window starts.
constexpr int kDeviationPrecision = 5;
constexpr int kDeviationDecimals = 3;

// The significant digits of the shortest text that reads back as the value.
int ShortestDigits(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    return static_cast<int>(std::count_if(text, std::find(text, end, 'e'), [](char c) { return c >= '0' && c <= '9'; }));
}

// True when the value is a decimal with at most eight places and at most
// kGridDigits digits, as a data file writes its numbers: the quotient of
// such an integer by 10^8 rounds to the value exactly when the decimal does,
// so that its shortest text has no more digits than that integer.
bool IsShortDecimal(double value)
{
    constexpr double kScale = 1e8;
    constexpr double kDigitsLimit = 1e15;
    const double scaled = std::nearbyint(value * kScale);
    return std::fabs(scaled) < kDigitsLimit && scaled / kScale == value;
}

// A value whose shortest text has no more digits than the grid shows comes
// back as it is: the grid's text is that text, padded with zeros, since the
// 15-digit decimals lie further apart than a double's rounding. Most values
// of a data file, written with eight decimals, take this way; the others are
// written and read back as the window does.
double AsShownInGrid(double value)
{
    if (value != 0 && (IsShortDecimal(value) || ShortestDigits(value) <= kGridDigits))
        return value;
    return StoreReal(ParseNumberOrThrow(FormatGeneral(value, kGridDigits, kSeparator), kSeparator));
}

// A reading typed with the user's separator: '.' or ','. A value beyond the
// range of a double is no number, as in the window's result table.
std::optional<double> ReadingValue(const std::string& text)
{
    std::optional<Extended> value = ParseNumber(text, ".");
    if (!value)
        value = ParseNumber(text, ",");
    if (!value)
        return std::nullopt;
    try {
        return StoreReal(*value);
    } catch (const RunError&) {
        return std::nullopt;
    }
}

// The list's field without the blanks that align it; a blank is the same
// byte in both codes, and no part of a UTF-8 character.
std::string_view Trimmed(std::string_view field)
{
    const std::size_t first = field.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view()
                                           : field.substr(first, field.find_last_not_of(' ') + 1 - first);
}

std::string_view EquationLine(std::string_view windowText)
{
    const std::size_t end = windowText.rfind('\r');
    return end == std::string_view::npos ? windowText : windowText.substr(end + 1);
}

// Loads the record into the state the way the window does and fits it; the
// reason when there is no line.
std::optional<std::string> Fit(const StoredRecord& record, CalibrationState& s, FitShows shows, LineOutcome& fit)
{
    if (record.pointCount > kMaxRecordPoints)
        return "точек больше " + std::to_string(kMaxRecordPoints);
    if (record.pointCount < 1)
        return std::string("нет точек");
    s.Tolerance = AsShownInGrid(record.tolerance);
    s.PointCount = record.pointCount;
    s.ActiveCount = record.pointCount;
    for (int i = 1; i <= record.pointCount; ++i) {
        s.PercentValues[i] = AsShownInGrid(record.x[static_cast<std::size_t>(i - 1)]);
        s.MeasuredValues[i] = AsShownInGrid(record.y[static_cast<std::size_t>(i - 1)]);
    }
    MarkAllInFit(s);
    if (const DegenerateInput input = FindDegenerateInput(s); input != DegenerateInput::None)
        return std::string(DegenerateMessage(input));
    fit = FitLine(s, kSeparator, shows);
    if (fit.stop != LineStop::Done)
        return std::string("знаменатель МНК равен нулю");
    if (fit.failure)
        return std::string(fit.failure->what());
    if (s.SlopeA == 0)
        return std::string("наклон прямой равен нулю");
    return std::nullopt;
}

bool WantsCurve(CalibrationModel model, const CalibrationStatistics& statistics)
{
    switch (model) {
    case CalibrationModel::Linear: return false;
    case CalibrationModel::Quadratic: return true;
    case CalibrationModel::Auto: break;
    }
    return statistics.mandel && !statistics.mandel->linear;
}

}  // namespace

RecordAnalyser::RecordAnalyser(const ReportSettings& settings, FitShows shows)
    : settings_(settings), shows_(shows), state_(std::make_unique<CalibrationState>())
{
    state_->ResultPrecision = kDeviationPrecision;
    state_->ResultDecimals = kDeviationDecimals;
}

RecordAnalyser::~RecordAnalyser() = default;

void RecordAnalyser::Analyse(const StoredRecord& record, RecordReport& report)
{
    report.number = record.number;
    Cp1251ToUtf8(Trimmed(record.head.dateField), report.date);
    Cp1251ToUtf8(Trimmed(record.head.timeField), report.time);
    report.tolerance = record.tolerance;
    report.equation.clear();
    report.lineLow = report.lineHigh = {};
    report.points.clear();
    report.quadratic.reset();
    report.savedBy.reset();

    CalibrationState& s = *state_;
    LineOutcome fit;
    try {
        report.error = Fit(record, s, shows_, fit);
    } catch (const RunError& e) {
        report.error = e.what();
    }
    if (report.error) {
        report.statistics = {};
        report.readings.clear();
        return;
    }

    report.equation.assign(EquationLine(fit.equation));
    report.lineLow = fit.low;
    report.lineHigh = fit.high;
    for (std::size_t i = 0; i < fit.points.size(); ++i)
        report.points.push_back(
            {fit.points[i].x, fit.points[i].y, std::move(fit.deviationTexts[i]), fit.points[i].colour == clLime});
    PointsInFit(s, inFit_);
    report.statistics = ComputeCalibrationStatistics(inFit_, s.SlopeA, s.InterceptB, settings_.alpha);
    if (WantsCurve(settings_.model, report.statistics))
        report.quadratic = FitQuadraticCalibration(inFit_, settings_.alpha);
    report.readings.resize(record.readings.size());
    for (std::size_t i = 0; i < record.readings.size(); ++i) {
        ReadingReport& reading = report.readings[i];
        Cp1251ToUtf8(record.readings[i], reading.text);
        reading.reading = ReadingValue(reading.text);
        reading.interval = {};
        reading.onCurve.reset();
        if (reading.reading) {
            reading.interval = ConcentrationInterval(report.statistics, *reading.reading, settings_.blank);
            if (report.quadratic)
                reading.onCurve = QuadraticConcentration(*report.quadratic, *reading.reading, settings_.blank);
        }
    }
}
