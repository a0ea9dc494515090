#include "durable_append.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "atomic_replace.h"
#include "file_lock.h"
#include "link_target.h"
#include "posix_file.h"
#include "whole_file.h"

namespace {

constexpr mode_t kNewFileMode = 0666;
// The bytes in front of the append by which a later holder of the lock knows
// the file again.
constexpr std::size_t kGuardBytes = 1024;

// What the file held before the append: its length, and its last bytes
// (the cut window, and the guard in front of it).
struct OldEnd {
    UniqueFd fd;
    // The file this append created, empty when it was there.
    std::string created;
    off_t size = 0;
    off_t tailStart = 0;
    std::string tail;
};

// The file's length through a read-only handle of its own: a write handle of
// some shares (GVfs) gives the length it expects, not the server's.
bool SizeSeenAfresh(const std::string& fileName, off_t& size)
{
    const UniqueFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    return fd && FreshSize(fd.Get(), size);
}

// Reads the old end through a handle opened with `flags`, kept in `old`; a
// missing file is created empty (through a dangling symbolic link, the
// link's target, and the link stays).
bool ReadOldEnd(const std::string& fileName, std::size_t tailLength, int flags, OldEnd& old)
{
    old.fd = UniqueFd(::open(fileName.c_str(), flags | O_CLOEXEC));
    if (!old.fd && errno == ENOENT) {
        const std::string target = LinkTarget(fileName);
        if (UniqueFd(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode)))
            old.created = target;
        return !old.created.empty();
    }
    const int fd = old.fd.Get();
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !FreshSize(fd, old.size))
        return false;
    old.tailStart = old.size > static_cast<off_t>(tailLength) ? old.size - static_cast<off_t>(tailLength) : 0;
    if (!ReadToEnd(fd, old.tail, old.tailStart))
        return false;
    old.size = old.tailStart + static_cast<off_t>(old.tail.size());
    return true;
}

// The old bytes from `at` and the old length back in place; true once they
// are flushed and the file has its old length again.
bool Restore(const std::string& fileName, int fd, const OldEnd& old, off_t at)
{
    off_t size = -1;
    return ::ftruncate(fd, at) == 0 && SizeSeenAfresh(fileName, size) && size == at &&
           WriteAllAppending(fd, std::string_view(old.tail).substr(static_cast<std::size_t>(at - old.tailStart))) &&
           SyncOrCannot(fd) && SizeSeenAfresh(fileName, size) && size == old.size;
}

// The file, still of its old length, replaced by its bytes up to `at` and
// then `bytes`.
bool ReplaceWithAppend(const std::string& fileName, off_t oldSize, off_t at, std::string_view bytes)
{
    std::optional<std::string> all = ReadWholeFile(fileName);
    if (!all || all->size() != static_cast<std::size_t>(oldSize))
        return false;
    all->resize(static_cast<std::size_t>(at));
    all->append(bytes);
    return ReplaceFileContents(fileName, *all);
}

}  // namespace

WriteOutcomeUnknown::WriteOutcomeUnknown(const std::string& fileName)
    : RunError("Связь с файлом данных " + fileName +
               " прервалась во время записи: изменение, возможно, сохранено. Проверьте список записей")
{
}

bool AppendDurably(const std::string& fileName, std::string_view bytes, std::size_t cutWindow, char cutAt,
                   DataFileLock* lock, bool flush)
{
    // On a local disk one read-write handle reads the old end and appends;
    // some shares open an existing file for appending only.
    const bool local = lock && !lock->IsOnShare();
    OldEnd old;
    if (fileName.empty() || !ReadOldEnd(fileName, cutWindow + kGuardBytes, local ? O_RDWR | O_APPEND : O_RDONLY, old))
        return false;
    const std::size_t window = std::min(cutWindow, old.tail.size());
    const std::size_t cut = old.tail.find(cutAt, old.tail.size() - window);
    const off_t at = cut == std::string::npos ? old.size : old.tailStart + static_cast<off_t>(cut);
    const off_t newSize = at + static_cast<off_t>(bytes.size());
    UniqueFd fd = local && old.fd ? std::move(old.fd) : UniqueFd(::open(fileName.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    old.fd.Reset();
    const std::string_view oldFromCut = std::string_view(old.tail).substr(static_cast<std::size_t>(at - old.tailStart));
    if (!fd || (lock && !lock->NoteInPlaceWrite(fileName, static_cast<std::uint64_t>(old.size),
                                                 static_cast<std::uint64_t>(at), oldFromCut, bytes,
                                                 std::string_view(old.tail).substr(0, static_cast<std::size_t>(at - old.tailStart)))))
        return false;
    off_t written = -1;
    if (at != old.size && !(::ftruncate(fd.Get(), at) == 0 && SizeSeenAfresh(fileName, written) && written == at)) {
        // A share whose append handles cannot be cut (GVfs): the file is
        // replaced whole instead.
        if (!SizeSeenAfresh(fileName, written) || written != old.size)
            throw WriteOutcomeUnknown(fileName);
        fd.Reset();
        const bool replaced = ReplaceWithAppend(fileName, old.size, at, bytes);
        if (lock)
            lock->Settle();
        return replaced;
    }
    // On a local disk the write handle gives the true length.
    const bool appended = WriteAllAppending(fd.Get(), bytes) && (!flush || SyncOrCannot(fd.Get())) &&
                          (local ? FreshSize(fd.Get(), written) : SizeSeenAfresh(fileName, written)) &&
                          written == newSize;
    if (appended && ::close(fd.Release()) == 0) {
        if (lock)
            lock->Settle();
        if (!old.created.empty())
            SyncFolder(std::filesystem::path(old.created).parent_path().string());
        return true;
    }
    if (!fd)
        fd = UniqueFd(::open(fileName.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    if (!fd || !Restore(fileName, fd.Get(), old, at))
        throw WriteOutcomeUnknown(fileName);
    fd.Reset();
    if (lock)
        lock->Settle();
    if (!old.created.empty())
        ::unlink(old.created.c_str());
    return false;
}
