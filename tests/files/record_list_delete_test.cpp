#include <csignal>
#include <sys/resource.h>

#include "data_folder.h"

namespace {

class RecordDeleteTest : public DataFolderTest {
protected:
    void StartWith(int records, const std::string& preamble = {})
    {
        std::string bytes = preamble;
        for (int k = 1; k <= records; ++k)
            bytes += NumberedRecord(k);
        Start(bytes);
    }
};

TEST_F(RecordDeleteTest, TheMiddleOfThree)
{
    StartWith(3);
    ClickRecord(2);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0.02"));
    PressDelete();
    EXPECT_EQ(form->StringGrid2->RowCount(), 3);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0.03")) << "the former record 3, now record 2, is loaded";
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), NumberedRecord(1) + NumberedRecord(3));
}

TEST_F(RecordDeleteTest, TheLastOfThreeThenTheNewLast)
{
    StartWith(3);
    ClickRecord(3);
    PressDelete();
    EXPECT_EQ(form->StringGrid2->RowCount(), 3);
    EXPECT_EQ(form->State.SelectedRecord, 2);
    EXPECT_EQ(form->StringGrid2->Row(), 2);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0.02"));

    PressDelete();
    EXPECT_EQ(form->StringGrid2->RowCount(), 2);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0.01"));
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), NumberedRecord(1) + "\r\n")
        << "the separator in front of the deleted marker stays";
}

TEST_F(RecordDeleteTest, TheOnlyRecord)
{
    StartWith(1);
    ClickRecord(1);
    PressDelete();
    EXPECT_EQ(form->StringGrid2->RowCount(), 1);
    EXPECT_EQ(form->StringGrid2->FixedRows(), 0);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0.01")) << "the points of the deleted record stay";
    EXPECT_EQ(Cell1(2, 2), QStringLiteral("4"));
    EXPECT_TRUE(Equation().startsWith(EquationCaption(QStringLiteral("Y="))));
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), "\r\n");

    PressDelete();
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), "\r\n");
}

TEST_F(RecordDeleteTest, BeforeAnyLoadOnlyThePreambleGoes)
{
    StartWith(2, Cp("заметки\r\n"));
    ModalBoxCloser closer;  // the start-up points are recalculated: two on one vertical
    PressDelete();
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), NumberedRecord(1).substr(2) + NumberedRecord(2))
        << "up to the first marker";
    EXPECT_EQ(form->StringGrid2->RowCount(), 3);
    EXPECT_EQ(form->State.SelectedRecord, 0);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0")) << "nothing new is loaded";
}

// A delete that cannot write the file (a file size limit stands for a full
// share) says so in the program's box and lists the file as it now is.
TEST_F(RecordDeleteTest, AFailedDeleteSaysSoAndListsTheFileAgain)
{
    StartWith(3);
    ClickRecord(2);
    // A long last record: the history's event fits below the limit, the
    // rewritten file does not.
    const std::string fourth = RecordBytes("0.04000000", {{"1.00000000", "2.00000000"}}, {std::string(3000, '7')});
    Write(QStringLiteral("lab.dat"), NumberedRecord(1) + NumberedRecord(2) + NumberedRecord(3) + fourth);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{1500, old.rlim_max};
    {
        ModalBoxCloser closer;
        ::setrlimit(RLIMIT_FSIZE, &small);
        PressDelete();
        ::setrlimit(RLIMIT_FSIZE, &old);
        ASSERT_EQ(closer.Boxes().size(), 1u);
        EXPECT_EQ(closer.Boxes()[0].caption, QStringLiteral("Error"));
        EXPECT_EQ(closer.Boxes()[0].text,
                  QStringLiteral("Запись 2 не удалена: файл данных lab.dat не удалось прочитать или переписать. Файл "
                                 "не изменен."));
    }
    EXPECT_EQ(form->StringGrid2->RowCount(), 5) << "the record another program added is listed";
    EXPECT_EQ(Read(QStringLiteral("lab.dat")), NumberedRecord(1) + NumberedRecord(2) + NumberedRecord(3) + fourth);
}

}  // namespace
