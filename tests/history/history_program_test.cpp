#include <gtest/gtest.h>

#include "history_fixture.h"
#include "history_program.h"
#include "store/edited_file.h"
#include "store/record_delete.h"

namespace {

HistoryRun History(const QStringList& arguments)
{
    return RunHistoryProgram(arguments);
}

// Three records; record 4 appended, record 2 deleted, one line edited.
class HistoryProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HistoryWriter writer(QStringLiteral("test"));
        ASSERT_TRUE(folder.Append(writer));
        std::string bytes = Slurp(folder.data);
        const ByteRange second = RecordLines(bytes, 2);
        deleted = bytes.substr(second.begin, second.end - second.begin);
        ASSERT_TRUE(DeleteRecordLines(folder.data, 2, kDataFileLockWait, &writer));
        beforeEdit = Slurp(folder.data);
        std::string edited = beforeEdit;
        edited.replace(edited.find("0.3\r\n"), 5, "0.4\r\n");
        ASSERT_EQ(SaveEditedFile(folder.data, beforeEdit, edited, kDataFileLockWait, &writer).status,
                  EditedFileSave::Status::Saved);
    }
    QString Data() const { return QString::fromStdString(folder.data); }

    HistoryFolder folder;
    std::string deleted;
    std::string beforeEdit;
};

TEST_F(HistoryProgramTest, ListGivesOneLinePerEventOrTheStoredLines)
{
    const HistoryRun text = History({QStringLiteral("list"), Data()});
    EXPECT_EQ(text.status, 0) << text.error;
    const std::vector<std::string> expected{"append  record 4  05.03.2007 14:27", "delete  record 2  05.03.2007 14:27",
                                            "editor-save"};
    std::size_t at = 0;
    for (int seq = 1; seq <= 3; ++seq) {
        const std::size_t end = text.out.find('\n', at);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.out.substr(at, end - at);
        EXPECT_EQ(line.rfind(std::to_string(seq) + "  ", 0), 0u) << line;
        EXPECT_NE(line.find("@"), std::string::npos) << line;
        EXPECT_NE(line.find(expected[static_cast<std::size_t>(seq - 1)]), std::string::npos) << line;
        at = end + 1;
    }
    EXPECT_EQ(at, text.out.size());
    const HistoryRun one = History({QStringLiteral("list"), QStringLiteral("--record"), QStringLiteral("2"), Data()});
    EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 1);
    EXPECT_NE(one.out.find("delete"), std::string::npos);
    EXPECT_EQ(History({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("json"), Data()}).out,
              Slurp(folder.history));
}

TEST_F(HistoryProgramTest, VerifySaysWhetherTheChainIsWholeAndTheFileUnchangedSince)
{
    EXPECT_EQ(History({QStringLiteral("verify"), Data()}).status, 0);
    std::ofstream(folder.data, std::ios::app) << "x";
    const HistoryRun changed = History({QStringLiteral("verify"), Data()});
    EXPECT_EQ(changed.status, 1);
    EXPECT_NE(changed.error.find("changed outside the program after event 3"), std::string::npos) << changed.error;
}

TEST_F(HistoryProgramTest, RestoreBringsBackADeletedRecordOnceAndRefusesAnOutdatedEditorSave)
{
    const std::string before = Slurp(folder.data);
    const HistoryRun restored = History({QStringLiteral("restore"), QStringLiteral("2"), Data()});
    EXPECT_EQ(restored.status, 0) << restored.error;
    EXPECT_EQ(Slurp(folder.data), before + deleted) << "byte for byte at the end";
    const QJsonObject event = folder.Events().back();
    EXPECT_EQ(event.value(history_field::Operation), QStringLiteral("restore"));
    EXPECT_EQ(event.value(history_field::Restores).toInteger(), 2);
    EXPECT_EQ(History({QStringLiteral("verify"), Data()}).status, 0);

    const std::string history = Slurp(folder.history);
    const HistoryRun again = History({QStringLiteral("restore"), QStringLiteral("2"), Data()});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.out.find("nothing was written"), std::string::npos);
    const HistoryRun outdated = History({QStringLiteral("restore"), QStringLiteral("3"), Data()});
    EXPECT_EQ(outdated.status, 1);
    EXPECT_NE(outdated.error.find("event 4 changed the data file"), std::string::npos) << outdated.error;
    EXPECT_EQ(Slurp(folder.history), history);
}

TEST_F(HistoryProgramTest, RestoreOfAnEditorSaveWritesTheFileAsItWas)
{
    const HistoryRun restored = History({QStringLiteral("restore"), QStringLiteral("3"), Data()});
    EXPECT_EQ(restored.status, 0) << restored.error;
    EXPECT_EQ(Slurp(folder.data), beforeEdit);
    EXPECT_EQ(History({QStringLiteral("verify"), Data()}).status, 0);
    EXPECT_NE(History({QStringLiteral("restore"), QStringLiteral("3"), Data()}).out.find("nothing was written"),
              std::string::npos);
}

TEST_F(HistoryProgramTest, BadArgumentsAndUnreadableFilesExit2AndWriteNothing)
{
    const std::string data = Slurp(folder.data);
    const std::string history = Slurp(folder.history);
    const QString missing = QString::fromStdString(folder.dir.File("none.dat"));
    const QStringList cases[] = {
        {},
        {QStringLiteral("list")},
        {QStringLiteral("undo"), Data()},
        {QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("xml"), Data()},
        {QStringLiteral("list"), QStringLiteral("--record"), QStringLiteral("two"), Data()},
        {QStringLiteral("restore"), QStringLiteral("x"), Data()},
        {QStringLiteral("restore"), QStringLiteral("99"), Data()},
        {QStringLiteral("list"), missing},
        {QStringLiteral("verify"), missing},
        {QStringLiteral("restore"), QStringLiteral("2"), missing},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const HistoryRun run = History(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.error.empty());
    }
    EXPECT_EQ(Slurp(folder.data), data);
    EXPECT_EQ(Slurp(folder.history), history);
    EXPECT_FALSE(std::filesystem::exists(folder.dir.File("none.dat")));
}

}  // namespace
