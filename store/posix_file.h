#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

struct stat;

// A file descriptor closed when it goes out of scope; -1 holds none.
class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            Reset();
            fd_ = other.Release();
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int Release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void Reset();

private:
    int fd_;
};

// Writes every byte at `offset`, going on after short writes and signals;
// false on the first write that fails.
bool WriteAllAt(int fd, std::string_view bytes, off_t offset);

// Reads `length` bytes from `offset`; false when fewer could be read.
bool ReadAllAt(int fd, std::string& bytes, std::size_t length, off_t offset);

// Writes every byte through a handle opened with O_APPEND, going on after
// short writes and signals; false on the first write that fails.
bool WriteAllAppending(int fd, std::string_view bytes);

// Adds to `bytes` every byte of the file from `offset` to its end, past the
// length the file system last gave.
bool ReadToEnd(int fd, std::string& bytes, off_t offset);

// The length of the open file as the file system itself has it now: a share
// is asked again instead of answering from the size it keeps cached.
bool FreshSize(int fd, off_t& size);

// Flushes the file to the disk; also true on a share that has no flush
// (whose writes reach the server as they are made).
bool SyncOrCannot(int fd);

// Flushes the folder's entries (a rename or a new name in it) to the disk.
bool SyncFolder(const std::string& folder);

// The owner and group of `model` where the process may set them, then its
// permission bits; without its group, the group's bits are dropped, so that
// the file is never open to more users than `model`.
bool TakeOwnershipAndMode(int fd, const struct stat& model);
