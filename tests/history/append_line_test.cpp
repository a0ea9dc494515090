#include <gtest/gtest.h>

#include <fstream>
#include <limits>

#include "history_fixture.h"

namespace {

std::string EveryByteButCtrlZ()
{
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (c != 26)
            bytes += static_cast<char>(c);
    return bytes + "\r\n";
}

// An append's event line is made without the JSON document; each is byte
// for byte the line the document makes of the same event.
TEST(HistoryWriter, AnAppendsLineIsTheLineTheJsonDocumentMakesOfIt)
{
    struct Case {
        QString equation;
        std::vector<ExcludedPoint> excluded;
        std::string record;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {QStringLiteral("Y=0.05*X+0.01"), {}, ExampleRecordBytes()},
        {QStringLiteral("\"q\" \\ \t\b\f\n\r\x01\x1f\x7f /"),
         {{1, 0.1, -0.0}, {2, 1e-7, 1e21}, {3, 123456789.125, 5.0}, {-4, -2.5e-300, 1.7976931348623157e308}},
         EveryByteButCtrlZ()},
        {QString::fromUtf8("Ω≈ ñ \xF0\x9F\x98\x80 \xEF\xBF\xBF"), {{7, 1.0 / 3, 2e-5}}, "\r\n#\r\n"},
        {QString(QChar(0xD800)) + QStringLiteral(" ") + QChar(0xDC00), {}, "x\r\n"},
        {QString(), {{1, nan, 0}}, "y\r\n"},
    };
    HistoryFolder folder(1);
    HistoryWriter writer(QStringLiteral("test \"1\" ü"));
    for (const Case& c : cases) {
        writer.SetAppendDetails(c.equation, c.excluded);
        writer.PrepareAppend(folder.data);
        std::ofstream(folder.data, std::ios::binary | std::ios::app) << c.record;
        writer.RecordAppend(folder.data, c.record);
    }
    const std::vector<std::string> lines = ReadHistoryLines(folder.history).value_or(std::vector<std::string>());
    ASSERT_EQ(lines.size(), std::size(cases));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // The points' numbers as they were given, not as read back.
        QJsonObject event = ParseEvent(lines[i]);
        event.insert(history_field::ExcludedPoints, ExcludedPointsJson(cases[i].excluded));
        EXPECT_EQ(lines[i], EventLine(event)) << i;
    }
}

}  // namespace
