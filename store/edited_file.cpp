#include "edited_file.h"

#include "replace_after_event.h"
#include "whole_file.h"

EditedFileSave SaveEditedFile(const std::string& fileName, const std::optional<std::string>& seen,
                              std::string_view bytes, std::chrono::milliseconds lockWait, ChangeJournal* journal)
{
    if (fileName.empty())
        return {};
    DataFileLock lock(fileName, lockWait);
    std::optional<std::string> current = ReadWholeFile(fileName);
    if (current != seen)
        return {EditedFileSave::Status::Changed, std::move(current)};
    const auto outcome = [&](bool saved) {
        if (saved && journal)
            journal->FileChanged(fileName);
        return EditedFileSave{saved ? EditedFileSave::Status::Saved : EditedFileSave::Status::Failed, {}};
    };
    if (journal && current)
        return outcome(
            ReplaceAfterEvent(fileName, {bytes}, [&] { journal->RecordEditorSave(fileName, &*current, bytes); }));
    if (journal)
        journal->RecordEditorSave(fileName, nullptr, bytes);
    return outcome(WriteWholeFile(fileName, bytes, &lock));
}
