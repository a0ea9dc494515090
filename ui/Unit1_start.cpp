// Start-up, the two views, exit and the small windows.
#include <QPushButton>
#include <QToolButton>

#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

#include "ui/window_layout.h"

using namespace WindowLayout;

void TForm1::FormActivate()
{
    ReadSettings();
    move(69, 106);
    N12Click();
    const QString headings1[] = {QStringLiteral("№:"), QStringLiteral("%:"), QStringLiteral("Замер:"),
                                 QStringLiteral("Отклон.:")};
    for (int col = 0; col < 4; ++col)
        StringGrid1->SetCells(col, 0, headings1[col]);
    for (int row = 1; row <= 100; ++row)
        StringGrid1->SetCells(1, row, QStringLiteral("0"));
    for (int row = 1; row <= 100; ++row)
        StringGrid1->SetCells(2, row, QStringLiteral("0"));
    StringGrid2->SetCells(0, 0, QStringLiteral("№:"));
    StringGrid2->SetCells(1, 0, QStringLiteral("Дата, время:"));
    StringGrid3->SetCells(0, 0, QStringLiteral("Замер:"));
    StringGrid3->SetCells(1, 0, QStringLiteral("Результат:"));
    State.ResultPrecision = 5;
    State.ResultDecimals = 3;
    State.PointCount = 2;
    State.ActiveCount = 2;
    for (int row = 1; row <= State.PointCount; ++row)
        StringGrid1->SetCells(0, row, QString::number(row));
    Label4->SetCaption(QStringLiteral("Уравнение прямой:\n\rY=a*X+b"));
    State.ResultRow = 1;
    State.EditorChanged = 0;
    OpenDatFileClick();
}

void TForm1::PlaceResultSide(int left)
{
    for (QWidget* control : std::initializer_list<QWidget*>{Label4, Label5, Label6, Edit3, StringGrid2, StringGrid3})
        control->move(left, control->y());
    BitBtn1->move(left + BitBtn1Offset, BitBtn1->y());
    SpeedButton1->move(left + SpeedButton1Offset, SpeedButton1->y());
    SpeedButton2->move(left + SpeedButton2Offset, SpeedButton2->y());
}

void TForm1::N12Click()
{
    StringGrid1->SetColCount(4);
    StringGrid1->resize(216, StringGrid1->height());
    StringGrid1->SetColWidth(3, 55);
    PlaceResultSide(ExtendedLeft);
    SetClientWidth(ExtendedClientWidth);
    panel1Width_ = ExtendedPanelWidth;
    ArrangeClient();
}

void TForm1::N11Click()
{
    StringGrid1->SetColCount(3);
    StringGrid1->resize(160, StringGrid1->height());
    PlaceResultSide(CompactLeft);
    SetClientWidth(CompactClientWidth);
    panel1Width_ = CompactPanelWidth;
    ArrangeClient();
}

void TForm1::N3Click()
{
    close();
}

void TForm1::N2Click()
{
    Form2->exec();
}

void TForm1::N6Click()
{
    Form3->exec();
}
