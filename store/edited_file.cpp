#include "edited_file.h"

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
    if (journal)
        journal->RecordEditorSave(fileName, current ? &*current : nullptr, bytes);
    return {WriteWholeFile(fileName, bytes, &lock) ? EditedFileSave::Status::Saved : EditedFileSave::Status::Failed, {}};
}
