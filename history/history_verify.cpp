#include <QJsonObject>

#include "history/history_commands.h"
#include "history/history_event.h"
#include "history/history_file.h"
#include "history/sha256.h"
#include "store/whole_file.h"

namespace {

CommandOutcome Broken(const std::string& message)
{
    return {1, {}, message + '\n'};
}

std::string ChangedOutside(const QJsonObject& event)
{
    return "the data file was changed outside the program after event " +
           std::to_string(event.value(history_field::Seq).toInteger());
}

}  // namespace

CommandOutcome VerifyHistory(const std::string& dataFile)
{
    using namespace history_field;
    const std::optional<std::string> data = ReadWholeFile(dataFile);
    if (!data)
        return {2, {}, "cannot read " + dataFile + '\n'};
    const std::string historyFile = HistoryFileName(dataFile);
    const auto lines = ReadHistoryLines(historyFile);
    if (!lines)
        return Broken(historyFile + " is missing or cannot be read");
    if (lines->empty())
        return Broken(historyFile + " holds no events");
    QJsonObject previous;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const QJsonObject event = ParseEvent((*lines)[i]);
        const std::string prevSha = i == 0 ? std::string() : Sha256Hex((*lines)[i - 1]);
        if (event.isEmpty() || event.value(Seq).toInteger() != static_cast<qint64>(i + 1) ||
            event.value(PrevSha).toString().toStdString() != prevSha)
            return Broken("line " + std::to_string(i + 1) + " of " + historyFile + " breaks the chain");
        if (i > 0 && event.value(ShaBefore) != previous.value(ShaAfter))
            return Broken(ChangedOutside(previous));
        previous = event;
    }
    if (previous.value(ShaAfter).toString().toStdString() != Sha256Hex(*data))
        return Broken(ChangedOutside(previous));
    return {0, "the chain of " + std::to_string(lines->size()) + " events is whole and matches " + dataFile + '\n', {}};
}
