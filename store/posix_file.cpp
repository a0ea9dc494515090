#include "posix_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void UniqueFd::Reset()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool WriteAllAt(int fd, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool ReadAllAt(int fd, std::string& bytes, std::size_t length, off_t offset)
{
    bytes.assign(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd, bytes.data() + done, length - done, offset + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool WriteAllAppending(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool ReadToEnd(int fd, std::string& bytes, off_t offset)
{
    constexpr std::size_t kChunk = 1 << 16;
    const std::size_t start = bytes.size();
    for (;;) {
        const std::size_t done = bytes.size();
        const std::size_t room = std::max(kChunk, bytes.capacity() - done);
        bytes.resize(done + room);
        const ssize_t got = ::pread(fd, bytes.data() + done, room, offset + static_cast<off_t>(done - start));
        bytes.resize(done + static_cast<std::size_t>(got > 0 ? got : 0));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
    }
}

bool FreshSize(int fd, off_t& size)
{
    struct statx info {};
    if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_SIZE, &info) == 0) {
        size = static_cast<off_t>(info.stx_size);
        return true;
    }
    struct stat old {};
    if (errno != ENOSYS || ::fstat(fd, &old) != 0)
        return false;
    size = old.st_size;
    return true;
}

bool SyncOrCannot(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP;
}

bool SyncFolder(const std::string& folder)
{
    const UniqueFd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd && ::fsync(fd.Get()) == 0;
}

bool TakeOwnershipAndMode(int fd, const struct stat& model)
{
    constexpr mode_t kModeBits = 07777;
    mode_t mode = model.st_mode & kModeBits;
    if (::fchown(fd, model.st_uid, model.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), model.st_gid) != 0)
        mode &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);
    return ::fchmod(fd, mode) == 0;
}
