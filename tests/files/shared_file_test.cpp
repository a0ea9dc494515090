// Another program holding the data file.
#include <QToolButton>
#include <QTest>
#include <unistd.h>

#include "data_folder.h"
#include "store/file_lock.h"
#include "store/lock_holder.h"
#include "ui/text_bridge.h"

namespace {

using SharedFileTest = DataFolderTest;

TEST_F(SharedFileTest, WhileAnotherProgramHoldsTheFileSaveAndDeleteSaySoAndChangeNothing)
{
    Start(ExampleRecord() + ExampleRecord());
    ClickRecord(1);
    const DataFileLock otherProgram(Std(Path(QStringLiteral("lab.dat"))));
    const QString busy = QStringLiteral("Файл данных lab.dat занят другой программой (пользователь %1, компьютер %2, "
                                        "процесс %3, с ")
                             .arg(Qs(ThisProcess().user), Qs(ThisHost()))
                             .arg(::getpid());
    const QString rest = QStringLiteral("). Команда не выполнена, файл не изменен; повторите ее позже.");
    {
        ModalBoxCloser closer;
        QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
        Settle();
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_TRUE(closer.Boxes()[0].text.startsWith(busy)) << Std(closer.Boxes()[0].text);
        EXPECT_TRUE(closer.Boxes()[0].text.endsWith(rest)) << Std(closer.Boxes()[0].text);
    }
    {
        ModalBoxCloser closer;
        PressDelete();
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_TRUE(closer.Boxes()[0].text.startsWith(busy)) << Std(closer.Boxes()[0].text);
        EXPECT_TRUE(closer.Boxes()[0].text.endsWith(rest)) << Std(closer.Boxes()[0].text);
    }
    EXPECT_EQ(form->StringGrid2->RowCount(), 3);
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord() + ExampleRecord());
}

}  // namespace
