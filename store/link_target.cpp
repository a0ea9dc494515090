#include "link_target.h"

#include <filesystem>

namespace {

// More links than this in one chain make a loop.
constexpr int kMostLinks = 40;

}  // namespace

std::string LinkTarget(std::string name)
{
    namespace fs = std::filesystem;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(name, error)))
            break;
        const fs::path target = fs::read_symlink(name, error);
        if (error)
            break;
        name = (fs::path(name).parent_path() / target).string();
    }
    return name;
}
