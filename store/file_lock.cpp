#include "file_lock.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "atomic_replace.h"
#include "durable_append.h"
#include "link_target.h"
#include "lock_holder.h"
#include "share_folder.h"
#include "stray_files.h"
#include "whole_file.h"

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kRetryPause{10};
// A command never holds the lock this long, so a lock file of another host
// this old is left by a program that is gone.
constexpr long long kStaleSeconds = 600;
// A lock file without a holder's text, or a takeover guard, is made and
// filled (or removed) within moments.
constexpr long long kUnfinishedSeconds = 15;
constexpr std::chrono::milliseconds kUnfinishedOnShare{2000};
constexpr mode_t kPermissionBits = 0666;
// A folder that refuses a lock file this often, with no lock file in it, has
// no room for one.
constexpr int kRefusalsBeforeNoLockFile = 3;
constexpr std::size_t kLockFileLimit = 1 << 16;
// How often the removal of a lock file that is open elsewhere is tried.
constexpr int kRemoveAttempts = 200;
// Notes of in-place writes are readable by their owner alone.
constexpr mode_t kNoteMode = 0600;
constexpr std::string_view kNoteInLockFile = "\nwrite ";

// The tokens of the holds this process has now.
std::mutex liveMutex;
std::set<std::string> liveTokens;

bool IsLive(const std::string& token)
{
    const std::lock_guard<std::mutex> guard(liveMutex);
    return liveTokens.count(token) != 0;
}

// A lock file as it was seen: its text (empty when it cannot be read) and
// the time it was last written. No value when it is gone.
struct SeenLock {
    std::string text;
    std::optional<LockHolder> holder;
    std::time_t written = 0;
};

std::optional<SeenLock> Look(const std::string& name)
{
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0)
        return std::nullopt;
    SeenLock seen;
    seen.written = info.st_mtime;
    const UniqueFd fd(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd)
        ReadAllAt(fd.Get(), seen.text, std::min<std::size_t>(static_cast<std::size_t>(info.st_size), kLockFileLimit), 0);
    seen.holder = ParseHolder(seen.text);
    return seen;
}

bool Gone(const SeenLock& seen, long long staleSeconds)
{
    const long long now = static_cast<long long>(std::time(nullptr));
    if (!seen.holder)
        return now - static_cast<long long>(seen.written) > kUnfinishedSeconds;
    const LockHolder& holder = *seen.holder;
    if (holder.host == ThisHost()) {
        if (holder.pid == ::getpid())
            return !IsLive(holder.token);
        if (holder.pid > 0 && ::kill(static_cast<pid_t>(holder.pid), 0) != 0 && errno == ESRCH)
            return true;
    }
    return now - holder.since > staleSeconds;
}

// True when a file cannot be made or written for want of room or rights,
// not for another program's doing.
bool NoRoom(int error)
{
    return error == EACCES || error == EPERM || error == EROFS || error == ENAMETOOLONG || error == ENOSPC ||
           error == EDQUOT || error == EFBIG;
}

// Removes a lock file; an SMB server refuses for a moment while another
// workstation has it open to read who holds it.
bool RemoveSoon(const std::string& name)
{
    for (int attempt = 0; attempt < kRemoveAttempts; ++attempt) {
        if (::unlink(name.c_str()) == 0 || errno == ENOENT)
            return true;
        if (errno != EBUSY)
            return false;
        std::this_thread::sleep_for(kRetryPause);
    }
    return false;
}

// On a share the time a file was written is not to be trusted (GVfs shows
// every lock file with the time of the first one of its name), so there a
// lock file without a holder's text counts as left unfinished only once this
// program has seen it so, unbroken, for a while: its maker writes the text
// within moments.
class UnfinishedWatch {
public:
    // True when the looks until `seen` saw no holder for long enough.
    bool LongEnough(const std::optional<SeenLock>& seen)
    {
        const auto now = std::chrono::steady_clock::now();
        if (!seen || seen->holder)
            since_.reset();
        else if (!since_)
            since_ = now;
        return since_ && now - *since_ >= kUnfinishedOnShare;
    }

private:
    std::optional<std::chrono::steady_clock::time_point> since_;
};

// True when two looks saw one lock file: the same text, written at the same
// time. Lock files still empty differ only in their time, and GVfs may show
// one that is being removed and made again as empty, with a time of its own.
bool Same(const SeenLock& a, const SeenLock& b)
{
    return a.text == b.text && a.written == b.written;
}

