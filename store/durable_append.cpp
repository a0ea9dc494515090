#include "durable_append.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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

// The open file, and the name of the file this call created (empty when it
// opened one that was there). A missing file is created; through a dangling
// symbolic link that is the link's target, and the link stays.
UniqueFd OpenForAppend(const std::string& fileName, std::string& created)
{
    created.clear();
    UniqueFd fd(::open(fileName.c_str(), O_RDWR | O_CLOEXEC));
    if (fd || errno != ENOENT)
        return fd;
    const std::string target = LinkTarget(fileName);
    fd = UniqueFd(::open(target.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
    if (fd)
        created = target;
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
    std::string created;
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
        if (!created.empty())
            ::unlink(created.c_str());
        return false;
    }
    if (!created.empty())
        SyncFolder(std::filesystem::path(created).parent_path().string());
    return true;
}
