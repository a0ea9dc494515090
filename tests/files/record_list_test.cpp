#include <QTest>
#include <QToolButton>

#include "data_folder.h"

namespace {

using RecordListTest = DataFolderTest;

TEST_F(RecordListTest, TheWorkedExampleListsAndLoads)
{
    Start(ExampleRecord());
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл: lab.dat"));
    EXPECT_EQ(form->StringGrid2->RowCount(), 2);
    EXPECT_EQ(form->StringGrid2->Cells(0, 1), QStringLiteral("1"));
    EXPECT_EQ(Listed(1), QStringLiteral("05.03.2007  14:27"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("2")) << "nothing is loaded at start";

    ClickRecord(1);
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("3"));
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0.05"));
    EXPECT_EQ(form->StringGrid1->RowCount(), 4);
    EXPECT_EQ(Cell1(1, 3), QStringLiteral("20"));
    EXPECT_EQ(Cell1(2, 3), QStringLiteral("1.013"));
    EXPECT_EQ(form->StringGrid3->RowCount(), 3);
    EXPECT_EQ(Cell3(0, 1), QStringLiteral("0.3"));
    EXPECT_EQ(Cell3(0, 2), QStringLiteral("0.75"));
    EXPECT_TRUE(Equation().startsWith(EquationCaption(QStringLiteral("Y="))));
    EXPECT_FALSE(Cell3(1, 2).isEmpty()) << "the readings are evaluated with the fitted line";
    EXPECT_EQ(form->Chart1->Series1.Count(), 3);
}

TEST_F(RecordListTest, ACountAbove1000StopsTheLoadAtPoint1001)
{
    std::string record = Cp("\r\n#\r\nДата: 05.03.2007\r\nВремя: 14:27\r\n0.3\r\n1200\r\n8\r\n");
    for (int i = 1; i <= 1200; ++i)
        record += std::to_string(i) + "\r\n" + std::to_string(-i) + "\r\n";
    Start(record);
    ModalBoxCloser closer;
    ClickRecord(1);
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_EQ(closer.Boxes()[0].text, QStringLiteral("Range check error."));
    EXPECT_EQ(form->State.PointCount, 1200);
    EXPECT_EQ(form->State.Tolerance, 0.3);
    EXPECT_EQ(form->State.PercentValues[1000], 1000) << "the points before it are stored";
    EXPECT_EQ(form->State.MeasuredValues[1000], -1000);
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("2")) << "the grids and fields are not updated";
    EXPECT_EQ(form->StringGrid3->RowCount(), 2);
}

TEST_F(RecordListTest, ACommaLocaleShowsTheTolerance)
{
    Write(QStringLiteral("tolvazen.ini"), "lab.dat\r\n");
    Write(QStringLiteral("lab.dat"), ExampleRecord());
    Open(",");
    ClickRecord(1);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0,05"));
    EXPECT_EQ(Cell1(2, 1), QStringLiteral("0,012"));
    EXPECT_TRUE(Equation().startsWith(EquationCaption(QStringLiteral("Y="))));
}

TEST_F(RecordListTest, ASavedCalculationHoldsOnlyThePointsInTheFit)
{
    Start(ExampleRecord());
    ClickRecord(1);
    ASSERT_EQ(form->Chart1->Series1.Count(), 3);
    emit form->Chart1->ClickSeries(&form->Chart1->Series1, 1, Qt::LeftButton, {}, {});
    ASSERT_EQ(form->Chart1->Series1.ValueColor(1), clSilver);

    QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
    Settle();
    EXPECT_EQ(form->StringGrid2->RowCount(), 3);
    const std::string file = Read(QStringLiteral("lab.dat"));
    const std::string added = file.substr(ExampleRecord().size());
    EXPECT_NE(added.find("2       "), std::string::npos);
    EXPECT_EQ(added.find("5.00000000"), std::string::npos) << "the switched-off point is not saved";
    EXPECT_NE(added.find("20.00000000    = X%(3)"), std::string::npos);
    EXPECT_NE(added.find("\r\n0.3\r\n0.75\r\n"), std::string::npos);

    ClickRecord(2);
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("2"));
    EXPECT_EQ(Cell1(1, 2), QStringLiteral("20"));
    EXPECT_EQ(form->Chart1->Series1.ValueColor(0), clLime) << "no point is switched off after a load";
}

TEST_F(RecordListTest, ASaveToANewFileCreatesIt)
{
    Start(ExampleRecord());
    ClickRecord(1);
    AcceptFileDialog(Path(QStringLiteral("new.dat")));
    form->N5->trigger();
    Settle();
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл new.dat"));
    EXPECT_EQ(form->StringGrid2->RowCount(), 2);
    EXPECT_NE(Read(QStringLiteral("new.dat")).find(Cp("Погрешность")), std::string::npos);
}

TEST_F(RecordListTest, AMissingSettingsFileNamesNoFile)
{
    Open(".");
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл: "));
    EXPECT_EQ(form->StringGrid2->RowCount(), 1);
    EXPECT_EQ(form->StringGrid2->FixedRows(), 0);

    ModalBoxCloser closer;
    ClickRecord(0);
    ASSERT_EQ(closer.Boxes().size(), 1u) << "the two zero points of start-up are recalculated";
    EXPECT_EQ(closer.Boxes()[0].text, QStringLiteral("Вертикальных линий МНК не считает!"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("3"));
}

TEST_F(RecordListTest, ASaveWithoutADataFileSaysSo)
{
    Open(".");
    ModalBoxCloser closer;
    QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
    Settle();
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_TRUE(closer.Boxes()[0].text.startsWith(QStringLiteral("Файл данных не задан")));
}

}  // namespace
