#pragma once

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `body` in a forked child and returns its exit code (-1 when it did
// not exit by itself). The child ends with _exit, so nothing of the test
// program runs twice; an exception ends it with code 99.
inline pid_t StartChild(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
        }
        ::_exit(code);
    }
    return pid;
}

inline int WaitChild(pid_t pid)
{
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

inline int RunChild(const std::function<int()>& body) { return WaitChild(StartChild(body)); }

// In a child: files may grow to `bytes` at most, and a write beyond that
// fails as on a full disk instead of ending the process.
inline void LimitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}
