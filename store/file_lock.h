#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/run_error.h"
#include "store/lock_holder.h"
#include "store/posix_file.h"

// How long a command waits for another program's hold on the data file.
constexpr std::chrono::milliseconds kDataFileLockWait{4000};

// The hold on a data file was not had in time: the command ends, and the
// file is as it was. The text names the holder when the lock file says who
// it is.
class DataFileBusy : public RunError {
public:
    explicit DataFileBusy(const std::string& dataFileName, const std::string& holder = {});
};

// No lock that other programs would see can be had on the data file (a
// folder where no lock file can be made, on a share): the command ends, and
// the file is as it was.
class DataFileUnlockable : public RunError {
public:
    explicit DataFileUnlockable(const std::string& dataFileName);
};

// An exclusive lock that one program holds on a data file for a whole
// read-modify-write, so that two programs on one file take turns, also from
// two workstations on one shared folder. The lock is the existence of the
// file "NAME.lock" beside the data file (beside the target of a symbolic
// link): it is created with O_CREAT|O_EXCL, which every share makes atomic on
// its server, holds who has the lock (user, host, process id, since when) and
// is removed when the hold ends.
//
// A lock file whose holder is gone is taken over: at once when it was made on
// this host by a process that no longer runs (or by this process, outside any
// hold it has now), from another host once it is older than any command
// takes. Only the program that creates "NAME.lock.break" may take over, so
// two never both do.
//
// A command that changes a file in place first notes how to give the file
// back (NoteInPlaceWrite): in the lock file on a local disk, in "NAME.undo"
// on a share. A holder that ends before it settles leaves the lock file and
// the note; whoever takes the lock file over moves its note to "NAME.undo"
// (an empty one when there is none), and the next holder gives the file back
// its old bytes first (or keeps the write when it arrived whole). That hold,
// and every hold on a share, also removes what interrupted commands left in
// the folder (replace copies, old .fuse_hidden files).
//
// Where no lock file can be made (a read-only folder, a name at the length
// limit) the data file itself is locked with an open-file lock (fcntl) on a
// local file system, and DataFileUnlockable is thrown on a share, whose
// other workstations would not see that lock. When the data file cannot be
// opened either, nothing is locked: the command then fails on the file by
// itself.
class DataFileLock {
public:
    // Waits up to `wait` for the hold; throws DataFileBusy after that, and
    // WriteOutcomeUnknown when an unsettled write of an earlier holder cannot
    // be given back.
    explicit DataFileLock(const std::string& dataFileName, std::chrono::milliseconds wait = kDataFileLockWait);
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // The name of the lock file of a data file.
    static std::string LockFileName(const std::string& dataFileName);

    // Notes, on the share itself, that `fileName` (in the lock file's folder)
    // is about to be written in place from byte `at` on with `newTail`, and
    // how to give it back: its length `size` and, from `at`, the bytes
    // `oldTail`. `guard` are the bytes in front of `at`, by which the file is
    // known again: one that no longer holds them was changed otherwise and is
    // not given back. False when the note could not be made; then nothing may
    // be written. Without a lock file there is nothing to note in, and the
    // result is true.
    bool NoteInPlaceWrite(const std::string& fileName, std::uint64_t size, std::uint64_t at, std::string_view oldTail,
                          std::string_view newTail, std::string_view guard = {});
    // The noted write ended as it should (done, or given back): the note goes.
    // A note that cannot be settled, or given back when the hold ends, keeps
    // the lock file for the next holder.
    void Settle();

    // True when the lock file is on a share.
    bool IsOnShare() const { return share_; }

private:
    // Ends the hold: the lock file goes unless a write of this hold can
    // neither be given back nor be left to the next holder.
    void Release();

    UniqueFd fd_;
    std::string lockFile_;
    std::string token_;
    long long since_ = 0;
    std::size_t holderLength_ = 0;
    std::optional<InPlaceWrite> unsettled_;
    bool share_ = false;
};
