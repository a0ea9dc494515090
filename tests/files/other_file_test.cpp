#include <QTest>
#include <QToolButton>

#include "data_folder.h"

namespace {

using OtherFileTest = DataFolderTest;

std::string Records(int count, const std::string& digit)
{
    std::string bytes;
    for (int k = 1; k <= count; ++k)
        bytes += RecordBytes(digit + "." + std::to_string(k) + "0000000",
                             {{"1.00000000", "2.00000000"}, {"3.00000000", "7.00000000"}}, {});
    return bytes;
}

TEST_F(OtherFileTest, FewerRecordsThanTheCurrentRowLoadsTheLast)
{
    Start(Records(6, "1"));
    Write(QStringLiteral("other.dat"), Records(3, "2"));
    ClickRecord(5);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("1.5"));

    AcceptFileDialog(Path(QStringLiteral("other.dat")));
    QTest::mouseClick(form->ToolButton1, Qt::LeftButton);
    Settle();
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл other.dat"));
    EXPECT_EQ(form->StringGrid2->RowCount(), 4);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("2.3")) << "record 3 of the new file";
    EXPECT_EQ(form->State.SelectedRecord, 3);
}

TEST_F(OtherFileTest, MoreRecordsLoadsNothing)
{
    Start(Records(2, "1"));
    Write(QStringLiteral("other.dat"), Records(3, "2"));
    ClickRecord(1);
    AcceptFileDialog(Path(QStringLiteral("other.dat")));
    form->N1->trigger();
    Settle();
    EXPECT_EQ(form->StringGrid2->RowCount(), 4);
    EXPECT_EQ(Listed(3), QStringLiteral("05.03.2007  14:27"));
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("1.1"));
    EXPECT_EQ(form->State.SelectedRecord, 1);
}

TEST_F(OtherFileTest, ACancelledDialogChangesNothing)
{
    Start(Records(2, "1"));
    {
        ModalBoxCloser closer;
        form->N1->trigger();
        Settle();
        EXPECT_EQ(closer.DialogsClosed(), 1);
    }
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл: lab.dat"));
    EXPECT_EQ(form->State.DataFileName, "lab.dat");
}

}  // namespace
