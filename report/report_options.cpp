#include "report/report_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <charconv>
#include <cmath>

namespace {

std::optional<long long> WholeNumber(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

std::optional<double> RealNumber(const QString& text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<CalibrationModel> ModelNamed(const QString& name)
{
    if (name == QLatin1String("linear"))
        return CalibrationModel::Linear;
    if (name == QLatin1String("quadratic"))
        return CalibrationModel::Quadratic;
    if (name == QLatin1String("auto"))
        return CalibrationModel::Auto;
    return std::nullopt;
}

std::optional<ReportFormat> FormatNamed(const QString& name)
{
    if (name == QLatin1String("text"))
        return ReportFormat::Text;
    if (name == QLatin1String("csv"))
        return ReportFormat::Csv;
    if (name == QLatin1String("json"))
        return ReportFormat::Json;
    if (name == QLatin1String("pdf"))
        return ReportFormat::Pdf;
    return std::nullopt;
}

UsageError Wrong(const QString& option, const QString& value, const char* what)
{
    return {QStringLiteral("--%1: '%2' %3").arg(option, value, QLatin1String(what)).toStdString()};
}

}  // namespace

std::optional<RecordRange> ParseRecordRange(const std::string& text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) {
        const auto n = WholeNumber(text);
        return n ? std::optional<RecordRange>({*n, *n}) : std::nullopt;
    }
    const auto first = WholeNumber(std::string_view(text).substr(0, dash));
    const auto last = WholeNumber(std::string_view(text).substr(dash + 1));
    if (!first || !last || *first > *last)
        return std::nullopt;
    return RecordRange{*first, *last};
}

ParsedCommandLine ParseReportCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reports the calibrations kept in a Tolvazen data file: each record's line, its statistics and the "
        "concentrations of its readings, as text, CSV, JSON or a PDF with one page per record."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption record({QStringLiteral("r"), QStringLiteral("record")},
                                    QStringLiteral("Report record N, or records N-M (repeatable; default: all)."),
                                    QStringLiteral("N"));
    const QCommandLineOption format({QStringLiteral("f"), QStringLiteral("format")},
                                    QStringLiteral("text, csv, json or pdf (default: text)."), QStringLiteral("FORMAT"),
                                    QStringLiteral("text"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write to FILE instead of standard output (required for pdf)."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption alpha(QStringLiteral("alpha"),
                                   QStringLiteral("Significance level of the limits and intervals (default 0.05)."),
                                   QStringLiteral("A"), QStringLiteral("0.05"));
    const QCommandLineOption blank(QStringLiteral("blank"),
                                   QStringLiteral("The blank reading subtracted from each reading (default 0)."),
                                   QStringLiteral("B"), QStringLiteral("0"));
    const QCommandLineOption model(
        QStringLiteral("model"),
        QStringLiteral("linear, quadratic or auto: the second-order calibration of ISO 8466-2 beside the line "
                       "never, always, or where Mandel's test rejects the line (default: auto)."),
        QStringLiteral("MODEL"), QStringLiteral("auto"));
    parser.addOptions({record, format, output, alpha, blank, model});
    parser.addPositionalArgument(QStringLiteral("DATAFILE"), QStringLiteral("The data file to read."));

    if (!parser.parse(arguments))
        return UsageError{parser.errorText().toStdString()};
    if (parser.isSet(help))
        return HelpText{parser.helpText().toStdString()};
    if (parser.isSet(version))
        return HelpText{(QCoreApplication::applicationName() + QLatin1Char(' ') +
                         QCoreApplication::applicationVersion() + QLatin1Char('\n'))
                            .toStdString()};

    ReportOptions options;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return UsageError{"one DATAFILE expected"};
    options.dataFile = files.front().toStdString();
    for (const QString& value : parser.values(record)) {
        const auto range = ParseRecordRange(value.toStdString());
        if (!range)
            return Wrong(QStringLiteral("record"), value, "is no record number or range N-M");
        options.records.push_back(*range);
    }
    const auto chosen = FormatNamed(parser.value(format));
    if (!chosen)
        return Wrong(QStringLiteral("format"), parser.value(format), "is not text, csv, json or pdf");
    options.format = *chosen;
    if (parser.isSet(output))
        options.output = parser.value(output).toStdString();
    if (options.format == ReportFormat::Pdf && !options.output)
        return UsageError{"--format pdf needs --output FILE"};
    const auto a = RealNumber(parser.value(alpha));
    if (!a || *a <= 0 || *a >= 1)
        return Wrong(QStringLiteral("alpha"), parser.value(alpha), "is no number between 0 and 1");
    options.settings.alpha = *a;
    const auto b = RealNumber(parser.value(blank));
    if (!b)
        return Wrong(QStringLiteral("blank"), parser.value(blank), "is no number");
    options.settings.blank = *b;
    const auto m = ModelNamed(parser.value(model));
    if (!m)
        return Wrong(QStringLiteral("model"), parser.value(model), "is not linear, quadratic or auto");
    options.settings.model = *m;
    return options;
}
