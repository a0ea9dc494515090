#include "report/pdf_run.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "report/pdf_format.h"

namespace {

// A device that takes every byte and keeps none: the pages are laid out once
// to count them.
class DiscardingDevice : public QIODevice {
public:
    DiscardingDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override { return size; }
};

QString Sha256(const std::string& fileName)
{
    QFile file(QString::fromStdString(fileName));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

}  // namespace

WriteFailure WritePdf(const ReportOptions& options, const std::vector<bool>& chosen, long long total,
                      QIODevice& device)
{
    PdfDocumentFacts facts;
    facts.fileName = QFileInfo(QString::fromStdString(options.dataFile)).fileName();
    facts.sha256 = Sha256(options.dataFile);
    if (facts.sha256.isEmpty())
        return WriteFailure::Reading;
    facts.printedAt = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    DiscardingDevice discard;
    const auto counter = MakePdfReportWriter(discard, facts, options.settings);
    if (const WriteFailure failure = WriteRecords(options, chosen, 0, *counter); failure != WriteFailure::None)
        return failure;
    facts.totalPages = counter->PageCount();
    return WriteRecords(options, chosen, total, *MakePdfReportWriter(device, facts, options.settings));
}
