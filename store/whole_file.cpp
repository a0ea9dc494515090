#include "whole_file.h"

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "atomic_replace.h"
#include "durable_append.h"
#include "posix_file.h"

std::optional<std::string> ReadWholeFile(const std::string& fileName)
{
    if (fileName.empty())
        return std::nullopt;
    const UniqueFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    off_t size = 0;
    std::string bytes;
    if (!fd || !FreshSize(fd.Get(), size))
        return std::nullopt;
    bytes.reserve(static_cast<std::size_t>(size) + (1 << 16));
    if (!ReadToEnd(fd.Get(), bytes, 0))
        return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& fileName, std::string_view bytes, DataFileLock* lock)
{
    std::error_code error;
    if (std::filesystem::exists(fileName, error))
        return ReplaceFileContents(fileName, bytes);
    return AppendDurably(fileName, bytes, 0, '\0', lock);
}
