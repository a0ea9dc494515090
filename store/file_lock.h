#pragma once

#include <chrono>
#include <string>

#include "core/run_error.h"
#include "store/posix_file.h"

// How long a command waits for another program's hold on the data file.
constexpr std::chrono::milliseconds kDataFileLockWait{4000};

// The hold on a data file was not had in time: the command ends, and the
// file is as it was.
class DataFileBusy : public RunError {
public:
    explicit DataFileBusy(const std::string& dataFileName);
};

// An exclusive advisory lock that one program holds on a data file for a
// whole read-modify-write, so that two programs on one file (in a shared
// folder, or two windows) take turns. The lock is an open-file lock (fcntl)
// on "NAME.lock" beside the file (beside the target of a symbolic link), so
// it survives the rename that replaces the data file; the lock file is
// created for the hold and removed when it ends. Where no lock file can be
// made (a read-only folder, a name at the length limit) the data file itself
// is locked; where neither can be opened nothing is locked, and the command
// then fails on the file by itself.
class DataFileLock {
public:
    // Waits up to `wait` for the hold; throws DataFileBusy after that.
    explicit DataFileLock(const std::string& dataFileName, std::chrono::milliseconds wait = kDataFileLockWait);
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // The name of the lock file of a data file.
    static std::string LockFileName(const std::string& dataFileName);

private:
    UniqueFd fd_;
    std::string lockFile_;
};
