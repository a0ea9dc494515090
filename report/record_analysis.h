#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/calibration_statistics.h"
#include "core/fit.h"
#include "core/quadratic_calibration.h"
#include "report/saved_records.h"
#include "store/record_stream.h"

struct PointReport {
    double x = 0;
    double y = 0;
    // The deviation as the point grid shows it, '.' for the separator.
    std::string deviation;
    bool withinTolerance = false;
};

struct ReadingReport {
    // The reading line as it stands (UTF-8).
    std::string text;
    // Empty when the line is no number.
    std::optional<double> reading;
    ReadingInterval interval;
    // On the second-order curve, when the record has one.
    std::optional<QuadraticReading> onCurve;
};

// What the report says about one record: the window's fit of the record as
// it loads it, the statistics of the line and each reading's concentration.
struct RecordReport {
    int number = 0;
    std::string date;  // UTF-8, as the record list shows it, without its padding
    std::string time;
    double tolerance = 0;
    // Why the record could not be fitted; nothing else below is then set.
    std::optional<std::string> error;
    // "Y=a*X+b" as the window writes it under "Уравнение прямой:".
    std::string equation;
    // The ends of the line as the chart draws it.
    LinePoint lineLow;
    LinePoint lineHigh;
    std::vector<PointReport> points;
    CalibrationStatistics statistics;
    std::vector<ReadingReport> readings;
    // The second-order calibration, when the settings ask for it.
    std::optional<QuadraticCalibration> quadratic;
    // Who saved the record, when the history beside the file says so.
    std::optional<SavedByReport> savedBy;
};

// Which calibration functions a record is reported with: the line alone, the
// line and the second-order curve, or the curve only where Mandel's test
// rejects the line.
enum class CalibrationModel { Linear, Quadratic, Auto };

struct ReportSettings {
    double alpha = 0.05;
    double blank = 0;
    CalibrationModel model = CalibrationModel::Auto;
};

// Fits records one after another in one calculation state, as the window
// does when records are chosen in turn. With FitShows::EquationOnly the
// reports have no points, for a format that prints none.
class RecordAnalyser {
public:
    explicit RecordAnalyser(const ReportSettings& settings, FitShows shows = FitShows::PointsAndEquation);
    ~RecordAnalyser();

    // Into `report`, whose texts and lists keep their memory from record to
    // record; every field is set anew, savedBy emptied.
    void Analyse(const StoredRecord& record, RecordReport& report);

private:
    ReportSettings settings_;
    FitShows shows_;
    std::unique_ptr<CalibrationState> state_;
    std::vector<CalibrationPoint> inFit_;  // the points of the record at hand
};
