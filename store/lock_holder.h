#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a lock file holds: who has the lock, and the in-place write that its
// command has begun and not yet settled, if any.
struct LockHolder {
    std::string user;
    std::string host;
    long long pid = 0;
    std::string token;  // tells this hold from every other
    long long since = 0;  // seconds since the epoch

    // A file in the lock file's folder that is being written in place, and
    // how to give it back: its old length and, from byte `at`, its old bytes;
    // and how to know it was written whole: its new length and the hash of
    // its new bytes from `at`.
    struct InPlaceWrite {
        std::string fileName;
        std::uint64_t size = 0;
        std::uint64_t at = 0;
        std::string oldTail;
        std::uint64_t newSize = 0;
        std::uint64_t newHash = 0;
    };
    std::optional<InPlaceWrite> write;
};

// This process, now, with a fresh token.
LockHolder ThisProcess();

// The name of this host as lock files record it.
const std::string& ThisHost();

// The text of a lock file: one "key value" line each. The write, when
// noted, is a line of its own added later (InPlaceWriteText).
std::string HolderText(const LockHolder& holder);
std::string InPlaceWriteText(const LockHolder::InPlaceWrite& write);

// The holder in a lock file's text; no value for a text that is not
// complete. A write line is taken only when it ends with its line end.
std::optional<LockHolder> ParseHolder(std::string_view text);

// The hash of the new bytes of an in-place write (64-bit FNV-1a).
std::uint64_t BytesHash(std::string_view bytes);

// Who holds the lock, for a message: user, host, process and since when.
std::string DescribeHolder(const LockHolder& holder);