// Removes `name` when it still holds what was seen in it.
void RemoveIfUnchanged(const std::string& name, const SeenLock& seen)
{
    const std::optional<SeenLock> again = Look(name);
    if (again && Same(*again, seen))
        RemoveSoon(name);
}

// The file of an unsettled in-place write given back its old bytes; true when
// nothing is left to give back.
bool GiveBack(const fs::path& folder, const InPlaceWrite& write)
{
    const std::string fileName = (folder / write.fileName).string();
    const std::optional<std::string> bytes = ReadWholeFile(fileName);
    if (!bytes) {
        std::error_code error;
        return !fs::exists(fileName, error) && !error;
    }
    const std::size_t guardStart = static_cast<std::size_t>(write.at - write.guardLength);
    if (bytes->size() < write.at ||
        BytesHash(std::string_view(*bytes).substr(guardStart, write.guardLength)) != write.guardHash ||
        (bytes->size() == write.newSize && BytesHash(std::string_view(*bytes).substr(write.at)) == write.newHash))
        return true;
    const std::string old = bytes->substr(0, static_cast<std::size_t>(write.at)) + write.oldTail;
    return old.size() != write.size || old == *bytes || ReplaceFileContents(fileName, old);
}

// "NAME.undo" beside "NAME.lock", no longer than it.
std::string NoteName(const std::string& lockFile)
{
    return lockFile.substr(0, lockFile.size() - 5) + ".undo";
}

// The note of an in-place write that a holder on a local disk keeps in its
// lock file, after the holder's text; empty when there is none.
std::string_view NoteIn(std::string_view lockText)
{
    const std::size_t at = lockText.find(kNoteInLockFile);
    return at == std::string_view::npos ? std::string_view() : lockText.substr(at + 1);
}

// Before the lock file of a holder that is gone is removed, "NAME.undo" gets
// what the next holder must see to: the note in the lock file, else an empty
// note, which still has the next holder clear what the holder's command left
// in the folder. A note there already (a holder on a share writes its note
// there) is kept.
bool LeaveNote(const std::string& lockFile, std::string_view note)
{
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (note.empty() ? O_EXCL : O_TRUNC);
    UniqueFd fd(::open(NoteName(lockFile).c_str(), flags, kNoteMode));
    if (!fd)
        return errno == EEXIST;
    return WriteAllAt(fd.Get(), note, 0) && SyncOrCannot(fd.Get()) && ::close(fd.Release()) == 0;
}

// Takes over a lock file whose holder is gone: only the program that creates
// the guard beside it may remove it. The holder's unsettled write is given
// back by the next holder.
void TakeOver(const std::string& lockFile, const SeenLock& seen)
{
    const std::string guard = lockFile + ".break";
    const UniqueFd fd(::open(guard.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPermissionBits));
    if (!fd) {
        const std::optional<SeenLock> other = errno == EEXIST ? Look(guard) : std::nullopt;
        if (other && Gone(*other, kUnfinishedSeconds))
            RemoveIfUnchanged(guard, *other);
        return;
    }
    WriteAllAt(fd.Get(), HolderText(ThisProcess()), 0);
    const std::optional<SeenLock> again = Look(lockFile);
    if (again && Same(*again, seen) && LeaveNote(lockFile, NoteIn(again->text)))
        RemoveSoon(lockFile);
    ::unlink(guard.c_str());
}

// The note of a write that its holder never settled, given back and removed;
// false when it is there and cannot be given back. `found` tells whether
// there was one.
bool GiveBackNoted(const std::string& lockFile, bool& found)
{
    const std::string note = NoteName(lockFile);
    const std::optional<std::string> text = ReadWholeFile(note);
    found = text.has_value();
    if (!text)
        return errno == ENOENT;
    const std::optional<InPlaceWrite> write = ParseInPlaceWrite(*text);
    return (!write || GiveBack(fs::path(lockFile).parent_path(), *write)) && ::unlink(note.c_str()) == 0;
}

bool TryLock(int fd)
{
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &whole) == 0;
}

