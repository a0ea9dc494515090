#include "report/progress_line.h"

#include <unistd.h>

#include <cstdio>

namespace {

constexpr long long kQuietUpTo = 1000;
constexpr long long kStep = 1000;

}  // namespace

ProgressLine::ProgressLine(long long total) : total_(total), shown_(total > kQuietUpTo && CanShow()) {}

bool ProgressLine::CanShow()
{
    return isatty(STDERR_FILENO) != 0;
}

ProgressLine::~ProgressLine()
{
    if (shown_)
        std::fputs("\n", stderr);
}

void ProgressLine::Done(long long count)
{
    if (shown_ && (count % kStep == 0 || count == total_))
        std::fprintf(stderr, "\rrecords: %lld of %lld", count, total_);
}
