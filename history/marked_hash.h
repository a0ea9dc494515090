#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/sha256.h"

// The SHA-256 of a file's bytes that keeps the running hash at every mark
// (each MiB), so that the hash of a text that begins as the file did is found
// by hashing it only from the last mark in front of where they differ.
class MarkedHash {
public:
    // The hash of the text made of `pieces`, one after the other.
    explicit MarkedHash(const std::vector<std::string_view>& pieces);

    // Adds `bytes` at the end of the bytes hashed.
    void Append(std::string_view bytes);
    // The hash of the text made of `pieces`, whose first `same` bytes are
    // those this hash was made of.
    MarkedHash Changed(const std::vector<std::string_view>& pieces, std::size_t same) const;

    std::string Hex() const;
    std::size_t Size() const { return size_; }

private:
    MarkedHash() = default;

    Sha256 hash_;
    std::size_t size_ = 0;
    // marks_[k]: the running hash after k MiB.
    std::vector<Sha256> marks_{Sha256()};
    // The digest of the bytes so far, once asked for.
    mutable std::optional<std::string> hex_;
};
