#include "marker_lines.h"

#include <cstring>

#include "record_format.h"

namespace {

constexpr char kCtrlZ = 26;

bool IsBlankInLine(char c) { return c != '\r' && static_cast<unsigned char>(c) <= 32; }

}  // namespace

void MarkerLineCounter::Add(std::string_view piece)
{
    if (ended_)
        return;
    if (const void* z = std::memchr(piece.data(), kCtrlZ, piece.size())) {
        piece = piece.substr(0, static_cast<std::size_t>(static_cast<const char*>(z) - piece.data()));
        ended_ = true;
    }
    std::size_t at = 0;
    while (at < piece.size()) {
        const auto* marker = static_cast<const char*>(std::memchr(piece.data() + at, kRecordMarker, piece.size() - at));
        const std::size_t end = marker ? static_cast<std::size_t>(marker - piece.data()) : piece.size();
        std::size_t blanks = end;
        while (blanks > at && IsBlankInLine(piece[blanks - 1]))
            --blanks;
        const Before before = blanks > at                                  ? (piece[blanks - 1] == '\r' ? Before::LineEnd : Before::LineText)
                              : before_ == Before::TextStart && end > at ? Before::FirstLine
                                                                         : before_;
        if (!marker) {
            before_ = before;
            return;
        }
        if (before == Before::TextStart || before == Before::LineEnd)
            ++count_;
        before_ = Before::LineText;
        at = end + 1;
    }
}
