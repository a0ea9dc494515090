// Saves that write nothing, and the editor's byte-for-byte save.
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include "data_folder.h"

namespace {

class SaveRefusalTest : public DataFolderTest {
protected:
    // Types one character through a key press into the focused control.
    static void TypeCharacter(const QString& character)
    {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(QApplication::focusWidget(), &key);
        Settle();
    }
    // The first reading of the result table replaced by a typed character.
    void TypeReading(const QString& character)
    {
        Focus(form->StringGrid3);
        TypeCharacter(character);
        ASSERT_EQ(Cell3(0, 1), character);
    }
    void OpenEditorAndTypeAtTheEnd(const QString& character)
    {
        OpenEditor();
        form->Memo1->moveCursor(QTextCursor::End);
        TypeCharacter(character);
    }
    // Closes the editor with Esc and answers Yes; the boxes shown.
    std::vector<ClosedBox> SaveEditor()
    {
        ModalBoxCloser closer(QMessageBox::Yes);
        PressEsc();
        return closer.Boxes();
    }
    std::vector<ClosedBox> ClickDiskette()
    {
        ModalBoxCloser closer;
        QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
        Settle();
        return closer.Boxes();
    }
};

const QString NoDataFile = QStringLiteral(
    "Файл данных не задан, ничего не сохранено. Выберите файл командой «Файл» > «Сохранить выборку в файле» или "
    "впишите его имя в первую строку файла настроек tolvazen.ini.");

TEST_F(SaveRefusalTest, ACharacterTheCodePageLacksGetsOneMessageFromDisketteAndEditor)
{
    Start(ExampleRecord());
    TypeReading(QStringLiteral("Σ"));
    const std::vector<ClosedBox> diskette = ClickDiskette();
    ASSERT_EQ(diskette.size(), 1u);
    EXPECT_EQ(diskette[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(diskette[0].icon, QMessageBox::Critical);
    EXPECT_EQ(diskette[0].text, QStringLiteral("Символ «Σ» (U+03A3) нельзя записать в файл данных: в кодировке "
                                               "Windows-1251 его нет. Ничего не сохранено."));
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord());

    OpenEditorAndTypeAtTheEnd(QStringLiteral("Σ"));
    const std::vector<ClosedBox> editor = SaveEditor();
    ASSERT_EQ(editor.size(), 2u) << "the question, then the refusal";
    EXPECT_EQ(editor[1].caption, diskette[0].caption);
    EXPECT_EQ(editor[1].text, diskette[0].text);
    EXPECT_TRUE(form->Panel4->isVisible());
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord());
}

TEST_F(SaveRefusalTest, AnInvisibleCharacterIsNamedByItsNumber)
{
    Start(ExampleRecord());
    OpenEditorAndTypeAtTheEnd(QString(QChar::LineSeparator));
    const std::vector<ClosedBox> boxes = SaveEditor();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[1].text.startsWith(QStringLiteral("Символ «\u2028» (U+2028)"))) << boxes[1].text.toStdString();
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), ExampleRecord()) << "not written as a line end";
}

TEST_F(SaveRefusalTest, WithoutADataFileNothingIsWrittenAndTheMessageSaysWhereOneIsNamed)
{
    Open(".");
    const std::vector<ClosedBox> diskette = ClickDiskette();
    ASSERT_EQ(diskette.size(), 1u);
    EXPECT_EQ(diskette[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(diskette[0].text, NoDataFile);

    {
        ModalBoxCloser closer;
        form->N9->trigger();
        Settle();
    }
    Focus(form->Memo1);
    TypeCharacter(QStringLiteral("x"));
    const std::vector<ClosedBox> editor = SaveEditor();
    ASSERT_EQ(editor.size(), 2u);
    EXPECT_EQ(editor[1].text, NoDataFile);
    EXPECT_TRUE(form->Panel4->isVisible());
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList()) << "no file was created";
}

TEST_F(SaveRefusalTest, AFailedSaveToAChosenFileListsThatFile)
{
    Start(ExampleRecord());
    Write(QStringLiteral("other.dat"), ExampleRecord() + ExampleRecord());
    TypeReading(QStringLiteral("Σ"));
    AcceptFileDialog(Path(QStringLiteral("other.dat")));
    ModalBoxCloser closer;
    form->N5->trigger();
    Settle();
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_TRUE(closer.Boxes()[0].text.startsWith(QStringLiteral("Символ «Σ»")));
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл other.dat"));
    EXPECT_EQ(form->StringGrid2->RowCount(), 3) << "the two records of other.dat";
    EXPECT_EQ(Read(QStringLiteral("other.dat")), ExampleRecord() + ExampleRecord());
}

TEST_F(SaveRefusalTest, AChosenFileThatCannotBeWrittenIsListedEmpty)
{
    Start(ExampleRecord() + ExampleRecord());
    AcceptFileDialog(Path(QStringLiteral("missing/new.dat")));
    ModalBoxCloser closer;
    form->N5->trigger();
    Settle();
    ASSERT_EQ(closer.Boxes().size(), 1u);
    EXPECT_TRUE(closer.Boxes()[0].text.startsWith(QStringLiteral("Cannot create file"))) << closer.Boxes()[0].text.toStdString();
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл new.dat"));
    EXPECT_EQ(form->StringGrid2->RowCount(), 1) << "no record of lab.dat is listed";
}

TEST_F(SaveRefusalTest, TheEditorWritesEveryCharacterAsItStands)
{
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n')
            everyByte += static_cast<char>(byte);
    const std::string file = ExampleRecord() + everyByte + "\r\n" + everyByte;
    Start(file);
    OpenEditorAndTypeAtTheEnd(QStringLiteral("x"));
    QTest::keyClick(form->Memo1, Qt::Key_Backspace);
    const std::vector<ClosedBox> boxes = SaveEditor();
    ASSERT_EQ(boxes.size(), 1u) << "only the question";
    EXPECT_FALSE(form->Panel4->isVisible());
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), file);
}

}  // namespace
