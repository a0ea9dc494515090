#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "data_folder.h"

namespace {

class EditorTest : public DataFolderTest {
protected:
    bool EditorOpen() const { return form->Panel4->isVisible(); }
};

TEST_F(EditorTest, OpensInPlaceOfTheChartAndClosesAtOnceWhenUnchanged)
{
    Start(ExampleRecord() + Cp("\nlone LF\rlone CR"));
    OpenEditor();
    EXPECT_TRUE(EditorOpen());
    EXPECT_FALSE(form->Chart1->isVisible());
    EXPECT_EQ(form->Panel2->text(), QStringLiteral("Редактор файла данных"));
    EXPECT_TRUE(form->Memo1->hasFocus());
    EXPECT_TRUE(form->Memo1->toPlainText().startsWith(QStringLiteral("\n#\nДата: 05.03.2007\nВремя: 14:27\n")));
    EXPECT_TRUE(form->Memo1->toPlainText().endsWith(QStringLiteral("0.75\n\nlone LF\nlone CR")));

    ModalBoxCloser closer;
    PressEsc();
    EXPECT_TRUE(closer.Boxes().empty());
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(form->Chart1->isVisible());
}

TEST_F(EditorTest, CancelKeepsTheTextAndNoLeavesTheFile)
{
    Start(ExampleRecord());
    OpenEditor();
    TypeInEditor(QStringLiteral("1"));
    EXPECT_EQ(form->State.EditorChanged, 1);
    {
        ModalBoxCloser closer(QMessageBox::Cancel);
        PressEsc();
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_EQ(closer.Boxes()[0].text, QStringLiteral("Сохранить изменения?"));
        EXPECT_EQ(closer.Boxes()[0].icon, QMessageBox::NoIcon);
    }
    EXPECT_TRUE(EditorOpen());
    EXPECT_TRUE(form->Memo1->toPlainText().endsWith(QStringLiteral("0.75\n1")));
    {
        ModalBoxCloser closer(QMessageBox::No);
        QTest::mouseClick(form->CloseEdit, Qt::LeftButton);
        Settle();
        EXPECT_EQ(closer.Boxes().size(), 1u);
    }
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(form->State.EditorChanged, 0);
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord());
}

TEST_F(EditorTest, YesWritesTheTextListsAndLoadsRecordOne)
{
    Start(ExampleRecord());
    OpenEditor();
    TypeInEditor(QStringLiteral("0.9"));
    ModalBoxCloser closer(QMessageBox::Yes);
    PressEsc();
    EXPECT_EQ(closer.Boxes().size(), 1u) << "a file no other program changed is saved without a second question";
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord() + "0.9") << "no line end after the last line";
    EXPECT_EQ(form->State.SelectedRecord, 1);
    EXPECT_EQ(form->StringGrid3->RowCount(), 4);
    EXPECT_EQ(Cell3(0, 3), QStringLiteral("0.9"));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("3"));
}

TEST_F(EditorTest, DeletingARecordInTheEditorShortensTheList)
{
    Start(ExampleRecord() + ExampleRecord());
    ClickRecord(2);
    OpenEditor();
    QTextCursor cursor = form->Memo1->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 15);
    form->Memo1->setTextCursor(cursor);
    QTest::keyClick(form->Memo1, Qt::Key_Delete);
    ModalBoxCloser closer(QMessageBox::Yes);
    PressEsc();
    EXPECT_EQ(form->StringGrid2->RowCount(), 2);
    EXPECT_EQ(form->State.SelectedRecord, 1) << "the list's current row moved to the new last record";
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord());
}

TEST_F(EditorTest, AFailedSaveKeepsTheEditorAndAsksAgain)
{
    Write(QStringLiteral("tolvazen.ini"), "missing/lab.dat\r\n");
    {
        ModalBoxCloser closer;
        Open(".");
        OpenEditor();
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_EQ(closer.Boxes()[0].text, QStringLiteral("Cannot open file missing/lab.dat."));
    }
    EXPECT_TRUE(EditorOpen()) << "the panel stays with the text it had";
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("Memo1"));

    TypeInEditor(QStringLiteral("x"));
    {
        ModalBoxCloser closer(QMessageBox::Yes);
        PressEsc();
        ASSERT_EQ(closer.Boxes().size(), 2u);
        EXPECT_EQ(closer.Boxes()[1].text, QStringLiteral("Cannot create file missing/lab.dat."));
    }
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("Memo1x"));
    EXPECT_EQ(form->State.EditorChanged, 1);
    {
        ModalBoxCloser closer(QMessageBox::No);
        PressEsc();
        EXPECT_EQ(closer.Boxes().size(), 1u) << "the next close asks again";
    }
    EXPECT_FALSE(EditorOpen());
}

TEST_F(EditorTest, TextTheFileCannotHoldIsRefused)
{
    Start(ExampleRecord());
    OpenEditor();
    form->Memo1->moveCursor(QTextCursor::End);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("中"));
    QApplication::sendEvent(form->Memo1, &key);
    ASSERT_TRUE(form->Memo1->toPlainText().endsWith(QStringLiteral("中")));
    {
        ModalBoxCloser closer(QMessageBox::Yes);
        PressEsc();
        ASSERT_EQ(closer.Boxes().size(), 2u);
        EXPECT_TRUE(closer.Boxes()[1].text.contains(QStringLiteral("«中»")));
        EXPECT_EQ(closer.Boxes()[1].caption, QStringLiteral("Error"));
    }
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(form->State.EditorChanged, 1);
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord());
}

TEST_F(EditorTest, TheEditorNamesAnotherProgramsChangeBeforeItsSaveDropsIt)
{
    Start(ExampleRecord());
    OpenEditor();
    TypeInEditor(QStringLiteral("0.9"));
    const std::string appended = ExampleRecord() + ExampleRecord();
    Write(QStringLiteral("lab.dat"), appended);
    const QString question =
        QStringLiteral("Файл данных lab.dat изменен другой программой после того, как редактор его открыл: размер "
                       "был %1 байт, стал %2 байт.\nЗаписать текст редактора поверх? Изменения другой программы "
                       "будут потеряны.")
            .arg(ExampleRecord().size())
            .arg(appended.size());
    {
        ModalBoxCloser closer({QMessageBox::Yes, QMessageBox::No});
        PressEsc();
        ASSERT_EQ(closer.Boxes().size(), 2u);
        EXPECT_EQ(closer.Boxes()[1].text, question);
        EXPECT_EQ(closer.Boxes()[1].icon, QMessageBox::Warning);
    }
    EXPECT_TRUE(form->Panel4->isVisible()) << "the editor keeps its text";
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), appended);
    EXPECT_EQ(form->StringGrid2->RowCount(), 2) << "the list is as it was";
    {
        ModalBoxCloser closer(QMessageBox::Yes);
        PressEsc();
        ASSERT_EQ(closer.Boxes().size(), 2u) << "the next save asks again";
        EXPECT_EQ(closer.Boxes()[1].text, question);
    }
    EXPECT_FALSE(form->Panel4->isVisible());
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord() + "0.9");
}

}  // namespace
