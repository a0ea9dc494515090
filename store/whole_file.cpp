#include "whole_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "atomic_replace.h"
#include "durable_append.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

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
    return AppendDurably(fileName, bytes, 0, '\0');
}
