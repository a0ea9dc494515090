#include "report/pdf_pages.h"

#include <QPageSize>

#include "chart/design_fonts.h"

namespace {

constexpr int kResolution = 96;
constexpr qreal kMarginMm = 15;
constexpr int kFrameTextPixels = 10;
constexpr int kFrameLine = 14;
constexpr int kFrameGap = 8;
constexpr int kShortDigest = 16;

}  // namespace

QFont PageFont(int pixels, bool bold)
{
    return StandInFont(DesignFont::Arial, pixels, bold);
}

PdfPages::PdfPages(QIODevice& device, const PdfDocumentFacts& facts) : writer_(&device), facts_(facts)
{
    writer_.setPageSize(QPageSize(QPageSize::A4));
    writer_.setResolution(kResolution);
    writer_.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    writer_.setTitle(QStringLiteral("Калибровки: ") + facts_.fileName);
    writer_.setCreator(QStringLiteral("tolvazen-report"));
    bodyTop_ = kFrameLine + kFrameGap;
    bodyBottom_ = writer_.height() - kFrameLine - kFrameGap;
}

void PdfPages::NewPage()
{
    if (pages_ == 0)
        painter_.begin(&writer_);
    else
        writer_.newPage();
    ++pages_;
    PaintHeaderAndFooter();
    y_ = bodyTop_;
}

void PdfPages::Room(int height)
{
    if (!Fits(height))
        NewPage();
}

bool PdfPages::Finish()
{
    return painter_.end();
}

void PdfPages::PaintHeaderAndFooter()
{
    painter_.save();
    painter_.setFont(PageFont(kFrameTextPixels));
    painter_.setPen(Qt::black);
    const int width = Width();
    const int footerTop = writer_.height() - kFrameLine;
    const QString header = facts_.fileName + QStringLiteral("   SHA-256 ") + facts_.sha256.left(kShortDigest);
    painter_.drawText(QRect(0, 0, width, kFrameLine), Qt::AlignLeft | Qt::AlignVCenter, header);
    painter_.drawLine(0, kFrameLine, width, kFrameLine);
    painter_.drawLine(0, footerTop, width, footerTop);
    painter_.drawText(QRect(0, footerTop, width, kFrameLine), Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("Напечатано: ") + facts_.printedAt);
    const QString page = QStringLiteral("Стр. %1 из %2")
                             .arg(pages_)
                             .arg(facts_.totalPages > 0 ? QString::number(facts_.totalPages) : QStringLiteral("?"));
    painter_.drawText(QRect(0, footerTop, width, kFrameLine), Qt::AlignRight | Qt::AlignVCenter, page);
    painter_.restore();
}
