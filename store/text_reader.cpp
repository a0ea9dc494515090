#include "text_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "file_numbers.h"

namespace {

constexpr char kCtrlZ = 26;
constexpr std::size_t kRealLength = 64;
constexpr std::size_t kIntegerLength = 32;
constexpr std::size_t kBufferSize = std::size_t{1} << 16;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::size_t BeforeCtrlZ(const char* data, std::size_t size)
{
    const auto* z = size ? static_cast<const char*>(std::memchr(data, kCtrlZ, size)) : nullptr;
    return z ? static_cast<std::size_t>(z - data) : size;
}

// The first blank from `p` on, `limit` when there is none before it; eight
// bytes at a time: a byte below 33 is one whose subtraction of 33 borrows
// and that has no high bit of its own, and a borrow carried into the next
// byte comes only from such a byte, so that the lowest one found is the
// first blank.
const char* FirstBlank(const char* p, const char* limit)
{
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the first byte of a word is its lowest");
    constexpr std::uint64_t kThirtyThrees = 0x2121212121212121;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    for (std::uint64_t word = 0; limit - p >= 8; p += 8) {
        std::memcpy(&word, p, sizeof word);
        if (const std::uint64_t blanks = (word - kThirtyThrees) & ~word & kHighBits)
            return p + __builtin_ctzll(blanks) / 8;
    }
    while (p < limit && !IsBlank(*p))
        ++p;
    return p;
}

// A line's token and where the next line starts, as ReadToken and then
// ReadLine find them, when the bytes at hand hold all of it: the blanks in
// front, the token short of `maxLength`, its line's CR and the byte after
// it. None otherwise, and the reader takes the way that refills.
struct LineToken {
    std::string_view token;
    std::size_t next = 0;
};

std::optional<LineToken> LineTokenAtHand(const char* data, std::size_t size, std::size_t at, std::size_t maxLength)
{
    const char* p = data + at;
    const char* const end = data + size;
    while (p < end && IsBlank(*p))
        ++p;
    const char* const start = p;
    const char* const limit = start + std::min(maxLength, static_cast<std::size_t>(end - start));
    p = FirstBlank(p, limit);
    if (p == limit)
        return std::nullopt;
    const auto* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p)));
    if (!cr || cr + 1 == end)
        return std::nullopt;
    std::size_t next = static_cast<std::size_t>(cr + 1 - data);
    if (data[next] == '\n')
        ++next;
    return LineToken{{start, static_cast<std::size_t>(p - start)}, next};
}

}  // namespace

TextReader::TextReader(std::string_view bytes) : data_(bytes.data()), size_(BeforeCtrlZ(bytes.data(), bytes.size()))
{
}

TextReader TextReader::OfTextBeforeCtrlZ(std::string_view text)
{
    TextReader reader;
    reader.data_ = text.data();
    reader.size_ = text.size();
    return reader;
}

TextReader TextReader::OpenFile(const std::string& fileName)
{
    TextReader reader;
    if (!fileName.empty())
        reader.file_.reset(std::fopen(fileName.c_str(), "rb"));
    reader.readOk_ = reader.file_ != nullptr;
    if (reader.readOk_) {
        // The reader has a buffer of its own; the stream's would only add a copy.
        std::setvbuf(reader.file_.get(), nullptr, _IONBF, 0);
        reader.buffer_.resize(kBufferSize);
        reader.data_ = reader.buffer_.data();
        reader.ended_ = false;
    }
    return reader;
}

bool TextReader::Fill()
{
    if (at_ < size_)
        return true;
    if (ended_)
        return false;
    base_ += size_;
    at_ = 0;
    size_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    readOk_ = readOk_ && !std::ferror(file_.get());
    const std::size_t text = BeforeCtrlZ(buffer_.data(), size_);
    ended_ = size_ < buffer_.size() || text < size_;
    size_ = text;
    return size_ > 0;
}

void TextReader::PassLf()
{
    if (Fill() && data_[at_] == '\n')
        ++at_;
}

std::string_view TextReader::ReadLine(std::size_t keep)
{
    line_.clear();
    bool spans = false;
    while (Fill()) {
        const char* start = data_ + at_;
        const std::size_t available = size_ - at_;
        const auto* cr = static_cast<const char*>(std::memchr(start, '\r', available));
        const std::size_t length = cr ? static_cast<std::size_t>(cr - start) : available;
        if (cr && !spans && length + 1 < available) {
            at_ += length + 1;
            if (data_[at_] == '\n')
                ++at_;
            return {start, std::min(length, keep)};
        }
        if (line_.size() < keep)
            line_.append(start, std::min(length, keep - line_.size()));
        spans = true;
        at_ += length;
        if (cr) {
            ++at_;
            PassLf();
            break;
        }
    }
    return line_;
}

bool TextReader::SkipBlanks()
{
    while (Fill()) {
        while (at_ < size_ && IsBlank(data_[at_]))
            ++at_;
        if (at_ < size_)
            return false;
    }
    return true;
}

int TextReader::SkipLeadingBlanks()
{
    while (Fill()) {
        const char c = data_[at_];
        if (c == '\r' || !IsBlank(c))
            return static_cast<unsigned char>(c);
        ++at_;
    }
    return -1;
}

bool TextReader::SkipToLineStartingWith(char first)
{
    // At the start of a line the reader skips blanks, and a line ends at its
    // first CR; so `first` starts a line exactly when the blanks in
    // front of it reach back to where the search began or hold a CR.
    while (Fill()) {
        const char* start = data_ + at_;
        const std::size_t available = size_ - at_;
        const auto* found = static_cast<const char*>(std::memchr(start, first, available));
        const char* p = found ? found : start + available;
        bool lineEnd = false;
        while (p > start && IsBlank(p[-1])) {
            --p;
            lineEnd = lineEnd || *p == '\r';
        }
        const bool lineStart = p == start || lineEnd;
        if (found && lineStart) {
            at_ = static_cast<std::size_t>(found - data_);
            return true;
        }
        at_ = found ? static_cast<std::size_t>(found - data_) : size_;
        if (found || !lineStart)
            ReadLine(0);
    }
    return false;
}

std::string_view TextReader::ReadToken(std::size_t maxLength)
{
    token_.clear();
    if (SkipBlanks())
        return {};
    // A token that ends inside the bytes at hand is looked at where it lies;
    // only one cut by a refill of the buffer is copied.
    const char* start = data_ + at_;
    const std::size_t limit = std::min(maxLength, size_ - at_);
    std::size_t length = 0;
    while (length < limit && !IsBlank(start[length]))
        ++length;
    at_ += length;
    if (length == maxLength || at_ < size_)
        return {start, length};
    token_.assign(start, length);
    while (token_.size() < maxLength && Fill() && !IsBlank(data_[at_]))
        token_ += data_[at_++];
    return token_;
}

double TextReader::ReadRealLine()
{
    if (const std::optional<LineToken> line = LineTokenAtHand(data_, size_, at_, kRealLength)) {
        at_ = line->next;
        return RealFromToken(line->token);
    }
    const double value = RealFromToken(ReadToken(kRealLength));
    ReadLine(0);
    return value;
}

long long TextReader::ReadIntegerLine()
{
    if (const std::optional<LineToken> line = LineTokenAtHand(data_, size_, at_, kIntegerLength)) {
        at_ = line->next;
        return IntegerFromToken(line->token);
    }
    const long long value = IntegerFromToken(ReadToken(kIntegerLength));
    ReadLine(0);
    return value;
}
