#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Conversion between the Windows-1251 bytes of the files and the UTF-8 text
// of the window. Bytes 0..127 are ASCII; 128..255 follow a fixed table, in
// which the one byte Windows-1251 leaves unassigned, 0x98, stands for U+0098,
// so that every byte string converts to UTF-8 and back unchanged.

// Every byte becomes one character.
std::string Cp1251ToUtf8(std::string_view cp1251);
// The same into `utf8`, whose memory is used again.
void Cp1251ToUtf8(std::string_view cp1251, std::string& utf8);

struct Cp1251Encoding {
    std::string bytes;
    // The first character that has no Windows-1251 byte (as its UTF-8 text,
    // or the offending byte of malformed UTF-8) and its byte offset in the
    // input; `bytes` then holds the conversion of the text before it.
    std::optional<std::string> unencodable;
    std::size_t unencodablePosition = 0;
};

Cp1251Encoding Utf8ToCp1251(std::string_view utf8);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points beyond U+10FFFF).
bool IsUtf8(std::string_view text);
