#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "store/change_journal.h"
#include "store/file_lock.h"

// What became of the editor's save.
struct EditedFileSave {
    enum class Status { Saved, Failed, Changed };
    Status status = Status::Failed;
    // For Changed: the file's bytes as they are now (no value: it is gone).
    std::optional<std::string> current;
};

// The editor's save: while the data file's lock is held (DataFileBusy when it
// is not had within `lockWait`), the file is read and, when it still holds
// `seen` (the bytes the editor opened; no value for a file that could not be
// read), written with `bytes` (WriteWholeFile). A file that another program
// changed in the meantime is left as it is and reported Changed, with its
// present bytes, so that the user decides; a save that then repeats with
// those bytes as `seen` overwrites that change. A `journal` writes its event
// before the file is written; its HistoryNotWritten ends the call with the
// file unchanged.
EditedFileSave SaveEditedFile(const std::string& fileName, const std::optional<std::string>& seen,
                              std::string_view bytes, std::chrono::milliseconds lockWait = kDataFileLockWait,
                              ChangeJournal* journal = nullptr);