// True when the name still leads to the open file: a replace renames a new
// data file in.
bool StillNamed(int fd, const std::string& name)
{
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::stat(name.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

// Without a lock file: an open-file lock on the data file itself, which
// only this host's programs see.
UniqueFd LockDataFileItself(const std::string& dataFileName, std::chrono::steady_clock::time_point deadline)
{
    // Other workstations would not see this lock, and a share may refuse a
    // read-write handle of a file it lets be written otherwise (GVfs).
    if (OnShare(dataFileName))
        throw DataFileUnlockable(dataFileName);
    for (;;) {
        UniqueFd fd(::open(dataFileName.c_str(), O_RDWR | O_CLOEXEC));
        if (!fd)
            return fd;
        while (!TryLock(fd.Get())) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EACCES)
                throw DataFileUnlockable(dataFileName);
            if (std::chrono::steady_clock::now() >= deadline)
                throw DataFileBusy(dataFileName);
            std::this_thread::sleep_for(kRetryPause);
        }
        if (StillNamed(fd.Get(), dataFileName))
            return fd;
    }
}

}  // namespace

DataFileBusy::DataFileBusy(const std::string& dataFileName, const std::string& holder)
    : RunError("Файл данных " + dataFileName + " занят другой программой" + (holder.empty() ? "" : " (" + holder + ")") +
               ". Команда не выполнена, файл не изменен; повторите ее позже")
{
}

DataFileUnlockable::DataFileUnlockable(const std::string& dataFileName)
    : RunError("Файл данных " + dataFileName +
               " нельзя заблокировать от других программ: рядом с ним нельзя создать файл блокировки. Команда не "
               "выполнена, файл не изменен")
{
}

std::string DataFileLock::LockFileName(const std::string& dataFileName)
{
    return LinkTarget(dataFileName) + ".lock";
}

