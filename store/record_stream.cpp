#include "record_stream.h"

#include <cstring>
#include <string_view>

#include "text_reader.h"

namespace {

constexpr std::size_t kChunk = 1 << 20;
// The first view of a record; widened while the record goes on past it.
constexpr std::size_t kWindow = 4096;
constexpr char kCtrlZ = 26;

}  // namespace

RecordStream::RecordStream(const std::string& fileName) : file_(fileName, std::ios::binary), window_(kWindow) {}

// Drops the bytes already passed and appends the next chunk of the file;
// false when nothing more can come.
bool RecordStream::Fill()
{
    if (eof_)
        return false;
    buffer_.erase(0, scan_);
    scan_ = 0;
    const std::size_t old = buffer_.size();
    buffer_.resize(old + kChunk);
    file_.read(buffer_.data() + old, static_cast<std::streamsize>(kChunk));
    const auto got = static_cast<std::size_t>(file_.gcount());
    buffer_.resize(old + got);
    if (file_.bad())
        failed_ = true;
    if (got < kChunk)
        eof_ = true;
    if (const void* end = got ? std::memchr(buffer_.data() + old, kCtrlZ, got) : nullptr) {
        buffer_.resize(static_cast<std::size_t>(static_cast<const char*>(end) - buffer_.data()));
        eof_ = true;
    }
    return true;
}

std::string_view RecordStream::View() const
{
    return std::string_view(buffer_).substr(scan_, window_);
}

bool RecordStream::More()
{
    if (scan_ + window_ < buffer_.size()) {
        window_ *= 2;
        return true;
    }
    return Fill();
}

bool RecordStream::AtEndOfText() const
{
    return eof_ && scan_ + window_ >= buffer_.size();
}

// Moves scan_ to the next marker line; false when there is none. A line is
// only judged once it is whole (or the file ends).
bool RecordStream::FindMarker()
{
    for (;;) {
        TextReader reader(View());
        bool found = false;
        std::size_t passed = 0;
        while (!reader.AtEnd()) {
            const std::size_t lineStart = reader.Position();
            const bool marker = AtMarkerLine(reader, firstLine_);
            reader.ReadLine(0);
            if (reader.AtEnd() && !AtEndOfText())
                break;
            firstLine_ = false;
            if (marker) {
                passed = lineStart;
                found = true;
                break;
            }
            passed = reader.Position();
        }
        scan_ += passed;
        if (found)
            return true;
        // Lines passed bring bytes beyond the old view into view; only when
        // none could be passed must the view grow.
        if (passed == 0 && !More())
            return false;
    }
}

bool RecordStream::ParseAtMarker(StoredRecord& record)
{
    for (;;) {
        TextReader reader(View());
        reader.ReadLine(0);
        const std::size_t afterMarker = reader.Position();
        static_cast<RecordBody&>(record) = ReadRecordBody(reader);
        if (!reader.AtEnd() || !More()) {
            scan_ += afterMarker;
            window_ = kWindow;
            return true;
        }
    }
}

bool RecordStream::Next(StoredRecord& record)
{
    if (!IsOpen() || failed_ || !FindMarker() || !ParseAtMarker(record))
        return false;
    record.number = ++count_;
    return !failed_;
}
