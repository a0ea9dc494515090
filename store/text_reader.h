#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Reads a data file's bytes with the classic text-file rules:
// - a line ends at CR; one LF directly after the CR belongs to the line end;
//   a lone LF is an ordinary character;
// - byte 26 (Ctrl-Z) ends the text, as does the end of the bytes;
// - reading a line at the end yields an empty line;
// - skipping blanks passes every byte of code 32 or less, line ends included.
// The bytes come either from memory (which the caller keeps alive) or from a
// file streamed through a buffer of fixed size, so that memory does not grow
// with the file. Views returned by the reader last until its next call.
class TextReader {
public:
    explicit TextReader(std::string_view bytes);
    // Bytes known to end before any Ctrl-Z, read without a search for one.
    static TextReader OfTextBeforeCtrlZ(std::string_view text);
    // Streams the named file; a file that cannot be opened reads as empty.
    static TextReader OpenFile(const std::string& fileName);

    // False when the named file could not be opened or a read of it failed.
    bool ReadOk() const { return readOk_; }
    bool AtEnd() { return !Fill(); }
    // Offset of the next unread byte from the start of the bytes.
    std::uint64_t Position() const { return base_ + at_; }

    // The text of the next line without its line end, cut to its first
    // `keep` bytes (the rest of the line is passed over all the same).
    std::string_view ReadLine(std::size_t keep = std::string_view::npos);
    // Passes blanks; true when the end is reached.
    bool SkipBlanks();
    // Passes the blanks at the start of the current line but not its line
    // end; the byte it stops at ('\r' at the line end), -1 at the end.
    int SkipLeadingBlanks();
    // From the start of a line: passes lines, each tested after skipped
    // blanks, until one starts with `first`, and stops at that byte; false
    // when the end comes first. The same as SkipBlanks and ReadLine in turn,
    // but it searches for the byte instead of walking every line.
    bool SkipToLineStartingWith(char first);
    // Skip blanks, take up to 64 (32) bytes up to the next blank as a number
    // (0 at the end or when it does not convert), discard the rest of the
    // line.
    double ReadRealLine();
    long long ReadIntegerLine();

private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    TextReader() = default;
    // Makes the next byte available; false at the end.
    bool Fill();
    void PassLf();
    std::string_view ReadToken(std::size_t maxLength);

    std::unique_ptr<std::FILE, FileCloser> file_;
    std::vector<char> buffer_;
    const char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t at_ = 0;
    std::uint64_t base_ = 0;
    bool ended_ = true;
    bool readOk_ = true;
    std::string line_;
    std::string token_;
};
