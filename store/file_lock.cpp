#include "file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds kRetryPause{10};
constexpr mode_t kPermissionBits = 0666;

// A new lock file takes the owner, group and permission bits of the data
// file (so that whoever may write the data file may lock it); read-write for
// all when there is no data file yet.
int OpenLockFile(const std::string& lockFile, const std::string& dataFileName)
{
    const int created = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kPermissionBits);
    if (created >= 0) {
        struct stat data {};
        if (::stat(dataFileName.c_str(), &data) == 0)
            TakeOwnershipAndMode(created, data);
        else
            ::fchmod(created, kPermissionBits);
        return created;
    }
    return errno == EEXIST ? ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC) : -1;
}

bool TryLock(int fd)
{
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &whole) == 0;
}

// True when the name still leads to the open file: a holder that ended
// removes the lock file, and a replace renames a new data file in.
bool StillNamed(int fd, const std::string& name)
{
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::stat(name.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

}  // namespace

DataFileBusy::DataFileBusy(const std::string& dataFileName)
    : RunError("Файл данных " + dataFileName +
               " занят другой программой. Команда не выполнена, файл не изменен; повторите ее позже")
{
}

std::string DataFileLock::LockFileName(const std::string& dataFileName)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(dataFileName, error);
    return (error ? dataFileName : target.string()) + ".lock";
}

DataFileLock::DataFileLock(const std::string& dataFileName, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const std::string lockFile = LockFileName(dataFileName);
    for (;;) {
        std::string named = lockFile;
        UniqueFd fd(OpenLockFile(lockFile, dataFileName));
        if (!fd) {
            named = dataFileName;
            fd = UniqueFd(::open(dataFileName.c_str(), O_RDWR | O_CLOEXEC));
        }
        if (!fd)
            return;
        while (!TryLock(fd.Get())) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EACCES)
                return;  // a file system without locks: there is nothing to take turns through
            if (std::chrono::steady_clock::now() >= deadline)
                throw DataFileBusy(dataFileName);
            std::this_thread::sleep_for(kRetryPause);
        }
        if (StillNamed(fd.Get(), named)) {
            fd_ = std::move(fd);
            if (named == lockFile)
                lockFile_ = lockFile;
            return;
        }
    }
}

DataFileLock::~DataFileLock()
{
    if (!lockFile_.empty())
        ::unlink(lockFile_.c_str());
}
