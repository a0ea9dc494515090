#include "atomic_replace.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "durable_append.h"
#include "link_target.h"
#include "lock_holder.h"
#include "posix_file.h"
#include "stray_files.h"

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 16;
constexpr mode_t kWriteOnlyForOwner = S_IWUSR;

constexpr std::uint64_t kLeftoverDigits = 1000000000;

std::string LeftoverName(const std::string& fileName, std::uint64_t number)
{
    return "." + fileName + "." + std::to_string(number % kLeftoverDigits) + ".tmp";
}

std::string LeftoverName(const std::string& fileName, std::mt19937_64& random)
{
    return LeftoverName(fileName, random());
}

// The hash of the pieces one after the other (BytesHash of them joined).
std::uint64_t PiecesHash(const std::vector<std::string_view>& pieces)
{
    std::uint64_t hash = BytesHash({});
    for (const std::string_view piece : pieces)
        hash = BytesHash(piece, hash);
    return hash;
}

// The new file, open for writing: unnamed (O_TMPFILE) when the file system
// allows it, else under a leftover name, which is then set: first the one
// that tells the copy whole (CompleteCopyName), then fresh ones.
UniqueFd CreateNewFile(int folder, const std::string& fileName, const std::vector<std::string_view>& pieces,
                       std::mt19937_64& random, std::string& named)
{
    UniqueFd fd(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, kWriteOnlyForOwner));
    if (fd)
        return fd;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = attempt == 0 ? LeftoverName(fileName, PiecesHash(pieces)) : LeftoverName(fileName, random);
        fd = UniqueFd(::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kWriteOnlyForOwner));
        if (fd) {
            named = name;
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    return fd;
}

// Gives the unnamed file a leftover name, so that it can be renamed in.
bool NameNewFile(int fd, int folder, const std::string& fileName, std::mt19937_64& random, std::string& named)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = LeftoverName(fileName, random);
        if (::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            named = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// The new file takes the old one's owner, group and mode while it is still
// empty. Where the share sets no owner or mode the server's rules stand;
// where it does, the new file must not be readable by more users.
bool ModeBeforeFilling(int fd, const struct stat& old)
{
    if (!TakeOwnershipAndMode(fd, old))
        return errno == ENOSYS || errno == EOPNOTSUPP;
    struct stat now {};
    return ::fstat(fd, &now) == 0 && (now.st_mode & ~old.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// After a rename that reported a failure: true when it happened all the
// same (the new file has gone from its name and the file is there); an
// exception when the share can no longer tell. A share that renames over a
// file by removing it first (GVfs) may have removed it: the new file is then
// renamed in again, and kept for the next holder of the lock if that fails.
bool RenameHappened(int folder, const std::string& named, const std::string& fileName, const std::string& target)
{
    struct stat info {};
    const bool newThere = ::fstatat(folder, named.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    if (!newThere && errno == ENOENT && ::fstatat(folder, fileName.c_str(), &info, 0) == 0)
        return true;
    if (!newThere && errno != ENOENT)
        throw WriteOutcomeUnknown(target);
    if (newThere && ::fstatat(folder, fileName.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT && ::renameat(folder, named.c_str(), folder, fileName.c_str()) == 0)
            return true;
        throw WriteOutcomeUnknown(target);
    }
    return false;
}

bool WritePieces(int fd, const std::vector<std::string_view>& pieces)
{
    off_t at = 0;
    for (const std::string_view piece : pieces) {
        if (!WriteAllAt(fd, piece, at))
            return false;
        at += static_cast<off_t>(piece.size());
    }
    return true;
}

bool WriteNewFile(const fs::path& target, const std::vector<std::string_view>& pieces, const struct stat& old,
                  const std::function<void()>& beforeRename)
{
    const fs::path folderPath = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string fileName = target.filename().string();
    const UniqueFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return false;
    RemoveStrayFiles(folderPath.string(), fileName);
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::string named;
    UniqueFd fd = CreateNewFile(folder.Get(), fileName, pieces, random, named);
    bool done = fd && ModeBeforeFilling(fd.Get(), old) && WritePieces(fd.Get(), pieces) && SyncOrCannot(fd.Get()) &&
                (!named.empty() || NameNewFile(fd.Get(), folder.Get(), fileName, random, named));
    done = done && ::close(fd.Release()) == 0;
    if (done && beforeRename) {
        try {
            beforeRename();
        } catch (...) {
            ::unlinkat(folder.Get(), named.c_str(), 0);
            throw;
        }
    }
    if (done && ::renameat(folder.Get(), named.c_str(), folder.Get(), fileName.c_str()) != 0)
        done = RenameHappened(folder.Get(), named, fileName, target.string());
    if (!done && !named.empty())
        ::unlinkat(folder.Get(), named.c_str(), 0);
    if (done)
        ::fsync(folder.Get());
    return done;
}

}  // namespace

bool IsReplaceLeftover(std::string_view entry, std::string_view fileName)
{
    const std::string_view suffix = ".tmp";
    if (entry.size() <= fileName.size() + 2 + suffix.size() || entry[0] != '.' ||
        entry.substr(1, fileName.size()) != fileName || entry[fileName.size() + 1] != '.' ||
        entry.substr(entry.size() - suffix.size()) != suffix)
        return false;
    const std::string_view digits =
        entry.substr(fileName.size() + 2, entry.size() - fileName.size() - 2 - suffix.size());
    return digits.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string CompleteCopyName(const std::string& fileName, std::string_view bytes)
{
    return LeftoverName(fileName, BytesHash(bytes));
}

bool ReplaceFileContents(const std::string& fileName, std::string_view bytes)
{
    return ReplaceFileContents(fileName, std::vector<std::string_view>{bytes}, {});
}

bool ReplaceFileContents(const std::string& fileName, const std::vector<std::string_view>& pieces,
                         const std::function<void()>& beforeRename)
{
    const std::string target = LinkTarget(fileName);
    struct stat old {};
    if (fileName.empty() || ::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode) ||
        ::access(target.c_str(), W_OK) != 0)
        return false;
    return WriteNewFile(target, pieces, old, beforeRename);
}
