#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a lock file holds: who has the lock.
struct LockHolder {
    std::string user;
    std::string host;
    long long pid = 0;
    std::string token;  // tells this hold from every other
    long long since = 0;  // seconds since the epoch
};

// A file in the lock file's folder that the holder is writing in place, and
// how to give it back: its old length and, from byte `at`, its old bytes;
// how to know it was written whole: its new length and the hash of its new
// bytes from `at`; and how to know it is still the file that was written: the
// hash of the `guardLength` bytes in front of `at`.
struct InPlaceWrite {
    std::string fileName;
    std::uint64_t size = 0;
    std::uint64_t at = 0;
    std::string oldTail;
    std::uint64_t newSize = 0;
    std::uint64_t newHash = 0;
    std::uint64_t guardLength = 0;
    std::uint64_t guardHash = 0;
};

// This process, now, with a fresh token.
LockHolder ThisProcess();

// The name of this host as lock files record it.
const std::string& ThisHost();

// The text of a lock file: one "key value" line each.
std::string HolderText(const LockHolder& holder);
// The holder in a lock file's text; no value for a text that is not
// complete.
std::optional<LockHolder> ParseHolder(std::string_view text);

// The text of the note of an in-place write: one line.
std::string InPlaceWriteText(const InPlaceWrite& write);
// The write in a note; no value for a note that is not complete.
std::optional<InPlaceWrite> ParseInPlaceWrite(std::string_view text);

// The hash of the new bytes of an in-place write (64-bit FNV-1a); `hash`,
// the hash of bytes before these, goes on over them.
std::uint64_t BytesHash(std::string_view bytes, std::uint64_t hash = 14695981039346656037ull);

// Who holds the lock, for a message: user, host, process and since when.
std::string DescribeHolder(const LockHolder& holder);
