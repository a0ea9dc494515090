#pragma once

#include <cstddef>
#include <string_view>

// Reads a data file's bytes with the classic text-file rules:
// - a line ends at CR; one LF directly after the CR belongs to the line end;
//   a lone LF is an ordinary character;
// - byte 26 (Ctrl-Z) ends the text, as does the end of the bytes;
// - reading a line at the end yields an empty line;
// - skipping blanks passes every byte of code 32 or less, line ends included.
// The reader views the bytes; the caller keeps them alive.
class TextReader {
public:
    explicit TextReader(std::string_view bytes);

    bool AtEnd() const { return at_ == text_.size(); }
    // Offset of the next unread byte.
    std::size_t Position() const { return at_; }
    // The bytes before the Ctrl-Z, if any.
    std::string_view Text() const { return text_; }

    // The text of the next line, without its line end.
    std::string_view ReadLine();
    // Passes blanks; true when the end is reached.
    bool SkipBlanks();
    // Skip blanks, take up to 64 (32) bytes up to the next blank as a number
    // (0 at the end or when it does not convert), discard the rest of the
    // line.
    double ReadRealLine();
    long long ReadIntegerLine();

private:
    std::string_view ReadToken(std::size_t maxLength);

    std::string_view text_;
    std::size_t at_ = 0;
};
