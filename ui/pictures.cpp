#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace {

QPixmap Canvas(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPolygonF ArrowShape(ArrowDirection direction, QSize size)
{
    const qreal w = size.width() - 1;
    const qreal h = size.height() - 1;
    switch (direction) {
    case ArrowDirection::Left:
        return QPolygonF({{0, h / 2}, {w / 2, 0}, {w / 2, h * 0.3}, {w, h * 0.3}, {w, h * 0.7},
                          {w / 2, h * 0.7}, {w / 2, h}});
    case ArrowDirection::Right:
        return QPolygonF({{w, h / 2}, {w / 2, 0}, {w / 2, h * 0.3}, {0, h * 0.3}, {0, h * 0.7},
                          {w / 2, h * 0.7}, {w / 2, h}});
    case ArrowDirection::Down:
        break;
    }
    return QPolygonF({{w / 2, h}, {0, h / 2}, {w * 0.3, h / 2}, {w * 0.3, 0}, {w * 0.7, 0},
                      {w * 0.7, h / 2}, {w, h / 2}});
}

QPixmap Arrow(ArrowDirection direction, QSize size, const QColor& fill, const QColor& outline)
{
    QPixmap pixmap = Canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 1));
    p.setBrush(fill);
    p.drawPolygon(ArrowShape(direction, size));
    return pixmap;
}

}  // namespace

QIcon FolderPicture()
{
    QPixmap pixmap = Canvas({16, 16});
    QPainter p(&pixmap);
    p.setPen(QColor(128, 96, 0));
    p.setBrush(QColor(230, 190, 60));
    p.drawRect(1, 5, 11, 9);
    p.drawRect(1, 4, 4, 1);
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(QPolygon({{1, 14}, {4, 8}, {15, 8}, {12, 14}}));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 160), 1.2));
    QPainterPath curve;
    curve.moveTo(8, 4);
    curve.quadTo(11, 0, 14, 3);
    p.drawPath(curve);
    p.drawLine(QPointF(14, 3), QPointF(14, 0.5));
    p.drawLine(QPointF(14, 3), QPointF(11.5, 3));
    return QIcon(pixmap);
}

QIcon DiskettePicture()
{
    QPixmap pixmap = Canvas({16, 16});
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(40, 40, 140));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(4, 9, 7, 5);
    p.fillRect(9, 2, 1, 3, Qt::black);
    return QIcon(pixmap);
}

QIcon CalculatorPicture()
{
    QPixmap pixmap = Canvas({16, 16});
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(2, 0, 11, 15);
    p.setBrush(QColor(150, 210, 150));
    p.drawRect(4, 2, 7, 3);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.fillRect(4 + 3 * col, 7 + 3 * row, 2, 2, col == 2 && row == 2 ? Qt::red : Qt::black);
    return QIcon(pixmap);
}

QIcon RedArrowGlyph(ArrowDirection direction, QSize size)
{
    QIcon icon(Arrow(direction, size, Qt::red, QColor(128, 0, 0)));
    icon.addPixmap(Arrow(direction, size, Qt::transparent, Qt::gray), QIcon::Disabled);
    return icon;
}

QIcon WindowIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.drawLine(3, 29, 30, 29);
    p.drawLine(3, 29, 3, 2);
    p.setPen(QPen(Qt::blue, 2));
    p.drawLine(5, 27, 29, 4);
    p.setPen(Qt::NoPen);
    for (const QPoint& c : {QPoint(9, 21), QPoint(16, 17), QPoint(23, 9)}) {
        p.setBrush(c.y() == 17 ? Qt::red : Qt::green);
        p.drawRect(c.x() - 2, c.y() - 2, 5, 5);
    }
    return QIcon(pixmap);
}
