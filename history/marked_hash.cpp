#include "history/marked_hash.h"

#include <algorithm>

namespace {

constexpr std::size_t kMarkEvery = std::size_t(1) << 20;

}  // namespace

MarkedHash::MarkedHash(const std::vector<std::string_view>& pieces)
{
    for (const std::string_view piece : pieces)
        Append(piece);
}

std::string MarkedHash::Hex() const
{
    if (!hex_)
        hex_ = hash_.Hex();
    return *hex_;
}

void MarkedHash::Append(std::string_view bytes)
{
    if (!bytes.empty())
        hex_.reset();
    while (!bytes.empty()) {
        const std::size_t room = kMarkEvery - size_ % kMarkEvery;
        const std::string_view part = bytes.substr(0, room);
        hash_.Add(part);
        size_ += part.size();
        bytes.remove_prefix(part.size());
        if (size_ % kMarkEvery == 0)
            marks_.push_back(hash_);
    }
}

MarkedHash MarkedHash::Changed(const std::vector<std::string_view>& pieces, std::size_t same) const
{
    const std::size_t mark = std::min(std::min(same, size_) / kMarkEvery, marks_.size() - 1);
    MarkedHash changed;
    changed.marks_.assign(marks_.begin(), marks_.begin() + static_cast<std::ptrdiff_t>(mark) + 1);
    changed.hash_ = marks_[mark];
    changed.size_ = mark * kMarkEvery;
    std::size_t skip = changed.size_;
    for (std::string_view piece : pieces) {
        const std::size_t skipped = std::min(skip, piece.size());
        piece.remove_prefix(skipped);
        skip -= skipped;
        changed.Append(piece);
    }
    return changed;
}
