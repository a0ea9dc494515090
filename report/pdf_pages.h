#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QString>

// What every page says about the document it belongs to.
struct PdfDocumentFacts {
    QString fileName;      // the data file's name, without its folder
    QString sha256;        // the data file's digest, 64 hex digits
    QString printedAt;     // the date and time of printing
    int totalPages = 0;    // M of "Стр. N из M"; 0 while the pages are counted
};

// A4 pages in pixels of 1/96 inch, each with a header (the file's name and
// the first 16 hex digits of its digest) and a footer (the time of printing,
// "Стр. N из M"), and a cursor that runs down the body between them.
class PdfPages {
public:
    PdfPages(QIODevice& device, const PdfDocumentFacts& facts);

    QPainter& Painter() { return painter_; }
    int Width() const { return writer_.width(); }
    int& Y() { return y_; }
    // Whether `height` more pixels fit on the body of the current page.
    bool Fits(int height) const { return y_ + height <= bodyBottom_; }
    // A new page, whose body starts at the top.
    void NewPage();
    // A new page unless `height` pixels fit on this one.
    void Room(int height);
    bool Started() const { return pages_ > 0; }
    int PageCount() const { return pages_; }
    bool Finish();

private:
    void PaintHeaderAndFooter();

    QPdfWriter writer_;
    QPainter painter_;
    PdfDocumentFacts facts_;
    int pages_ = 0;
    int y_ = 0;
    int bodyTop_ = 0;
    int bodyBottom_ = 0;
};

// The font of the printed pages.
QFont PageFont(int pixels, bool bold = false);
