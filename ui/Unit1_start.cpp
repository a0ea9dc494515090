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
    Points.WriteHeadings();
    Points.FillWithZeros(100);
    StringGrid2->SetCells(0, 0, QStringLiteral("№:"));
    StringGrid2->SetCells(1, 0, QStringLiteral("Дата, время:"));
    Results.WriteHeadings();
    State.ResultPrecision = 5;
    State.ResultDecimals = 3;
    State.PointCount = 2;
    State.ActiveCount = 2;
    Points.NumberRows(State.PointCount);
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
    Points.ShowDeviationColumn();
    PlaceResultSide(ExtendedLeft);
    SetClientWidth(ExtendedClientWidth);
    panel1Width_ = ExtendedPanelWidth;
    ArrangeClient();
}

void TForm1::N11Click()
{
    Points.HideDeviationColumn();
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
