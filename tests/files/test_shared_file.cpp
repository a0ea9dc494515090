// Another program holding the data file.
#include <QToolButton>
#include <QTest>

#include "data_folder.h"
#include "store/file_lock.h"

namespace {

using SharedFileTest = DataFolderTest;

TEST_F(SharedFileTest, WhileAnotherProgramHoldsTheFileSaveAndDeleteSaySoAndChangeNothing)
{
    Start(ExampleRecord() + ExampleRecord());
    ClickRecord(1);
    const DataFileLock otherProgram(Std(Path(QStringLiteral("lab.dat"))));
    const QString busy = QStringLiteral("Файл данных lab.dat занят другой программой. Команда не выполнена, файл не "
                                        "изменен; повторите ее позже.");
    {
        ModalBoxCloser closer;
        QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
        Settle();
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_EQ(closer.Boxes()[0].text, busy);
    }
    {
        ModalBoxCloser closer;
        PressDelete();
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_EQ(closer.Boxes()[0].text, busy);
    }
    EXPECT_EQ(form->StringGrid2->RowCount(), 3);
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord() + ExampleRecord());
}

}  // namespace
