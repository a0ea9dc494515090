#include "atomic_replace.h"

#include <cstdio>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 16;

// Creates a file of a new name next to `target`; the handle is null when no
// name could be created.
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = target;
        temporary.replace_filename("." + target.filename().string() + "." + std::to_string(random() % 1000000000) + ".tmp");
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx"))
            return file;
    }
    return nullptr;
}

bool IsWritable(const fs::path& file)
{
    std::FILE* handle = std::fopen(file.c_str(), "r+b");
    if (!handle)
        return false;
    std::fclose(handle);
    return true;
}

bool WriteAndClose(std::FILE* file, std::string_view bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

}  // namespace

bool ReplaceFileContents(const std::string& fileName, std::string_view bytes)
{
    std::error_code error;
    fs::path target(fileName);
    if (fs::is_symlink(target, error))
        target = fs::canonical(target, error);
    if (error || !fs::is_regular_file(target, error) || !IsWritable(target))
        return false;
    fs::path temporary;
    std::FILE* file = CreateTemporary(target, temporary);
    if (!file)
        return false;
    bool replaced = WriteAndClose(file, bytes);
    if (replaced) {
        fs::permissions(temporary, fs::status(target, error).permissions(), error);
        fs::rename(temporary, target, error);
        replaced = !error;
    }
    if (!replaced)
        fs::remove(temporary, error);
    return replaced;
}
