#include "report/report_writer.h"

#include <QIODevice>

void TextReportWriter::Put(const std::string& bytes)
{
    const auto size = static_cast<qint64>(bytes.size());
    if (device_.write(bytes.data(), size) != size)
        failed_ = true;
}

bool TextReportWriter::Finish()
{
    Put(Closing());
    return !failed_;
}
