#include "atomic_replace.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "posix_file.h"

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 16;
constexpr mode_t kWriteOnlyForOwner = S_IWUSR;

std::string LeftoverName(const std::string& fileName, std::mt19937_64& random)
{
    return "." + fileName + "." + std::to_string(random() % 1000000000) + ".tmp";
}

void RemoveLeftovers(const fs::path& folder, const std::string& fileName)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (IsReplaceLeftover(it->path().filename().string(), fileName))
            fs::remove(it->path(), error);
    }
}

// The new file, open for writing: unnamed (O_TMPFILE) when the file system
// allows it, else under a fresh leftover name, which is then set.
UniqueFd CreateNewFile(int folder, const std::string& fileName, std::mt19937_64& random, std::string& named)
{
    UniqueFd fd(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, kWriteOnlyForOwner));
    if (fd)
        return fd;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = LeftoverName(fileName, random);
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

bool WriteNewFile(const fs::path& target, std::string_view bytes, const struct stat& old)
{
    const fs::path folderPath = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string fileName = target.filename().string();
    const UniqueFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return false;
    RemoveLeftovers(folderPath, fileName);
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::string named;
    UniqueFd fd = CreateNewFile(folder.Get(), fileName, random, named);
    bool done = fd && WriteAllAt(fd.Get(), bytes, 0) && TakeOwnershipAndMode(fd.Get(), old) &&
                ::fsync(fd.Get()) == 0 && (!named.empty() || NameNewFile(fd.Get(), folder.Get(), fileName, random, named));
    done = done && ::close(fd.Release()) == 0 && ::renameat(folder.Get(), named.c_str(), folder.Get(), fileName.c_str()) == 0;
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

bool ReplaceFileContents(const std::string& fileName, std::string_view bytes)
{
    std::error_code error;
    fs::path target(fileName);
    if (fs::is_symlink(target, error))
        target = fs::canonical(target, error);
    struct stat old {};
    if (error || fileName.empty() || ::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode) ||
        ::access(target.c_str(), W_OK) != 0)
        return false;
    return WriteNewFile(target, bytes, old);
}
