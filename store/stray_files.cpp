#include "stray_files.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <sys/stat.h>

#include "atomic_replace.h"
#include "whole_file.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFuseHidden = ".fuse_hidden";
constexpr std::chrono::minutes kFuseHiddenAge{10};

bool OldFuseHidden(const fs::directory_entry& entry)
{
    std::error_code error;
    if (entry.path().filename().string().rfind(kFuseHidden, 0) != 0 || !entry.is_regular_file(error))
        return false;
    const auto written = entry.last_write_time(error);
    return !error && fs::file_time_type::clock::now() - written > kFuseHiddenAge;
}

}  // namespace

void RemoveStrayFiles(const std::string& folder, const std::string& fileName)
{
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), error), end;
         !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (IsReplaceLeftover(it->path().filename().string(), fileName) || OldFuseHidden(*it))
            fs::remove(it->path(), ignored);
    }
}

void PutBackRenamedAway(const std::string& folder, const std::string& fileName)
{
    const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    struct stat info {};
    if (::lstat((dir / fileName).c_str(), &info) == 0 || errno != ENOENT)
        return;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (!IsReplaceLeftover(entry, fileName))
            continue;
        const std::optional<std::string> bytes = ReadWholeFile(it->path().string());
        std::error_code ignored;
        if (bytes && entry == CompleteCopyName(fileName, *bytes)) {
            fs::rename(it->path(), dir / fileName, ignored);
            return;
        }
    }
}
