#include "durable_append.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "posix_file.h"

namespace {

constexpr mode_t kNewFileMode = 0666;

// The open file and whether this call created it.
UniqueFd OpenForAppend(const std::string& fileName, bool& created)
{
    created = false;
    UniqueFd fd(::open(fileName.c_str(), O_RDWR | O_CLOEXEC));
    if (fd || errno != ENOENT)
        return fd;
    fd = UniqueFd(::open(fileName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
    created = static_cast<bool>(fd);
    return fd;
}

// The file's old bytes from `start` and its old length back in place.
void Restore(int fd, std::string_view oldTail, off_t start, off_t oldSize)
{
    WriteAllAt(fd, oldTail, start);
    if (::ftruncate(fd, oldSize) == 0)
        ::fsync(fd);
}

}  // namespace

bool AppendDurably(const std::string& fileName, std::string_view bytes, std::size_t cutWindow, char cutAt)
{
    if (fileName.empty())
        return false;
    bool created = false;
    UniqueFd fd = OpenForAppend(fileName, created);
    struct stat old {};
    if (!fd || ::fstat(fd.Get(), &old) != 0 || !S_ISREG(old.st_mode))
        return false;
    const off_t tailStart = old.st_size > static_cast<off_t>(cutWindow) ? old.st_size - static_cast<off_t>(cutWindow) : 0;
    std::string tail;
    if (!ReadAllAt(fd.Get(), tail, static_cast<std::size_t>(old.st_size - tailStart), tailStart))
        return false;
    const std::size_t cut = tail.find(cutAt);
    const off_t at = cut == std::string::npos ? old.st_size : tailStart + static_cast<off_t>(cut);
    const off_t newSize = at + static_cast<off_t>(bytes.size());
    const bool appended = WriteAllAt(fd.Get(), bytes, at) && (newSize >= old.st_size || ::ftruncate(fd.Get(), newSize) == 0) &&
                          ::fsync(fd.Get()) == 0;
    if (!appended) {
        Restore(fd.Get(), std::string_view(tail).substr(static_cast<std::size_t>(at - tailStart)), at, old.st_size);
        fd.Reset();
        if (created)
            ::unlink(fileName.c_str());
        return false;
    }
    if (created)
        SyncFolder(std::filesystem::path(fileName).parent_path().string());
    return true;
}
