// First start, the layout, the two views and the start-up routine's one run.
#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "ui_test_helpers.h"

namespace {

using StartTest = MainWindowTest;

TEST_F(StartTest, FirstStartShowsTwoZeroPointsAndTheFocusOnTheCount)
{
    EXPECT_EQ(form->windowTitle(), "Толвазен - версия 5.42");
    EXPECT_EQ(form->pos(), QPoint(69, 106));
    EXPECT_EQ(form->width(), 724);
    EXPECT_EQ(form->centralWidget()->height(), 410);
    EXPECT_EQ(QApplication::focusWidget(), form->Edit1);
    EXPECT_EQ(form->Edit1->text(), "2");
    EXPECT_EQ(form->Edit2->text(), "0");
    EXPECT_EQ(form->Edit3->text(), "0");
    EXPECT_EQ(Equation(), "Уравнение прямой:\n\rY=a*X+b");
    EXPECT_EQ(form->Label4->text(), "Уравнение прямой:\nY=a*X+b");
    EXPECT_EQ(form->Label5->Caption(), "Файл: ");

    TStringGrid* points = form->StringGrid1;
    EXPECT_EQ(points->RowCount(), 3);
    EXPECT_EQ(points->ColCount(), 4);
    const QString headings[] = {"№:", "%:", "Замер:", "Отклон.:"};
    for (int col = 0; col < 4; ++col)
        EXPECT_EQ(Cell1(col, 0), headings[col]);
    for (int row = 1; row <= 2; ++row) {
        EXPECT_EQ(Cell1(0, row), QString::number(row));
        EXPECT_EQ(Cell1(1, row), "0");
        EXPECT_EQ(Cell1(2, row), "0");
        EXPECT_EQ(Cell1(3, row), "");
    }
    EXPECT_EQ(Cell1(1, 100), "0");
    EXPECT_EQ(Cell1(1, 101), "");
    EXPECT_EQ(form->StringGrid2->Cells(1, 0), "Дата, время:");
    EXPECT_EQ(Cell3(0, 0), "Замер:");
    EXPECT_EQ(Cell3(1, 0), "Результат:");
    EXPECT_EQ(form->StringGrid3->RowCount(), 2);
    EXPECT_EQ(form->State.PointCount, 2);
    EXPECT_EQ(form->State.ResultDecimals, 3);
    EXPECT_EQ(form->State.ResultPrecision, 5);
    EXPECT_EQ(form->State.SlopeA, 0.0);
    EXPECT_EQ(form->Chart1->Series1.Count() + form->Chart1->Series2.Count(), 0);
}

TEST_F(StartTest, ControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(form->Panel1->geometry(), QRect(0, 0, 369, 410));
    EXPECT_EQ(form->Chart1->geometry(), QRect(369, 0, 355, 410));
    EXPECT_TRUE(form->Chart1->isVisible());
    EXPECT_FALSE(form->Panel4->isVisible());
    EXPECT_EQ(form->Edit1->geometry(), QRect(1, 48, 73, 21));
    EXPECT_EQ(form->StringGrid1->geometry(), QRect(0, 88, 216, 321));
    EXPECT_EQ(form->StringGrid3->geometry(), QRect(226, 200, 137, 209));
    EXPECT_EQ(form->SpeedButton3->geometry(), QRect(328, 164, 9, 22));
    EXPECT_EQ(form->BitBtn1->text(), "C");
    for (QPushButton* hidden : {form->Raschet, form->SaveChoice, form->RschRz, form->OpenDatFile})
        EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(form->Raschet->text(), "Рассчитать (F9)");
    EXPECT_EQ(form->ToolButton1->toolTip(), "Открыть другой файл данных");
    EXPECT_EQ(form->ToolButton2->toolTip(), "Сохранить расчет в текущем файле");
    EXPECT_EQ(form->ToolButton3->toolTip(), "Рассчитать");
    ASSERT_EQ(form->ImageList1.size(), 3);
    for (const QIcon& picture : form->ImageList1)
        EXPECT_EQ(picture.availableSizes(), QList<QSize>{QSize(16, 16)});
    EXPECT_EQ(form->ToolButton1->icon().cacheKey(), form->ImageList1[0].cacheKey());
    EXPECT_EQ(form->ToolButton2->icon().cacheKey(), form->ImageList1[1].cacheKey());
    EXPECT_EQ(form->ToolButton3->icon().cacheKey(), form->ImageList1[2].cacheKey());

    QStringList menu;
    for (QAction* top : form->MainMenu1->actions()) {
        menu << top->text();
        if (top->menu())
            for (QAction* item : top->menu()->actions())
                menu << (item->isSeparator() ? "-" : item->text());
    }
    EXPECT_EQ(menu.join("|"), "Файл|Открыть файл данных|Сохранить выборку в файле|-|Выход|"
                              "Вид|Сокращенный|Расширенный|-|Редактор|Помощь|О программе");
}

TEST_F(StartTest, TabCyclesTheFiveInputControls)
{
    QWidget* expected[] = {form->Edit2, form->StringGrid1, form->Edit3, form->StringGrid3, form->Edit1};
    for (QWidget* next : expected) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

TEST_F(StartTest, CompactViewHidesTheDeviationsAndExtendedBringsThemBack)
{
    form->StringGrid1->SetCells(3, 1, "0.011");
    form->N11->trigger();
    for (int twice = 0; twice < 2; ++twice)
        form->N11->trigger();
    EXPECT_EQ(form->StringGrid1->ColCount(), 3);
    EXPECT_EQ(form->StringGrid1->width(), 160);
    EXPECT_EQ(form->Panel1->width(), 314);
    EXPECT_EQ(form->width(), 669);
    EXPECT_EQ(form->Edit3->x(), 171);
    EXPECT_EQ(form->StringGrid3->x(), 171);
    EXPECT_EQ(form->BitBtn1->x(), 289);
    EXPECT_EQ(form->SpeedButton1->x(), 258);
    EXPECT_EQ(form->SpeedButton2->x(), 282);
    EXPECT_EQ(form->SpeedButton3->x(), 328) << "left beyond the compact panel";
    Settle();
    EXPECT_EQ(form->Chart1->width(), 355);

    form->N12->trigger();
    EXPECT_EQ(form->StringGrid1->ColCount(), 4);
    EXPECT_EQ(form->StringGrid1->ColWidth(3), 55);
    EXPECT_EQ(Cell1(3, 1), "0.011");
    EXPECT_EQ(form->Label4->x(), 226);
    EXPECT_EQ(form->BitBtn1->x(), 344);
    EXPECT_EQ(form->width(), 724);
}

TEST_F(StartTest, ReturningFromModalWindowsDoesNotRunTheStartUpAgain)
{
    Focus(form->Edit1);
    form->Edit1->selectAll();
    TypeEnter("4");
    form->StringGrid1->SetCells(1, 50, "7");
    form->State.ResultDecimals = 6;
    form->move(200, 200);
    form->N11->trigger();
    {
        ModalBoxCloser closer;
        form->N2->trigger();
        form->N6->trigger();
        form->Edit1->SetText("x");
        Press(Qt::Key_Return);
        EXPECT_EQ(closer.DialogsClosed(), 2);
        ASSERT_EQ(closer.Boxes().size(), 1u);
    }
    Settle();
    EXPECT_TRUE(form->isActiveWindow());
    EXPECT_EQ(form->pos(), QPoint(200, 200));
    EXPECT_EQ(form->StringGrid1->ColCount(), 3);
    EXPECT_EQ(Cell1(1, 50), "7");
    EXPECT_EQ(form->State.PointCount, 4);
    EXPECT_EQ(form->State.ResultDecimals, 6);
}

TEST_F(StartTest, RunTimeErrorBoxHasTheTitleIconAndFullStop)
{
    ModalBoxCloser closer;
    form->Edit1->SetText("abc");
    Press(Qt::Key_Tab);
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(closer.Boxes()[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(closer.Boxes()[0].caption, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(closer.Boxes()[0].icon, QMessageBox::Critical);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), form->Edit2) << "the focus still moves";
    EXPECT_EQ(form->State.PointCount, 2);
}

TEST_F(StartTest, ExitClosesTheWindow)
{
    form->N3->trigger();
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
