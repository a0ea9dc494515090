#include "history/history_event.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "store/code_page.h"

namespace {

const QString kFirstLine = QStringLiteral("first_line");
const QString kNewLines = QStringLiteral("new_lines");
const QString kOldText = QStringLiteral("old_text");

}  // namespace

QJsonObject NewEvent(const QString& operation, const std::string& shaBefore, const std::string& shaAfter)
{
    return QJsonObject{{history_field::Operation, operation},
                       {history_field::ShaBefore, QString::fromStdString(shaBefore)},
                       {history_field::ShaAfter, QString::fromStdString(shaAfter)}};
}

QJsonObject RecordEvent(const QString& operation, const std::string& shaBefore, const std::string& shaAfter,
                        long long record, std::string_view text)
{
    QJsonObject event = NewEvent(operation, shaBefore, shaAfter);
    event.insert(history_field::Record, static_cast<qint64>(record));
    event.insert(history_field::Text, FileBytesText(text));
    return event;
}

QJsonArray ExcludedPointsJson(const std::vector<ExcludedPoint>& points)
{
    QJsonArray array;
    for (const ExcludedPoint& point : points)
        array.append(QJsonObject{{QStringLiteral("number"), point.number},
                                 {QStringLiteral("x"), point.x},
                                 {QStringLiteral("y"), point.y}});
    return array;
}

QJsonObject DiffJson(const LineDiff& diff)
{
    return QJsonObject{{kFirstLine, static_cast<qint64>(diff.firstLine)},
                       {kNewLines, static_cast<qint64>(diff.newLineCount)},
                       {kOldText, FileBytesText(diff.oldText)}};
}

LineDiff DiffFromJson(const QJsonObject& diff)
{
    return {static_cast<std::size_t>(diff.value(kFirstLine).toInteger(-1)),
            static_cast<std::size_t>(diff.value(kNewLines).toInteger(-1)),
            TextFileBytes(diff.value(kOldText).toString())};
}

QString FileBytesText(std::string_view bytes)
{
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

std::string TextFileBytes(const QString& text)
{
    return Utf8ToCp1251(text.toStdString()).bytes;
}

QJsonObject ParseEvent(std::string_view line)
{
    return QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size()))).object();
}

std::string EventLine(const QJsonObject& event)
{
    return QJsonDocument(event).toJson(QJsonDocument::Compact).toStdString();
}
