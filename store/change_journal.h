#pragma once

#include <string>
#include <string_view>

#include "core/run_error.h"

// The history of a data file: the store tells it of every change while the
// data file's lock is held, so that the history and the file change in one
// turn. A journal that cannot write its event throws HistoryNotWritten. The
// store may call it on a thread of its own while it writes the file's new
// bytes, waiting for it to end before they take the file's name.
class ChangeJournal {
public:
    virtual ~ChangeJournal() = default;

    // Before the lines [begin, end) of record n are removed from `before`,
    // the file as it is. The event is on the disk when this returns.
    virtual void RecordDelete(const std::string& dataFileName, std::string_view before, long long n,
                              std::size_t begin, std::size_t end) = 0;

    // Before the editor's text `after` replaces the file's bytes `before`
    // (no value: there was no readable file). The event is on the disk when
    // this returns.
    virtual void RecordEditorSave(const std::string& dataFileName, const std::string* before,
                                  std::string_view after) = 0;

    // After the change whose event RecordDelete or RecordEditorSave wrote
    // is in the file, while its lock is still held.
    virtual void FileChanged(const std::string& dataFileName) = 0;

    // Before an append writes anything, and after the record's bytes are on
    // the disk.
    virtual void PrepareAppend(const std::string& dataFileName) = 0;
    virtual void RecordAppend(const std::string& dataFileName, std::string_view record) = 0;
};

// The history could not be written; `HistoryFileName` names it.
class HistoryNotWritten : public RunError {
public:
    explicit HistoryNotWritten(std::string historyFileName)
        : RunError("История " + historyFileName + " не записана"), HistoryFileName(std::move(historyFileName))
    {
    }
    std::string HistoryFileName;
};
