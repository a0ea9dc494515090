#include "record_stream.h"

#include <cstring>
#include <string_view>

#include "text_reader.h"

namespace {

// The first view of a record; widened while the record goes on past it.
constexpr std::size_t kWindow = 1024;
constexpr char kCtrlZ = 26;

}  // namespace

RecordStream::RecordStream(const std::string& fileName) : file_(fileName, std::ios::binary), window_(kWindow) {}

// Drops the bytes already passed and appends the next chunk of the file;
// false when nothing more can come. The buffer only ever grows, so that its
// bytes are not cleared again for every chunk.
bool RecordStream::Fill()
{
    if (eof_)
        return false;
    const std::size_t kept = size_ - scan_;
    std::memmove(buffer_.data(), buffer_.data() + scan_, kept);
    scan_ = 0;
    if (buffer_.size() < kept + kRecordStreamChunk)
        buffer_.resize(kept + kRecordStreamChunk);
    file_.read(buffer_.data() + kept, static_cast<std::streamsize>(kRecordStreamChunk));
    const auto got = static_cast<std::size_t>(file_.gcount());
    size_ = kept + got;
    if (file_.bad())
        failed_ = true;
    if (got < kRecordStreamChunk)
        eof_ = true;
    if (const void* end = got ? std::memchr(buffer_.data() + kept, kCtrlZ, got) : nullptr) {
        size_ = static_cast<std::size_t>(static_cast<const char*>(end) - buffer_.data());
        eof_ = true;
    }
    return true;
}

std::string_view RecordStream::View() const
{
    return std::string_view(buffer_.data(), size_).substr(scan_, window_);
}

bool RecordStream::More()
{
    if (scan_ + window_ < size_) {
        window_ *= 2;
        return true;
    }
    return Fill();
}

bool RecordStream::AtEndOfText() const
{
    return eof_ && scan_ + window_ >= size_;
}

// Moves scan_ to the '#' of the next marker line; false when there is none.
// The search looks for the marker byte rather than at every line; from the
// marker line's start on, the record reads the same.
bool RecordStream::FindMarker()
{
    for (;;) {
        const std::string_view view = View();
        if (firstLine_) {
            // The text's first line is a marker line only as it stands.
            if (!view.empty() && view.front() == kRecordMarker) {
                firstLine_ = false;
                return true;
            }
            const std::size_t end = view.find('\r');
            if (end == std::string_view::npos) {
                if (AtEndOfText() || !More())
                    return false;
                continue;
            }
            scan_ += end + 1;
            firstLine_ = false;
            continue;
        }
        auto reader = TextReader::OfTextBeforeCtrlZ(view);
        if (SkipToMarkerLine(reader)) {
            scan_ += reader.Position();
            return true;
        }
        if (AtEndOfText())
            return false;
        // The lines that end in view hold no marker line; the last one,
        // which may go on, and the blanks in front of a marker beyond the
        // view are looked at again with more bytes. A LF left in front of
        // them is a blank like the others.
        const std::size_t end = view.rfind('\r');
        if (end == std::string_view::npos) {
            if (!More())
                return false;
            continue;
        }
        scan_ += end + 1;
    }
}

void RecordStream::PassMarkerLine()
{
    for (;;) {
        auto reader = TextReader::OfTextBeforeCtrlZ(View());
        reader.ReadLine(0);
        if (!reader.AtEnd() || !More()) {
            scan_ += reader.Position();
            window_ = kWindow;
            return;
        }
    }
}

void RecordStream::ReadBody(StoredRecord& record)
{
    for (;;) {
        auto reader = TextReader::OfTextBeforeCtrlZ(View());
        ReadRecordBody(reader, record);
        if (!reader.AtEnd() || !More()) {
            window_ = kWindow;
            return;
        }
    }
}

bool RecordStream::Next(StoredRecord& record)
{
    if (!Skip())
        return false;
    ReadBody(record);
    record.number = count_;
    return !failed_;
}

bool RecordStream::Skip()
{
    if (!IsOpen() || failed_ || !FindMarker())
        return false;
    PassMarkerLine();
    ++count_;
    return !failed_;
}
