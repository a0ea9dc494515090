#include "history/history_file.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "store/durable_append.h"
#include "store/link_target.h"
#include "store/share_folder.h"
#include "store/whole_file.h"

namespace {

constexpr std::size_t kFirstTailChunk = 4096;
constexpr mode_t kNewFileMode = 0666;

// Creates an empty history that takes the data file's owner, group and mode,
// unless it exists (or cannot be made: the append then fails on it).
void CreateHistory(const std::string& historyFile, const std::string& dataFileName)
{
    UniqueFd fd(::open(historyFile.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
    if (!fd)
        return;
    struct stat data {};
    if (::stat(dataFileName.c_str(), &data) == 0)
        TakeOwnershipAndMode(fd.Get(), data);
    ::fsync(fd.Get());
    fd.Reset();
    SyncFolder(std::filesystem::path(historyFile).parent_path().string());
}

}  // namespace

std::string HistoryFileName(const std::string& dataFileName)
{
    return LinkTarget(dataFileName) + ".history";
}

std::optional<std::vector<std::string>> ReadHistoryLines(const std::string& historyFile)
{
    const std::optional<std::string> bytes = ReadWholeFile(historyFile);
    if (!bytes)
        return std::nullopt;
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes->size()) {
        std::size_t end = bytes->find('\n', at);
        if (end == std::string::npos)
            end = bytes->size();
        lines.push_back(bytes->substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

std::optional<HistoryTail> ReadHistoryTail(const std::string& historyFile)
{
    UniqueFd fd(::open(historyFile.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd)
        return errno == ENOENT ? std::optional<HistoryTail>(HistoryTail{}) : std::nullopt;
    // The tail is read to the file's true end: a share's cached length could
    // end before another program's last event.
    off_t size = 0;
    std::string text;
    if (!FreshSize(fd.Get(), size))
        return std::nullopt;
    off_t start = size > static_cast<off_t>(kFirstTailChunk) ? size - static_cast<off_t>(kFirstTailChunk) : 0;
    if (!ReadToEnd(fd.Get(), text, start))
        return std::nullopt;
    // Grows (doubling) until it holds the line end in front of the last line.
    const auto holdsLastLine = [&text] {
        const std::size_t lineEnd = text.find('\n');
        return lineEnd != std::string::npos && lineEnd + 1 < text.size();
    };
    for (std::size_t chunk = kFirstTailChunk; start > 0 && !holdsLastLine(); chunk *= 2) {
        const off_t from = start > static_cast<off_t>(chunk) ? start - static_cast<off_t>(chunk) : 0;
        std::string before;
        if (!ReadAllAt(fd.Get(), before, static_cast<std::size_t>(start - from), from))
            return std::nullopt;
        text.insert(0, before);
        start = from;
    }
    HistoryTail tail;
    tail.exists = true;
    tail.size = start + static_cast<off_t>(text.size());
    if (text.empty())
        return tail;
    tail.endsWithLineEnd = text.back() == '\n';
    if (tail.endsWithLineEnd)
        text.pop_back();
    const std::size_t previousEnd = text.rfind('\n');
    tail.lastLine = previousEnd == std::string::npos ? text : text.substr(previousEnd + 1);
    return tail;
}

std::optional<off_t> HistorySize(const std::string& historyFile)
{
    const UniqueFd fd(::open(historyFile.c_str(), O_RDONLY | O_CLOEXEC));
    off_t size = 0;
    if (!fd || !FreshSize(fd.Get(), size))
        return std::nullopt;
    return size;
}

bool AppendToHistory(const std::string& historyFile, const std::string& dataFileName, std::string_view bytes,
                     bool flush)
{
    CreateHistory(historyFile, dataFileName);
    try {
        return AppendDurably(historyFile, bytes, 0, '\0', nullptr, flush);
    } catch (const WriteOutcomeUnknown&) {
        return false;  // a line cut short is a damaged last line to the next event
    }
}

namespace {

bool IsFileOfSize(const struct stat& info, const LocalHistoryFile& file, off_t size)
{
    return info.st_dev == file.device && info.st_ino == file.inode && info.st_size == size;
}

}  // namespace

std::optional<LocalHistoryFile> LocalHistory(const std::string& historyFile, off_t size)
{
    struct stat info {};
    if (OnShare(historyFile) || ::stat(historyFile.c_str(), &info) != 0 || info.st_size != size)
        return std::nullopt;
    return LocalHistoryFile{info.st_dev, info.st_ino};
}

bool StillLocalHistory(const std::string& historyFile, const LocalHistoryFile& file, off_t size)
{
    struct stat info {};
    return ::stat(historyFile.c_str(), &info) == 0 && IsFileOfSize(info, file, size);
}

UniqueFd OpenLocalHistory(const std::string& historyFile, const LocalHistoryFile& file, off_t size)
{
    UniqueFd fd(::open(historyFile.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    struct stat info {};
    if (fd && (::fstat(fd.Get(), &info) != 0 || !IsFileOfSize(info, file, size)))
        fd.Reset();
    return fd;
}

bool AppendToLocalHistory(UniqueFd fd, off_t size, std::string_view bytes, bool flush)
{
    struct stat info {};
    if (WriteAllAppending(fd.Get(), bytes) && (!flush || SyncOrCannot(fd.Get())) && ::fstat(fd.Get(), &info) == 0 &&
        info.st_size == size + static_cast<off_t>(bytes.size()))
        return ::close(fd.Release()) == 0;
    if (::ftruncate(fd.Get(), size) == 0)
        SyncOrCannot(fd.Get());
    return false;
}
