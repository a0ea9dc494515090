// The history beside the data file, as the window's commands write it.
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>
#include <QToolButton>

#include "data_folder.h"
#include "history/history_event.h"
#include "history/history_file.h"
#include "history_program.h"

namespace {

class HistoryWindowTest : public DataFolderTest {
protected:
    void PressPoint(int index)
    {
        const QPoint at = form->Chart1->ValuePosition(form->Chart1->Series1, index);
        QTest::mousePress(form->Chart1, Qt::LeftButton, {}, at);
        QTest::mouseRelease(form->Chart1, Qt::LeftButton, {}, at);
    }
    std::string Data() const { return Path(QStringLiteral("lab.dat")).toStdString(); }
    std::vector<QJsonObject> Events() const
    {
        std::vector<QJsonObject> events;
        for (const std::string& line : ReadHistoryLines(HistoryFileName(Data())).value_or(std::vector<std::string>()))
            events.push_back(ParseEvent(line));
        return events;
    }
    HistoryRun History(const QString& command, const QStringList& more = {}) const
    {
        return RunHistoryProgram(QStringList{command} + more + QStringList{Path(QStringLiteral("lab.dat"))});
    }
};

TEST_F(HistoryWindowTest, SaveDeleteAndEditorSaveAreKeptAndTheDeletedRecordComesBack)
{
    Start(NumberedRecord(1) + NumberedRecord(2));
    EnterFourPointExample();
    PressPoint(1);
    PressPoint(2);
    QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
    ASSERT_EQ(Events().size(), 1u);
    const QJsonObject append = Events()[0];
    EXPECT_EQ(append.value(history_field::Record).toInteger(), 3);
    EXPECT_EQ(append.value(history_field::Equation).toString(), Equation());
    const QJsonArray excluded = append.value(history_field::ExcludedPoints).toArray();
    ASSERT_EQ(excluded.size(), 2);
    EXPECT_EQ(excluded[0].toObject().value(QStringLiteral("number")).toInt(), 2);
    EXPECT_EQ(excluded[1].toObject().value(QStringLiteral("x")).toDouble(), 3);
    EXPECT_EQ(excluded[1].toObject().value(QStringLiteral("y")).toDouble(), 5.9);

    ClickRecord(2);
    PressDelete();
    ASSERT_EQ(Events().size(), 2u);
    const std::string deleted = TextFileBytes(Events()[1].value(history_field::Text).toString());
    EXPECT_EQ(deleted, NumberedRecord(2).substr(2) + "\r\n") << "its lines up to the next marker";

    OpenEditor();
    TypeInEditor(QStringLiteral("7"));
    {
        ModalBoxCloser closer(QMessageBox::Yes);
        PressEsc();
    }
    ASSERT_EQ(Events().size(), 3u);
    EXPECT_EQ(Events()[2].value(history_field::Operation), QStringLiteral("editor-save"));

    const HistoryRun list = History(QStringLiteral("list"));
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 3) << list.out;
    EXPECT_EQ(History(QStringLiteral("verify")).status, 0);
    const std::string before = Read(QStringLiteral("lab.dat"));
    EXPECT_EQ(History(QStringLiteral("restore"), {QStringLiteral("2")}).status, 0);
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), before + "\r\n" + deleted) << "after the typed line's end";
}

TEST_F(HistoryWindowTest, AHistoryThatCannotBeWrittenRefusesTheDeleteAndADamagedOneIsGoneOn)
{
    Start(NumberedRecord(1) + NumberedRecord(2));
    ASSERT_TRUE(QDir().mkdir(Path(QStringLiteral("lab.dat.history"))));  // no file can be written there
    ClickRecord(1);
    {
        ModalBoxCloser closer;
        PressDelete();
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_EQ(closer.Boxes()[0].caption, QStringLiteral("Error"));
        EXPECT_TRUE(closer.Boxes()[0].text.startsWith(QStringLiteral("Запись не удалена"))) << closer.Boxes()[0].text.toStdString();
    }
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), NumberedRecord(1) + NumberedRecord(2));
    EXPECT_EQ(form->StringGrid2->RowCount(), 3);

    QDir(Path(QStringLiteral("lab.dat.history"))).removeRecursively();
    Write(QStringLiteral("lab.dat.history"), "not a history");
    {
        ModalBoxCloser closer;
        PressDelete();
        EXPECT_TRUE(closer.Boxes().empty());
    }
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), NumberedRecord(2));
    EXPECT_TRUE(Events().back().contains(history_field::Break));
    EXPECT_EQ(History(QStringLiteral("verify")).status, 1);
}

}  // namespace
