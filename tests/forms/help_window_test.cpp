#include "window_checks.h"

#include "ui/Unit3.h"

#include <QScrollBar>
#include <QTextBlock>

TEST(HelpWindow, LooksAsDesignedWhenShown)
{
    TForm3 form;
    ShowModally(form, [&] {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Помощь"));
        EXPECT_EQ(form.pos(), QPoint(188, 126));
        EXPECT_EQ(form.size(), QSize(534, 373));
        EXPECT_EQ(form.Memo1->geometry(), form.rect());
        EXPECT_TRUE(form.Memo1->verticalScrollBar()->isVisible());
        EXPECT_FALSE(form.Memo1->horizontalScrollBar()->isVisible());
    });

    EXPECT_NE(form.minimumSize(), form.maximumSize()) << "an ordinary resizable window";
    ExpectSeenFont(form.font(), "Liberation Sans", 11);
    ExpectSeenFont(form.Memo1->font(), "Liberation Sans", 13);
    ExpectSilverWrappingField(form.Memo1);

    const QPalette palette = form.Memo1->palette();
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
              palette.color(QPalette::Active, QPalette::Highlight))
        << "the selection stays visible while the field has no focus";
}

TEST(HelpWindow, TextHasSixtySixLinesWithItsHeadings)
{
    TForm3 form;
    const QStringList lines = LinesOf(form.Memo1);
    ASSERT_EQ(lines.size(), 66);
    EXPECT_EQ(lines[0], QStringLiteral(" Порядок работы с программой таков."));
    const int first = lines.indexOf(QStringLiteral("1) Вы хотите ввести свои данные и произвести расчет."));
    const int second = lines.indexOf(QStringLiteral("2) Вы хотите просмотреть файл данных."));
    EXPECT_GT(first, 0);
    EXPECT_GT(second, first);
    for (const QString& line : lines)
        EXPECT_TRUE(line.isEmpty() || line.endsWith(QLatin1Char('.')) || line.endsWith(QLatin1Char(' ')))
            << "a line that runs on ends in a blank: " << line.toStdString();
}

TEST(HelpWindow, TextTellsTheStepsInOrderWithTheProgramsOwnNames)
{
    TForm3 form;
    const QString text = form.Memo1->toPlainText();
    const QStringList steps{
        QStringLiteral("\"Кол-во точек:\""), QStringLiteral("\"Допуск:\""), QStringLiteral("F2"),
        QStringLiteral("F9"), QStringLiteral("калькулятора"), QStringLiteral("\"Холостая:\""),
        QStringLiteral("таблицу результатов"), QStringLiteral("знаков после запятой"),
        QStringLiteral("\"выключить\""), QStringLiteral("\"включить\""), QStringLiteral("Delete"),
        QStringLiteral("\"Сохранить расчет\""), QStringLiteral("2) Вы хотите"),
        QStringLiteral("меню \"Файл\""), QStringLiteral("tolvazen.dat"),
        QStringLiteral("Вид - Редактор")};
    qsizetype from = 0;
    for (const QString& step : steps) {
        const qsizetype at = text.indexOf(step, from);
        EXPECT_GE(at, 0) << step.toStdString() << " missing or out of order";
        if (at >= 0)
            from = at + step.size();
    }
}

TEST(HelpWindow, TextCannotBeChanged)
{
    TForm3 form;
    ShowModally(form, [&] { ExpectTypingChangesNothing(form.Memo1); });
}

TEST(HelpWindow, ResizingRewrapsTheText)
{
    TForm3 form;
    ShowModally(form, [&] {
        const QTextBlock longLine = form.Memo1->document()->findBlockByNumber(4);
        ASSERT_GT(longLine.text().size(), 50);
        form.resize(200, 300);
        QApplication::processEvents();
        EXPECT_EQ(form.Memo1->geometry(), form.rect());
        EXPECT_GT(longLine.layout()->lineCount(), 1);
        form.resize(1200, 700);
        QApplication::processEvents();
        EXPECT_EQ(form.Memo1->geometry(), form.rect());
        EXPECT_EQ(longLine.layout()->lineCount(), 1);
    });
}

TEST(HelpWindow, SecondShowingFindsScrollPositionAndSelectionOfTheFirst)
{
    TForm3 form;
    int scrolledTo = 0;
    ShowModally(form, [&] {
        QTest::keyClick(form.Memo1, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(form.Memo1, Qt::Key_Down, Qt::ShiftModifier);
        QScrollBar* bar = form.Memo1->verticalScrollBar();
        ASSERT_GT(bar->maximum(), 2) << "the text is longer than the window";
        scrolledTo = bar->maximum() / 2;
        bar->setValue(scrolledTo);
    });

    int scrollSeen = -1;
    QString selectionSeen;
    ShowModally(form, [&] {
        scrollSeen = form.Memo1->verticalScrollBar()->value();
        selectionSeen = form.Memo1->textCursor().selectedText();
    });
    EXPECT_EQ(scrollSeen, scrolledTo);
    EXPECT_EQ(selectionSeen, QStringLiteral(" Порядок работы с программой таков.") + QChar::ParagraphSeparator);
}
