#include <QJsonObject>

#include "history/history_commands.h"
#include "history/history_event.h"
#include "history/history_file.h"
#include "history/history_writer.h"
#include "history/sha256.h"
#include "store/durable_append.h"
#include "store/file_lock.h"
#include "store/record_delete.h"
#include "store/whole_file.h"

namespace {

CommandOutcome Refused(const std::string& why)
{
    return {1, {}, why + '\n'};
}

CommandOutcome Unchanged(const std::string& why)
{
    return {0, why + "; nothing was written\n", {}};
}

std::string Event(long long seq)
{
    return "event " + std::to_string(seq);
}

// A deleted record back at the end of the file, its bytes as they were; a
// last line without its line end is completed first.
CommandOutcome RestoreRecord(const std::string& dataFile, DataFileLock& lock, const std::string& current,
                             const std::vector<QJsonObject>& events, std::size_t index)
{
    const long long seq = events[index].value(history_field::Seq).toInteger();
    for (std::size_t k = index + 1; k < events.size(); ++k)
        if (events[k].value(history_field::Restores).toInteger() == seq)
            return Unchanged(Event(events[k].value(history_field::Seq).toInteger()) + " restored the record of " +
                             Event(seq) + " already");
    const std::string text = TextFileBytes(events[index].value(history_field::Text).toString());
    const std::string bytes = (!current.empty() && current.back() != '\n' ? "\r\n" : "") + text;
    if (!AppendDurably(dataFile, bytes, 0, '\0', &lock))
        return Refused("cannot write " + dataFile + "; it is unchanged");
    const std::string after = current + bytes;
    QJsonObject event = RecordEvent(history_operation::Restore, Sha256Hex(current), Sha256Hex(after),
                                    RecordCount(after), text);
    event.insert(history_field::Restores, static_cast<qint64>(seq));
    try {
        HistoryWriter(QStringLiteral("tolvazen-history")).Write(dataFile, event);
    } catch (const HistoryNotWritten& error) {
        return Refused("the record is restored in " + dataFile + ", but " + error.HistoryFileName +
                       " could not be written");
    }
    return {0, "record " + std::to_string(RecordCount(after)) + " restored from " + Event(seq) + '\n', {}};
}

// The file as it was before an editor save, when nothing changed it since.
CommandOutcome RestoreEditorSave(const std::string& dataFile, DataFileLock& lock, const std::string& current,
                                 const std::vector<QJsonObject>& events, std::size_t index)
{
    using namespace history_field;
    const QJsonObject& save = events[index];
    const long long seq = save.value(Seq).toInteger();
    const std::string currentSha = Sha256Hex(current);
    const std::string oldSha = save.value(ShaBefore).toString().toStdString();
    if (currentSha == oldSha)
        return Unchanged("the data file is as it was before " + Event(seq));
    if (currentSha != save.value(ShaAfter).toString().toStdString()) {
        for (std::size_t k = index + 1; k < events.size(); ++k)
            if (events[k].value(ShaBefore) != events[k].value(ShaAfter))
                return Refused("refused: " + Event(events[k].value(Seq).toInteger()) + " changed the data file since " +
                               Event(seq));
        return Refused("refused: the data file was changed outside the program since " + Event(seq));
    }
    const std::optional<std::string> old = RebuildOld(current, DiffFromJson(save.value(Diff).toObject()));
    if (oldSha.empty() || !old || Sha256Hex(*old) != oldSha)
        return Refused("refused: the file before " + Event(seq) + " cannot be rebuilt from the history");
    QJsonObject event = NewEvent(history_operation::Restore, currentSha, oldSha);
    event.insert(Restores, static_cast<qint64>(seq));
    event.insert(Diff, DiffJson(DiffLines(current, *old)));
    try {
        HistoryWriter(QStringLiteral("tolvazen-history")).Write(dataFile, event);
    } catch (const HistoryNotWritten& error) {
        return Refused("refused: " + error.HistoryFileName + " cannot be written; the data file is unchanged");
    }
    if (!WriteWholeFile(dataFile, *old, &lock))
        return Refused("cannot write " + dataFile + "; it is unchanged");
    return {0, "the data file is as it was before " + Event(seq) + '\n', {}};
}

}  // namespace

CommandOutcome RestoreEvent(const std::string& dataFile, long long seq)
{
    using namespace history_field;
    try {
        DataFileLock lock(dataFile);
        const std::optional<std::string> current = ReadWholeFile(dataFile);
        const auto lines = ReadHistoryLines(HistoryFileName(dataFile));
        if (!current || !lines)
            return {2, {}, "cannot read " + (current ? HistoryFileName(dataFile) : dataFile) + '\n'};
        std::vector<QJsonObject> events;
        std::optional<std::size_t> found;
        for (const std::string& line : *lines) {
            events.push_back(ParseEvent(line));
            if (events.back().value(Seq).toInteger() == seq)
                found = events.size() - 1;
        }
        if (!found)
            return {2, {}, "there is no " + Event(seq) + " in " + HistoryFileName(dataFile) + '\n'};
        const QString operation = events[*found].value(Operation).toString();
        if (operation == history_operation::Delete)
            return RestoreRecord(dataFile, lock, *current, events, *found);
        if (operation == history_operation::EditorSave)
            return RestoreEditorSave(dataFile, lock, *current, events, *found);
        return Refused("refused: " + Event(seq) + " is " + operation.toStdString() +
                       "; only a delete or an editor save can be undone");
    } catch (const RunError& error) {
        return Refused(error.what());  // the lock was not had, or the write's outcome is not known
    }
}
