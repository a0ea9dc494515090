#include "durable_append.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "file_lock.h"
#include "posix_file.h"

namespace {

constexpr mode_t kNewFileMode = 0666;

// The name a chain of symbolic links ends at, the name itself when it is no
// link. A relative link target is taken from the link's folder.
std::string LinkTarget(std::string name)
{
    namespace fs = std::filesystem;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(name, error)))
            break;
        const fs::path target = fs::read_symlink(name, error);
        if (error)
            break;
        name = (fs::path(name).parent_path() / target).string();
    }
    return name;
}

// What the file held before the append: its length, and its bytes from the
// start of the cut window.
struct OldEnd {
    // The file this append created, empty when it was there.
    std::string created;
    off_t size = 0;
    off_t tailStart = 0;
    std::string tail;
};

// Reads the old end through a read-only handle of its own; a missing file is
// created empty (through a dangling symbolic link, the link's target, and
// the link stays).
bool ReadOldEnd(const std::string& fileName, std::size_t cutWindow, OldEnd& old)
{
    UniqueFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd && errno == ENOENT) {
        const std::string target = LinkTarget(fileName);
        fd = UniqueFd(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
        if (fd)
            old.created = target;
        return static_cast<bool>(fd);
    }
    struct stat info {};
    if (!fd || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || !FreshSize(fd.Get(), old.size))
        return false;
    old.tailStart = old.size > static_cast<off_t>(cutWindow) ? old.size - static_cast<off_t>(cutWindow) : 0;
    if (!ReadToEnd(fd.Get(), old.tail, old.tailStart))
        return false;
    old.size = old.tailStart + static_cast<off_t>(old.tail.size());
    return true;
}

// The old bytes from `at` and the old length back in place; true once they
// are flushed.
bool Restore(int fd, const OldEnd& old, off_t at)
{
    return ::ftruncate(fd, at) == 0 &&
           WriteAllAppending(fd, std::string_view(old.tail).substr(static_cast<std::size_t>(at - old.tailStart))) &&
           SyncOrCannot(fd);
}

}  // namespace

WriteOutcomeUnknown::WriteOutcomeUnknown(const std::string& fileName)
    : RunError("Связь с файлом данных " + fileName +
               " прервалась во время записи: изменение, возможно, сохранено. Проверьте список записей")
{
}

bool AppendDurably(const std::string& fileName, std::string_view bytes, std::size_t cutWindow, char cutAt,
                   DataFileLock* lock)
{
    OldEnd old;
    if (fileName.empty() || !ReadOldEnd(fileName, cutWindow, old))
        return false;
    const std::size_t cut = old.tail.find(cutAt);
    const off_t at = cut == std::string::npos ? old.size : old.tailStart + static_cast<off_t>(cut);
    const off_t newSize = at + static_cast<off_t>(bytes.size());
    UniqueFd fd(::open(fileName.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    const std::string_view oldFromCut = std::string_view(old.tail).substr(static_cast<std::size_t>(at - old.tailStart));
    if (!fd || (lock && !lock->NoteInPlaceWrite(fileName, static_cast<std::uint64_t>(old.size),
                                                 static_cast<std::uint64_t>(at), oldFromCut, bytes)))
        return false;
    off_t written = -1;
    const bool appended = (at == old.size || ::ftruncate(fd.Get(), at) == 0) && WriteAllAppending(fd.Get(), bytes) &&
                          SyncOrCannot(fd.Get()) && FreshSize(fd.Get(), written) && written == newSize;
    if (appended && ::close(fd.Release()) == 0) {
        if (lock)
            lock->Settle();
        if (!old.created.empty())
            SyncFolder(std::filesystem::path(old.created).parent_path().string());
        return true;
    }
    if (!fd)
        fd = UniqueFd(::open(fileName.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    if (!fd || !Restore(fd.Get(), old, at))
        throw WriteOutcomeUnknown(fileName);
    fd.Reset();
    if (lock)
        lock->Settle();
    if (!old.created.empty())
        ::unlink(old.created.c_str());
    return false;
}
