#include "window_checks.h"

#include "ui/Unit2.h"
#include "ui/app_icon.h"

#include <QScrollBar>

TEST(AboutWindow, LooksAsDesignedWhenShown)
{
    TForm2 form;
    ShowModally(form, [&] {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("О программе"));
        EXPECT_EQ(form.pos(), QPoint(256, 129));
        EXPECT_EQ(form.size(), QSize(322, 254));
        EXPECT_EQ(form.Memo1->geometry(), form.rect());
        EXPECT_FALSE(form.Memo1->verticalScrollBar()->isVisible());
        EXPECT_FALSE(form.Memo1->horizontalScrollBar()->isVisible());
    });

    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the dialog frame has a fixed size";
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    ExpectSeenFont(form.font(), "Liberation Sans", 11);
    ExpectSeenFont(form.Memo1->font(), "Liberation Serif", 16);
    ExpectSilverWrappingField(form.Memo1);

    const QPalette palette = form.Memo1->palette();
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight), QColor(0xC0, 0xC0, 0xC0))
        << "the selection hides while the field has no focus";
}

TEST(AboutWindow, WearsTheProgramIcon)
{
    const QIcon icon = AppIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));

    TForm2 form;
    EXPECT_EQ(form.windowIcon().pixmap(32, 32).toImage(), icon.pixmap(32, 32).toImage());
}

TEST(AboutWindow, TextBeginsWithTheProgramNameThenContactLines)
{
    TForm2 form;
    const QStringList lines = LinesOf(form.Memo1);
    ASSERT_GT(lines.size(), 7);
    const QStringList head{QStringLiteral("Программа Толвазен."), QString(), QString(),
                           QStringLiteral(" "), QString(), QString(), QString()};
    EXPECT_EQ(lines.mid(0, 7), head);
    EXPECT_FALSE(lines.mid(7).join(QString()).trimmed().isEmpty());
}

TEST(AboutWindow, TextCannotBeChangedButCanBeSelected)
{
    TForm2 form;
    ShowModally(form, [&] {
        ExpectTypingChangesNothing(form.Memo1);
        QTest::keyClick(form.Memo1, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(form.Memo1, Qt::Key_End, Qt::ShiftModifier);
        EXPECT_EQ(form.Memo1->textCursor().selectedText(), QStringLiteral("Программа Толвазен."));
    });
}

TEST(AboutWindow, SecondShowingFindsTheSelectionOfTheFirst)
{
    TForm2 form;
    ShowModally(form, [&] {
        QTest::keyClick(form.Memo1, Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(form.Memo1, Qt::Key_Right, Qt::ShiftModifier);
    });
    QString selected;
    ShowModally(form, [&] { selected = form.Memo1->textCursor().selectedText(); });
    EXPECT_EQ(selected, QStringLiteral("Программа "));
    EXPECT_FALSE(form.isVisible());
}
