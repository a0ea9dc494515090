#include "whole_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "atomic_replace.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

bool WriteFile(const std::string& fileName, const char* mode, std::string_view bytes)
{
    if (fileName.empty())
        return false;
    std::FILE* file = std::fopen(fileName.c_str(), mode);
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& fileName)
{
    if (fileName.empty())
        return std::nullopt;
    FileHandle file(std::fopen(fileName.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::string bytes;
    std::error_code ignored;
    const auto expected = std::filesystem::file_size(fileName, ignored);
    if (!ignored)
        bytes.reserve(static_cast<std::size_t>(expected));
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.append(chunk, got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& fileName, std::string_view bytes)
{
    std::error_code error;
    if (std::filesystem::exists(fileName, error))
        return ReplaceFileContents(fileName, bytes);
    return WriteFile(fileName, "wb", bytes);
}

bool AppendToFile(const std::string& fileName, std::string_view bytes)
{
    return WriteFile(fileName, "ab", bytes);
}
