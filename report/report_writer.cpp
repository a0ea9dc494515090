#include "report/report_writer.h"

#include <QIODevice>

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;

}  // namespace

void TextReportWriter::Write(const RecordReport& record)
{
    AppendText(record, pending_);
    if (pending_.size() >= kBlock)
        Put();
}

void TextReportWriter::Put()
{
    const auto size = static_cast<qint64>(pending_.size());
    if (device_.write(pending_.data(), size) != size)
        failed_ = true;
    pending_.clear();
}

bool TextReportWriter::Finish()
{
    pending_ += Closing();
    Put();
    return !failed_;
}
