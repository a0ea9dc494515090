#pragma once

#include <QJsonObject>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "history/line_diff.h"

// The fields of the events of a history. Every event has `seq`, `time`
// (local time with its offset), `user`, `host`, `program` (name and
// version), `operation`, `file_sha256_before`, `file_sha256_after` and
// `prev_sha256`; an event after a damaged line has `break`, naming it.
namespace history_field {
inline const QString Seq = QStringLiteral("seq");
inline const QString Time = QStringLiteral("time");
inline const QString User = QStringLiteral("user");
inline const QString Host = QStringLiteral("host");
inline const QString Program = QStringLiteral("program");
inline const QString Operation = QStringLiteral("operation");
inline const QString ShaBefore = QStringLiteral("file_sha256_before");
inline const QString ShaAfter = QStringLiteral("file_sha256_after");
inline const QString PrevSha = QStringLiteral("prev_sha256");
inline const QString Break = QStringLiteral("break");
inline const QString Record = QStringLiteral("record");
inline const QString Text = QStringLiteral("text");
inline const QString Equation = QStringLiteral("equation");
inline const QString ExcludedPoints = QStringLiteral("excluded_points");
inline const QString Diff = QStringLiteral("diff");
inline const QString Restores = QStringLiteral("restores");
}  // namespace history_field

namespace history_operation {
inline const QString Append = QStringLiteral("append");
inline const QString Delete = QStringLiteral("delete");
inline const QString EditorSave = QStringLiteral("editor-save");
inline const QString Restore = QStringLiteral("restore");
}  // namespace history_operation

// A point switched out of the fit when its record was saved.
struct ExcludedPoint {
    int number = 0;  // its row in the point grid
    double x = 0;
    double y = 0;
};

// An event's own fields before it is written.
QJsonObject NewEvent(const QString& operation, const std::string& shaBefore, const std::string& shaAfter);
QJsonObject RecordEvent(const QString& operation, const std::string& shaBefore, const std::string& shaAfter,
                        long long record, std::string_view text);
QJsonArray ExcludedPointsJson(const std::vector<ExcludedPoint>& points);
QJsonObject DiffJson(const LineDiff& diff);
LineDiff DiffFromJson(const QJsonObject& diff);

// Record texts are the data file's bytes as Unicode (the project's lossless
// Windows-1251 table), line ends and all.
QString FileBytesText(std::string_view bytes);
std::string TextFileBytes(const QString& text);

// An event line parsed; an empty object when it is no JSON object.
QJsonObject ParseEvent(std::string_view line);
std::string EventLine(const QJsonObject& event);