DataFileLock::DataFileLock(const std::string& dataFileName, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const std::string lockFile = LockFileName(dataFileName);
    struct stat data {};
    const bool haveData = ::stat(dataFileName.c_str(), &data) == 0;
    const LockHolder me = ThisProcess();
    const std::string text = HolderText(me);
    int refusals = 0;
    UnfinishedWatch unfinished;
    const bool share = OnShare(lockFile);
    for (;;) {
        UniqueFd fd(::open(lockFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                           haveData ? data.st_mode & kPermissionBits : kPermissionBits));
        if (fd) {
            if (haveData)
                TakeOwnershipAndMode(fd.Get(), data);
            // On a share the holder's text goes to the server at once, so that
            // a command cut off there leaves a lock file that says whose it is,
            // and the lock file is closed: GVfs sends a file's bytes when it is
            // closed, and an SMB server does not remove a file that another
            // workstation has open.
            if (!WriteAllAt(fd.Get(), text, 0) ||
                (share && !(SyncOrCannot(fd.Get()) && ::close(fd.Release()) == 0))) {
                // The lock file is this program's: it was made new. GVfs
                // refuses the text while another program of the mount has the
                // name open: a turn lost. A share that refuses it otherwise (a
                // full one) gets a few more tries.
                const bool turnLost = share && !NoRoom(errno);
                fd.Reset();
                RemoveSoon(lockFile);
                if (!turnLost && ++refusals == kRefusalsBeforeNoLockFile)
                    break;
                if (std::chrono::steady_clock::now() >= deadline)
                    throw DataFileBusy(dataFileName);
                std::this_thread::sleep_for(kRetryPause);
                continue;
            }
            {
                const std::lock_guard<std::mutex> guard(liveMutex);
                liveTokens.insert(me.token);
            }
            fd_ = std::move(fd);
            lockFile_ = lockFile;
            token_ = me.token;
            since_ = me.since;
            share_ = share;
            holderLength_ = text.size();
            bool noted = false;
            if (!GiveBackNoted(lockFile, noted)) {
                Release();
                throw WriteOutcomeUnknown(dataFileName);
            }
            // Only an earlier holder that ended in a command leaves things in
            // the folder, and it leaves a note; on a share, also the FUSE
            // daemon that ends.
            const fs::path target(lockFile.substr(0, lockFile.size() - 5));
            if (share)
                PutBackRenamedAway(target.parent_path().string(), target.filename().string());
            if (noted || share)
                RemoveStrayFiles(target.parent_path().string(), target.filename().string());
            return;
        }
        // A share that still had the name as free in its cache reports the
        // lock file of another workstation as some other failure, and GVfs
        // one that is being removed.
        const bool refused = errno != EEXIST && (!share || NoRoom(errno));
        const std::optional<SeenLock> seen = Look(lockFile);
        const bool watched = unfinished.LongEnough(seen) || !share;
        if (!seen) {
            if (refused && ++refusals == kRefusalsBeforeNoLockFile)
                break;
            if (std::chrono::steady_clock::now() >= deadline)
                throw DataFileBusy(dataFileName);
            continue;
        }
        refusals = 0;
        if ((seen->holder || watched) && Gone(*seen, kStaleSeconds)) {
            TakeOver(lockFile, *seen);
            if (!Look(lockFile))
                continue;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            throw DataFileBusy(dataFileName, seen->holder ? DescribeHolder(*seen->holder) : std::string());
        std::this_thread::sleep_for(kRetryPause);
    }
    fd_ = LockDataFileItself(dataFileName, deadline);
}

DataFileLock::~DataFileLock()
{
    Release();
}

void DataFileLock::Release()
{
    if (lockFile_.empty())
        return;
    {
        const std::lock_guard<std::mutex> guard(liveMutex);
        liveTokens.erase(token_);
    }
    // On a local disk no program takes over a hold younger than any command
    // takes, and after that the name still leads to the open lock file while
    // it is this hold's. A share may not keep file numbers, so there the
    // token in it is read again, after it is closed (else a FUSE mount would
    // keep it as a hidden file).
    const bool mine = !share_ && (static_cast<long long>(std::time(nullptr)) - since_ <= kStaleSeconds ||
                                  StillNamed(fd_.Get(), lockFile_));
    fd_.Reset();
    if (unsettled_) {
        // The note of a write given back goes. One that cannot be given back
        // now is left to the next holder in "NAME.undo", where that holder
        // looks first, so that nobody waits for this program. A note that
        // cannot be put right keeps the lock file.
        const bool givenBack = GiveBack(fs::path(lockFile_).parent_path(), *unsettled_);
        const bool noteRight = givenBack ? !share_ || ::unlink(NoteName(lockFile_).c_str()) == 0
                                         : share_ || LeaveNote(lockFile_, InPlaceWriteText(*unsettled_));
        if (!noteRight)
            return;
    }
    const std::optional<SeenLock> seen = share_ ? Look(lockFile_) : std::nullopt;
    if (mine || (seen && seen->holder && seen->holder->token == token_))
        RemoveSoon(lockFile_);
}

bool DataFileLock::NoteInPlaceWrite(const std::string& fileName, std::uint64_t size, std::uint64_t at,
                                    std::string_view oldTail, std::string_view newTail, std::string_view guard)
{
    if (lockFile_.empty())
        return true;
    InPlaceWrite write;
    write.fileName = fs::path(fileName).filename().string();
    write.size = size;
    write.at = at;
    write.oldTail = oldTail;
    write.newSize = at + newTail.size();
    write.newHash = BytesHash(newTail);
    write.guardLength = std::min<std::uint64_t>(guard.size(), at);
    write.guardHash = BytesHash(guard.substr(guard.size() - write.guardLength));
    const std::string text = InPlaceWriteText(write);
    if (!share_) {
        // On a local disk the note follows the holder's text in the lock
        // file, which is open already; it outlives any process that ends, and
        // whoever takes the lock file over passes it on (LeaveNote).
        if (!WriteAllAt(fd_.Get(), text, static_cast<off_t>(holderLength_)))
            return false;
        unsettled_ = std::move(write);
        return true;
    }
    // On a share the note is a file of its own, written once: some shares
    // (GVfs) do not let a file be written on while another program of the
    // mount reads it, as waiters read the lock file. It must be on the server
    // before the write begins.
    const std::string note = NoteName(lockFile_);
    UniqueFd fd(::open(note.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNoteMode));
    if (!fd || !WriteAllAt(fd.Get(), text, 0) || !SyncOrCannot(fd.Get()) || ::close(fd.Release()) != 0) {
        ::unlink(note.c_str());
        return false;
    }
    unsettled_ = std::move(write);
    return true;
}

void DataFileLock::Settle()
{
    // In the lock file, the note's first letter is changed, so that it is no
    // longer read as a note.
    if (unsettled_ && (share_ ? ::unlink(NoteName(lockFile_).c_str()) == 0
                              : WriteAllAt(fd_.Get(), "W", static_cast<off_t>(holderLength_))))
        unsettled_.reset();
}
