// A data file of 70,000 records, more than a 16-bit record number can count.
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>

#include "data_folder.h"

namespace {

constexpr int kRecords = 70000;

// Record k has the tolerance k / 100000, so "0.7" for the last one.
std::string Record(int k)
{
    return RecordBytes(std::to_string(k / 100000.0), {{"1", "2"}, {"2", std::to_string(3 + k)}}, {"5"});
}

const std::string& ManyRecords()
{
    static const std::string bytes = [] {
        std::string all;
        for (int k = 1; k <= kRecords; ++k)
            all += Record(k);
        return all;
    }();
    return bytes;
}

QString Tolerance(int k) { return QString::number(k / 100000.0, 'g', 15); }

using ManyRecordsTest = DataFolderTest;

TEST_F(ManyRecordsTest, EveryRecordIsListed)
{
    Start(ManyRecords());
    ASSERT_EQ(form->StringGrid2->RowCount(), kRecords + 1);
    EXPECT_EQ(form->State.RecordCounter, kRecords);
    EXPECT_EQ(form->StringGrid2->Cells(0, 65536), QStringLiteral("65536"));
    EXPECT_EQ(form->StringGrid2->Cells(0, kRecords), QStringLiteral("70000"));
    EXPECT_EQ(Listed(kRecords), QStringLiteral("05.03.2007  14:27"));
}

TEST_F(ManyRecordsTest, RecordsPast65535LoadAndDelete)
{
    Start(ManyRecords());
    ClickRecord(65537);
    EXPECT_EQ(form->State.SelectedRecord, 65537);
    EXPECT_EQ(form->Edit2->text(), Tolerance(65537)) << "not record 1, where a 16-bit number would wrap";

    PressDelete();
    EXPECT_EQ(form->StringGrid2->RowCount(), kRecords);
    EXPECT_EQ(form->Edit2->text(), Tolerance(65538)) << "the next record now has the deleted one's number";
    const std::string file = Read(QStringLiteral("lab.dat"));
    EXPECT_EQ(file.size(), ManyRecords().size() - Record(65537).size());
    EXPECT_EQ(file.find(Record(65537)), std::string::npos);

    ClickRecord(kRecords - 1);
    EXPECT_EQ(form->Edit2->text(), Tolerance(kRecords));
    PressDelete();
    EXPECT_EQ(form->StringGrid2->RowCount(), kRecords - 1);
    EXPECT_EQ(form->State.SelectedRecord, kRecords - 2) << "the new last record";
    EXPECT_EQ(form->Edit2->text(), Tolerance(kRecords - 1));
}

TEST_F(ManyRecordsTest, TheEditorsSaveReloadsTheSelectedRecord)
{
    Start(ManyRecords());
    ClickRecord(kRecords);
    OpenEditor();
    TypeInEditor(QStringLiteral("6"));
    ModalBoxCloser closer(QMessageBox::Yes);
    PressEsc();
    EXPECT_EQ(form->State.SelectedRecord, kRecords);
    EXPECT_EQ(form->Edit2->text(), Tolerance(kRecords));
    EXPECT_EQ(form->StringGrid3->RowCount(), 3) << "the last record's readings, the typed one included";
    EXPECT_EQ(Cell3(0, 2), QStringLiteral("6"));
}

}  // namespace
