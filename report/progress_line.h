#pragma once

// A line on standard error that counts the records done, shown only while
// more than 1,000 records are processed and standard error is a terminal.
class ProgressLine {
public:
    explicit ProgressLine(long long total);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void Done(long long count);
    // Whether a line could be shown at all: standard error is a terminal.
    static bool CanShow();

private:
    long long total_;
    bool shown_;
};
