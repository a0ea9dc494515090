#include "report/json_format.h"

#include <cmath>
#include <cstdio>

#include "report/number_format.h"

namespace {

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// The members of one object, written as they are added.
class Members {
public:
    void Add(const char* key, const std::string& jsonValue)
    {
        text_ += text_.empty() ? "{" : ",";
        text_ += Quoted(key) + ":" + jsonValue;
    }
    void Number(const char* key, double value)
    {
        if (std::isfinite(value))
            Add(key, ExactNumber(value));
    }
    void Number(const char* key, const std::optional<double>& value)
    {
        if (value)
            Number(key, *value);
    }
    void Text(const char* key, const std::string& value) { Add(key, Quoted(value)); }
    void Bool(const char* key, bool value) { Add(key, value ? "true" : "false"); }
    std::string Close() const { return text_.empty() ? "{}" : text_ + "}"; }

private:
    std::string text_;
};

template <typename T, typename F>
std::string Array(const std::vector<T>& items, F object)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + object(items[i]);
    return out + "]";
}

std::string PointObject(const PointReport& point)
{
    Members m;
    m.Number("x", point.x);
    m.Number("y", point.y);
    m.Text("deviation", point.deviation);
    m.Bool("within_tolerance", point.withinTolerance);
    return m.Close();
}

const char* RootName(QuadraticReading::Root root)
{
    switch (root) {
    case QuadraticReading::Root::InRange: return "\"in_range\"";
    case QuadraticReading::Root::NoRealRoot: return "\"no_real_root\"";
    case QuadraticReading::Root::OutOfRange: break;
    }
    return "\"out_of_range\"";
}

void AddInterval(Members& m, const std::optional<double>& concentration, const std::optional<double>& halfWidth,
                 const std::optional<double>& low, const std::optional<double>& high)
{
    m.Number("concentration", concentration);
    m.Number("half_width", halfWidth);
    m.Number("low", low);
    m.Number("high", high);
}

std::string CurveReadingObject(const QuadraticReading& reading)
{
    Members m;
    m.Add("root", RootName(reading.root));
    AddInterval(m, reading.concentration, reading.halfWidth, reading.low, reading.high);
    return m.Close();
}

std::string CurveObject(const QuadraticCalibration& q)
{
    Members m;
    m.Add("n", std::to_string(q.n));
    m.Number("a", q.a);
    m.Number("b", q.b);
    m.Number("c", q.c);
    m.Number("a_se", q.aStandardError);
    m.Number("b_se", q.bStandardError);
    m.Number("c_se", q.cStandardError);
    m.Number("residual_sd", q.residualSd);
    m.Number("sensitivity", q.sensitivity);
    m.Number("method_sd", q.methodSd);
    m.Number("relative_method_sd_percent", q.relativeMethodSdPercent);
    m.Number("low_x", q.lowX);
    m.Number("high_x", q.highX);
    return m.Close();
}

std::string ReadingObject(const ReadingReport& reading)
{
    Members m;
    if (reading.reading)
        m.Number("reading", *reading.reading);
    else
        m.Text("reading", reading.text);
    const ReadingInterval& i = reading.interval;
    AddInterval(m, i.concentration, i.halfWidth, i.low, i.high);
    if (reading.onCurve)
        m.Add("quadratic", CurveReadingObject(*reading.onCurve));
    return m.Close();
}

void AddStatistics(Members& m, const CalibrationStatistics& st)
{
    m.Add("n", std::to_string(st.n));
    m.Number("slope", st.slope);
    m.Number("intercept", st.intercept);
    m.Number("slope_se", st.slopeStandardError);
    m.Number("intercept_se", st.interceptStandardError);
    m.Number("r_squared", st.rSquared);
    m.Number("residual_sd", st.residualSd);
    m.Number("method_sd", st.methodSd);
    m.Number("relative_method_sd_percent", st.relativeMethodSdPercent);
    m.Number("decision_limit", st.decisionLimit);
    m.Number("detection_limit", st.detectionLimit);
    m.Number("quantification_limit", st.quantificationLimit);
    if (st.mandel) {
        Members mandel;
        mandel.Number("value", st.mandel->value);
        mandel.Number("quantile", st.mandel->quantile);
        mandel.Bool("linear", st.mandel->linear);
        m.Add("mandel", mandel.Close());
    }
}

std::string ExcludedPointObject(const ExcludedPointReport& point)
{
    Members m;
    m.Add("number", std::to_string(point.number));
    m.Number("x", point.x);
    m.Number("y", point.y);
    return m.Close();
}

}  // namespace

void JsonReportWriter::AppendText(const RecordReport& record, std::string& out)
{
    Members m;
    m.Add("record", std::to_string(record.number));
    m.Text("date", record.date);
    m.Text("time", record.time);
    m.Number("tolerance", record.tolerance);
    if (record.savedBy) {
        Members savedBy;
        savedBy.Text("user", record.savedBy->user);
        savedBy.Text("host", record.savedBy->host);
        savedBy.Text("time", record.savedBy->time);
        m.Add("saved_by", savedBy.Close());
        m.Add("excluded_points", Array(record.savedBy->excluded, ExcludedPointObject));
    }
    if (record.error) {
        m.Text("error", *record.error);
    } else {
        m.Text("equation", record.equation);
        AddStatistics(m, record.statistics);
        if (record.quadratic)
            m.Add("quadratic", CurveObject(*record.quadratic));
        m.Add("points", Array(record.points, PointObject));
        m.Add("readings", Array(record.readings, ReadingObject));
    }
    out += first_ ? "[\n" : ",\n";
    first_ = false;
    out += m.Close();
}

std::string JsonReportWriter::Closing()
{
    return first_ ? "[]\n" : "\n]\n";
}
